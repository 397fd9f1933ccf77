// The name entry's rules: what can be typed, how long, and what Enter records.
#include <gtest/gtest.h>

#include "scores/nom.h"

namespace tlv {
namespace {

TEST(ReponseNom, TrimmedCapitalsQuotesBecomeApostrophes) {
    EXPECT_EQ(reponsenom("   "), "INCONNU");
    EXPECT_EQ(reponsenom("  jo b "), "JO B");
    EXPECT_EQ(reponsenom("o\"neil"), "O'NEIL");
    EXPECT_EQ(reponsenom("hélène"), "HÉLÈNE");
    EXPECT_EQ(reponsenom("œuvre ÿ"), "ŒUVRE Ÿ");
    EXPECT_EQ(reponsenom("straße÷"), "STRAßE÷");
}

TEST(SaisieNom, OddCharactersAreRefused) {
    for (const char* c : {"\r", "\x08", "\x1b", "\x7f", "漢", "😀", "\xc3", "\xa0", "\xc2\xa0"})
        EXPECT_EQ(ajoutetexte("A", c), "A") << c;
    EXPECT_EQ(ajoutetexte("A", "?€'\"-"), "A?€'\"-");
    EXPECT_EQ(ajoutetexte("A", "x漢y"), "Axy");
    // Nine characters at most, an accented letter counting as one, as the files store them.
    EXPECT_EQ(ajoutetexte("", "éééééééééé"), "ééééééééé");
}

TEST(SaisieNom, BackspaceRemovesAWholeCharacter) {
    EXPECT_EQ(effacedernier(""), "");
    EXPECT_EQ(effacedernier("aé"), "a");
    EXPECT_EQ(effacedernier("a€"), "a");
}

} // namespace
} // namespace tlv
