// The Quadrel score table: lines, ranking by board then time, the game's single line, the time shown.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "dossiertemp.h"
#include "scores/fichierscores.h"

namespace tlv {
namespace {

TEST(LigneJong, FixedWidthsReadBackOrTheDefault) {
    // Blanks lost or added around the fields: the same record, written back in the exact layout.
    for (const char* decalee : {"JO 01203725", "JO       01203725  ", "  JO     01203725",
                                "JO       012 03725", "JO 012 3725", "JO\t01203725"})
        EXPECT_EQ(lignejong(decalee).ligne, "JO       01203725") << decalee;
    // A name filling its nine bytes leaves the line at exactly 17, with no blank between the fields.
    for (const char* pleine : {"MARTINEAU01203725", "JEAN PAUL01203725"})
        EXPECT_EQ(lignejong(pleine).ligne, pleine) << pleine;
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

// A damaged "tlvjong0.sco", then a game that ranks: the real games stay in order, defaults go first.
struct CasAbimeJong {
    const char* nom;
    std::string contenu;
    std::vector<std::string> attendu; // the lines afterwards, INCONNU filling the rest
};

std::string lignes(const std::vector<std::string>& l, const char* fin = "\r\n") {
    std::string s;
    for (const auto& x : l) s += x + fin;
    return s;
}

class JongAbimePuisClasse : public ::testing::TestWithParam<CasAbimeJong> {
  protected:
    test::DossierTemp dossier;
};

TEST_P(JongAbimePuisClasse, NoReadableGameIsDroppedBeforeADefaultLine) {
    const auto& c = GetParam();
    const std::string p = dossier / fichierjong;
    std::ofstream(p, std::ios::binary) << c.contenu;
    const ClassementJong cl = classejong(litjong(p), "", 5, 100);
    ASSERT_GT(cl.rang, 0);
    ASSERT_TRUE(ecritjong(p, inserejong(cl.liste, cl.rang, formatejong("MOI", 5, 100))));
    std::vector<std::string> attendu = c.attendu;
    attendu.resize(10, std::string(lignedefautjong));
    std::ifstream f(p, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), lignes(attendu));
}

// Nine real games, boards 9 down to 1, and the game "MOI" at board 5 among them.
const std::vector<std::string> Neuf = {"J9       00900100", "J8       00800100", "J7       00700100",
                                       "J6       00600100", "J5       00500100", "J4       00400100",
                                       "J3       00300100", "J2       00200100", "J1       00100100"};
std::vector<std::string> avecmoi() {
    std::vector<std::string> l = Neuf;
    l.insert(l.begin() + 5, "MOI      00500100");
    return l;
}
std::vector<std::string> sauf(std::vector<std::string> l, std::size_t i, const std::string& par) {
    l.insert(l.begin() + static_cast<std::ptrdiff_t>(i), par);
    return l;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, JongAbimePuisClasse,
    ::testing::Values(CasAbimeJong{"UnreadableLine", lignes(sauf(Neuf, 1, "xx")), avecmoi()},
                      CasAbimeJong{"TooLongLine", lignes(sauf(Neuf, 0, "J0       009001000")), avecmoi()},
                      CasAbimeJong{"DefaultLineInTheMiddle", lignes(sauf(Neuf, 2, "INCONNU  00000120")),
                                   avecmoi()},
                      CasAbimeJong{"ByteOrderMark", "\xEF\xBB\xBF" + lignes(sauf(Neuf, 9, "???")), avecmoi()},
                      CasAbimeJong{"CarriageReturnsOnly", lignes(sauf(Neuf, 3, ""), "\r"), avecmoi()},
                      CasAbimeJong{"LineFeedsOnly", lignes(Neuf, "\n"), avecmoi()},
                      CasAbimeJong{"BlanksAroundTheFields",
                                   "J9 00900100\r\n  J8 008 00100 \r\nJ7       00700100   \r\n" +
                                       lignes(std::vector<std::string>(Neuf.begin() + 3, Neuf.end())),
                                   avecmoi()},
                      CasAbimeJong{"OutOfOrder",
                                   lignes({Neuf[8], Neuf[0], Neuf[4], "bof", Neuf[2], Neuf[1], Neuf[7],
                                           Neuf[3], Neuf[6], Neuf[5]}),
                                   avecmoi()}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(Heures, TwoDigitsEach) {
    EXPECT_EQ(heures(3725), "01:02:05");
    EXPECT_EQ(heures(32767), "09:06:07");
    EXPECT_EQ(heures(-4), "00:00:00");
}

} // namespace
} // namespace tlv
