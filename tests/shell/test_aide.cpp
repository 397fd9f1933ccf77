// The help screen's layout: lines that never break at a no-break space, pages that break between paragraphs.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "dossiertemp.h"

#include "platform/texte.h"
#include "shell/aide.h"

namespace tlv {
namespace {

// Ten pixels a character (not a byte), as a font would measure it.
int caracteres(const std::string& s) {
    int n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}
const auto mesure = [](const std::string& s, bool) { return caracteres(s) * 10; };

class CoupureInsecable : public ::testing::TestWithParam<int> {};

TEST_P(CoupureInsecable, NoLineStartsWithAMarkOrEndsWithAnOpeningGuillemet) {
    const std::string nbsp = "\u00A0";
    const std::string texte = "Cliquez « Aide »" + nbsp + "; puis « Nouvelle partie »" + nbsp + "! Vraiment" +
                              nbsp + "? Oui" + nbsp + ": « Quitter ».";
    // The same with the no-break spaces around the guillemets.
    std::string t = texte;
    for (std::size_t i; (i = t.find("« ")) != std::string::npos;) t.replace(i, 3, "«" + nbsp);
    for (std::size_t i; (i = t.find(" »")) != std::string::npos;) t.replace(i, 3, nbsp + "»");
    for (const auto& l : mise_en_lignes(t, GetParam(), mesure)) {
        for (const char* debut : {"»", ";", ":", "!", "?", "\u00A0"})
            EXPECT_FALSE(l.texte.starts_with(debut)) << GetParam() << " : " << l.texte;
        EXPECT_FALSE(l.texte.ends_with("«")) << GetParam() << " : " << l.texte;
        EXPECT_FALSE(l.texte.ends_with("\u00A0")) << GetParam() << " : " << l.texte;
    }
}

INSTANTIATE_TEST_SUITE_P(Largeurs, CoupureInsecable, ::testing::Values(60, 90, 120, 150, 180, 250, 330));

// Lines of five characters; a line's height is 1, a heading's 2.
std::vector<PageAide> pages(const std::string& texte, int hauteur) {
    const auto lignes = mise_en_lignes(texte, 50, mesure);
    return mise_en_pages(lignes, hauteur, [](const LigneAide& l) { return l.titre ? 2 : 1; });
}

// Each line closed by "|", each page by "/"; a heading starts with "#".
std::string textes(const std::vector<PageAide>& p) {
    std::string r;
    for (const auto& page : p) {
        for (const auto& l : page) r += (l.titre ? "#" : "") + l.texte + "|";
        r += "/";
    }
    return r;
}

struct CasPages {
    const char* nom;
    const char* texte;
    int hauteur;
    std::string attendu;
};
std::ostream& operator<<(std::ostream& o, const CasPages& c) {
    return o << c.nom;
}

class MiseEnPages : public ::testing::TestWithParam<CasPages> {};

TEST_P(MiseEnPages, BreaksBetweenParagraphs) {
    EXPECT_EQ(textes(pages(GetParam().texte, GetParam().hauteur)), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Aide, MiseEnPages,
    ::testing::Values(
        // The second paragraph would start on the first page's last line: it goes whole to the next page.
        CasPages{"AParagraphThatDoesNotFitMovesWhole", "aa bb cc dd ee\n\nff gg hh ii jj kk", 6,
                 "aa bb|cc dd|ee|/ff gg|hh ii|jj kk|/"},
        CasPages{"ParagraphsThatFitShareAPage", "aa bb\n\ncc dd\n\nee ff\n\ngg", 6,
                 "aa bb||cc dd||ee ff|/gg|/"},
        // A heading stays with the paragraph under it, even when the heading alone would fit.
        CasPages{"AHeadingNeverEndsAPage", "aa bb cc\n\n# Titre\nee ff gg", 6, "aa bb|cc|/#Titre|ee ff|gg|/"},
        CasPages{"TwoHeadingsInARowStayWithTheirParagraph", "aa\n\n# Un\n# Deux\nbb cc dd", 5,
                 "aa|/#Un|#Deux|bb cc|/dd|/"},
        // List items are paragraphs of their own.
        CasPages{"AListBreaksBetweenItems", "- aa bb cc\n- dd ee ff\n- gg", 3,
                 "• aa|bb cc|/• dd|ee ff|• gg|/"},
        // Only a paragraph taller than a page is cut, where the page is full.
        CasPages{"ATooLongParagraphIsCutWhereThePageIsFull", "aa\n\nbb cc dd ee ff gg hh ii", 3,
                 "aa|/bb cc|dd ee|ff gg|/hh ii|/"},
        CasPages{"EmptyTextMakesOneEmptyPage", "\n\n", 6, "/"}),
    [](const auto& i) { return std::string(i.param.nom); });

// The help file's typography must reach the screen: a no-break space is a space, and ’ is a real glyph.
TEST(AidePolice, NoBreakSpaceAndApostropheAreDrawn) {
    Polices po(police_texte());
    ASSERT_TRUE(po.valide()) << po.fichier();
    EXPECT_EQ(po.largeur("a\u00A0b", 11), po.largeur("a b", 11));
    const auto dessin = [&po](const std::string& s) {
        Surface img(40, 30);
        po.imprime(img, 2, 2, s, 11, rgb(255, 255, 255));
        return img.pixels();
    };
    EXPECT_NE(dessin("\u2019"), dessin("\u0378")); // a glyph, not the font's box for a missing one
    EXPECT_NE(dessin("\u2019"), Surface(40, 30).pixels());
}

// Runs `f` in a child process bounded in time and memory: a reader that waits for a writer or fills the
// memory ends there instead of hanging or exhausting the machine.
bool borne(const std::function<bool()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(20);
#ifndef __SANITIZE_ADDRESS__
        const rlimit memoire{rlim_t{2} << 30, rlim_t{2} << 30};
        ::setrlimit(RLIMIT_AS, &memoire);
#endif
        ::_exit(f() ? 0 : 1);
    }
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    return WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

// Whatever stands in the help file's place, the reader takes at most its bound from a regular file, and
// anything else reads as a missing help file.
TEST(TexteAide, RegularFilesOnlyAndNeverPastTheBound) {
    test::DossierTemp d;
    const std::string absent = texte_aide(d / "absent");
    EXPECT_NE(absent.find("introuvable"), std::string::npos);
    test::ecritbrut(d / "aide", "# Titre\n\nTexte.\n");
    EXPECT_EQ(texte_aide(d / "aide"), "# Titre\n\nTexte.\n");
    EXPECT_EQ(texte_aide(d.chemin()), absent);
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    EXPECT_TRUE(borne([&] { return texte_aide(d / "tube") == absent; }));
    std::filesystem::create_symlink("/dev/zero", d / "zero");
    EXPECT_TRUE(borne([&] { return texte_aide(d / "zero") == absent; }));
    // Several gigabytes, sparse so that the disk holds none of them.
    { std::ofstream(d / "gros") << "# Gros\n"; }
    std::filesystem::resize_file(d / "gros", std::uintmax_t{3} << 30);
    EXPECT_TRUE(borne([&] {
        const std::string gros = texte_aide(d / "gros");
        return gros.size() == taillemaxaide && gros.starts_with("# Gros\n");
    }));
}
} // namespace
} // namespace tlv
