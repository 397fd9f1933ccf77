// The score screen and the name entry, driven by scripted input: what they answer and what the files
// hold afterwards.
#include <gtest/gtest.h>

#include "banc.h"
#include "scores/fichierscores.h"
#include "scores/innom.h"
#include "scores/nom.h"
#include "scores/score.h"
#include "scores/tableaux.h"

namespace tlv::essai {
namespace {

// Play-area points: the score screen (500 x 400) and the name entry (400 x 100) are centred.
const char* const Retour = "clic 445 420\n";
const char* const Effacer = "clic 195 420\n";

struct CasNom {
    const char* nom;
    const char* script;
    const char* reponse;
};

class SaisieDuNom : public Banc, public ::testing::WithParamInterface<CasNom> {};

TEST_P(SaisieDuNom, AnswersWhatWasTyped) {
    std::string reponse;
    ASSERT_TRUE(joue(GetParam().script, [&](Contexte& c) { reponse = demande_nom(c, "Entrez votre nom"); }));
    EXPECT_EQ(reponse, GetParam().reponse);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, SaisieDuNom,
    ::testing::Values(
        CasNom{"Capitals", "attends\ntexte paul\ntouche Entree\nattends\n", "PAUL"},
        CasNom{"Empty", "attends\ntouche Entree\nattends\n", "INCONNU"},
        CasNom{"Blanks", "attends\ntexte    \ntouche Entree\nattends\n", "INCONNU"},
        CasNom{"Escape", "attends\ntexte paul\ntouche Echap\nattends\n", "jemesuistrompé"},
        CasNom{"Backspace", "attends\ntexte pauk\ntouche Effacement\ntexte l\ntouche Entree\nattends\n",
               "PAUL"},
        CasNom{"LengthLimit", "attends\ntexte abcdefghijkl\ntouche Entree\nattends\n", "ABCDEFGHI"},
        CasNom{"Accents", "attends\ntexte zoé\ntouche Entree\nattends\n", "ZOÉ"},
        CasNom{"Quote", "attends\ntexte d\"artagnan\ntouche Entree\nattends\n", "D'ARTAGNA"},
        CasNom{"NoWindows1252", "attends\ntexte a漢b\ntouche Entree\nattends\n", "AB"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Banc, MemoTimeThatRanksAsksTheNameAndWritesTheLine) {
    ecrit("tlvmemo1.sco", "A               50\r\nB               80\r\nC               80\r\n"
                          "D               90\r\nE               95\r\n");
    bool classe = false;
    ASSERT_TRUE(joue(std::string("attends\ntexte hélène\ntouche Entree\nattends\n") + Retour + "attends\n",
                     [&](Contexte& c) { classe = tableaudesscores_memo(c, 1, 80); }));
    EXPECT_TRUE(classe);
    EXPECT_EQ(lit("tlvmemo1.sco"), "A               50\r\nB               80\r\nC               80\r\n"
                                   "H\xc9L\xc8NE          80\r\nD               90\r\n");
}

TEST_F(Banc, MemoTimeThatDoesNotRankShowsNothing) {
    const std::string avant = lit("tlvmemo2.sco");
    bool classe = true;
    // No input at all: a screen waiting for the player would run the script out.
    ASSERT_TRUE(joue("", [&](Contexte& c) { classe = tableaudesscores_memo(c, 2, 10000); }));
    EXPECT_FALSE(classe);
    EXPECT_EQ(lit("tlvmemo2.sco"), avant);
}

struct CasEffacement {
    const char* nom;
    const char* script;
    bool efface;
};

class Effacement : public Banc, public ::testing::WithParamInterface<CasEffacement> {};

TEST_P(Effacement, OnlyAConfirmedEraseResetsTheFile) {
    const std::string joue_ = "JOUEUR          12\r\nINCONNU         10000\r\nINCONNU         10000\r\n"
                              "INCONNU         10000\r\nINCONNU         10000\r\n";
    ecrit("tlvmemo0.sco", joue_);
    ASSERT_TRUE(joue(GetParam().script, [&](Contexte& c) { affichelesscores_memo(c, 0); }));
    EXPECT_EQ(lit("tlvmemo0.sco"), GetParam().efface ? contenuinitial("tlvmemo0.sco") : joue_);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Effacement,
    ::testing::Values(
        CasEffacement{"Retour", "attends\nclic 445 420\nattends\n", false},
        CasEffacement{"Escape", "attends\ntouche Echap\nattends\n", false},
        CasEffacement{"ClickAboveTheButtonsDoesNothing",
                      "attends\nclic 195 399\nattends\nclic 445 420\nattends\n", false},
        CasEffacement{"EraseConfirmed", "attends\nclic 195 420\nattends\ntouche Entree\nattends\n", true},
        CasEffacement{"EraseCancelledKeepsTheScreen",
                      "attends\nclic 195 420\nattends\ntouche Echap\nattends\nclic 445 420\nattends\n",
                      false}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Banc, ClosingTheProgramOnTheScoreScreenKeepsTheFile) {
    const std::string avant = lit("tlvmemo0.sco");
    EXPECT_FALSE(joue("attends\nclic 195 420\nattends\n", [&](Contexte& c) { affichelesscores_memo(c, 0); }));
    EXPECT_EQ(lit("tlvmemo0.sco"), avant);
}

TEST_F(Banc, HoverHighlightsOneButtonAndLeavingRestoresIt) {
    Surface repos, survole, quitte;
    ASSERT_TRUE(joue("", [&](Contexte& c) {
        Score s(c);
        s.load();
        s.Form_Activate();
        repos = s.image;
        s.MouseMove(0, 0, 375, 380);
        survole = s.image;
        EXPECT_EQ(s.survol, 2);
        s.MouseMove(0, 0, 375, 200);
        quitte = s.image;
        EXPECT_EQ(s.survol, 0);
    }));
    EXPECT_NE(repos.pixels(), survole.pixels());
    EXPECT_EQ(repos.pixels(), quitte.pixels());
    // Only the "Retour" half changed.
    for (int y = 0; y < Score::Hauteur; ++y)
        for (int x = 0; x < 250; ++x) ASSERT_EQ(repos.pixel(x, y), survole.pixel(x, y)) << x << "," << y;
}

TEST_F(Banc, QuadrelRankReplacesTheGameLineAndSetsItsEntry) {
    std::string fiche;
    ASSERT_TRUE(joue("", [&](Contexte& c) {
        EXPECT_TRUE(tableaudesscores_jong(c, "moi", 1, 90, fiche));
        EXPECT_EQ(fiche, "moi      00100090");
        EXPECT_TRUE(tableaudesscores_jong(c, "moi", 2, 200, fiche));
        EXPECT_EQ(fiche, "moi      00200200");
    }));
    std::string attendu = "moi      00200200\r\n";
    for (int i = 0; i < 9; ++i) attendu += "INCONNU  00000120\r\n";
    EXPECT_EQ(lit(fichierjong), attendu);
}

TEST_F(Banc, QuadrelResultThatDoesNotRankChangesNothing) {
    std::string jong;
    for (int i = 0; i < 10; ++i) jong += "AS       05000100\r\n";
    ecrit(fichierjong, jong);
    std::string fiche = "MOI      00100010";
    ASSERT_TRUE(joue("", [&](Contexte& c) { EXPECT_FALSE(tableaudesscores_jong(c, "AS", 4, 10, fiche)); }));
    EXPECT_EQ(fiche, "MOI      00100010");
    EXPECT_EQ(lit(fichierjong), jong);
}

TEST_F(Banc, QuadrelTableEraseConfirmed) {
    ecrit(fichierjong, "X        00100010\r\n");
    ASSERT_TRUE(joue(std::string("attends\n") + Effacer + "attends\ntouche Entree\nattends\n",
                     [&](Contexte& c) { affichelesscores_jong(c, "X        00100010"); }));
    EXPECT_EQ(lit(fichierjong), contenuinitial(fichierjong));
}

} // namespace
} // namespace tlv::essai
