// The launcher as a player meets it: the real program, scripted.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "dossiertemp.h"
#include "pixels.h"
#include "platform/image.h"
#include "robot.h"
#include "shell/avis.h"
#include "tlv_version.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

using test::memes_pixels;

// Clicks in a gap, outside the picture or with the right button do nothing before Quit.
TEST(Lanceur, QuitPlaysTheClickThenTheClosingSoundAndLeavesTheDefaultFiles) {
    Programme p;
    const auto r = p.joue({attends(), clic(400, 74), clic(10, 10), clicdroit(400, 440), clic(400, 440)});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.find("effet cartew06"), 0u) << r.sortie;
    EXPECT_TRUE(r.contient("musique cartem00"));
    const auto declic = r.sortie.find("effet cartew00"), fin = r.sortie.find("effet cartew03");
    ASSERT_NE(declic, std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("effet cartew00", declic + 1), std::string::npos) << r.sortie;
    EXPECT_GT(fin, declic);
    // Every file is made (the score files' defaults are checked where they are created).
    EXPECT_EQ(test::contenudossier(p.scores()),
              (std::set<std::string>{"tlvbelo.ini", "tlvjong0.sco", "tlvjong1.sco", "tlvmemo.ini",
                                     "tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tolvanex.lock"}));
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelo.ini"), " 4 \r\n");
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo.ini"), " 10 \r\n");
}

TEST(Lanceur, F6AsksForTheVolumeControlAndTheWebButtonOpensTheOfflinePage) {
    Programme p;
    const auto r = p.joue({attends(), touche("F6"), clic(480, 275)});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(r.contient("programme pavucontrol")) << r.sortie;
    // The shipped tlvweb.ini names no address: the page that comes with the game opens.
    const std::string page = fs::current_path().string() + "/tolvanex.html";
    EXPECT_TRUE(r.contient("url file://" + page + "\n")) << r.sortie;
    EXPECT_TRUE(p.fichier(page).find("<html lang=\"fr\">") != std::string::npos);
}

// A copy of the game whose tlvweb.ini says `url=<adresse>`.
class BoutonWeb : public ::testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(BoutonWeb, OnlyAnHttpOrHttpsAddressReplacesTheOfflinePage) {
    Programme p;
    const fs::path copie = fs::path(p.copie_du_jeu("tlvweb.ini")).parent_path();
    const std::string adresse = GetParam().first;
    { std::ofstream(copie / "tlvweb.ini", std::ios::binary) << "[siteconf]\r\nurl=" << adresse << "\r\n"; }
    const auto r = p.joue({attends(), clic(480, 275)}, "", "", (copie / "tolvanex").string());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const std::string attendu = GetParam().second ? adresse : "file://" + (copie / "tolvanex.html").string();
    EXPECT_TRUE(r.contient("url " + attendu + "\n")) << r.sortie;
}

INSTANTIATE_TEST_SUITE_P(Adresses, BoutonWeb,
                         // Which addresses pass is the unit tests' business; here the file's own is used.
                         ::testing::Values(std::pair{"https://exemple.fr/tolvanex", true},
                                           std::pair{"file:///etc/passwd", false}),
                         [](const auto& i) {
                             const std::string a = i.param.first;
                             return a.substr(0, a.find(':')) + std::to_string(i.index);
                         });

TEST(Lanceur, HelpOpensOverTheLauncherAndEchapComesBack) {
    Programme p;
    const auto r =
        p.joue({attends(), capture("avant.png"), clic(400, 370), capture("aide.png"), touche("Droite"),
                capture("page2.png"), touche("Echap"), survol(100, 100), capture("apres.png")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface avant = p.capture("avant.png"), aide = p.capture("aide.png"),
                  page2 = p.capture("page2.png");
    EXPECT_FALSE(memes_pixels(avant, aide, Rect{0, 0, 640, 480}));
    EXPECT_FALSE(memes_pixels(aide, page2, Rect{20, 20, 600, 400}));
    // Back on the launcher with line 4 still highlighted by the hover that opened the help.
    EXPECT_TRUE(memes_pixels(avant, p.capture("apres.png"), Rect{0, 0, 640, 300}));
    // The tune is not restarted by closing the help.
    EXPECT_EQ(r.sortie.find("musique cartem00", r.sortie.find("musique cartem00") + 1), std::string::npos)
        << r.sortie;
}

TEST(Programme, ABadScriptLineStopsWithCode2BeforeAnythingRuns) {
    Programme p;
    const auto r = p.joue({attends(), {"clic 10"}});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.erreurs.find("ligne 2"), std::string::npos) << r.erreurs;
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_FALSE(fs::exists(p.scores()));
}

TEST(Programme, ASecondCopyLeavesSilently) {
    Programme p;
    fs::create_directories(p.scores());
    const int fd = ::open((p.scores() + "tolvanex.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const auto r = p.joue({attends()});
    ::close(fd);
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.sortie.empty()) << r.sortie;
    EXPECT_FALSE(fs::exists(p.scores() + "tlvmemo0.sco"));
}

TEST(Programme, VersionAndUsageOnTheCommandLine) {
    Programme p;
    auto r = p.execute("--version");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie, "tolvanex " TLV_VERSION "\n");
    r = p.execute("--aide"); // what the usage holds is checked against the README in-process
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.contient("\n  --robot ")) << r.sortie;
    r = p.execute("--inconnue");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.erreurs.find("option inconnue"), std::string::npos) << r.erreurs;
}

