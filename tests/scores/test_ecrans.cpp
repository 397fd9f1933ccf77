// The score screen and the name entry, driven by scripted input: what they answer and what the files
// hold afterwards.
#include <gtest/gtest.h>

#include "banc.h"
#include "platform/image.h"
#include "platform/texte.h"
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
        {"texte a漢é\ntouche Entree", "AÉ"},
        // Editing inside the name: Home, Delete, End.
        {"texte xaul\ntouche Debut\ntouche Suppr\ntexte p\ntouche Fin\ntexte o\ntouche Entree", "PAULO"}};
    for (const auto& [saisie, attendu] : cas) {
        std::string reponse;
        ASSERT_TRUE(joue(std::string("attends\n") + saisie + "\nattends\n",
                         [&](Contexte& c) { reponse = demande_nom(c, "Entrez votre nom"); }));
        EXPECT_EQ(reponse, attendu) << saisie;
    }
}

// The caret as drawn: the black columns of the box at its foot, below the letters' baseline. Then "z" is
// typed where it stands. In the input, "@" stands for the x of the gap after the text before the caret.
TEST_F(Banc, TheCaretIsDrawnInTheGapItStandsIn) {
    struct Cas {
        std::string saisie, avant, reponse; // the input, the text before the caret, the answer
    };
    for (const Cas& c :
         {Cas{"texte abc", "abc", "ABCZ"}, Cas{"texte abc\ntouche Gauche", "ab", "ABZC"},
          Cas{"texte abc\ntouche Debut", "", "ZABC"},
          Cas{"texte abc\ntouche Debut\ntouche Fin", "abc", "ABCZ"},
          Cas{"texte ac\ntouche Gauche\ntexte bb", "abb", "ABBZC"}, Cas{"texte abc\nclic @ 250", "a", "AZBC"},
          Cas{"texte abc\ntouche Debut\nclic 500 250", "abc", "ABCZ"}}) {
        SCOPED_TRACE(c.saisie);
        ASSERT_TRUE(joue("", [](Contexte&) {})); // a platform, to measure the text with
        Polices& po = pf->polices();
        const int th = po.hauteur(r.taille6);
        const int gauche = (640 - Innom::Largeur) / 2 + Innom::Text1X,
                  haut = (480 - Innom::Hauteur) / 2 + Innom::Text1Y;
        const int ecart = gauche + 6 + (c.avant.empty() ? 0 : po.largeur(c.avant, r.taille6));
        std::string saisie = c.saisie;
        if (const auto a = saisie.find('@'); a != std::string::npos)
            saisie.replace(a, 1, std::to_string(ecart + 3));
        const std::string png = dossier / "nom.png";
        std::string reponse;
        ASSERT_TRUE(
            joue("attends\n" + saisie + "\nattends\ncapture " + png + "\ntexte z\ntouche Entree\nattends\n",
                 [&](Contexte& x) { reponse = demande_nom(x, "Entrez votre nom"); }));
        EXPECT_EQ(reponse, c.reponse);
        const auto image = charge_image(png);
        ASSERT_TRUE(image);
        const int pied = haut + (Innom::Text1H - th) / 2 + th - th / 8 - 1;
        std::vector<int> noires;
        for (int x = gauche + 2; x < gauche + Innom::Text1W - 2; ++x)
            if (image->pixel(x, pied) == rgb(0, 0, 0)) noires.push_back(x);
        EXPECT_EQ(noires, (std::vector<int>{ecart + 1, ecart + 2}));
    }
}

