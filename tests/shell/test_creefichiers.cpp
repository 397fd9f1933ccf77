// The score folder at start-up: the files made when missing, what interrupted writes left repaired or
// cleared, and a folder that cannot be used kept in memory for the session.
#include "shell/creefichiers.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <optional>
#include <tuple>

#include "dossiertemp.h"
#include "shell/fichiers.h"
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

// A first run makes the folders and the five files; the next keeps those there as they are, even empty or
// damaged, and makes the missing ones again.
TEST(CreeFichiers, FirstRunCreatesTheFoldersAndTheFiveFilesTheNextKeepsThem) {
    DossierTemp d;
    const std::string scores = d / "racine/tlvscore/tolvanex/";
    ASSERT_TRUE(creefichiers(scores));
    const std::string memo = fois(5, "INCONNU         10000\r\n");
    const std::string attendus[] = {memo, memo, memo, fois(10, "INCONNU  00000120\r\n"), ""};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(litbrut(scores + noms[i]), attendus[i]) << noms[i];
    const std::map<std::string, std::string> avant = {
        {"tlvmemo1.sco", "abimé"}, {"tlvjong0.sco", ""}, {"tlvjong1.sco", "UN        -100000\r\n"}};
    for (const auto& [nom, contenu] : avant) test::ecritbrut(scores + nom, contenu);
    std::filesystem::remove(scores + "tlvmemo0.sco");
    ASSERT_TRUE(creefichiers(scores));
    for (const auto& [nom, contenu] : avant) EXPECT_EQ(litbrut(scores + nom), contenu) << nom;
    EXPECT_EQ(litbrut(scores + "tlvmemo0.sco"), memo);
    EXPECT_EQ(test::contenudossier(scores), std::set<std::string>(std::begin(noms), std::end(noms)));
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
    const std::set<std::string> autres = {".autre.sco.tmp1-1", "tlvtempo.tmp1-1",      ".tlvtempo.tmpx-1",
                                          ".tlvtempo.tmp12-",  ".tlvtempo.tmp1-1.sav", ".tlvjong0.sco.tmp.b",
                                          ".tlvtempo"};
    for (const auto& n : restes) test::ecritbrut(d / n, "reste");
    for (const auto& n : autres) test::ecritbrut(d / n, "autre");
    ASSERT_TRUE(creefichiers(d.chemin()));
    std::set<std::string> attendu = autres;
    attendu.insert(std::begin(noms), std::end(noms));
    EXPECT_EQ(test::contenudossier(d.chemin()), attendu);
}

// Saved games in "tlvtempo" whose last rename was lost: they are the newest when complete and not older
// than the file. One that is older goes; one that is not complete stays for whoever looks, never read.
TEST(CreeFichiers, ANewerCompleteTempoReplacesTheSavedGames) {
    const std::string Un = "UN        -100000\r\n", Deux = "DEUX     00300420\r\n";
    // "tlvtempo", the saved games (none: no file), the seconds "tlvtempo" is older than them, whether it is
    // taken up.
    using Tempo = std::tuple<std::string, std::optional<std::string>, int, bool>;
    for (const auto& [tempo, parties, age, repris] :
         {Tempo{Un + Deux, Un, -5, true}, Tempo{Un + Deux, Un, 0, true}, Tempo{Deux, std::nullopt, 0, true},
          Tempo{"", Un, -5, true}, Tempo{Un + Deux, Un, 5, false},
          Tempo{Un + "DEUX     003", Un, -5, false}}) {
        SCOPED_TRACE(tempo + " " + std::to_string(age));
        DossierTemp d;
        test::ecritbrut(d / "tlvtempo", tempo);
        if (parties) test::ecritbrut(d / "tlvjong1.sco", *parties);
        const auto date = [&](const char* nom, int secondes) {
            const timespec quand[2] = {{1700000000 + secondes, 0}, {1700000000 + secondes, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, (d / nom).c_str(), quand, 0), 0);
        };
        date("tlvtempo", 0);
        if (parties) date("tlvjong1.sco", age);
        ASSERT_TRUE(creefichiers(d.chemin()));
        EXPECT_EQ(litbrut(d / "tlvjong1.sco"), repris ? tempo : parties.value_or(""));
        EXPECT_EQ(std::filesystem::exists(d / "tlvtempo"), !repris && age <= 0);
    }
}

// A score folder that cannot be used: the session keeps its files in memory, reading those on disk (and the
// defaults of those it cannot read) until it writes them, and never touches the disk.
TEST(ScoresEnMemoire, DiskFilesAreReadUntilTheSessionWritesThemAndStayUntouched) {
    DossierTemp d;
    test::ecritbrut(d / "tlvmemo0.sco", "ALICE           00020\r\n");
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    StockageMemoire scores(d.chemin());
    EXPECT_TRUE(creefichiers(scores));
    EXPECT_EQ(scores.litlignes("tlvmemo0.sco"), Lignes{"ALICE           00020"});
    EXPECT_EQ(scores.litlignes("tlvmemo1.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(scores.litlignes("tlvjong1.sco"), Lignes{}); // an empty file is a file too
    EXPECT_TRUE(scores.ecrit("tlvmemo0.sco", "ZOE             00042\r\n"));
    EXPECT_EQ(scores.litlignes("tlvmemo0.sco"), Lignes{"ZOE             00042"});
    // The disk holds exactly what it held: no default file, no rewrite, no temporary file.
    EXPECT_EQ(test::contenudossier(d.chemin()), (std::set<std::string>{"tlvmemo0.sco", "tlvmemo1.sco"}));
    EXPECT_EQ(test::litbrut(d / "tlvmemo0.sco"), "ALICE           00020\r\n");
}

} // namespace
} // namespace tlv