// A lock file left by another account can still be locked: only a copy really running stops us.
TEST(Programme, ALockFileWeMayNotWriteStillLetsTheGameStart) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    Programme p;
    fs::create_directories(p.scores());
    { std::ofstream(p.scores() + "tolvanex.lock") << ""; }
    fs::permissions(p.scores() + "tolvanex.lock", fs::perms::owner_read | fs::perms::group_read);
    const auto r = p.joue({attends()});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(r.contient("musique cartem00")) << r.sortie;
    EXPECT_TRUE(fs::exists(p.scores() + "tlvmemo0.sco"));
}

// The ways a score folder can be unusable (`fichier` in the scratch folder is a regular file); each must
// still bring the launcher up.
struct CasInutilisable {
    const char* nom;
    const char *scores, *xdg; // --dossier-scores, XDG_DATA_HOME in the scratch folder, when not null
    bool verrou; // the lock a link through the regular file: opening it fails whoever runs the test
};
class ScoresInutilisables : public ::testing::TestWithParam<CasInutilisable> {};

// Both captures: the launcher as first shown, then after a visit to the Memo game.
const Scenario ScriptAvis = Scenario{attends(), capture("premier.png")} + ouvre(Jeu::Memo) +
                            Scenario{clic(320, 415), survol(100, 100), capture("retour.png")};

TEST_P(ScoresInutilisables, TheLauncherComesUpWithANoticeOnItsFirstDisplayOnly) {
    // The normal case, for comparison: no notice at all.
    Programme normal;
    auto r = normal.joue(ScriptAvis);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface n1 = normal.capture("premier.png"), n2 = normal.capture("retour.png");
    const auto image = charge_image("cartei00");
    ASSERT_TRUE(image.has_value());
    const Rect zone = ZoneAvis;
    EXPECT_TRUE(memes_pixels(n1, *image, zone)) << "a notice in the normal case";

    Programme p;
    const std::string fichier = p.dossier() + "/fichier";
    test::ecritbrut(fichier, "pas un dossier");
    if (GetParam().verrou) {
        fs::create_directories(p.scores());
        fs::create_symlink(fichier + "/verrou", p.scores() + "tolvanex.lock");
    }
    const CasInutilisable& c = GetParam();
    r = p.execute("--robot " + p.script(ScriptAvis) +
                      (c.scores ? " --dossier-scores " + p.dossier() + c.scores : ""),
                  c.xdg ? "XDG_DATA_HOME=" + p.dossier() + c.xdg : "");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
    EXPECT_TRUE(r.contient("musique cartem00")) << r.sortie;
    const Surface a1 = p.capture("premier.png"), a2 = p.capture("retour.png");
    EXPECT_FALSE(memes_pixels(a1, n1, zone)) << "no notice";
    EXPECT_TRUE(memes_pixels(a1, n1, Rect{0, 0, 640, 390})) << "the notice covers more than its place";
    EXPECT_TRUE(memes_pixels(a1, n1, Rect{320, 0, 320, 480}));
    EXPECT_TRUE(memes_pixels(a2, n2, Rect{0, 0, 640, 480})) << "the notice outlives the first display";
    // Nothing was written where it could not be: the regular file is as it was, and a folder whose lock
    // could not be opened got no file (settings and scores stayed in memory).
    EXPECT_EQ(p.fichier(fichier), "pas un dossier");
    if (fs::exists(p.scores())) {
        EXPECT_EQ(test::contenudossier(p.scores()), std::set<std::string>{"tolvanex.lock"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ScoresInutilisables,
    ::testing::Values(CasInutilisable{"FolderUnderARegularFile", "/fichier/x", nullptr, false},
                      CasInutilisable{"XdgDataHomeIsARegularFile", nullptr, "/fichier", false},
                      CasInutilisable{"LockFileCannotBeOpened", "", nullptr, true}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(Programme, AMissingDataFileStopsWithAFrenchMessageNamingIt) {
    Programme p;
    const auto r = p.joue({attends()}, "", "", p.copie_du_jeu("cartef00"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.erreurs.find("« cartef00 »"), std::string::npos) << r.erreurs;
}

} // namespace
} // namespace tlv::essai
