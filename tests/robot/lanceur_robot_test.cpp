// The launcher as a player meets it: the real program, scripted.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
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

// The help opens over the launcher and pages, and Échap comes back to it. Then clicks in a gap, outside the
// picture or with the right button do nothing before Quit, whose click sounds before the closing.
TEST(Lanceur, HelpThenQuitEachPlayTheClickAndQuitTheClosingSoundLeavingEveryFile) {
    Programme p;
    const auto r =
        p.joue({attends(), capture("avant.png"), clic(400, 370), capture("aide.png"), touche("Droite"),
                capture("page2.png"), touche("Echap"), survol(100, 100), capture("apres.png"), clic(400, 74),
                clic(10, 10), clicdroit(400, 440), clic(400, 440)});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_FALSE(memes_pixels(p.capture("aide.png"), p.capture("page2.png"), Rect{20, 20, 600, 400}));
    // Back on the launcher with line 4 still highlighted by the hover that opened the help.
    EXPECT_TRUE(memes_pixels(p.capture("avant.png"), p.capture("apres.png"), Rect{0, 0, 640, 300}));
    EXPECT_EQ(r.sortie.find("effet cartew06"), 0u) << r.sortie; // the tune is the keys' run's
    EXPECT_EQ(r.compte("effet cartew00"), 2u) << r.sortie;
    EXPECT_NE(r.sortie.find("effet cartew03", r.sortie.rfind("effet cartew00")), std::string::npos);
    // Every file is made (their defaults are checked where they are written).
    EXPECT_EQ(test::contenudossier(p.scores()),
              (std::set<std::string>{"tlvbelo.ini", "tlvjong0.sco", "tlvjong1.sco", "tlvmemo.ini",
                                     "tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tolvanex.lock"}));
}

// F6 asks for the volume control. The web button opens the address in the tlvweb.ini beside the program
// when it is an http or https one (which addresses pass is the unit tests' business), else the page that
// comes with the game.
TEST(Lanceur, F6AsksForTheVolumeControlAndTheWebButtonOpensTheAddressOrTheOfflinePage) {
    for (const auto& [adresse, gardee] :
         {std::pair{"https://exemple.fr/tolvanex", true}, {"file:///etc/passwd", false}}) {
        Programme p;
        const fs::path copie = fs::path(p.copie_du_jeu("tlvweb.ini")).parent_path();
        test::ecritbrut((copie / "tlvweb.ini").string(),
                        "[siteconf]\r\nurl=" + std::string(adresse) + "\r\n");
        const auto r =
            p.joue({attends(), touche("F6"), clic(480, 275)}, "", "", (copie / "tolvanex").string());
        ASSERT_EQ(r.code, 0) << r.erreurs;
        EXPECT_TRUE(r.contient("programme pavucontrol")) << r.sortie;
        const std::string attendu = gardee ? adresse : "file://" + (copie / "tolvanex.html").string();
        EXPECT_TRUE(r.contient("url " + attendu + "\n")) << r.sortie;
    }
    EXPECT_NE(test::litbrut("tolvanex.html").value_or("").find("<html lang=\"fr\">"), std::string::npos);
}

// Only a copy really running stops us: it holds the lock, and a second copy leaves silently. A lock file
// left by another account, which we may not write, can still be locked: the game starts.
TEST(Programme, OnlyACopyRunningStopsTheGame) {
    Programme p;
    fs::create_directories(p.scores());
    const std::string verrou = p.scores() + "tolvanex.lock";
    const int fd = ::open(verrou.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto r = p.joue({attends()});
    ::close(fd);
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.sortie.empty()) << r.sortie;
    EXPECT_FALSE(fs::exists(p.scores() + "tlvmemo0.sco"));
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    fs::permissions(verrou, fs::perms::owner_read | fs::perms::group_read);
    r = p.joue({attends()});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(fs::exists(p.scores() + "tlvmemo0.sco"));
}

