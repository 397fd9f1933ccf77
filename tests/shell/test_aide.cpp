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

// Each line closed by "|"; a heading starts with "#".
std::string enclair(const std::vector<LigneAide>& lignes) {
    std::string r;
    for (const auto& l : lignes) r += (l.titre ? "#" : "") + l.texte + "|";
    return r;
}

// A word longer than the line stands alone; trailing blank lines go.
TEST(AideMiseEnLignes, WrapsParagraphsAndKeepsHeadingsApart) {
    EXPECT_EQ(enclair(mise_en_lignes("# Titre\r\nab cd ef\ngh\n\n- un\n- deux\n\n\n", 80, mesure)),
              "#Titre|ab cd ef|gh||• un|• deux|");
    EXPECT_EQ(enclair(mise_en_lignes("a interminable b", 80, mesure)), "a|interminable|b|");
}

TEST(AideMiseEnLignes, NoLineStartsWithAMarkOrEndsWithAnOpeningGuillemet) {
    const std::string nbsp = "\u00A0";
    std::string t = "Cliquez « Aide »" + nbsp + "; puis « Nouvelle partie »" + nbsp + "! Vraiment" + nbsp +
                    "? Oui" + nbsp + ": « Quitter ».";
    // The no-break spaces around the guillemets too.
    for (std::size_t i; (i = t.find("« ")) != std::string::npos;) t.replace(i, 3, "«" + nbsp);
    for (std::size_t i; (i = t.find(" »")) != std::string::npos;) t.replace(i, 3, nbsp + "»");
    for (const int largeur : {60, 90, 120, 150, 180, 250, 330})
        for (const auto& l : mise_en_lignes(t, largeur, mesure)) {
            for (const char* debut : {"»", ";", ":", "!", "?", "\u00A0"})
                EXPECT_FALSE(l.texte.starts_with(debut)) << largeur << " : " << l.texte;
            EXPECT_FALSE(l.texte.ends_with("«") || l.texte.ends_with(nbsp)) << largeur << " : " << l.texte;
        }
}

// Lines of five characters; a line's height is 1, a heading's 2. Each page closed by "/".
TEST(AideMiseEnPages, BreaksBetweenParagraphs) {
    struct Cas {
        const char* texte;
        int hauteur;
        const char* attendu;
    };
    const Cas cas[] = {
        // The second paragraph would start on the first page's last line: it goes whole to the next page.
        {"aa bb cc dd ee\n\nff gg hh ii jj kk", 6, "aa bb|cc dd|ee|/ff gg|hh ii|jj kk|/"},
        {"aa bb\n\ncc dd\n\nee ff\n\ngg", 6, "aa bb||cc dd||ee ff|/gg|/"},
        // A heading stays with the paragraph under it, even when the heading alone would fit.
        {"aa bb cc\n\n# Titre\nee ff gg", 6, "aa bb|cc|/#Titre|ee ff|gg|/"},
        {"aa\n\n# Un\n# Deux\nbb cc dd", 5, "aa|/#Un|#Deux|bb cc|/dd|/"},
        // List items are paragraphs of their own.
        {"- aa bb cc\n- dd ee ff\n- gg", 3, "• aa|bb cc|/• dd|ee ff|• gg|/"},
        // Only a paragraph taller than a page is cut, where the page is full.
        {"aa\n\nbb cc dd ee ff gg hh ii", 3, "aa|/bb cc|dd ee|ff gg|/hh ii|/"},
        {"\n\n", 6, "/"}};
    for (const Cas& c : cas) {
        std::string r;
        for (const auto& page : mise_en_pages(mise_en_lignes(c.texte, 50, mesure), c.hauteur,
                                              [](const LigneAide& l) { return l.titre ? 2 : 1; }))
            r += enclair(page) + "/";
        EXPECT_EQ(r, c.attendu) << c.texte;
    }
}

// The help file's typography must reach the screen: a no-break space is a space, and ’ is a real glyph.
TEST(AidePolice, NoBreakSpaceAndApostropheAreDrawn) {
    Polices po(police_texte());
    ASSERT_TRUE(po.valide()) << po.fichier();
    EXPECT_EQ(po.largeur("a\u00A0b", 11), po.largeur("a b", 11));
    const auto dessin = [&po](const std::string& s) {
        Surface img(40, 30, 0, 1);
        po.imprime(img, 2, 2, s, 11, rgb(255, 255, 255));
        return img.pixels();
    };
    EXPECT_NE(dessin("\u2019"), dessin("\u0378")); // a glyph, not the font's box for a missing one
    EXPECT_NE(dessin("\u2019"), Surface(40, 30, 0, 1).pixels());
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
// The Belote part says what the table does now.
TEST(TexteAide, TheBelotePartSaysWhatTheTableDoes) {
    std::ifstream f("./tolvanex.hlp");
    const std::string t((std::istreambuf_iterator<char>(f)), {});
    const std::string belote = t.substr(t.find("# La Belote"), t.find("# Le Memo") - t.find("# La Belote"));
    for (const char* dit : {"dit pourquoi", "gauche ou droit", "couleur sœur", "restent affichés"})
        EXPECT_NE(belote.find(dit), std::string::npos) << dit;
}

} // namespace
} // namespace tlv
