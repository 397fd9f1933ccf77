// The name box's editing: typing at the caret, the keys that move it or delete around it, a click.
#include <gtest/gtest.h>

#include "platform/entrees.h"
#include "scores/nom.h"
#include "scores/saisie.h"

namespace tlv {
namespace {

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

// Steps given in order, then the text and caret. In the steps: D Home, F End, < Left, > Right,
// E Backspace, S Delete; any other character is typed. Whatever is typed first leaves the caret at its end.
TEST(Saisie, KeysActAtTheCaret) {
    struct Cas {
        std::string depart, touches, texte;
        int curseur;
    };
    for (const Cas& c :
         {Cas{"aé€", "EE", "a", 1},                                           // a whole character goes
          Cas{"ab", "DE", "ab", 0},                                           // nothing before the caret
          Cas{"abc", "<E", "ac", 1},                                          // just before the caret
          Cas{"aéc", "D>S", "ac", 1},                                         // after the caret
          Cas{"ab", "S", "ab", 2},                                            // nothing after it
          Cas{"ac", "<b", "abc", 2},                                          // typing inserts at the caret
          Cas{"abc", "D>Fd", "abcd", 4}, Cas{"ab", "><<<<", "ab", 0},         // arrows stop at the ends
          Cas{"ab", "D>>>", "ab", 2}, Cas{"abcdefghi", "Dz", "abcdefghi", 0}, // a full name refuses insertion
          Cas{"abcdefghi", "DSz", "zbcdefghi", 1}}) {
        SCOPED_TRACE(c.depart + " " + c.touches);
        Saisie s = tapee(c.depart);
        const std::string noms = "DF<>ES";
        const Touche cles[] = {Touche::Debut,  Touche::Fin,        Touche::Gauche,
                               Touche::Droite, Touche::Effacement, Touche::Suppr};
        for (const char t : c.touches) {
            if (const auto i = noms.find(t); i != std::string::npos)
                EXPECT_TRUE(s.touche(cles[i])) << t;
            else
                s.tape(std::string(1, t));
        }
        EXPECT_EQ(s.texte(), c.texte);
        EXPECT_EQ(s.curseur(), c.curseur);
    }
}

TEST(Saisie, OtherKeysChangeNothing) {
    Saisie s = tapee("ab");
    for (Touche k : {Touche::Haut, Touche::Bas, Touche::Tab, Touche::F5, touche_caractere('A')})
        EXPECT_FALSE(s.touche(k)) << static_cast<int>(k);
    EXPECT_EQ(s.texte(), "ab");
    EXPECT_EQ(s.curseur(), 2);
}

// A click goes to the nearest gap, by the widths measured: here 'W' is 30 pixels wide, 'i' 6, 'é' 12.
TEST(Saisie, AClickGoesToTheNearestGap) {
    const auto largeur = [](const std::string& t) {
        int w = 0;
        for (std::size_t i = 0; i < t.size(); ++i)
            w += t[i] == 'W'                                         ? 30
                 : t[i] == 'i'                                       ? 6
                 : (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80 ? 0
                                                                     : 12;
        return w;
    };
    // Gaps of "WiéW" at 0, 30, 36, 48, 78.
    const std::pair<int, int> cas[] = {{-20, 0}, {0, 0},  {14, 0}, {16, 1}, {33, 1},
                                       {34, 2},  {43, 3}, {62, 3}, {64, 4}, {200, 4}};
    for (const auto& [x, attendu] : cas) {
        Saisie s = tapee("WiéW");
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

} // namespace
} // namespace tlv
