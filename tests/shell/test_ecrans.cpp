// The shell's screens and texts: the help's layout and reader, the timing dialogs driven by scripted input
// on the virtual clock, the launcher's lines, the command line and the README that documents it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "bancscores.h"
#include "dossiertemp.h"
#include "platform/texte.h"
#include "shell/aide.h"
#include "shell/avis.h"
#include "shell/base.h"
#include "shell/options.h"
#include "shell/parametres.h"
#include "shell/tempo.h"
#include "tlv_version.h"

namespace tlv {
namespace {

using essai::Banc;

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
    const std::string t = "Cliquez «\u00A0Aide\u00A0»\u00A0; puis «\u00A0Nouvelle partie\u00A0»\u00A0! "
                          "Vraiment\u00A0? Oui\u00A0: «\u00A0Quitter\u00A0».";
    for (const int largeur : {60, 90, 120, 150, 180, 250, 330})
        for (const auto& l : mise_en_lignes(t, largeur, mesure)) {
            for (const char* debut : {"»", ";", ":", "!", "?", "\u00A0"})
                EXPECT_FALSE(l.texte.starts_with(debut)) << largeur << " : " << l.texte;
            EXPECT_FALSE(l.texte.ends_with("«") || l.texte.ends_with(nbsp)) << largeur << " : " << l.texte;
        }
}

// Lines of five characters; a line's height is 1, a heading's 2. Each page closed by "/".
TEST(AideMiseEnPages, BreaksBetweenParagraphs) {
    // The text, the page's height, the pages.
    const std::tuple<const char*, int, const char*> cas[] = {
        // The second paragraph would start on the first page's last line: it goes whole to the next page.
        {"aa bb cc dd ee\n\nff gg hh ii jj kk", 6, "aa bb|cc dd|ee|/ff gg|hh ii|jj kk|/"},
        // A heading stays with the paragraph under it, even when the heading alone would fit.
        {"aa bb cc\n\n# Titre\nee ff gg", 6, "aa bb|cc|/#Titre|ee ff|gg|/"},
        {"aa\n\n# Un\n# Deux\nbb cc dd", 5, "aa|/#Un|#Deux|bb cc|/dd|/"},
        // List items are paragraphs of their own.
        {"- aa bb cc\n- dd ee ff\n- gg", 3, "• aa|bb cc|/• dd|ee ff|• gg|/"},
        // Only a paragraph taller than a page is cut, where the page is full.
        {"aa\n\nbb cc dd ee ff gg hh ii", 3, "aa|/bb cc|dd ee|ff gg|/hh ii|/"},
        {"\n\n", 6, "/"}};
    for (const auto& [texte, hauteur, attendu] : cas) {
        std::string r;
        for (const auto& page : mise_en_pages(mise_en_lignes(texte, 50, mesure), hauteur,
                                              [](const LigneAide& l) { return l.titre ? 2 : 1; }))
            r += enclair(page) + "/";
        EXPECT_EQ(r, attendu) << texte;
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

// Runs `f` in a child process bounded in time and memory: a reader that fills the memory ends there
// instead of exhausting the machine.
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

// The reader takes at most its bound from the help file, and a missing one reads as a text saying so. What
// is no regular file is the file reader's business.
TEST(TexteAide, NeverPastTheBound) {
    test::DossierTemp d;
    EXPECT_NE(texte_aide(d / "absent").find("introuvable"), std::string::npos);
    test::ecritbrut(d / "aide", "# Titre\n\nTexte.\n");
    EXPECT_EQ(texte_aide(d / "aide"), "# Titre\n\nTexte.\n");
    // Several gigabytes, sparse so that the disk holds none of them.
    test::ecritbrut(d / "gros", "# Gros\n");
    std::filesystem::resize_file(d / "gros", std::uintmax_t{3} << 30);
    EXPECT_TRUE(borne([&] {
        const std::string gros = texte_aide(d / "gros");
        return gros.size() == taillemaxaide && gros.starts_with("# Gros\n");
    }));
}
// Opened as F5 does, with the script feeding it: the setting once the dialog is gone and what the settings
// file then holds, however it was closed (the bar's ends are the platform's business). The dialog is
// centred on the play area: its scroll bar's right arrow lies at (477, 221), its left one at (163, 221),
// its title bar's close box at (498, 174); Alt+R is "&Retour".
TEST_F(Banc, TimingDialogsStoreTheSliderHoweverTheyAreClosed) {
    // Belote's or Memo's, the setting when F5 is pressed and once the dialog is gone (seconds), the input,
    // the file, whether the program was closed with the dialog open.
    using Cas = std::tuple<bool, float, const char*, float, const char*, bool>;
    for (const auto& [belote, avant, script, apres, fichier, par_fin] :
         {Cas{false, 1.5f, "touche Droite\ntouche Echap", 3.f, " 30 \r\n", false}, // from 2, in tenths
          Cas{true, 4, "touche Droite\ntouche Droite\ntouche Gauche\nattends\ntouche Entree", 5, " 5 \r\n",
              false},
          Cas{true, 4,
              "clic 477 221\nattends\nclic 477 221\nattends\nclic 477 221\nattends\nclic 163 221"
              "\nattends\ntouche r alt",
              6, " 6 \r\n", false},
          Cas{false, 0.f, "touche Droite\ntouche Droite\ntouche Droite", 3.f, " 30 \r\n", true},
          Cas{true, 4, "touche Gauche\nattends\nclic 498 174", 3, " 3 \r\n", false}}) { // the close box
        SCOPED_TRACE(script);
        r.tempobelote = static_cast<int>(avant), r.tempomemo = avant;
        EXPECT_EQ(joue(std::string("attends\n") + script + "\nattends\n",
                       [&](Contexte& x) {
                           ouvre_dialogue(x.pf, *(belote ? tempo_belote(x.pf, r) : tempo_memo(x.pf, r)));
                       }),
                  !par_fin);
        EXPECT_FLOAT_EQ(belote ? static_cast<float>(r.tempobelote) : r.tempomemo, apres);
        EXPECT_EQ(lit(belote ? "tlvbelo.ini" : "tlvmemo.ini"), fichier);
    }
}

// The footer names the version (a bug report's first question) on its own line under the page number.
TEST_F(Banc, TheHelpsFooterShowsTheVersion) {
    EXPECT_TRUE(version_aide().ends_with(" " TLV_VERSION)) << version_aide();
    ASSERT_TRUE(joue("", [](Contexte&) {})); // a platform
    Aide aide(*pf, "/nonexistent/tolvanex.hlp");
    // The ink of the footer's second line: pixels unlike the cloth at the left margin of the same row.
    int x0 = 640, x1 = -1;
    for (int y = 460; y < 478; ++y)
        for (int x = 14; x < 250; ++x)
            if (aide.image.pixel(x, y) != aide.image.pixel(13, y)) x0 = std::min(x0, x), x1 = std::max(x1, x);
    ASSERT_GE(x1, x0) << "pas de version en bas de l'aide";
    EXPECT_NEAR(x1 - x0 + 1, pf->polices().largeur(version_aide(), 9), 3);
}

// The launcher's line under a point: bands exclusive at both ends, 0 outside them.
TEST(LigneSous, BandsAreExclusiveAtBothEnds) {
    const int cas[][3] = {{400, 9, 0},   {400, 10, 1},  {400, 68, 1},  {400, 69, 0},  {400, 100, 2},
                          {400, 200, 3}, {400, 370, 4}, {400, 469, 5}, {400, 470, 0}, {328, 30, 0},
                          {329, 30, 1},  {627, 440, 5}, {628, 440, 0}};
    for (const auto& [x, y, ligne] : cas) EXPECT_EQ(Base::ligne_sous(x, y), ligne) << x << " " << y;
}

// The notice names the score folder on one line of the launcher: a long path keeps its start and its end,
// cut between whole characters. Ten pixels a character.
TEST(RaccourcitChemin, FitsAndKeepsTheFoldersOwnName) {
    const std::string zoe = "/home/zoé/ééééééééééééééééééééé/tlvscore/tolvanex";
    const std::tuple<std::string, int, std::string> cas[] = {
        {"/tmp/x/tolvanex", 15, "/tmp/x/tolvanex"},
        {"/home/joueur/.local/share/un/long/chemin/tlvscore/tolvanex", 30, "/home/joueur…tlvscore/tolvanex"},
        {zoe, 24, "/home/zoé/éé…re/tolvanex"},
        {zoe, 5, "…anex"}};
    for (const auto& [chemin, n, attendu] : cas)
        EXPECT_EQ(raccourcit_chemin(chemin, n * 10, [](const std::string& s) { return caracteres(s) * 10; }),
                  attendu)
            << chemin << " / " << n;
}

std::set<std::string> options_de(const std::string& texte, const std::regex& motif) {
    std::set<std::string> r;
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), motif); it != std::sregex_iterator();
         ++it)
        r.insert((*it)[1]);
    return r;
}

