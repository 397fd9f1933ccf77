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

bool contient(const std::string& texte, const std::string& bout) {
    return texte.find(bout) != std::string::npos;
}

// A copy of the game without `sauf`: the program is copied (it finds its data beside its own file), the
// data files are links to the build's.
fs::path copie_du_jeu(const Programme& p, const std::string& sauf) {
    const fs::path copie = fs::path(p.dossier()) / "jeu";
    fs::create_directories(copie);
    for (const auto& e : fs::directory_iterator(fs::current_path())) {
        const std::string nom = e.path().filename();
        if (!e.is_regular_file() || nom.starts_with("test_") || nom == sauf) continue;
        if (nom == "tolvanex")
            fs::copy_file(e.path(), copie / nom);
        else
            fs::create_symlink(e.path(), copie / nom);
    }
    return copie;
}

using test::memes_pixels;

const Rect Ligne1{329, 10, 298, 58}, Ligne2{329, 80, 298, 58};

TEST(Lanceur, HoveringALineHighlightsItAndTheGapClearsIt) {
    Programme p;
    const auto r =
        p.lance(p.dans("attends\ncapture {d}/repos.png\nsurvol 400 30\nattends\ncapture {d}/ligne1.png\n"
                       "survol 400 74\nattends\ncapture {d}/ecart.png\nclic 400 100\nattends\n"));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface repos = p.capture("repos.png"), l1 = p.capture("ligne1.png"),
                  ecart = p.capture("ecart.png");
    EXPECT_FALSE(memes_pixels(repos, l1, Ligne1));
    EXPECT_TRUE(memes_pixels(repos, l1, Ligne2));
    EXPECT_TRUE(memes_pixels(repos, ecart, Rect{0, 0, 640, 200}));
}

// Clicks in a gap, outside the picture or with the right button do nothing before Quit.
class LanceurEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(LanceurEcran, QuitPlaysTheClickThenTheClosingSoundAndLeavesTheDefaultFiles) {
    Programme p;
    const auto r = p.lance("attends\nclic 400 74\nattends\nclic 10 10\nattends\nclicdroit 400 440\nattends\n"
                           "clic 400 440\nattends\n",
                           GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.find("effet cartew06"), 0u) << r.sortie;
    EXPECT_TRUE(contient(r.sortie, "musique cartem00"));
    const auto clic = r.sortie.find("effet cartew00"), fin = r.sortie.find("effet cartew03");
    ASSERT_NE(clic, std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("effet cartew00", clic + 1), std::string::npos) << r.sortie;
    EXPECT_GT(fin, clic);
    // Every file is made (the score files' defaults are checked where they are created).
    EXPECT_EQ(test::contenudossier(p.scores()),
              (std::set<std::string>{"tlvbelo.ini", "tlvjong0.sco", "tlvjong1.sco", "tlvmemo.ini",
                                     "tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tolvanex.lock"}));
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelo.ini"), " 4 \r\n");
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo.ini"), " 10 \r\n");
}
INSTANTIATE_TEST_SUITE_P(Ecrans, LanceurEcran, ::testing::Values("", "--ecran 800x600", "--ecran 3840x2160"));

// Into each game, its menu, and back by « Menu principal »: the window shows the launcher again as it first
// showed (captures are what the window was sent).
class RetourLanceur : public ::testing::TestWithParam<std::string> {};

TEST_P(RetourLanceur, EachGameLeftByItsMenuSendsTheWholeLauncherAgain) {
    Programme p;
    std::string s = "attends\ncapture {d}/lanceur.png\n";
    for (const int y : {30, 100, 170}) // Belote, Memo, Quadrel; « Menu principal » is their menu's last line
        s += "clic 400 " + std::to_string(y) + "\nattends\nclic 320 412\nattends\ncapture {d}/retour" +
             std::to_string(y) + ".png\n";
    const auto r =
        p.execute("--robot " + p.script(p.dans(s)) + " --dossier-scores " + p.dossier() + " " + GetParam(),
                  "TLV_ROBOT_AFFICHE=1");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface avant = p.capture("lanceur.png");
    // Above the clip: the picture and the first menu lines.
    const Rect haut{0, 0, avant.largeur(), avant.hauteur() * 2 / 5};
    for (const int y : {30, 100, 170})
        EXPECT_TRUE(memes_pixels(avant, p.capture("retour" + std::to_string(y) + ".png"), haut)) << y;
}
INSTANTIATE_TEST_SUITE_P(Ecrans, RetourLanceur, ::testing::Values("--ecran 640x480", "--ecran 1920x1080"));

