// Files and folders: Windows-1252 on disk, whole-file writes, bounded reads, and where the program finds
// its data, its scores and its configuration.
#include "shell/fichiers.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include <filesystem>

#include "dossiertemp.h"
#include "shell/donnees.h"
#include "shell/dossiers.h"

namespace tlv {
namespace {

using test::DossierTemp;
using Lignes = std::vector<std::string>;
namespace fs = std::filesystem;

// Every defined byte decodes as the system's own converter says, and every byte comes back unchanged.
TEST(Cp1252, LikeIconvAndRoundTrip) {
    iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no CP1252 converter";
    for (int b = 1; b < 256; ++b) {
        const std::string octet(1, static_cast<char>(b));
        EXPECT_EQ(utf8_vers_cp1252(cp1252_vers_utf8(octet)), octet) << b;
        char entree = static_cast<char>(b), sortie[8] = {};
        char *e = &entree, *s = sortie;
        std::size_t ne = 1, ns = sizeof sortie;
        if (iconv(cd, &e, &ne, &s, &ns) != static_cast<std::size_t>(-1)) {
            EXPECT_EQ(cp1252_vers_utf8(octet), std::string(sortie, s)) << b;
        }
    }
    iconv_close(cd);
}

// Cut short, overlong, a surrogate, beyond U+10FFFF, or outside the code page.
TEST(Cp1252, UnmappedBecomesAQuestionMark) {
    const std::pair<const char*, const char*> cas[] = {
        {"a中b😀", "a?b?"},     {"\xC3", "?"},         {"\xE2\x82\x41", "?A"},   {"\xC0\xAF", "??"},
        {"\xE0\x80\xAF", "?"}, {"\xED\xA0\x80", "?"}, {"\xF4\x90\x80\x80", "?"}};
    for (const auto& [utf8, octets] : cas) EXPECT_EQ(utf8_vers_cp1252(utf8), octets) << utf8;
}

TEST(EcritFichier, ReplacesKeepingPermissionsOrFailsWithoutDamage) {
    DossierTemp d;
    ASSERT_TRUE(ecritfichier(d / "f", "un\r\n"));
    ASSERT_EQ(::chmod((d / "f").c_str(), 0640), 0);
    ASSERT_TRUE(ecritfichier(d / "f", " 4 \r\n"));
    EXPECT_EQ(test::litbrut(d / "f"), " 4 \r\n");
    EXPECT_EQ(fs::status(d / "f").permissions(), static_cast<fs::perms>(0640));
    fs::create_directory(d / "dossier");
    // No folder, a folder where the file should go.
    for (const std::string& chemin : {d / "absent/f", d / "dossier", d.chemin()})
        EXPECT_FALSE(ecritfichier(chemin, "x")) << chemin;
    EXPECT_EQ(test::contenudossier(d.chemin()), (std::set<std::string>{"dossier", "f"}));
}

// A byte-order mark is no part of the first line; the same bytes further on are.
TEST(LitLignes, MixedLineEnds) {
    DossierTemp d;
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, Lignes> cas[] = {
        {"a\r\nb\n\r\nc\rd\r\nfin", {"a", "b", "", "c", "d", "fin"}},
        {"a\rb\r\rc\r", {"a", "b", "", "c"}},
        {bom + "a\r\n" + bom + "b", {"a", bom + "b"}},
        {"", {}},
        {"\r\n", {""}}};
    for (const auto& [contenu, lignes] : cas) {
        test::ecritbrut(d / "f", contenu);
        EXPECT_EQ(litlignes(d / "f"), lignes) << contenu;
    }
}

// Nothing, rather than a wait for a writer, from a folder or a pipe; a missing file is whole and empty for
// the reader that tells.
TEST(LitLignes, NothingWhenNoFileIsReadable) {
    DossierTemp d;
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    for (const std::string& chemin : {d / "absent", d.chemin(), d / "tube"}) {
        EXPECT_FALSE(litlignes(chemin)) << chemin;
        const auto l = litlignesentieres(chemin, 10);
        EXPECT_EQ(l.entiere.ok(), chemin == d / "absent") << chemin;
        EXPECT_TRUE(l.lignes.empty()) << chemin;
    }
}

// The reader of every day cuts long lines and large files; the whole reader cuts nothing and tells
// whether the file was whole: of exactly its limit, or one byte more (what was read is still given).
TEST(LitLignes, OversizedLinesAndFilesAreBoundedOrToldNotWhole) {
    DossierTemp d;
    const std::string longue(longueurmaxligne + 10, 'x');
    test::ecritbrut(d / "f", longue + "\r\nsuite\r\n");
    EXPECT_EQ(litlignes(d / "f"), (Lignes{std::string(longueurmaxligne, 'x'), "suite"}));
    auto l = litlignesentieres(d / "f", 100000);
    EXPECT_TRUE(l.entiere.ok());
    EXPECT_EQ(l.lignes, (Lignes{longue, "suite"}));
    const std::string cent = std::string(98, 'a') + "\r\n";
    test::ecritbrut(d / "f", cent);
    EXPECT_TRUE(litlignesentieres(d / "f", cent.size()).entiere.ok());
    l = litlignesentieres(d / "f", cent.size() - 1);
    EXPECT_EQ(l.entiere.erreur(), EFBIG);
    EXPECT_EQ(l.lignes, Lignes{std::string(98, 'a')});

    std::string gros;
    while (gros.size() <= 2 * taillemaxlecture) gros += "0123456789abcdef\r\n";
    test::ecritbrut(d / "gros", gros);
    const auto lignes = litlignes(d / "gros");
    ASSERT_TRUE(lignes);
    std::size_t total = 0;
    for (const auto& x : *lignes) total += x.size() + 2;
    EXPECT_LE(total, taillemaxlecture + 2);
    EXPECT_GE(total, taillemaxlecture - 20);
}

// Made like mkdir -p as the score folder is on a first run; never over a file.
TEST(Dossiers, NotMadeOverAFileAndTriedForRealBeforeUse) {
    DossierTemp d;
    EXPECT_TRUE(dossierecrivable(d.chemin()));
    EXPECT_TRUE(test::contenudossier(d.chemin()).empty()); // the trial leaves it clean
    test::ecritbrut(d / "fichier", "x");
    for (const std::string& chemin : {d / "fichier", d / "fichier/sous/", std::string()}) {
        EXPECT_FALSE(creedossiers(chemin)) << chemin;
        EXPECT_FALSE(dossierecrivable(chemin)) << chemin;
    }
    EXPECT_FALSE(dossierecrivable(d / "absent"));
}

// In a scratch tree <t>, the program <t>/games/tolvanex finds its data (the launcher's picture) beside it,
// else installed in <t>/share/games/tolvanex, else in the folder configured; the folder imposed first.
TEST(Dossiers, DataFoundInItsTurn) {
    DossierTemp t;
    const auto donnees = [&t](const std::string& impose) {
        return dossier_donnees(t / "games/tolvanex", impose, "../share/games/tolvanex",
                               "/usr/share/games/tolvanex");
    };
    // A folder named cartei00 holds no data.
    fs::create_directories(t / "share/games/tolvanex/cartei00");
    EXPECT_EQ(donnees(""), "/usr/share/games/tolvanex/");
    fs::remove(t / "share/games/tolvanex/cartei00");
    test::ecritbrut(t / "share/games/tolvanex/cartei00", "x");
    EXPECT_EQ(donnees(""), t / "share/games/tolvanex/");
    fs::create_directories(t / "games");
    test::ecritbrut(t / "games/cartei00", "x");
    EXPECT_EQ(donnees(""), t / "games/");
    EXPECT_EQ(donnees(t / "ailleurs"), t / "ailleurs/");
}

TEST(Dossiers, ScoresAndConfigFromTheOptionElseXdgElseHome) {
    EXPECT_EQ(dossierscores("/srv/s", "/x", "/h"), "/srv/s/tolvanex/");
    EXPECT_EQ(dossierscores("/srv/s/", nullptr, nullptr), "/srv/s/tolvanex/");
    EXPECT_EQ(dossierscores("essai", nullptr, "/h"), fs::current_path().string() + "/essai/tolvanex/");
    EXPECT_EQ(dossierscores(std::nullopt, "/x/data/", "/h"), "/x/data/tlvscore/tolvanex/");
    EXPECT_EQ(dossierscores(std::nullopt, "relatif", "/h"), "/h/.local/share/tlvscore/tolvanex/");
    EXPECT_EQ(dossierscores(std::nullopt, "", "/h/"), "/h/.local/share/tlvscore/tolvanex/");
    // Without a usable home, still an absolute path.
    for (const char* home : {static_cast<const char*>(nullptr), "relatif"}) {
        const std::string d = dossierscores(std::nullopt, nullptr, home);
        EXPECT_EQ(d.front(), '/') << d;
        EXPECT_TRUE(d.ends_with("/.local/share/tlvscore/tolvanex/")) << d;
    }
    EXPECT_EQ(dossierconfig(std::string("/srv/c"), "/x", "/h"), "/srv/c/tolvanex/");
    EXPECT_EQ(dossierconfig(std::nullopt, "/x/conf/", "/h"), "/x/conf/tolvanex/");
    EXPECT_EQ(dossierconfig(std::nullopt, "relatif", "/h/"), "/h/.config/tolvanex/");
}

} // namespace
} // namespace tlv
