// The Quadrel score table: lines, ranking by board then time, the game's single line, the time shown.
#include <gtest/gtest.h>

#include <vector>

#include "scores/fichierscores.h"

namespace tlv {
namespace {

struct CasLigneJong {
    const char* nom;
    std::string octets;
    bool defaut;
    int tableau, temps;
};

class LigneJong : public ::testing::TestWithParam<CasLigneJong> {};

TEST_P(LigneJong, ReadsBoardAndTimeOrFallsBackToTheDefault) {
    const auto& c = GetParam();
    const ScoreJong s = lignejong(c.octets);
    EXPECT_EQ(s.tableau, c.tableau);
    EXPECT_EQ(s.temps, c.temps);
    EXPECT_EQ(s.ligne, c.defaut ? std::string(lignedefautjong) : c.octets);
}

INSTANTIATE_TEST_SUITE_P(Cas, LigneJong,
                         ::testing::Values(CasLigneJong{"Default", "INCONNU  00000120", false, 0, 120},
                                           CasLigneJong{"Played", "MARTINE  01203725", false, 12, 3725},
                                           CasLigneJong{"Cp1252", "\xc9T\xc9      00300500", false, 3, 500},
                                           CasLigneJong{"Short", "MARTINE  0120372", true, 0, 120},
                                           CasLigneJong{"Long", "MARTINE  012037250", true, 0, 120},
                                           CasLigneJong{"LettersInBoard", "MARTINE  0A203725", true, 0, 120},
                                           CasLigneJong{"Above16Bit", "MARTINE  01240000", true, 0, 120},
                                           CasLigneJong{"Empty", "", true, 0, 120}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST(FormatJong, FixedWidths) {
    EXPECT_EQ(formatejong("MARTINE", 12, 3725), "MARTINE  01203725");
    EXPECT_EQ(formatejong("ÉTÉ", 3, 5), "\xc9T\xc9      00300005");
    EXPECT_EQ(formatejong("TROPLONGNOM", 1, 1), "TROPLONGN00100001");
    // Beyond the 16-bit time of the file, the line stays readable.
    EXPECT_EQ(formatejong("A", 1000, 100000), "A        99932767");
    EXPECT_EQ(lignejong(formatejong("A", 1000, 100000)).temps, 32767);
}

TableJong table(const std::vector<std::string>& lignes) {
    TableJong t;
    for (std::size_t i = 0; i < lignes.size() && i < t.size(); ++i) t[i] = lignejong(lignes[i]);
    return t;
}

struct CasRangJong {
    const char* nom;
    std::vector<std::string> lignes;
    std::string fichepartie;
    int numtableau, tempscumule;
    int rang;
};

class RangJong : public ::testing::TestWithParam<CasRangJong> {};

TEST_P(RangJong, BoardFirstThenLowerTime) {
    const auto& c = GetParam();
    EXPECT_EQ(classejong(table(c.lignes), c.fichepartie, c.numtableau, c.tempscumule).rang, c.rang);
}

const std::vector<std::string> Deux = {"A        00200100", "B        00200300", "C        00100050"};

INSTANTIATE_TEST_SUITE_P(
    Cas, RangJong,
    ::testing::Values(
        CasRangJong{"FreshTableBoardOne", {}, "", 1, 5000, 1},
        CasRangJong{"FreshTableBoardZeroQuickerThan120", {}, "", 0, 119, 1},
        CasRangJong{"FreshTableBoardZeroSlower", {}, "", 0, 120, 0},
        CasRangJong{"MoreBoardsBeatFasterGames", Deux, "", 3, 500, 1},
        CasRangJong{"EqualBoardLowerTime", Deux, "", 2, 99, 1},
        CasRangJong{"EqualBoardEqualTimeGoesBelow", Deux, "", 2, 100, 2},
        CasRangJong{"BetweenTimes", Deux, "", 2, 200, 2}, CasRangJong{"BelowTheTwos", Deux, "", 2, 300, 3},
        CasRangJong{"OwnLineLeavesTheComparison", Deux, "A        00200100", 2, 150, 1},
        CasRangJong{"TenthPlaceAfterOwnLineBeatenByAnyBoard",
                    {"A        00900100", "B        00900100", "C        00900100", "D        00900100",
                     "E        00900100", "F        00900100", "G        00900100", "H        00900100",
                     "I        00900100", "MOI      00100010"},
                    "MOI      00100010",
                    1,
                    20,
                    10},
        CasRangJong{"FullTableNotRanked",
                    {"A        00900100", "B        00900100", "C        00900100", "D        00900100",
                     "E        00900100", "F        00900100", "G        00900100", "H        00900100",
                     "I        00900100", "J        00900100"},
                    "",
                    9,
                    100,
                    0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(InsertionJong, TheGameNeverHoldsTwoLines) {
    // The game "MOI" ranked 3rd after board 1; after board 4 it goes first and its old line disappears.
    TableJong t = table({"A        00300100", "B        00200100", "MOI      00100010", "C        00100020"});
    const std::string ancienne = "MOI      00100010";
    const std::string nouvelle = formatejong("MOI", 4, 400);
    const ClassementJong c = classejong(t, ancienne, 4, 400);
    ASSERT_EQ(c.rang, 1);
    const TableJong r = inserejong(c.liste, c.rang, nouvelle);
    const std::vector<std::string> attendu = {nouvelle,
                                              "A        00300100",
                                              "B        00200100",
                                              "C        00100020",
                                              "INCONNU  00000120",
                                              "INCONNU  00000120",
                                              "INCONNU  00000120",
                                              "INCONNU  00000120",
                                              "INCONNU  00000120",
                                              "INCONNU  00000120"};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r[i].ligne, attendu[i]) << i;
    int miens = 0;
    for (const auto& s : r) miens += s.ligne.starts_with("MOI ");
    EXPECT_EQ(miens, 1);
}

TEST(InsertionJong, LastPlaceDropsTheTenthLine) {
    std::vector<std::string> l;
    for (char c = 'A'; c <= 'J'; ++c)
        l.push_back(std::string(1, c) + "        00500" + std::to_string(100 + 2 * (c - 'A')));
    const TableJong t = table(l);
    const ClassementJong c = classejong(t, "", 5, 117);
    ASSERT_EQ(c.rang, 10);
    const TableJong r = inserejong(c.liste, c.rang, formatejong("Z", 5, 117));
    EXPECT_EQ(r[8].ligne, l[8]);
    EXPECT_EQ(r[9].ligne, "Z        00500117");
}

struct CasHeures {
    int secondes;
    const char* texte;
};

class Heures : public ::testing::TestWithParam<CasHeures> {};

TEST_P(Heures, TwoDigitsEach) {
    EXPECT_EQ(heures(GetParam().secondes), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Cas, Heures,
                         ::testing::Values(CasHeures{0, "00:00:00"}, CasHeures{59, "00:00:59"},
                                           CasHeures{120, "00:02:00"}, CasHeures{3725, "01:02:05"},
                                           CasHeures{32767, "09:06:07"}, CasHeures{-4, "00:00:00"}));

} // namespace
} // namespace tlv
