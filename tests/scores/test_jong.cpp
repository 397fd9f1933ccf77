// The Quadrel score table: lines, ranking by board then time, the game's single line, the time shown.
#include <gtest/gtest.h>

#include <vector>

#include "dossiertemp.h"
#include "scores/fichierscores.h"

namespace tlv {
namespace {

TEST(LigneJong, FixedWidthsReadBackOrTheDefault) {
    // Blanks lost or added around the fields: the same record, written back in the exact layout.
    for (const char* decalee :
         {"JO 01203725", "JO       01203725  ", "  JO     01203725", "JO       012 03725", "JO 012 3725",
          "JO\t01203725", "JO       01203725 note"})
        EXPECT_EQ(lignejong(decalee).ligne, "JO       01203725") << decalee;
    // A name filling its nine bytes leaves the line at exactly 17, with no blank between the fields.
    for (const char* pleine : {"MARTINEAU01203725", "JEAN PAUL01203725"})
        EXPECT_EQ(lignejong(pleine).ligne, pleine) << pleine;
    const ScoreJong s = lignejong("\xc9T\xc9      01203725");
    EXPECT_EQ(s.tableau, 12);
    EXPECT_EQ(s.temps, 3725);
    EXPECT_EQ(lignejong("\xc3\x89T\xc3\x89      01203725").ligne, s.ligne); // saved by a UTF-8 editor
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

TEST(RangJong, BoardFirstThenLowerTime) {
    const std::vector<std::string> Deux = {"A        00200100", "B        00200300", "C        00100050"};
    struct Cas {
        std::vector<std::string> lignes;
        std::string fichepartie;
        int numtableau, tempscumule, rang;
    };
    for (const Cas& c : {Cas{{}, "", 0, 119, 1}, Cas{{}, "", 0, 120, 0}, // a fresh table's defaults
                         Cas{Deux, "", 3, 500, 1},                       // more boards beat faster games
                         Cas{Deux, "", 2, 100, 2},                       // equal board and time go below
                         Cas{Deux, "", 2, 300, 3},
                         Cas{Deux, "A        00200100", 2, 150, 1}, // the own line leaves the comparison
                         Cas{neufs("MOI      00100010"), "MOI      00100010", 1, 20, 10},
                         Cas{neufs("J        00900100"), "", 9, 100, 0}})
        EXPECT_EQ(classejong(table(c.lignes), c.fichepartie, c.numtableau, c.tempscumule).rang, c.rang)
            << c.numtableau << " " << c.tempscumule << " " << c.fichepartie;
}

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

std::string lignes(const std::vector<std::string>& l, const char* fin = "\r\n") {
    std::string s;
    for (const auto& x : l) s += x + fin;
    return s;
}

// A damaged "tlvjong0.sco", then a game that ranks: the real games stay in order, defaults go first.
TEST(JongAbimePuisClasse, NoReadableGameIsDroppedBeforeADefaultLine) {
    // Nine real games, boards 9 down to 1; afterwards the game "MOI" at board 5 among them.
    const std::vector<std::string> Neuf = {"J9       00900100", "J8       00800100", "J7       00700100",
                                           "J6       00600100", "J5       00500100", "J4       00400100",
                                           "J3       00300100", "J2       00200100", "J1       00100100"};
    const auto sauf = [&](std::size_t i, const std::string& par) {
        std::vector<std::string> l = Neuf;
        l.insert(l.begin() + static_cast<std::ptrdiff_t>(i), par);
        return l;
    };
    const std::vector<std::string> attendu = sauf(5, "MOI      00500100");
    const std::string avant[] = {
        lignes(sauf(1, "xx")),
        lignes(sauf(0, "J0       009001000")),
        lignes(sauf(2, "INCONNU  00000120")),
        "\xEF\xBB\xBF" + lignes(sauf(9, "???")),
        lignes(sauf(3, ""), "\r"),
        lignes(Neuf, "\n"),
        "J9 00900100\r\n  J8 008 00100 \r\nJ7       00700100   \r\n" +
            lignes(std::vector<std::string>(Neuf.begin() + 3, Neuf.end())),
        lignes({Neuf[8], Neuf[0], Neuf[4], "bof", Neuf[2], Neuf[1], Neuf[7], Neuf[3], Neuf[6], Neuf[5]})};
    test::DossierTemp dossier;
    const std::string p = dossier / fichierjong;
    StockageDisque disque(dossier.chemin());
    for (const std::string& contenu : avant) {
        SCOPED_TRACE(contenu);
        test::ecritbrut(p, contenu);
        const ClassementJong cl = classejong(litjong(disque, fichierjong), "", 5, 100);
        ASSERT_GT(cl.rang, 0);
        ASSERT_TRUE(
            ecritjong(disque, fichierjong, inserejong(cl.liste, cl.rang, formatejong("MOI", 5, 100))));
        EXPECT_EQ(test::litbrut(p), lignes(attendu));
    }
}

TEST(Heures, TwoDigitsEach) {
    EXPECT_EQ(heures(3725), "01:02:05");
    EXPECT_EQ(heures(32767), "09:06:07");
    EXPECT_EQ(heures(-4), "00:00:00");
}

} // namespace
} // namespace tlv
