// The name box's editing: typing at the caret, the keys that move it or delete around it, a click.
#include <gtest/gtest.h>

#include "platform/entrees.h"
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

// Steps given in order, then the text and caret. In `touches`: D Home, F End, < Left, > Right, E Backspace,
// S Delete; any other character is typed.
struct CasEdition {
    const char* nom;
    std::string depart; // typed first, the caret then at its end
    std::string touches;
    std::string texte;
    int curseur;
};

class Edition : public ::testing::TestWithParam<CasEdition> {};

TEST_P(Edition, KeysActAtTheCaret) {
    const auto& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(
    Cas, Edition,
    ::testing::Values(CasEdition{"BackspaceRemovesAWholeCharacter", "aé€", "EE", "a", 1},
                      CasEdition{"BackspaceAtTheStartDoesNothing", "ab", "DE", "ab", 0},
                      CasEdition{"BackspaceBeforeTheCaret", "abc", "<E", "ac", 1},
                      CasEdition{"DeleteAfterTheCaret", "aéc", "D>S", "ac", 1},
                      CasEdition{"DeleteAtTheEndDoesNothing", "ab", "S", "ab", 2},
                      CasEdition{"TypingInsertsAtTheCaret", "ac", "<b", "abc", 2},
                      CasEdition{"EndAfterMoving", "abc", "D>Fd", "abcd", 4},
                      CasEdition{"ArrowsStopAtTheEnds", "ab", "><<<<", "ab", 0},
                      CasEdition{"RightStopsAtTheEnd", "ab", "D>>>", "ab", 2},
                      CasEdition{"FullNameRefusesInsertion", "abcdefghi", "Dz", "abcdefghi", 0},
                      CasEdition{"DeletingMakesRoomAgain", "abcdefghi", "DSz", "zbcdefghi", 1}),
    [](const auto& i) { return std::string(i.param.nom); });

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

} // namespace
} // namespace tlv
