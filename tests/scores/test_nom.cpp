// The name entry's rules: what can be typed, how long, and what Enter records.
#include <gtest/gtest.h>

#include "scores/nom.h"

namespace tlv {
namespace {

struct CasReponse {
    const char* texte;
    const char* reponse;
};

class ReponseNom : public ::testing::TestWithParam<CasReponse> {};

TEST_P(ReponseNom, TrimmedCapitalsQuotesBecomeApostrophes) {
    EXPECT_EQ(reponsenom(GetParam().texte), GetParam().reponse);
}

INSTANTIATE_TEST_SUITE_P(Cas, ReponseNom,
                         ::testing::Values(CasReponse{"", "INCONNU"}, CasReponse{"   ", "INCONNU"},
                                           CasReponse{"paul", "PAUL"}, CasReponse{"  jo  ", "JO"},
                                           CasReponse{"a b", "A B"}, CasReponse{"o\"neil", "O'NEIL"},
                                           CasReponse{"\"", "'"}, CasReponse{"hélène", "HÉLÈNE"},
                                           CasReponse{"œuvre", "ŒUVRE"}, CasReponse{"ÿves", "ŸVES"},
                                           CasReponse{"straße", "STRAßE"}, CasReponse{"x÷y", "X÷Y"},
                                           CasReponse{"a,b", "A,B"}));

TEST(SaisieNom, NineCharactersAtMost) {
    std::string t;
    for (const char* c : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}) t = ajoutetexte(t, c);
    EXPECT_EQ(t, "abcdefghi");
    // Accented letters count as one character each, as the files store them.
    EXPECT_EQ(ajoutetexte("", "éééééééééé"), "ééééééééé");
    EXPECT_EQ(nombrecaracteres("ééé"), 3);
}

TEST(SaisieNom, OddCharactersAreRefused) {
    EXPECT_EQ(ajoutetexte("A", "\r"), "A");
    EXPECT_EQ(ajoutetexte("A", "\x08"), "A");
    EXPECT_EQ(ajoutetexte("A", "\x1b"), "A");
    EXPECT_EQ(ajoutetexte("A", "\x7f"), "A");
    EXPECT_EQ(ajoutetexte("A", "漢"), "A");       // no Windows-1252 byte
    EXPECT_EQ(ajoutetexte("A", "😀"), "A");        // nor for this
    EXPECT_EQ(ajoutetexte("A", "\xc3"), "A");     // a cut UTF-8 sequence
    EXPECT_EQ(ajoutetexte("A", "\xa0"), "A");     // invalid UTF-8 byte
    EXPECT_EQ(ajoutetexte("A", "\xc2\xa0"), "A"); // non-breaking space
    EXPECT_EQ(ajoutetexte("A", "?€'\"-"), "A?€'\"-");
    EXPECT_EQ(ajoutetexte("A", "x漢y"), "Axy");
}

TEST(SaisieNom, BackspaceRemovesAWholeCharacter) {
    EXPECT_EQ(effacedernier(""), "");
    EXPECT_EQ(effacedernier("a"), "");
    EXPECT_EQ(effacedernier("aé"), "a");
    EXPECT_EQ(effacedernier("a€"), "a");
}

} // namespace
} // namespace tlv