// The time column: every time ends on the same right edge, whatever its number of digits.
TEST_F(Banc, MemoTimesAreRightAligned) {
    ecrit("tlvmemo0.sco", "A               10\r\nB               20\r\nC               300\r\n"
                          "D               4000\r\nE               10000\r\n");
    const std::string png = dossier / "scores.png";
    ASSERT_TRUE(
        joue("attends\ncapture " + png + "\n" + Retour, [&](Contexte& c) { affichelesscores_memo(c, 0); }));
    const auto image = charge_image(png);
    ASSERT_TRUE(image);
    const int gauche = (640 - Score::Largeur) / 2, haut = (480 - Score::Hauteur) / 2;
    const int th = pf->polices().hauteur(r.taille7);
    std::vector<int> bords;
    for (int i = 1; i <= 5; ++i) {
        int bord = -1;
        for (int y = haut + 50 * i + 41; y < haut + 50 * i + 41 + th; ++y)
            for (int x = gauche + 250; x < gauche + Score::Largeur; ++x)
                if (image->pixel(x, y) == rgb(0, 255, 255)) bord = std::max(bord, x);
        bords.push_back(bord);
    }
    EXPECT_GT(bords[0], gauche + 250);
    EXPECT_EQ(bords, std::vector<int>(5, bords[0]));
}

// A time that ranks asks the name and writes the line; one that does not shows nothing (with no input, a
// screen waiting for the player would run the script out) and writes nothing.
TEST_F(Banc, MemoTimeThatRanksAsksTheNameAndWritesTheLine) {
    const std::string avant = "A               50\r\nB               80\r\nC               80\r\n"
                              "D               90\r\nE               95\r\n";
    ecrit("tlvmemo1.sco", avant);
    bool classe = true;
    ASSERT_TRUE(joue("", [&](Contexte& c) { classe = tableaudesscores_memo(c, 1, 95); }));
    EXPECT_FALSE(classe);
    EXPECT_EQ(lit("tlvmemo1.sco"), avant);
    ASSERT_TRUE(joue("attends\ntexte hélène\ntouche Entree\n" + Retour,
                     [&](Contexte& c) { classe = tableaudesscores_memo(c, 1, 80); }));
    EXPECT_TRUE(classe);
    EXPECT_EQ(lit("tlvmemo1.sco"), "A               50\r\nB               80\r\nC               80\r\n"
                                   "H\xc9L\xc8NE          80\r\nD               90\r\n");
}

// Only a confirmed erase resets the file; the result tells whether the screen left by itself.
TEST_F(Banc, OnlyAConfirmedEraseResetsTheFile) {
    struct Cas {
        bool memo;
        std::string script;
        bool fini, efface;
    };
    for (const Cas& c :
         {Cas{true, "attends\nclic 195 399\n" + Retour, true, false}, // above the buttons
          Cas{true, Effacer + "touche Entree\nattends\n", true, true},
          Cas{false, Effacer + "touche Entree\nattends\n", true, true},
          Cas{true, Effacer + "touche Echap\n" + Retour, true, false},
          Cas{true, Effacer, false, false}, // the program closed at the question
          // By keys, in screen order: Haut lights the left button, the box's OK is chosen by Entrée; the
          // arrows stop at the right one; Entrée with nothing lit is "Retour".
          Cas{true, "attends\ntouche Haut\ntouche Entree\nattends\ntouche Entree\nattends\n", true, true},
          Cas{true, "attends\ntouche Gauche\ntouche Droite\ntouche Bas\ntouche Entree\nattends\n", true,
              false},
          Cas{true, "attends\ntouche Entree\nattends\n", true, false}}) {
        SCOPED_TRACE(c.script);
        const std::string fichier = c.memo ? "tlvmemo0.sco" : fichierjong;
        const std::string avant = c.memo ? "JOUEUR          12\r\n" : "X        00100010\r\n";
        ecrit(fichier, avant);
        EXPECT_EQ(joue(c.script,
                       [&](Contexte& x) {
                           c.memo ? affichelesscores_memo(x, 0)
                                  : affichelesscores_jong(x, "X        00100010");
                       }),
                  c.fini);
        EXPECT_EQ(lit(fichier), c.efface ? contenuinitial(fichier) : avant);
    }
}

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
}

} // namespace
} // namespace tlv::essai
