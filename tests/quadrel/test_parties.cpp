// Saved games: lines created and updated after each board, damaged files read soundly (a game read back and
// one erased are the fuzz target's round trip). The texts of the clock and of the notices ending a board.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "dossiertemp.h"
#include "quadrel/regles/libelles.h"
#include "quadrel/regles/parties.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

namespace fs = std::filesystem;

class Sauvegardes : public ::testing::Test {
  protected:
    test::DossierTemp temp;
    std::string dossier = temp.chemin();
    StockageDisque disque{dossier};
    std::string lit() const { return test::litbrut(dossier + fichierparties).value_or(""); }
    void ecrit(const std::string& octets) const { test::ecritbrut(dossier + fichierparties, octets); }
};

TEST_F(Sauvegardes, BoardsClearedAddTheirTimesAndTheGameResumesAfterTheLast) {
    Parties p(disque);
    for (const char* n : {"AVANT", "TOTO", "APRES"}) ASSERT_TRUE(p.ajoutepartie(n));
    EXPECT_EQ(p.chargepartie("TOTO").numtableau, 0); // a new game reads as board -1
    EXPECT_EQ(p.sauvepartie("TOTO", 0, 100).valeur(), 20);
    EXPECT_EQ(p.sauvepartie("TOTO", 1, -7).valeur(),
              147); // a penalty below zero still counts the whole board
    EXPECT_EQ(lit(), "AVANT     -100000\r\nTOTO     00100147\r\nAPRES     -100000\r\n");
}

TEST_F(Sauvegardes, AccentedNamesTakeOneByteAndLongNamesAreCut) {
    Parties p(disque);
    ASSERT_TRUE(p.ajoutepartie("ÉTÉ"));
    ASSERT_TRUE(p.ajoutepartie("ABCDEFGHIJKL"));
    EXPECT_EQ(lit(), "\xC9T\xC9       -100000\r\nABCDEFGHI -100000\r\n");
    EXPECT_EQ(p.rendlepremiernom(), "ÉTÉ");
    EXPECT_TRUE(p.existe("ÉTÉ"));
    // The file saved by a UTF-8 editor: the same game, written back in Windows-1252.
    ecrit("\xC3\x89T\xC3\x89      00400120\r\n");
    EXPECT_EQ(p.rendlepremiernom(), "ÉTÉ");
    EXPECT_EQ(p.sauvepartie("ÉTÉ", 5, 120).valeur(), 120);
    EXPECT_EQ(lit(), "\xC9T\xC9      00500120\r\n");
}

TEST_F(Sauvegardes, TwoLinesOfOneNameBothRewrittenAndTheLastLoaded) {
    ecrit("TOTO     00300200\r\nTOTO     00100010\r\n");
    Parties p(disque);
    EXPECT_EQ(p.chargepartie("TOTO").numtableau, 2);
    EXPECT_EQ(p.sauvepartie("TOTO", 4, 110).valeur(), 20);
    EXPECT_EQ(lit(), "TOTO     00400210\r\nTOTO     00400020\r\n");
}

TEST_F(Sauvegardes, DamagedLinesAreReadAsNoProgressAndKept) {
    ecrit("\r\nZUT      xx 00100\r\nAB\r\n   \r\nFIN      00200abcde");
    Parties p(disque);
    EXPECT_EQ(p.rendlepremiernom(), "ZUT");
    EXPECT_EQ(p.rendlenom(1), "AB");
    EXPECT_EQ(p.rendlenom(2), "FIN");
    EXPECT_EQ(p.rendlenom(3), "");
    EXPECT_EQ(p.rendlenom(-1), "");
    EXPECT_EQ(p.chargepartie("ZUT").numtableau, 0);
    EXPECT_EQ(p.chargepartie("AB").numtableau, 0);
    EXPECT_EQ(p.chargepartie("FIN").numtableau, 3);
    EXPECT_EQ(p.chargepartie("FIN").tempscumule, 0);
    EXPECT_EQ(p.sauvepartie("FIN", 3, 100).valeur(), 20);
    EXPECT_EQ(lit(), "ZUT      xx 00100\r\nAB\r\nFIN      00300020\r\n");
}

