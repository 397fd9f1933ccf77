#include "shell/creefichiers.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>

#include "dossiertemp.h"

namespace tlv {
namespace {

using test::DossierTemp;
using test::litbrut;

const std::string lignememo = "INCONNU         10000\r\n";
const std::string lignejong = "INCONNU  00000120\r\n";
const char* const noms[] = {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tlvjong0.sco", "tlvjong1.sco"};

TEST(CreeFichiers, FirstRunCreatesTheFoldersAndTheFiveFiles) {
    DossierTemp d;
    const std::string scores = d / "racine/tlvscore/tolvanex/";
    ASSERT_TRUE(creefichiers(scores));
    EXPECT_TRUE(std::filesystem::is_directory(d / "racine/tlvscore"));
    for (const char* memo : {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco"}) {
        std::string cinq;
        for (int i = 0; i < 5; ++i) cinq += lignememo;
        EXPECT_EQ(litbrut(scores + memo), cinq) << memo;
    }
    std::string dix;
    for (int i = 0; i < 10; ++i) dix += lignejong;
    EXPECT_EQ(litbrut(scores + "tlvjong0.sco"), dix);
    EXPECT_EQ(litbrut(scores + "tlvjong1.sco"), "");
    EXPECT_EQ(test::contenudossier(scores), std::set<std::string>(std::begin(noms), std::end(noms)));
}

TEST(CreeFichiers, NextRunTouchesNoExistingFile) {
    DossierTemp d;
    ASSERT_TRUE(creefichiers(d.chemin()));
    for (const char* nom : noms) test::ecritbrut(d / nom, std::string("autre ") + nom);
    test::ecritbrut(d / "tlvjong0.sco", ""); // even an empty score file stays as it is
    ASSERT_TRUE(creefichiers(d.chemin()));
    for (const char* nom : noms)
        EXPECT_EQ(litbrut(d / nom), std::string(nom) == "tlvjong0.sco" ? "" : std::string("autre ") + nom);
}

TEST(CreeFichiers, OnlyTheMissingOnesAreCreated) {
    DossierTemp d;
    test::ecritbrut(d / "tlvmemo1.sco", "abimé");
    ASSERT_TRUE(creefichiers(d.chemin()));
    EXPECT_EQ(litbrut(d / "tlvmemo1.sco"), "abimé");
    EXPECT_EQ(litbrut(d / "tlvmemo2.sco"), contenuinitial("tlvmemo2.sco"));
}

TEST(CreeFichiers, AnyOtherErrorAbandonsTheRest) {
    DossierTemp d;
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    EXPECT_FALSE(creefichiers(d.chemin()));
    EXPECT_EQ(litbrut(d / "tlvmemo0.sco"), contenuinitial("tlvmemo0.sco"));
    EXPECT_FALSE(litbrut(d / "tlvmemo2.sco"));
    EXPECT_FALSE(litbrut(d / "tlvjong1.sco"));
}

TEST(CreeFichiers, UncreatableFolder) {
    DossierTemp d;
    test::ecritbrut(d / "occupe", "x");
    EXPECT_FALSE(creefichiers(d / "occupe/tolvanex/"));
    EXPECT_EQ(litbrut(d / "occupe"), "x");
}

// What interrupted writes left: the program's own temporary files go, anything else stays.
TEST(CreeFichiers, ClearsItsOwnLeftoversOnly) {
    DossierTemp d;
    const std::set<std::string> restes = {".tlvtempo.tmp", ".tlvjong0.sco.tmp", ".tlvmemo.ini.tmp",
                                          ".tlvtempo.tmp4242-17", ".tlvjong1.sco.tmp1-1"};
    const std::set<std::string> autres = {"notes.txt",           ".autre.sco.tmp1-1", "tlvtempo.tmp1-1",
                                          ".tlvtempo.tmpx-1",    ".tlvtempo.tmp12-",  ".tlvtempo.tmp1-1.sav",
                                          ".tlvjong0.sco.tmp.b", ".tlvtempo.tmp~",    ".tlvtempo"};
    for (const auto& n : restes) test::ecritbrut(d / n, "reste");
    for (const auto& n : autres) test::ecritbrut(d / n, "autre");
    ASSERT_TRUE(creefichiers(d.chemin()));
    std::set<std::string> attendu = autres;
    attendu.insert(std::begin(noms), std::end(noms));
    EXPECT_EQ(test::contenudossier(d.chemin()), attendu);
    for (const auto& n : autres) EXPECT_EQ(litbrut(d / n), "autre") << n;
}

// Saved games in "tlvtempo" whose last rename was lost: they are the newest when complete and not older
// than the file.
struct Tempo {
    const char* nom;
    std::string tempo;
    std::optional<std::string> parties; // nothing: no file
    int age;                            // seconds "tlvtempo" is older than the file
    bool repris;
};
void PrintTo(const Tempo& t, std::ostream* os) {
    *os << t.nom;
}

class RepriseTempo : public ::testing::TestWithParam<Tempo> {};

TEST_P(RepriseTempo, ANewerCompleteCopyReplacesTheSavedGames) {
    DossierTemp d;
    const Tempo& t = GetParam();
    test::ecritbrut(d / "tlvtempo", t.tempo);
    if (t.parties) test::ecritbrut(d / "tlvjong1.sco", *t.parties);
    const auto date = [&](const char* nom, int secondes) {
        const timespec quand[2] = {{1700000000 + secondes, 0}, {1700000000 + secondes, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (d / nom).c_str(), quand, 0), 0);
    };
    date("tlvtempo", 0);
    if (t.parties) date("tlvjong1.sco", t.age);
    ASSERT_TRUE(creefichiers(d.chemin()));
    const std::string attendu = t.repris ? t.tempo : t.parties.value_or("");
    EXPECT_EQ(litbrut(d / "tlvjong1.sco"), attendu);
    // One that is older goes; one that is not complete stays for whoever looks, never read as saves.
    EXPECT_EQ(std::filesystem::exists(d / "tlvtempo"), !t.repris && t.age <= 0);
}

const std::string Un = "UN        -100000\r\n", Deux = "DEUX     00300420\r\n";
INSTANTIATE_TEST_SUITE_P(Cas, RepriseTempo,
                         ::testing::Values(Tempo{"plus_recent", Un + Deux, Un, -5, true},
                                           Tempo{"meme_date", Un + Deux, Un, 0, true},
                                           Tempo{"sans_fichier", Deux, std::nullopt, 0, true},
                                           Tempo{"vide", "", Un, -5, true},
                                           Tempo{"plus_ancien", Un + Deux, Un, 5, false},
                                           Tempo{"incomplet", Un + "DEUX     003", Un, -5, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