TEST(Lanceur, F7SilencesEffectsAndF8StopsThenRestartsTheTune) {
    Programme p;
    const auto r = p.lance("attends\ntouche F8\nattends\ntouche F8\nattends\ntouche F7\nattends\n"
                           "clic 400 440\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_FALSE(contient(r.sortie, "effet cartew00")) << r.sortie;
    EXPECT_FALSE(contient(r.sortie, "effet cartew03")) << r.sortie;
    // Once at the start, then F8 off, then F8 on from the beginning.
    const auto premier = r.sortie.find("musique cartem00");
    const auto second = r.sortie.find("musique cartem00", premier + 1);
    EXPECT_NE(second, std::string::npos) << r.sortie;
    EXPECT_TRUE(contient(r.sortie.substr(premier, second - premier), "musique arret"));
}

TEST(Lanceur, F6AsksForTheVolumeControlAndTheWebButtonOpensTheOfflinePage) {
    Programme p;
    const auto r = p.lance("attends\ntouche F6\nattends\nclic 480 275\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "programme pavucontrol")) << r.sortie;
    // The shipped tlvweb.ini names no address: the page that comes with the game opens.
    const std::string page = fs::current_path().string() + "/tolvanex.html";
    EXPECT_TRUE(contient(r.sortie, "url file://" + page + "\n")) << r.sortie;
    EXPECT_TRUE(contient(p.fichier(page), "<html lang=\"fr\">"));
}

// A copy of the game whose tlvweb.ini says `url=<adresse>`.
class BoutonWeb : public ::testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(BoutonWeb, OnlyAnHttpOrHttpsAddressReplacesTheOfflinePage) {
    Programme p;
    const fs::path copie = copie_du_jeu(p, "tlvweb.ini");
    const std::string adresse = GetParam().first;
    { std::ofstream(copie / "tlvweb.ini", std::ios::binary) << "[siteconf]\r\nurl=" << adresse << "\r\n"; }
    const auto r = p.lance("attends\nclic 480 275\nattends\n", "", (copie / "tolvanex").string());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const std::string attendu = GetParam().second ? adresse : "file://" + (copie / "tolvanex.html").string();
    EXPECT_TRUE(contient(r.sortie, "url " + attendu + "\n")) << r.sortie;
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
        p.lance(p.dans("attends\ncapture {d}/avant.png\nclic 400 370\nattends\ncapture {d}/aide.png\n"
                       "touche Droite\nattends\ncapture {d}/page2.png\ntouche Echap\nattends\n"
                       "survol 100 100\nattends\ncapture {d}/apres.png\n"));
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
    const auto r = p.lance("attends\nclic 10\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(contient(r.erreurs, "ligne 2")) << r.erreurs;
    EXPECT_TRUE(r.sortie.empty());
    EXPECT_FALSE(fs::exists(p.scores()));
}

TEST(Programme, ASecondCopyLeavesSilently) {
    Programme p;
    fs::create_directories(p.scores());
    const int fd = ::open((p.scores() + "tolvanex.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const auto r = p.lance("attends\n");
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
    r = p.execute("--aide");
    EXPECT_EQ(r.code, 0);
    for (const char* option :
         {"--fenetre", "--dossier-scores", "--graine", "--journal", "--robot", "--aide", "--version"})
        EXPECT_TRUE(contient(r.sortie, option)) << option << "\n" << r.sortie;
    r = p.execute("--inconnue");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(contient(r.erreurs, "option inconnue")) << r.erreurs;
}

// A lock file left by another account can still be locked: only a copy really running stops us.
TEST(Programme, ALockFileWeMayNotWriteStillLetsTheGameStart) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    Programme p;
    fs::create_directories(p.scores());
    { std::ofstream(p.scores() + "tolvanex.lock") << ""; }
    fs::permissions(p.scores() + "tolvanex.lock", fs::perms::owner_read | fs::perms::group_read);
    const auto r = p.lance("attends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "musique cartem00")) << r.sortie;
    EXPECT_TRUE(fs::exists(p.scores() + "tlvmemo0.sco"));
}

// The ways a score folder can be unusable ({d}/fichier is a regular file); each must still bring the
// launcher up.
struct CasInutilisable {
    const char* nom;
    const char *arguments, *env;
    bool verrou; // the lock a link through the regular file: opening it fails whoever runs the test
};
class ScoresInutilisables : public ::testing::TestWithParam<CasInutilisable> {};

// Both captures: the launcher as first shown, then after a visit to the Memo game.
constexpr const char* ScriptAvis = "attends\ncapture {d}/premier.png\n"
                                   "clic 400 100\nattends\nclic 320 415\nattends\n"
                                   "survol 100 100\nattends\ncapture {d}/retour.png\n";

TEST_P(ScoresInutilisables, TheLauncherComesUpWithANoticeOnItsFirstDisplayOnly) {
    // The normal case, for comparison: no notice at all.
    Programme normal;
    auto r = normal.lance(normal.dans(ScriptAvis));
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
    r = p.execute("--robot " + p.script(p.dans(ScriptAvis)) + " " + p.dans(GetParam().arguments),
                  p.dans(GetParam().env));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(r.erreurs.empty()) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "musique cartem00")) << r.sortie;
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
    ::testing::Values(CasInutilisable{"FolderUnderARegularFile", "--dossier-scores {d}/fichier/x", "", false},
                      CasInutilisable{"XdgDataHomeIsARegularFile", "", "XDG_DATA_HOME={d}/fichier", false},
                      CasInutilisable{"LockFileCannotBeOpened", "--dossier-scores {d}", "", true}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(Programme, DamagedSettingsAreRepairedAndScoresKept) {
    Programme p;
    fs::create_directories(p.scores());
    { std::ofstream(p.scores() + "tlvbelo.ini", std::ios::binary) << "beaucoup\r\n"; }
    { std::ofstream(p.scores() + "tlvmemo.ini", std::ios::binary) << " 15 \r\n"; }
    { std::ofstream(p.scores() + "tlvmemo0.sco", std::ios::binary) << "abimé"; }
    const auto r = p.lance("attends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelo.ini"), " 4 \r\n");
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo.ini"), " 15 \r\n");
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo0.sco"), "abimé");
}

TEST(Programme, AMissingDataFileStopsWithAFrenchMessageNamingIt) {
    Programme p;
    const fs::path copie = copie_du_jeu(p, "cartef00");
    const auto r = p.lance("attends\n", "", (copie / "tolvanex").string());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contient(r.erreurs, "« cartef00 »")) << r.erreurs;
}

} // namespace
} // namespace tlv::essai
