// The Memo score files: reading whatever is on disk, ranking, insertion and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>

#include "dossiertemp.h"
#include "scores/fichierscores.h"
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

TEST(InsertionMemo, EachRankShiftsTheLinesBelowAndDropsTheLast) {
    const TableMemo t = table({50, 60, 70, 80, 90});
    for (std::size_t rang = 1; rang <= 5; ++rang) {
        const TableMemo r = inserememo(t, static_cast<int>(rang), formatememo("NOUVEAU", 55));
        for (std::size_t i = 1; i <= 5; ++i)
            EXPECT_EQ(r[i - 1].ligne, i == rang ? "NOUVEAU         55" : t[i < rang ? i - 1 : i - 2].ligne)
                << rang << " " << i;
    }
}

class Dossier : public ::testing::Test {
  protected:
    test::DossierTemp dossier;
    StockageDisque disque{dossier.chemin()};
    std::string p = dossier / "tlvmemo1.sco";
};

TEST_F(Dossier, RoundTripIsByteExact) {
    test::ecritbrut(p, contenuinitial("tlvmemo0.sco"));
    TableMemo t = litmemo(disque, "tlvmemo1.sco");
    t = inserememo(t, rangmemo(t, 42), formatememo("zoé \"x\"", 42));
    ASSERT_TRUE(ecritmemo(disque, "tlvmemo1.sco", t));
    std::string attendu = "zo\xe9 \"x\"         42\r\n";
    for (int i = 0; i < 4; ++i) attendu += "INCONNU         10000\r\n";
    EXPECT_EQ(test::litbrut(p), attendu);
}

std::string L(const std::string& nom, int temps) {
    return formatememo(nom, temps) + "\r\n";
}

// A damaged, short or long file, then a time that ranks: no readable score is dropped before a default
// line, and the file is written back whole.
TEST_F(Dossier, DamagedFileThenARankingTime) {
    const std::string Inconnu = L("INCONNU", 10000);
    const std::string Cinq = L("ALICE", 20) + L("MOI", 32) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70);
    struct Cas {
        std::string contenu; // nothing: no file
        int temps;           // the game's time, recorded as "MOI"
        std::string attendu;
    };
    for (const Cas& c :
         {Cas{"", 32, L("MOI", 32) + Inconnu + Inconnu + Inconnu + Inconnu},
          Cas{"A               5\r\nB               6", 1,
              L("MOI", 1) + L("A", 5) + L("B", 6) + Inconnu + Inconnu},
          Cas{"\x01\x02\xff\r\nbonjour\r\n\r\n", 9999,
              L("MOI", 9999) + Inconnu + Inconnu + Inconnu + Inconnu},
          Cas{L("A", 1) + L("B", 2) + L("C", 3) + L("D", 4) + L("E", 5) + L("F", 6) + L("G", 7), 0,
              L("MOI", 0) + L("A", 1) + L("B", 2) + L("C", 3) + L("D", 4)},
          Cas{L("ALICE", 20) + "xx\r\n" + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70), 32, Cinq},
          Cas{"ALICE 20\r\nCAROL            50\r\nDAN             60   \r\n  EVE   70\r\n", 32, Cinq},
          Cas{"\xEF\xBB\xBF" + L("ALICE", 20) + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70) + "xx", 32,
              Cinq},
          Cas{"ALICE           20\rCAROL           50\rDAN             60\rEVE             70\r", 32, Cinq},
          Cas{"ALICE           20\n\nCAROL           50\n\n\nDAN             60\nEVE             70\n", 32,
              Cinq},
          // A default line left in the middle by an earlier in-place reading goes back to the bottom.
          Cas{L("ALICE", 20) + Inconnu + L("CAROL", 50) + L("DAN", 60) + L("EVE", 70), 32, Cinq},
          Cas{L("EVE", 70) + L("CAROL", 50) + L("ALICE", 20) + L("DAN", 60), 32, Cinq},
          // Equal times keep the file's order, and the new one goes below them.
          Cas{L("B", 40) + "?\r\n" + L("A", 40) + L("C", 40), 40,
              L("B", 40) + L("A", 40) + L("C", 40) + L("MOI", 40) + Inconnu}}) {
        SCOPED_TRACE(c.contenu);
        std::filesystem::remove(p);
        if (!c.contenu.empty()) test::ecritbrut(p, c.contenu);
        const TableMemo t = litmemo(disque, "tlvmemo1.sco");
        const int rang = rangmemo(t, c.temps);
        ASSERT_GT(rang, 0);
        ASSERT_TRUE(ecritmemo(disque, "tlvmemo1.sco", inserememo(t, rang, formatememo("MOI", c.temps))));
        EXPECT_EQ(test::litbrut(p), c.attendu);
    }
}

} // namespace
} // namespace tlv