TEST_F(Sauvegardes, AGameWhoseLineWentMissingKeepsItsProgress) {
    Parties p(disque);
    ASSERT_TRUE(p.ajoutepartie("TOTO"));
    fs::remove(dossier + fichierparties);
    EXPECT_EQ(p.sauvepartie("TOTO", 2, 30).valeur(), 90);
    EXPECT_EQ(p.chargepartie("TOTO").numtableau, 3);
}

TEST_F(Sauvegardes, TimesStopAtFiveDigits) {
    ecrit("LONG     05099990\r\n");
    Parties p(disque);
    EXPECT_EQ(p.sauvepartie("LONG", 51, 0).valeur(), tempsmaxpartie);
    EXPECT_EQ(lit(), "LONG     05199999\r\n");
}

// A refusal tells its own cause, the one the player is told.
TEST_F(Sauvegardes, AFailedWriteCarriesItsReason) {
    fs::create_directory(dossier + "avecdossier");
    fs::create_directory(dossier + "avecdossier/" + fichierparties);
    for (const auto& [sous, erreur] : {std::pair{"absent/", ENOENT}, std::pair{"avecdossier/", EISDIR}}) {
        SCOPED_TRACE(sous);
        StockageDisque ailleurs(dossier + sous);
        Parties p(ailleurs);
        EXPECT_EQ(p.ajoutepartie("TOTO").erreur(), erreur);
        EXPECT_EQ(p.sauvepartie("TOTO", 0, 100).resultat().erreur(), erreur);
        EXPECT_EQ(p.effacelapartie("TOTO").erreur(), erreur);
        EXPECT_EQ(p.chargepartie("TOTO").numtableau, 0);
        EXPECT_EQ(p.rendlepremiernom(), "");
    }
}

// A file too big to be read whole is listed from its start but never rewritten: no game is lost.
TEST_F(Sauvegardes, AFileTooBigToReadWholeIsLeftUntouched) {
    std::string gros = "PREMIER  00100050\r\n";
    while (gros.size() <= taillemaxparties) gros += "AUTRE     -100000\r\n";
    gros += "DERNIER  00200060\r\n";
    ecrit(gros);
    Parties p(disque);
    EXPECT_EQ(p.rendlepremiernom(), "PREMIER");
    EXPECT_EQ(p.chargepartie("PREMIER").numtableau, 2);
    EXPECT_EQ(p.ajoutepartie("NOUVEAU").erreur(), EFBIG);
    EXPECT_FALSE(p.sauvepartie("PREMIER", 2, 100).valeur().has_value());
    EXPECT_FALSE(p.effacelapartie("PREMIER"));
    // Not EXPECT_EQ: a diff of megabytes would be printed.
    EXPECT_TRUE(lit() == gros) << "the file changed";
    EXPECT_FALSE(fs::exists(dossier + fichiertempo));
}

// Below that limit, every byte of every line is read, so a rewrite keeps even lines that no game wrote.
TEST_F(Sauvegardes, LongLinesAndFilesOverAMegabyteAreKeptWhole) {
    const std::string longue = "NOTE     " + std::string(5000, 'x');
    std::string avant = longue + "\r\n";
    while (avant.size() <= (1u << 20) + 100) avant += "AUTRE     -100000\r\n";
    avant += "DERNIER  00200060\r\n";
    ecrit(avant);
    Parties p(disque);
    EXPECT_TRUE(p.existe("DERNIER"));
    ASSERT_TRUE(p.ajoutepartie("NOUVEAU"));
    EXPECT_TRUE(lit() == avant + "NOUVEAU   -100000\r\n") << "a line was lost or cut";
}

TEST(Libelles, TimesAndBoardNumbersAsThePlayerReadsThem) {
    const std::pair<std::string, const char*> cas[] = {
        {dureeenclair(59), "59 s"},
        {dureeenclair(60), "1 min 00 s"},
        {dureeenclair(65), "1 min 05 s"},
        {dureeenclair(-3), "0 s"},
        {textechrono(65), " 1:05"},
        {titretableau("tableau", 7), "Tableau 007"},
        {titretableau("Tableau", 12), "Tableau 012"},
        {titretableau("écran", 1), "écran 001"}, // only a plain letter is raised
        {libelletableau("tableau", 7), "tableau 007"},
    };
    for (const auto& [vu, attendu] : cas) EXPECT_EQ(vu, attendu);
}

} // namespace
} // namespace tlv::essai