// Each way a score folder can be unusable must still bring the launcher up, with a notice on its first
// display only: captures of the launcher as first shown, then after a visit to the Memo game.
TEST(ScoresInutilisables, TheLauncherComesUpWithANoticeOnItsFirstDisplayOnly) {
    const Scenario s = Scenario{attends(), capture("premier.png")} + ouvre(Jeu::Memo) +
                       Scenario{clic(320, 415), survol(100, 100), capture("retour.png")};
    // The normal case, for comparison: no notice at all.
    Programme normal;
    ASSERT_EQ(normal.joue(s).code, 0);
    const Surface n1 = normal.capture("premier.png"), n2 = normal.capture("retour.png");
    const auto image = charge_image("cartei00");
    ASSERT_TRUE(image.has_value());
    const Rect zone = ZoneAvis;
    EXPECT_TRUE(memes_pixels(n1, *image, zone)) << "a notice in the normal case";
    // In the scratch folder, `fichier` is a regular file: a score folder under it, XDG_DATA_HOME that file,
    // or the lock a link through it, which cannot be opened whoever runs the test.
    for (const auto& [scores, xdg, verrou] :
         {std::tuple{"/fichier/x", "", false}, {"", "/fichier", false}, {"", "", true}}) {
        SCOPED_TRACE(std::string(scores) + xdg);
        Programme p;
        const std::string fichier = p.dossier() + "/fichier";
        test::ecritbrut(fichier, "pas un dossier");
        if (verrou) {
            fs::create_directories(p.scores());
            fs::create_symlink(fichier + "/verrou", p.scores() + "tolvanex.lock");
        }
        const auto r =
            p.execute("--robot " + p.script(s) + (*xdg ? "" : " --dossier-scores " + p.dossier() + scores),
                      *xdg ? "XDG_DATA_HOME=" + p.dossier() + xdg : "");
        ASSERT_EQ(r.code, 0) << r.erreurs;
        EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
        const Surface a1 = p.capture("premier.png");
        EXPECT_FALSE(memes_pixels(a1, n1, zone)) << "no notice";
        EXPECT_TRUE(memes_pixels(a1, n1, Rect{0, 0, 640, 390})) << "the notice covers more than its place";
        EXPECT_TRUE(memes_pixels(a1, n1, Rect{320, 0, 320, 480}));
        EXPECT_TRUE(memes_pixels(p.capture("retour.png"), n2, Rect{0, 0, 640, 480}))
            << "the notice outlives the first display";
        // Nothing was written where it could not be: the regular file is as it was, and a folder whose lock
        // could not be opened got no file (settings and scores stayed in memory).
        EXPECT_EQ(p.fichier(fichier), "pas un dossier");
        if (fs::exists(p.scores())) {
            EXPECT_EQ(test::contenudossier(p.scores()), std::set<std::string>{"tolvanex.lock"});
        }
    }
}

// The exit codes: 0 for the version and the usage (what it holds is checked against the README
// in-process), 2 for an unknown option or a bad script line, before anything runs, 1 for a missing data
// file, which the message names in French.
TEST(Programme, ExitCodesOfTheCommandLineAndOfAStartThatCannotGoOn) {
    Programme p;
    auto r = p.execute("--version");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie, "tolvanex " TLV_VERSION "\n");
    r = p.execute("--aide");
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.contient("\n  --robot ")) << r.sortie;
    r = p.execute("--inconnue");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.erreurs.find("option inconnue"), std::string::npos) << r.erreurs;
    r = p.joue({attends(), {"clic 10"}});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.erreurs.find("ligne 2"), std::string::npos) << r.erreurs;
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_FALSE(fs::exists(p.scores()));
    r = p.joue({attends()}, "", "", p.copie_du_jeu("cartef00"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.erreurs.find("« cartef00 »"), std::string::npos) << r.erreurs;
}

} // namespace
} // namespace tlv::essai
