// The Quadrel score table: lines, ranking by board then time, the game's single line, the time shown.
#include <gtest/gtest.h>

#include <vector>

#include "scores/fichierscores.h"

namespace tlv {
namespace {

TEST(LigneJong, FixedWidthsReadBackOrTheDefault) {
    const ScoreJong s = lignejong("\xc9T\xc9      01203725");
    EXPECT_EQ(s.tableau, 12);
    EXPECT_EQ(s.temps, 3725);
    for (const char* abimee :
         {"MARTINE  0120372", "MARTINE  012037250", "MARTINE  0A203725", "MARTINE  01240000"})
        EXPECT_EQ(lignejong(abimee).ligne, lignedefautjong) << abimee;
    EXPECT_EQ(formatejong("ÉTÉ", 3, 5), "\xc9T\xc9      00300005");
    EXPECT_EQ(formatejong("TROPLONGNOM", 1, 1), "TROPLONGN00100001");
    // Beyond the 16-bit time of the file, the line stays readable.
    EXPECT_EQ(lignejong(formatejong("A", 1000, 100000)).ligne, "A        99932767");
}

TableJong table(const std::vector<std::string>& lignes) {
    TableJong t;
    for (std::size_t i = 0; i < lignes.size(); ++i) t[i] = lignejong(lignes[i]);
    return t;
}

std::vector<std::string> neufs(const std::string& dixieme) {
    std::vector<std::string> l(9, "A        00900100");
    l.push_back(dixieme);
    return l;
}

struct CasRangJong {
    const char* nom;
    std::vector<std::string> lignes;
    std::string fichepartie;
    int numtableau, tempscumule, rang;
};

class RangJong : public ::testing::TestWithParam<CasRangJong> {};

TEST_P(RangJong, BoardFirstThenLowerTime) {
    const auto& c = GetParam();
    EXPECT_EQ(classejong(table(c.lignes), c.fichepartie, c.numtableau, c.tempscumule).rang, c.rang);
}

const std::vector<std::string> Deux = {"A        00200100", "B        00200300", "C        00100050"};

INSTANTIATE_TEST_SUITE_P(
    Cas, RangJong,
    ::testing::Values(CasRangJong{"FreshTableBoardZeroQuickerThan120", {}, "", 0, 119, 1},
                      CasRangJong{"FreshTableBoardZeroSlower", {}, "", 0, 120, 0},
                      CasRangJong{"MoreBoardsBeatFasterGames", Deux, "", 3, 500, 1},
                      CasRangJong{"EqualBoardEqualTimeGoesBelow", Deux, "", 2, 100, 2},
                      CasRangJong{"BelowTheTwos", Deux, "", 2, 300, 3},
                      CasRangJong{"OwnLineLeavesTheComparison", Deux, "A        00200100", 2, 150, 1},
                      CasRangJong{"TenthPlaceAfterOwnLine", neufs("MOI      00100010"), "MOI      00100010",
                                  1, 20, 10},
                      CasRangJong{"FullTableNotRanked", neufs("J        00900100"), "", 9, 100, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(InsertionJong, TheGameNeverHoldsTwoLinesAndLastPlaceDropsTheTenth) {
    // The game "MOI" was 3rd after board 1; after board 4 it goes first and its old line disappears.
    const TableJong t =
        table({"A        00300100", "B        00200100", "MOI      00100010", "C        00100020"});
    const ClassementJong c = classejong(t, "MOI      00100010", 4, 400);
    ASSERT_EQ(c.rang, 1);
    const TableJong r = inserejong(c.liste, c.rang, formatejong("MOI", 4, 400));
    const std::vector<std::string> attendu = {"MOI      00400400", "A        00300100", "B        00200100",
                                              "C        00100020", "INCONNU  00000120"};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r[i].ligne, attendu[std::min<std::size_t>(i, 4)]) << i;
    // Last place drops the tenth line.
    const auto l = neufs("J        00900300");
    const ClassementJong d = classejong(table(l), "", 9, 200);
    ASSERT_EQ(d.rang, 10);
    EXPECT_EQ(inserejong(d.liste, d.rang, formatejong("Z", 9, 200))[9].ligne, "Z        00900200");
}

TEST(Heures, TwoDigitsEach) {
    EXPECT_EQ(heures(3725), "01:02:05");
    EXPECT_EQ(heures(32767), "09:06:07");
    EXPECT_EQ(heures(-4), "00:00:00");
}

} // namespace
} // namespace tlv
