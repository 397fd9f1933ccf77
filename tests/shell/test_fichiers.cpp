#include "shell/fichiers.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

using test::DossierTemp;

TEST(Cp1252, BothWays) {
    const std::pair<const char*, const char*> cas[] = {
        {"é", "\xE9"}, {"œ", "\x9C"}, {"€", "\x80"}, {"Œ", "\x8C"},
        {"Ÿ", "\x9F"}, {"’", "\x92"}, {"ÿ", "\xFF"}, {"Entrez-vous déjà ?", "Entrez-vous d\xE9j\xE0 ?"}};
    for (const auto& [utf8, octets] : cas) {
        EXPECT_EQ(utf8_vers_cp1252(utf8), octets) << utf8;
        EXPECT_EQ(cp1252_vers_utf8(octets), utf8) << utf8;
    }
}

// Every defined byte decodes as the system's own converter says, and every byte comes back unchanged.
TEST(Cp1252Table, LikeIconvAndRoundTrip) {
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
TEST(Cp1252Table, UnmappedBecomesAQuestionMark) {
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
    struct stat st {};
    ASSERT_EQ(::stat((d / "f").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    std::filesystem::create_directory(d / "dossier");
    // No folder, a folder where the file should go.
    for (const std::string& chemin : {d / "absent/f", d / "dossier", d.chemin()})
        EXPECT_FALSE(ecritfichier(chemin, "x")) << chemin;
    EXPECT_EQ(test::contenudossier(d.chemin()), (std::set<std::string>{"dossier", "f"}));
}

using Lignes = std::vector<std::string>;

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

TEST(LitLignes, OversizedLinesAndFilesAreBounded) {
    DossierTemp d;
    test::ecritbrut(d / "f", std::string(longueurmaxligne + 10, 'x') + "\r\nsuite\r\n");
    EXPECT_EQ(litlignes(d / "f"), (Lignes{std::string(longueurmaxligne, 'x'), "suite"}));

    std::string gros;
    while (gros.size() <= 2 * taillemaxlecture) gros += "0123456789abcdef\r\n";
    test::ecritbrut(d / "gros", gros);
    const auto lignes = litlignes(d / "gros");
    ASSERT_TRUE(lignes);
    std::size_t total = 0;
    for (const auto& l : *lignes) total += l.size() + 2;
    EXPECT_LE(total, taillemaxlecture + 2);
    EXPECT_GE(total, taillemaxlecture - 20);
}

TEST(LitLignesEntieres, TellsWhetherTheWholeFileWasRead) {
    DossierTemp d;
    // Nothing cut: a long line stays whole, a file of exactly the limit is whole.
    const std::string longue(longueurmaxligne + 10, 'x');
    test::ecritbrut(d / "f", longue + "\r\nsuite\r\n");
    auto l = litlignesentieres(d / "f", 100000);
    EXPECT_TRUE(l.entiere.ok());
    EXPECT_EQ(l.lignes, (Lignes{longue, "suite"}));
    const std::string cent = std::string(98, 'a') + "\r\n";
    test::ecritbrut(d / "f", cent);
    EXPECT_TRUE(litlignesentieres(d / "f", cent.size()).entiere.ok());
    // One byte more than the limit: what was read is given, but the file is not whole.
    l = litlignesentieres(d / "f", cent.size() - 1);
    EXPECT_EQ(l.entiere.erreur(), EFBIG);
    EXPECT_EQ(l.lignes, Lignes{std::string(98, 'a')});
}

TEST(CreeDossiers, LikeMkdirP) {
    DossierTemp d;
    EXPECT_TRUE(creedossiers(d / "a/b/c/"));
    EXPECT_TRUE(std::filesystem::is_directory(d / "a/b/c"));
    EXPECT_TRUE(creedossiers(d / "a/b")); // already there
    test::ecritbrut(d / "fichier", "x");
    EXPECT_FALSE(creedossiers(d / "fichier"));
    EXPECT_FALSE(creedossiers(d / "fichier/sous"));
    EXPECT_FALSE(creedossiers(""));
}

} // namespace
} // namespace tlv
