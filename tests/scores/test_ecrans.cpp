// The name entry and the score screens: the name box's editing, then the screens driven in-process by
// scripted input, what they answer and what the files hold afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "bancscores.h"
#include "dossiertemp.h"
#include "platform/entrees.h"
#include "platform/image.h"
#include "platform/texte.h"
#include "scores/fichierscores.h"
#include "scores/innom.h"
#include "scores/nom.h"
#include "scores/saisie.h"
#include "scores/score.h"
#include "scores/tableaux.h"

namespace tlv {
namespace {

using essai::Banc;

Saisie tapee(const std::string& texte) {
    Saisie s;
    s.tape(texte);
    return s;
}

TEST(Saisie, OddCharactersAreRefused) {
    for (const char* c : {"\r", "\x08", "\x1b", "\x7f", "漢", "😀", "\xc3", "\xa0", "\xc2\xa0"}) {
        Saisie s = tapee("A");
        s.tape(c);
        EXPECT_EQ(s.texte(), "A") << c;
        EXPECT_EQ(s.curseur(), 1) << c;
    }
    EXPECT_EQ(tapee("A?€'\"-").texte(), "A?€'\"-");
    EXPECT_EQ(tapee("x漢y").texte(), "xy");
    // Nine characters at most, an accented letter counting as one, as the files store them.
    EXPECT_EQ(tapee("éééééééééé").texte(), "ééééééééé");
}

// Backspace with nothing before the caret changes nothing, and leaves it at the start.
TEST(Saisie, BackspaceAtTheStartChangesNothing) {
    Saisie s = tapee("ab");
    EXPECT_TRUE(s.touche(Touche::Debut));
    EXPECT_TRUE(s.touche(Touche::Effacement));
    EXPECT_EQ(s.texte(), "ab");
    EXPECT_EQ(s.curseur(), 0);
}

// A click goes to the nearest gap, by the widths measured: here ten pixels a character but 'W', thirty.
TEST(Saisie, AClickGoesToTheNearestGap) {
    const auto largeur = [](const std::string& t) {
        return 10 * nombrecaracteres(t) + 20 * static_cast<int>(std::count(t.begin(), t.end(), 'W'));
    };
    // Gaps of "WéW" at 0, 30, 40, 70; a click halfway goes to the gap before.
    const std::pair<int, int> cas[] = {{-20, 0}, {15, 0}, {16, 1}, {35, 1}, {36, 2}, {56, 3}, {200, 3}};
    for (const auto& [x, attendu] : cas) {
        Saisie s = tapee("WéW");
        s.clique(x, largeur);
        EXPECT_EQ(s.curseur(), attendu) << x;
    }
    Saisie vide;
    vide.clique(50, largeur);
    EXPECT_EQ(vide.curseur(), 0);
}

// What Enter records: trimmed, in capitals, quotes become apostrophes.
TEST(ReponseNom, TrimmedCapitalsQuotesBecomeApostrophes) {
    const std::pair<const char*, const char*> cas[] = {{"   ", "INCONNU"},     {"  jo b ", "JO B"},
                                                       {"o\"neil", "O'NEIL"},  {"hélène", "HÉLÈNE"},
                                                       {"œuvre ÿ", "ŒUVRE Ÿ"}, {"straße÷", "STRAßE÷"}};
    for (const auto& [tape, nom] : cas) EXPECT_EQ(reponsenom(tape), nom) << tape;
}

// Play-area points: the score screen (500 x 400) and the name entry (400 x 100) are centred.
const std::string Retour = "attends\nclic 445 420\nattends\n", Effacer = "attends\nclic 195 420\nattends\n";

TEST_F(Banc, EscapeLeavesTheNameEntryWithItsOwnAnswer) {
    std::string reponse;
    ASSERT_TRUE(joue("attends\ntexte paul\ntouche Echap\nattends\n",
                     [&](Contexte& c) { reponse = demande_nom(c, "Entrez votre nom"); }));
    EXPECT_EQ(reponse, "jemesuistrompé");
}

// The keys and clicks act at the caret, drawn where it stands: the black columns of the box at its foot,
// below the letters' baseline. Then "z" is typed there. In the input, "@" stands for the x of the gap after
// the text before the caret.
TEST_F(Banc, TheCaretIsDrawnInTheGapItStandsIn) {
    using Cas = std::tuple<std::string, std::string, std::string>; // the input, the text before, the answer
    const std::string D = "\ntouche Debut", E = "\ntouche Effacement", S = "\ntouche Suppr",
                      G = "\ntouche Gauche", Dr = "\ntouche Droite";
    for (const auto& [entree, avant, attendue] :
         {Cas{"texte abc" + D + "\ntouche Fin", "abc", "ABCZ"},
          Cas{"texte ac" + G + "\ntexte bb", "abb", "ABBZC"}, Cas{"texte abc\nclic @ 250", "a", "AZBC"},
          Cas{"texte aé€" + E + E, "a", "AZ"},       // a whole character goes
          Cas{"texte aéc" + D + Dr + S, "a", "AZC"}, // the character after the caret
          Cas{"texte ab" + D + G + Dr, "a", "AZB"},  // arrows stop at the ends
          Cas{"texte ab" + Dr + G, "a", "AZB"}, Cas{"texte abcdefhik" + D, "", "ABCDEFHIK"}}) {
        SCOPED_TRACE(entree);
        ASSERT_TRUE(joue("", [](Contexte&) {})); // a platform, to measure the text with
        Polices& po = pf->polices();
        const int th = po.hauteur(r.taille6);
        const int gauche = (640 - Innom::Largeur) / 2 + Innom::Text1X,
                  haut = (480 - Innom::Hauteur) / 2 + Innom::Text1Y;
        const int ecart = gauche + 6 + (avant.empty() ? 0 : po.largeur(avant, r.taille6));
        std::string saisie = entree;
        if (const auto a = saisie.find('@'); a != std::string::npos)
            saisie.replace(a, 1, std::to_string(ecart + 3));
        const std::string png = dossier / "nom.png";
        std::string reponse;
        ASSERT_TRUE(
            joue("attends\n" + saisie + "\nattends\ncapture " + png + "\ntexte z\ntouche Entree\nattends\n",
                 [&](Contexte& x) { reponse = demande_nom(x, "Entrez votre nom"); }));
        EXPECT_EQ(reponse, attendue);
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

// A time that ranks asks the name and writes the line, Échap's answer as an unknown player; one that does
// not shows nothing (with no input, a screen waiting for the player would run the script out) and writes
// nothing.
TEST_F(Banc, MemoTimeThatRanksAsksTheNameAndWritesTheLine) {
    const std::string avant = "A               50\r\nB               80\r\nC               80\r\n"
                              "D               90\r\nE               95\r\n";
    ecrit("tlvmemo1.sco", avant);
    ASSERT_TRUE(joue("", [&](Contexte& c) { EXPECT_FALSE(tableaudesscores_memo(c, 1, 95)); }));
    EXPECT_EQ(lit("tlvmemo1.sco"), avant);
    ASSERT_TRUE(joue("attends\ntexte hélène\ntouche Entree\n" + Retour,
                     [&](Contexte& c) { EXPECT_TRUE(tableaudesscores_memo(c, 1, 80)); }));
    ASSERT_TRUE(joue("attends\ntexte paul\ntouche Echap\n" + Retour,
                     [&](Contexte& c) { EXPECT_TRUE(tableaudesscores_memo(c, 1, 10)); }));
    EXPECT_EQ(lit("tlvmemo1.sco"), "INCONNU         10\r\nA               50\r\nB               80\r\n"
                                   "C               80\r\nH\xc9L\xc8NE          80\r\n");
}

// Only a confirmed erase resets the file; the result tells whether the screen left by itself.
TEST_F(Banc, OnlyAConfirmedEraseResetsTheFile) {
    // Memo's table or Quadrel's, the input, whether the screen left by itself, whether the file was reset.
    using Cas = std::tuple<bool, std::string, bool, bool>;
    for (const auto& [memo, script, fini, efface] :
         {Cas{true, "attends\nclic 195 399\n" + Retour, true, false}, // above the buttons
          Cas{true, Effacer + "touche Entree\nattends\n", true, true},
          Cas{false, Effacer + "touche Entree\nattends\n", true, true},
          Cas{true, Effacer + "touche Echap\n" + Retour, true, false},
          Cas{true, Effacer, false, false}, // the program closed at the question
          // By keys, in screen order: Haut lights the left button, the box's OK is chosen by Entrée; the
          // arrows stop at the right one, "Retour".
          Cas{true, "attends\ntouche Haut\ntouche Entree\nattends\ntouche Entree\nattends\n", true, true},
          Cas{true, "attends\ntouche Gauche\ntouche Droite\ntouche Bas\ntouche Entree\nattends\n", true,
              false}}) {
        SCOPED_TRACE(script);
        const std::string fichier = memo ? "tlvmemo0.sco" : fichierjong;
        const std::string avant = memo ? "JOUEUR          12\r\n" : "X        00100010\r\n";
        ecrit(fichier, avant);
        EXPECT_EQ(joue(script,
                       [&](Contexte& x) {
                           memo ? affichelesscores_memo(x, 0) : affichelesscores_jong(x, "X        00100010");
                       }),
                  fini);
        EXPECT_EQ(lit(fichier), efface ? contenuinitial(fichier) : avant);
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
} // namespace tlv
