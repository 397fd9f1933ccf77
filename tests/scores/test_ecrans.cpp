// The score screen and the name entry, driven by scripted input: what they answer and what the files
// hold afterwards.
#include <gtest/gtest.h>

#include "banc.h"
#include "scores/fichierscores.h"
#include "scores/innom.h"
#include "scores/score.h"
#include "scores/tableaux.h"

namespace tlv::essai {
namespace {

// Play-area points: the score screen (500 x 400) and the name entry (400 x 100) are centred.
const std::string Retour = "attends\nclic 445 420\nattends\n", Effacer = "attends\nclic 195 420\nattends\n";

TEST_F(Banc, TheNameEntryAnswersWhatWasTyped) {
    const std::pair<const char*, const char*> cas[] = {
        {"texte paul\ntouche Echap", "jemesuistrompé"},
        {"texte pauk\ntouche Effacement\ntexte l\ntouche Entree", "PAUL"},
        {"texte d\"artagnan\ntouche Entree", "D'ARTAGNA"},
        {"texte a漢é\ntouche Entree", "AÉ"}};
    for (const auto& [saisie, attendu] : cas) {
        std::string reponse;
        ASSERT_TRUE(joue(std::string("attends\n") + saisie + "\nattends\n",
                         [&](Contexte& c) { reponse = demande_nom(c, "Entrez votre nom"); }));
        EXPECT_EQ(reponse, attendu) << saisie;
    }
}

TEST_F(Banc, MemoTimeThatRanksAsksTheNameAndWritesTheLine) {
    ecrit("tlvmemo1.sco", "A               50\r\nB               80\r\nC               80\r\n"
                          "D               90\r\nE               95\r\n");
    bool classe = false;
    ASSERT_TRUE(joue("attends\ntexte hélène\ntouche Entree\n" + Retour,
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
    std::string script;
    bool fini, efface; // the screen left by itself; the file reset
};

class Effacement : public Banc, public ::testing::WithParamInterface<CasEffacement> {};

TEST_P(Effacement, OnlyAConfirmedEraseResetsTheFile) {
    const std::string joue_ = "JOUEUR          12\r\n";
    ecrit("tlvmemo0.sco", joue_);
    EXPECT_EQ(joue(GetParam().script, [&](Contexte& c) { affichelesscores_memo(c, 0); }), GetParam().fini);
    EXPECT_EQ(lit("tlvmemo0.sco"), GetParam().efface ? contenuinitial("tlvmemo0.sco") : joue_);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Effacement,
    ::testing::Values(CasEffacement{"ClickAboveTheButtonsDoesNothing", "attends\nclic 195 399\n" + Retour,
                                    true, false},
                      CasEffacement{"EraseConfirmed", Effacer + "touche Entree\nattends\n", true, true},
                      CasEffacement{"EraseCancelled", Effacer + "touche Echap\n" + Retour, true, false},
                      CasEffacement{"ProgramClosedAtTheQuestion", Effacer, false, false}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Banc, QuadrelRankReplacesTheGameLineAndSetsItsEntry) {
    std::string fiche;
    ASSERT_TRUE(joue("", [&](Contexte& c) {
        EXPECT_TRUE(tableaudesscores_jong(c, "moi", 1, 90, fiche));
        EXPECT_TRUE(tableaudesscores_jong(c, "moi", 2, 200, fiche));
        EXPECT_EQ(fiche, "moi      00200200");
        EXPECT_FALSE(tableaudesscores_jong(c, "AS", 0, 500, fiche));
    }));
    std::string attendu = "moi      00200200\r\n";
    for (int i = 0; i < 9; ++i) attendu += "INCONNU  00000120\r\n";
    EXPECT_EQ(lit(fichierjong), attendu);
    EXPECT_EQ(fiche, "moi      00200200");
}

TEST_F(Banc, QuadrelTableEraseConfirmed) {
    ecrit(fichierjong, "X        00100010\r\n");
    ASSERT_TRUE(joue(Effacer + "touche Entree\nattends\n",
                     [&](Contexte& c) { affichelesscores_jong(c, "X        00100010"); }));
    EXPECT_EQ(lit(fichierjong), contenuinitial(fichierjong));
}

} // namespace
} // namespace tlv::essai
