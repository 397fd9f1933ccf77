// The help file and the offline web page: French typography, the rules they must state, a page that stands
// on its own.
#include <gtest/gtest.h>

#include "assets/pageweb.h"
#include "assets/typographie.h"
#include "socle/chaines.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

struct Cas {
    const char* avant;
    const char* apres;
};
std::ostream& operator<<(std::ostream& o, const Cas& c) {
    return o << c.avant;
}

class Typographie : public ::testing::TestWithParam<Cas> {};

TEST_P(Typographie, FrenchMarks) {
    EXPECT_EQ(typographie(GetParam().avant), GetParam().apres);
}

INSTANTIATE_TEST_SUITE_P(
    Aide, Typographie,
    ::testing::Values(Cas{"l'écran d'accueil", "l\u2019écran d\u2019accueil"},
                      Cas{"« Aide » affiche", "«\u00A0Aide\u00A0» affiche"},
                      Cas{"F5 : réglage ; F6 ! vraiment ?",
                          "F5\u00A0: réglage\u00A0; F6\u00A0! vraiment\u00A0?"},
                      Cas{"« s'annulent »", "«\u00A0s\u2019annulent\u00A0»"},
                      // Marks without a blank before them, and a blank after them, are left as they are.
                      Cas{"https://exemple.fr/?a=1 ; fin", "https://exemple.fr/?a=1\u00A0; fin"},
                      Cas{"4x4 (16 cartes).\n# Titre\n- point", "4x4 (16 cartes).\n# Titre\n- point"},
                      Cas{"", ""}));

TEST(PageWeb, HeadingsBecomeSectionsListedAtTheTop) {
    const std::string p = pageweb("# Jeux & règles\n\nUn <b> paragraphe\nsur deux lignes.\n\n"
                                  "# La Belote\n- un\n- deux\nsuite\n\n# Le Memo\nfin");
    EXPECT_TRUE(p.starts_with("<!DOCTYPE html>\n<html lang=\"fr\">")) << p;
    EXPECT_TRUE(p.ends_with("</html>\n"));
    for (const char* bout : {"<meta charset=\"utf-8\">", "<title>Jeux &amp; règles</title>",
                             "<h1>Jeux &amp; règles</h1>", "<p>Un &lt;b&gt; paragraphe sur deux lignes.</p>",
                             "<li><a href=\"#s1\">La Belote</a></li>\n<li><a href=\"#s2\">Le Memo</a></li>",
                             "<h2 id=\"s1\">La Belote</h2>\n<ul>\n<li>un</li>\n<li>deux suite</li>\n</ul>",
                             "<h2 id=\"s2\">Le Memo</h2>\n<p>fin</p>"})
        EXPECT_NE(p.find(bout), std::string::npos) << bout << "\n" << p;
}

// The help file in the build's bin folder: the keys, the sections and the rules a player would not guess
// (overtrumping an opponent's winning trump; equal best announcements of the two sides, neither in trumps,
// scoring nothing; the square of nines in words, not a 9 read with its points as one number), in valid UTF-8
// without CR, with French typography: no straight apostrophe and no ordinary blank where a line could break
// before a mark.
TEST(FichierAide, FrenchWithTheKeysTheRulesAndItsTypography) {
    const std::string s = litfichier("tolvanex.hlp");
    ASSERT_TRUE(s.starts_with("# "));
    for (const char* mot :
         {"F5",
          "F6",
          "F7",
          "F8",
          "# La Belote",
          "# Le Memo",
          "# Le Quadrel",
          "dix de der",
          "Capot",
          "rebelote",
          "Litige",
          "Tierce",
          "Carré",
          "carré de neuf\u00A0: 150 points",
          "deux minutes",
          "6x4 (24 cartes)",
          "50 secondes",
          "10 secondes",
          "qu\u2019un adversaire est maître du pli avec un atout, il faut surcouper",
          "il faut tout de même couper avec un atout plus faible",
          "sans que l\u2019une soit à l\u2019atout, elles s\u2019annulent\u00A0: aucun camp ne marque"})
        EXPECT_NE(s.find(mot), std::string::npos) << mot;
    for (const char* interdit : {"\r", "'", " ;", " :", " !", " ?", " \u00BB", "\u00AB "}) {
        const auto i = s.find(interdit);
        EXPECT_EQ(i, std::string::npos)
            << "« " << interdit << " » dans: " << s.substr(i > 30 ? i - 30 : 0, 60);
    }
    for (size_t i = 0; i < s.size();) {
        const size_t debut = i;
        ASSERT_TRUE(lis_utf8(s, i).has_value()) << "octet " << debut;
    }
}

TEST(PageHorsLigne, TheThreeGamesKeysCreditsAndLicence) {
    const std::string p = litfichier("tolvanex.html");
    ASSERT_FALSE(p.empty());
    EXPECT_TRUE(p.starts_with("<!DOCTYPE html>\n<html lang=\"fr\">"));
    EXPECT_NE(p.find("<title>Tolva\u2019nexes</title>"), std::string::npos);
    for (const char* section : {">La Belote</h2>", ">Le Memo</h2>", ">Le Quadrel</h2>",
                                ">La souris et les touches</h2>", ">Crédits et licence</h2>"})
        EXPECT_NE(p.find(section), std::string::npos) << section;
    for (const char* mot : {"F5", "F6", "F7", "F8", "svg-gm-paris", "GPL", "version 3 ou ultérieure"})
        EXPECT_NE(p.find(mot), std::string::npos) << mot;
    // Nothing to fetch: no script, no outside style sheet, no picture.
    for (const char* dehors : {"<script", "<link", "<img", "http://", "https://"})
        EXPECT_EQ(p.find(dehors), std::string::npos) << dehors;
}

} // namespace
} // namespace tlv::essai
