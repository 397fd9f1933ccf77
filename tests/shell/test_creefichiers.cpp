// The score folder at start-up: the files made when missing, what interrupted writes left repaired or
// cleared, and a folder that cannot be used kept in memory for the session.
#include "shell/creefichiers.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <optional>

#include "dossiertemp.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"
#include "shell/stockage.h"

namespace tlv {
namespace {

using test::DossierTemp;
using test::litbrut;
using Lignes = std::vector<std::string>;

bool creefichiers(const std::string& dossier) {
    StockageDisque disque(dossier);
    return tlv::creefichiers(disque);
}

const char* const noms[] = {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tlvjong0.sco", "tlvjong1.sco"};

std::string fois(int n, const std::string& ligne) {
    std::string s;
    while (n-- > 0) s += ligne;
    return s;
}

TEST(CreeFichiers, FirstRunCreatesTheFoldersAndTheFiveFiles) {
    DossierTemp d;
    const std::string scores = d / "racine/tlvscore/tolvanex/";
    ASSERT_TRUE(creefichiers(scores));
    const std::string memo = fois(5, "INCONNU         10000\r\n");
    const std::string attendus[] = {memo, memo, memo, fois(10, "INCONNU  00000120\r\n"), ""};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(litbrut(scores + noms[i]), attendus[i]) << noms[i];
}

// Even an empty or damaged score file stays as it is (the missing ones are made, as on a first run).
TEST(CreeFichiers, TheFilesThereAreKept) {
    DossierTemp d;
    const std::map<std::string, std::string> avant = {
        {"tlvmemo1.sco", "abimé"}, {"tlvjong0.sco", ""}, {"tlvjong1.sco", "UN        -100000\r\n"}};
    for (const auto& [nom, contenu] : avant) test::ecritbrut(d / nom, contenu);
    ASSERT_TRUE(creefichiers(d.chemin()));
    for (const auto& [nom, contenu] : avant) EXPECT_EQ(litbrut(d / nom), contenu) << nom;
    EXPECT_EQ(test::contenudossier(d.chemin()), std::set<std::string>(std::begin(noms), std::end(noms)));
}

// A folder that cannot be made, or a file that cannot be opened for another reason than its absence (a
// link to itself): the rest is abandoned, nothing damaged.
TEST(CreeFichiers, AnyOtherErrorAbandonsTheRest) {
    DossierTemp d;
    test::ecritbrut(d / "occupe", "x");
    EXPECT_FALSE(creefichiers(d / "occupe/tolvanex/"));
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    EXPECT_FALSE(creefichiers(d.chemin()));
    EXPECT_EQ(litbrut(d / "tlvmemo0.sco"), fois(5, "INCONNU         10000\r\n"));
    EXPECT_FALSE(litbrut(d / "tlvmemo2.sco"));
}

// What interrupted writes left: the program's own temporary files go, anything else stays.
TEST(CreeFichiers, ClearsItsOwnLeftoversOnly) {
    DossierTemp d;
    const std::set<std::string> restes = {".tlvtempo.tmp",        ".tlvjong0.sco.tmp",    ".tlvmemo.ini.tmp",
                                          ".tlvtempo.tmp4242-17", ".tlvjong1.sco.tmp1-1", ".tlvbelo.ini.tmp"};
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
// than the file. One that is older goes; one that is not complete stays for whoever looks, never read.
TEST(CreeFichiers, ANewerCompleteTempoReplacesTheSavedGames) {
    const std::string Un = "UN        -100000\r\n", Deux = "DEUX     00300420\r\n";
    struct Tempo {
        std::string tempo;
        std::optional<std::string> parties; // nothing: no file
        int age;                            // seconds "tlvtempo" is older than the file
        bool repris;
    };
    for (const Tempo& t : {Tempo{Un + Deux, Un, -5, true}, Tempo{Un + Deux, Un, 0, true},
                           Tempo{Deux, std::nullopt, 0, true}, Tempo{"", Un, -5, true},
                           Tempo{Un + Deux, Un, 5, false}, Tempo{Un + "DEUX     003", Un, -5, false}}) {
        SCOPED_TRACE(t.tempo + " " + std::to_string(t.age));
        DossierTemp d;
        test::ecritbrut(d / "tlvtempo", t.tempo);
        if (t.parties) test::ecritbrut(d / "tlvjong1.sco", *t.parties);
        const auto date = [&](const char* nom, int secondes) {
            const timespec quand[2] = {{1700000000 + secondes, 0}, {1700000000 + secondes, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, (d / nom).c_str(), quand, 0), 0);
        };
        date("tlvtempo", 0);
        if (t.parties) date("tlvjong1.sco", t.age);
        ASSERT_TRUE(creefichiers(d.chemin()));
        EXPECT_EQ(litbrut(d / "tlvjong1.sco"), t.repris ? t.tempo : t.parties.value_or(""));
        EXPECT_EQ(std::filesystem::exists(d / "tlvtempo"), !t.repris && t.age <= 0);
    }
}

// A score folder that cannot be used: the session keeps its files in memory, reading those on disk (and the
// defaults of those it cannot read) until it writes them, and never touches the disk.
TEST(ScoresEnMemoire, DiskFilesAreReadUntilTheSessionWritesThemAndStayUntouched) {
    DossierTemp d;
    test::ecritbrut(d / "tlvmemo0.sco", "ALICE           00020\r\n");
    test::ecritbrut(d / "tlvmemo.ini", " 15 \r\n");
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    Reglages r;
    r.scores = std::make_unique<StockageMemoire>(d.chemin());
    EXPECT_TRUE(creefichiers(*r.scores));
    EXPECT_EQ(r.scores->litlignes("tlvmemo0.sco"), Lignes{"ALICE           00020"});
    EXPECT_EQ(r.scores->litlignes("tlvmemo1.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(r.scores->litlignes("tlvjong1.sco"), Lignes{}); // an empty file is a file too
    EXPECT_TRUE(r.scores->ecrit("tlvmemo2.sco", "ZOE             00042\r\n"));
    EXPECT_EQ(r.scores->litlignes("tlvmemo2.sco"), Lignes{"ZOE             00042"});

    lisparammemo(r);
    EXPECT_FLOAT_EQ(r.tempomemo, 1.5f);
    r.tempomemo = 3.f;
    EXPECT_TRUE(sauveparammemo(r));
    lisparammemo(r);
    EXPECT_FLOAT_EQ(r.tempomemo, 3.f);
    // The disk holds exactly what it held: no default file, no rewrite, no temporary file.
    EXPECT_EQ(test::contenudossier(d.chemin()),
              (std::set<std::string>{"tlvmemo.ini", "tlvmemo0.sco", "tlvmemo1.sco"}));
    EXPECT_EQ(test::litbrut(d / "tlvmemo.ini"), " 15 \r\n");
}

} // namespace
} // namespace tlv
