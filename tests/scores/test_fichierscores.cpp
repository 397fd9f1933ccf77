// The score files: Memo's times and Quadrel's boards, read from whatever is on disk, ranked, inserted and
// written back byte for byte.
#include "scores/fichierscores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "dossiertemp.h"
#include "shell/creefichiers.h"

namespace tlv {
namespace {

TEST(LigneMemo, ReadsTheTimeOrFallsBackToTheDefault) {
    // Blanks lost or added around the time: the same record, written back in the exact layout.
    for (const char* decalee : {"PAUL 12", "PAUL            12  ", "PAUL             12",
                                "  PAUL          12", "PAUL\t12", "PAUL           12 "})
        EXPECT_EQ(lignememo(decalee).ligne, "PAUL            12") << decalee;
    EXPECT_EQ(lignememo("ABCDEFGHIJKLMNOP12").ligne, "ABCDEFGHIJKLMNOP12"); // a name filling its field
    EXPECT_EQ(lignememo("PAUL            0").temps, 0);
    // Windows-1252 as written, or UTF-8 from an editor: the same name, stored back in Windows-1252.
    for (const char* helene : {"H\xc9L\xc8NE          95", "H\xc3\x89L\xc3\x88NE          95"})
        EXPECT_EQ(lignememo(helene).ligne, "H\xc9L\xc8NE          95") << helene;
    EXPECT_EQ(lignememo("PAUL            32767").temps, 32767);
    using namespace std::string_literals;
    for (const auto& abimee : {"PAUL            32768"s, "PAUL            000012"s, "PAUL"s,
                               "PAUL            12a"s, "PAUL            -5"s, "PA\0L            12"s}) {
        EXPECT_EQ(lignememo(abimee).ligne, lignedefautmemo) << abimee;
        EXPECT_EQ(lignememo(abimee).temps, 10000) << abimee;
    }
}

TableMemo table(const std::array<int, 5>& temps) {
    TableMemo t;
    for (std::size_t i = 0; i < 5; ++i)
        t[i] = lignememo(formatememo(std::string(1, static_cast<char>('A' + i)), temps[i]));
    return t;
}

TEST(RangMemo, TiesGoBelowAndTheEndsAreReached) {
    const TableMemo t = table({50, 60, 70, 80, 90});
    for (const auto& [temps, rang] : {std::pair{49, 1}, {50, 2}, {89, 5}, {90, 0}})
        EXPECT_EQ(rangmemo(t, temps), rang) << temps;
    EXPECT_EQ(rangmemo(tablememodefaut(), 9999), 1);
    EXPECT_EQ(rangmemo(tablememodefaut(), 10000), 0);
    // The clock's limit is no true time, even against a table of longer ones.
    EXPECT_EQ(rangmemo(table({32767, 32767, 32767, 32767, 32767}), tempsmaxmemo), 0);
}

class Dossier : public ::testing::Test {
  protected:
    test::DossierTemp dossier;
    StockageDisque disque{dossier.chemin()};
    std::string p = dossier / "tlvmemo1.sco";
};

std::string L(const std::string& nom, int temps) {
    return formatememo(nom, temps) + "\r\n";
}

// A damaged, short or long file, then a time that ranks: no readable score is dropped before a default
// line, and the file is written back whole.
TEST_F(Dossier, DamagedFileThenARankingTime) {
    const std::string Inconnu = L("INCONNU", 10000);
    const std::string Cinq = L("ALICE", 20) + L("MOI", 32) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70);
    // The file (none when empty), the game's time recorded as "MOI", the file then.
    using Cas = std::tuple<std::string, int, std::string>;
    for (const auto& [contenu, temps, attendu] :
         {Cas{"", 32, L("MOI", 32) + Inconnu + Inconnu + Inconnu + Inconnu},
          Cas{"A               5\r\nB               6", 1,
              L("MOI", 1) + L("A", 5) + L("B", 6) + Inconnu + Inconnu},
          Cas{L("A", 1) + L("B", 2) + L("C", 3) + L("D", 4) + L("E", 5) + L("F", 6) + L("G", 7), 0,
              L("MOI", 0) + L("A", 1) + L("B", 2) + L("C", 3) + L("D", 4)},
          // Out of order, a mark, a damaged line, bare line ends and blank lines, and a default line left in
          // the middle by an earlier in-place reading, which goes back to the bottom.
          Cas{"\xEF\xBB\xBF" + L("EVE", 70) + "xx\r\n" + Inconnu + "CAROL           50\n\n" + L("ALICE", 20) +
                  L("DAN", 60),
              32, Cinq},
          // Equal times keep the file's order, and the new one goes below them.
          Cas{L("B", 40) + "?\r\n" + L("A", 40) + L("C", 40), 40,
              L("B", 40) + L("A", 40) + L("C", 40) + L("MOI", 40) + Inconnu}}) {
        SCOPED_TRACE(contenu);
        std::filesystem::remove(p);
        if (!contenu.empty()) test::ecritbrut(p, contenu);
        const TableMemo t = litmemo(disque, "tlvmemo1.sco");
        const int rang = rangmemo(t, temps);
        ASSERT_GT(rang, 0);
        ASSERT_TRUE(ecritmemo(disque, "tlvmemo1.sco", inserememo(t, rang, formatememo("MOI", temps))));
        EXPECT_EQ(test::litbrut(p), attendu);
    }
}

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

TableJong tablejong(const std::vector<std::string>& lignes) {
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
    // The table, the game's own line in it, the game's board and total time, its rank.
    using Cas = std::tuple<std::vector<std::string>, std::string, int, int, int>;
    for (const auto& [lignes, fichepartie, numtableau, tempscumule, rang] :
         {Cas{{}, "", 0, 119, 1}, Cas{{}, "", 0, 120, 0}, // a fresh table's defaults
          Cas{Deux, "", 3, 500, 1},                       // more boards beat faster games
          Cas{Deux, "", 2, 100, 2},                       // equal board and time go below
          Cas{Deux, "", 2, 300, 3},
          Cas{Deux, "A        00200100", 2, 150, 1}, // the own line leaves the comparison
          Cas{neufs("MOI      00100010"), "MOI      00100010", 1, 20, 10},
          Cas{neufs("J        00900100"), "", 9, 100, 0}})
        EXPECT_EQ(classejong(tablejong(lignes), fichepartie, numtableau, tempscumule).rang, rang)
            << numtableau << " " << tempscumule << " " << fichepartie;
}

TEST(InsertionJong, TheGameNeverHoldsTwoLinesAndLastPlaceDropsTheTenth) {
    // The game "MOI" was 3rd after board 1; after board 4 it goes first and its old line disappears.
    const TableJong t =
        tablejong({"A        00300100", "B        00200100", "MOI      00100010", "C        00100020"});
    const ClassementJong c = classejong(t, "MOI      00100010", 4, 400);
    ASSERT_EQ(c.rang, 1);
    const TableJong r = inserejong(c.liste, c.rang, formatejong("MOI", 4, 400));
    const std::vector<std::string> attendu = {"MOI      00400400", "A        00300100", "B        00200100",
                                              "C        00100020", "INCONNU  00000120"};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r[i].ligne, attendu[std::min<std::size_t>(i, 4)]) << i;
    // Last place drops the tenth line.
    const auto l = neufs("J        00900300");
    const ClassementJong d = classejong(tablejong(l), "", 9, 200);
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
    // Nine real games, boards 9 down to 1, out of order among a mark, a line too long, a default line, a
    // damaged one and bare line ends; afterwards the game "MOI" at board 5 among them.
    const std::vector<std::string> Neuf = {"J9       00900100", "J8       00800100", "J7       00700100",
                                           "J6       00600100", "J5       00500100", "J4       00400100",
                                           "J3       00300100", "J2       00200100", "J1       00100100"};
    test::DossierTemp dossier;
    StockageDisque disque(dossier.chemin());
    test::ecritbrut(dossier / fichierjong, "\xEF\xBB\xBF" +
                                               lignes({Neuf[8], Neuf[0], "J0       009001000", Neuf[4],
                                                       "INCONNU  00000120", "bof", Neuf[2], Neuf[1]}) +
                                               lignes({Neuf[7], Neuf[3], "", Neuf[6], Neuf[5]}, "\r"));
    const ClassementJong cl = classejong(litjong(disque, fichierjong), "", 5, 100);
    ASSERT_GT(cl.rang, 0);
    ASSERT_TRUE(ecritjong(disque, fichierjong, inserejong(cl.liste, cl.rang, formatejong("MOI", 5, 100))));
    std::vector<std::string> attendu = Neuf;
    attendu.insert(attendu.begin() + 5, "MOI      00500100");
    EXPECT_EQ(test::litbrut(dossier / fichierjong), lignes(attendu));
}

TEST(Heures, TwoDigitsEach) {
    EXPECT_EQ(heures(3725), "01:02:05");
    EXPECT_EQ(heures(32767), "09:06:07");
    EXPECT_EQ(heures(-4), "00:00:00");
}

} // namespace
} // namespace tlv
