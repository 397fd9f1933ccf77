// The launcher as a player meets it: the real program, scripted.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/image.h"
#include "programme.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

bool contient(const std::string& texte, const std::string& bout) {
    return texte.find(bout) != std::string::npos;
}

// The lines' position in the output, so that order can be checked.
std::size_t position(const std::string& texte, const std::string& bout) {
    return texte.find(bout);
}

Surface capture(const Programme& p, const std::string& nom) {
    auto s = charge_image(p.dossier() + "/" + nom);
    EXPECT_TRUE(s.has_value()) << nom;
    return s ? *s : Surface(640, 480);
}

bool memes_pixels(const Surface& a, const Surface& b, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

const Rect Ligne1{329, 10, 298, 58}, Ligne2{329, 80, 298, 58};

TEST(Lanceur, HoveringALineHighlightsItAndTheGapClearsIt) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const auto r = p.lance("attends\ncapture " + d +
                           "repos.png\n"
                           "survol 400 30\nattends\ncapture " +
                           d +
                           "ligne1.png\n"
                           "survol 400 74\nattends\ncapture " +
                           d +
                           "ecart.png\n"
                           "clic 400 100\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface repos = capture(p, "repos.png"), l1 = capture(p, "ligne1.png"),
                  ecart = capture(p, "ecart.png");
    ASSERT_EQ(repos.largeur(), 640);
    ASSERT_EQ(repos.hauteur(), 480);
    EXPECT_FALSE(memes_pixels(repos, l1, Ligne1));
    EXPECT_TRUE(memes_pixels(repos, l1, Ligne2));
    EXPECT_TRUE(memes_pixels(repos, ecart, Rect{0, 0, 640, 200}));
}

TEST(Lanceur, QuitPlaysTheClickThenTheClosingSoundAndLeavesTheDefaultFiles) {
    Programme p;
    const auto r = p.lance("attends\nclic 400 440\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(position(r.sortie, "effet cartew06"), 0u) << r.sortie;
    EXPECT_TRUE(contient(r.sortie, "musique cartem00"));
    const auto clic = position(r.sortie, "effet cartew00"), fin = position(r.sortie, "effet cartew03");
    ASSERT_NE(clic, std::string::npos) << r.sortie;
    EXPECT_GT(fin, clic);
    std::string attendu;
    for (int i = 0; i < 5; ++i) attendu += "INCONNU         10000\r\n";
    for (const char* f : {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco"})
        EXPECT_EQ(p.fichier(p.scores() + f), attendu) << f;
    std::string jong;
    for (int i = 0; i < 10; ++i) jong += "INCONNU  00000120\r\n";
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), jong);
    EXPECT_TRUE(fs::exists(p.scores() + "tlvjong1.sco"));
    EXPECT_EQ(fs::file_size(p.scores() + "tlvjong1.sco"), 0u);
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelo.ini"), " 4 \r\n");
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo.ini"), " 10 \r\n");
}

TEST(Lanceur, F7SilencesEffectsAndF8StopsThenRestartsTheTune) {
    Programme p;
    const auto r = p.lance("attends\ntouche F8\nattends\ntouche F8\nattends\ntouche F7\nattends\n"
                           "clic 400 440\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_FALSE(contient(r.sortie, "effet cartew00")) << r.sortie;
    EXPECT_FALSE(contient(r.sortie, "effet cartew03")) << r.sortie;
    // Once at the start, then F8 off, then F8 on from the beginning.
    const auto premier = position(r.sortie, "musique cartem00");
    const auto second = r.sortie.find("musique cartem00", premier + 1);
    EXPECT_NE(second, std::string::npos) << r.sortie;
    EXPECT_TRUE(contient(r.sortie.substr(premier, second - premier), "musique arret"));
}

TEST(Lanceur, F6AsksForTheVolumeControlAndTheWebButtonOpensThePage) {
    Programme p;
    const auto r = p.lance("attends\ntouche F6\nattends\nclic 480 275\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "programme pavucontrol")) << r.sortie;
    EXPECT_TRUE(contient(r.sortie, "url http")) << r.sortie;
}

TEST(Lanceur, HelpOpensOverTheLauncherAndEchapComesBack) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const auto r = p.lance("attends\ncapture " + d + "avant.png\nclic 400 370\nattends\ncapture " + d +
                           "aide.png\ntouche Droite\nattends\ncapture " + d +
                           "page2.png\ntouche Echap\nattends\n"
                           "survol 100 100\nattends\ncapture " +
                           d + "apres.png\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface avant = capture(p, "avant.png"), aide = capture(p, "aide.png"),
                  page2 = capture(p, "page2.png");
    EXPECT_FALSE(memes_pixels(avant, aide, Rect{0, 0, 640, 480}));
    EXPECT_FALSE(memes_pixels(aide, page2, Rect{20, 20, 600, 400}));
    // Back on the launcher with line 4 still highlighted by the hover that opened the help.
    EXPECT_TRUE(memes_pixels(avant, capture(p, "apres.png"), Rect{0, 0, 640, 300}));
    // The tune is not restarted by closing the help.
    const auto premier = position(r.sortie, "musique cartem00");
    EXPECT_EQ(r.sortie.find("musique cartem00", premier + 1), std::string::npos) << r.sortie;
}

TEST(Lanceur, ClicksInTheGapsAndOutsideThePictureDoNothing) {
    Programme p;
    const auto r =
        p.lance("attends\nclic 400 74\nattends\nclic 10 10\nattends\nclicdroit 400 440\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_FALSE(contient(r.sortie, "effet cartew00")) << r.sortie;
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
    const fs::path copie = fs::path(p.dossier()) / "jeu";
    fs::create_directories(copie);
    for (const auto& e : fs::directory_iterator(fs::current_path()))
        if (e.is_regular_file() && e.path().filename() != "cartef00")
            fs::copy_file(e.path(), copie / e.path().filename());
    const auto r = p.lance("attends\n", "", (copie / "tolvanex").string());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contient(r.erreurs, "« cartef00 »")) << r.erreurs;
}

} // namespace
} // namespace tlv::essai
