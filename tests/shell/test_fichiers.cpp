#include "shell/fichiers.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

using test::DossierTemp;

struct Paire {
    const char* utf8;
    const char* octets;
};
std::ostream& operator<<(std::ostream& o, const Paire& p) {
    return o << p.utf8;
}

class Cp1252 : public ::testing::TestWithParam<Paire> {};

TEST_P(Cp1252, BothWays) {
    EXPECT_EQ(utf8_vers_cp1252(GetParam().utf8), GetParam().octets);
    EXPECT_EQ(cp1252_vers_utf8(GetParam().octets), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Caracteres, Cp1252,
                         ::testing::Values(Paire{"é", "\xE9"}, Paire{"œ", "\x9C"}, Paire{"€", "\x80"},
                                           Paire{"Œ", "\x8C"}, Paire{"Ÿ", "\x9F"}, Paire{"’", "\x92"},
                                           Paire{"ÿ", "\xFF"},
                                           Paire{"Entrez-vous déjà ?", "Entrez-vous d\xE9j\xE0 ?"}));

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

TEST(Cp1252Table, UnmappedBecomesAQuestionMark) {
    EXPECT_EQ(utf8_vers_cp1252("a中b😀"), "a?b?");
    EXPECT_EQ(utf8_vers_cp1252("\xC3"), "?"); // cut short
    EXPECT_EQ(utf8_vers_cp1252("\xE2\x82"
                               "A"),
              "?A");                                      // cut short before a plain letter
    EXPECT_EQ(utf8_vers_cp1252("\xC0\xAF"), "??");        // overlong
    EXPECT_EQ(utf8_vers_cp1252("\xE0\x80\xAF"), "?");     // overlong '/' past a valid lead byte
    EXPECT_EQ(utf8_vers_cp1252("\xED\xA0\x80"), "?");     // surrogate
    EXPECT_EQ(utf8_vers_cp1252("\xF4\x90\x80\x80"), "?"); // beyond U+10FFFF
}

TEST(EcritFichier, CreatesAndReplacesLeavingNoTemporary) {
    DossierTemp d;
    ASSERT_TRUE(ecritfichier(d / "f.ini", "un\r\n"));
    ASSERT_TRUE(ecritfichier(d / "f.ini", " 4 \r\n"));
    EXPECT_EQ(test::litbrut(d / "f.ini"), " 4 \r\n");
    EXPECT_EQ(test::contenudossier(d.chemin()), std::set<std::string>{"f.ini"});
}

TEST(EcritFichier, KeepsTheReplacedFilesPermissions) {
    DossierTemp d;
    test::ecritbrut(d / "f", "x");
    ASSERT_EQ(::chmod((d / "f").c_str(), 0640), 0);
    ASSERT_TRUE(ecritfichier(d / "f", "y"));
    struct stat st {};
    ASSERT_EQ(::stat((d / "f").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(EcritFichier, FailsWithoutDamage) {
    DossierTemp d;
    EXPECT_FALSE(ecritfichier(d / "absent/f", "x"));
    std::filesystem::create_directory(d / "dossier");
    EXPECT_FALSE(ecritfichier(d / "dossier", "x")); // a folder stands where the file should go
    EXPECT_FALSE(ecritfichier(d.chemin(), "x"));
    EXPECT_EQ(test::contenudossier(d.chemin()), std::set<std::string>{"dossier"});
}

using Lignes = std::vector<std::string>;

TEST(LitLignes, MixedLineEnds) {
    DossierTemp d;
    test::ecritbrut(d / "f", "a\r\nb\n\r\nc\rd\r\nfin");
    EXPECT_EQ(litlignes(d / "f"), (Lignes{"a", "b", "", "c", "d", "fin"}));
    test::ecritbrut(d / "f", "a\rb\r\rc\r");
    EXPECT_EQ(litlignes(d / "f"), (Lignes{"a", "b", "", "c"}));
    // A byte-order mark is no part of the first line; the same bytes further on are.
    test::ecritbrut(d / "f", "\xEF\xBB\xBF"
                             "a\r\n\xEF\xBB\xBF"
                             "b");
    EXPECT_EQ(litlignes(d / "f"), (Lignes{"a", "\xEF\xBB\xBF"
                                               "b"}));
    test::ecritbrut(d / "f", "");
    EXPECT_EQ(litlignes(d / "f"), Lignes{});
    test::ecritbrut(d / "f", "\r\n");
    EXPECT_EQ(litlignes(d / "f"), Lignes{""});
}

TEST(LitLignes, NothingWhenNoFileIsReadable) {
    DossierTemp d;
    EXPECT_FALSE(litlignes(d / "absent"));
    EXPECT_FALSE(litlignes(d.chemin()));
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    EXPECT_FALSE(litlignes(d / "tube")); // and does not wait for a writer
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
    EXPECT_TRUE(l.entiere);
    EXPECT_EQ(l.lignes, (Lignes{longue, "suite"}));
    const std::string cent = std::string(98, 'a') + "\r\n";
    test::ecritbrut(d / "f", cent);
    EXPECT_TRUE(litlignesentieres(d / "f", cent.size()).entiere);
    // One byte more than the limit: what was read is given, but the file is not whole.
    l = litlignesentieres(d / "f", cent.size() - 1);
    EXPECT_FALSE(l.entiere);
    EXPECT_EQ(l.lignes, Lignes{std::string(98, 'a')});
    // A missing file is whole and empty; one that is there but cannot be read is not whole.
    l = litlignesentieres(d / "absent", 10);
    EXPECT_TRUE(l.entiere);
    EXPECT_TRUE(l.lignes.empty());
    EXPECT_FALSE(litlignesentieres(d.chemin(), 10).entiere);
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    EXPECT_FALSE(litlignesentieres(d / "tube", 10).entiere);
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