TEST(Readme, TheTitleTheExitCodesAndTheProgramsCommandLine) {
    const std::string r = test::litbrut(TLV_README).value_or("");
    EXPECT_TRUE(r.starts_with("# Tolva'nexes\n\n```\n./tolvanex.sh\n./test.sh\n```\n")) << r.substr(0, 80);
    // Every exit code has its row: main returns 0, 2 or 3; a fatal error ends the process with 1.
    for (int code = 0; code <= 3; ++code)
        EXPECT_NE(r.find("\n| " + std::to_string(code) + " | "), std::string::npos) << code;
    const auto documentees = options_de(r, std::regex(R"(\n\| `(--[a-z-]+))"));
    EXPECT_EQ(documentees, options_de(usage(), std::regex(R"(\n  (--[a-z-]+))")));
    // Each one accepted alone or with its value.
    const auto acceptee = [](const std::vector<std::string>& essai) {
        try {
            return lit_options(essai), true;
        } catch (const std::invalid_argument&) {
            return false;
        }
    };
    for (const auto& o : documentees)
        EXPECT_TRUE(acceptee({o}) || acceptee({o, "1"}) || acceptee({o, "800x600"})) << o;
}

// `--aide` in a terminal: every description starts in one column, no line wraps at 80 characters.
TEST(Options, UsageDescriptionsLineUpWithinEightyColumns) {
    std::istringstream lignes(usage());
    std::set<std::size_t> colonnes;
    for (std::string l; std::getline(lignes, l);) {
        if (!l.starts_with("  ")) continue;
        // After the option and its value (one blank between them), the first blank run leads to the text.
        const auto blancs = l.find("  ", l.find_first_not_of(' '));
        colonnes.insert(l.find_first_not_of(' ', l.starts_with("  -") ? blancs : 0));
        EXPECT_LE(std::count_if(l.begin(), l.end(), [](char c) { return (c & 0xC0) != 0x80; }), 80) << l;
    }
    EXPECT_EQ(colonnes.size(), 1u) << usage();
}

// The options' values themselves are the robot runs' business: each of them is used there.
TEST(Options, OnlyValuesInRangeAreTaken) {
    EXPECT_EQ(*lit_options({"--graine", "18446744073709551615"}).graine, 18446744073709551615ULL);
    for (const char* valeur : {"-3", "12x", "99999999999999999999"})
        EXPECT_THROW(lit_options({"--graine", valeur}), std::invalid_argument) << valeur;
    for (const char* valeur :
         {"1366", "1366x", "x768", "1366x-768", "0x0", "99999x768", "1366x99999", "1366x768x2"})
        EXPECT_THROW(lit_options({"--ecran", valeur}), std::invalid_argument) << valeur;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--graine"}, {"--robot", ""}, {"--inconnue"}})
        EXPECT_THROW(lit_options(args), std::invalid_argument) << args[0];
}

} // namespace
} // namespace tlv
