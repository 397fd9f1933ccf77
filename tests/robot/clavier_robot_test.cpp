// The launcher and the games' menus with keys only, and the window's mode kept from one run to the next.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "dossiertemp.h"
#include "pixels.h"
#include "platform/image.h"
#include "programme.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

// The tunes started, in order.
std::vector<std::string> musiques(const std::string& sortie) {
    std::vector<std::string> r;
    std::istringstream in(sortie);
    for (std::string l; std::getline(in, l);)
        if (l.starts_with("musique cartem")) r.push_back(l.substr(8));
    return r;
}

Surface capture(const std::string& chemin) {
    const auto s = charge_image(chemin);
    EXPECT_TRUE(s.has_value()) << chemin;
    return s ? *s : Surface(640, 480);
}

// Each game is chosen from the launcher with Haut/Bas and Entrée, and Échap brings its menu back to the
// launcher; F11 on the way, inside the Belote menu, changes none of it.
TEST(Clavier, EveryGamesMenuAndBackToTheLauncherWithKeysOnly) {
    Programme p;
    const std::string d = p.dossier();
    const auto r =
        p.lance("attends\ncapture " + d +
                "/debut.png\n"
                "touche Bas\ntouche Entree\nattends\ntouche F11\nattends\ntouche Echap\nattends\n"
                "touche Bas\ntouche Bas\ntouche Entree\nattends\ntouche Echap\nattends\n"
                // Up from no line starts at the last one (Quitter): 5, 4, 3.
                "touche Haut\ntouche Haut\ntouche Haut\ntouche Entree\nattends\ntouche Echap\nattends\n"
                "capture " +
                d +
                "/fin.png\n"
                "survol 400 30\nattends\ncapture " +
                d +
                "/survol.png\n"
                "touche Echap\nattends\ncapture " +
                d + "/echap.png\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(musiques(r.sortie), (std::vector<std::string>{"cartem00", "cartem01", "cartem00", "cartem02",
                                                            "cartem00", "cartem03", "cartem00"}))
        << r.sortie;
    const Surface debut = capture(d + "/debut.png"), fin = capture(d + "/fin.png"),
                  survol = capture(d + "/survol.png");
    // Back on the launcher, nothing highlighted; the mouse still lights the line under it.
    EXPECT_TRUE(test::memes_pixels(debut, fin, Rect{0, 0, 640, 480}));
    EXPECT_FALSE(test::memes_pixels(fin, survol, Rect{329, 10, 298, 58}));
    EXPECT_TRUE(test::memes_pixels(fin, survol, Rect{329, 80, 298, 198}));
    // Échap on the launcher does nothing: no sound, the same picture.
    EXPECT_TRUE(test::memes_pixels(survol, capture(d + "/echap.png"), Rect{0, 0, 640, 480}));
    EXPECT_EQ(r.sortie.rfind("effet cartew00"), r.sortie.find("effet cartew00", r.sortie.find("cartem03")))
        << r.sortie;
}

TEST(Clavier, DownFromTheLastLineGoesRoundToTheFirst) {
    Programme p;
    const auto r = p.lance("attends\ntouche Haut\ntouche Bas\ntouche Entree\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(musiques(r.sortie), (std::vector<std::string>{"cartem00", "cartem01"})) << r.sortie;
}

// Quadrel's selector is a line of its own for the keys: Droite picks the next game, which is then erased.
TEST(Clavier, QuadrelsSelectorAndEraseByKeys) {
    Programme p;
    fs::create_directories(p.scores());
    test::ecritbrut(p.scores() + "tlvjong1.sco", "UN       00000010\r\nDEUX     00100020\r\n");
    const auto r = p.lance("attends\ntouche Haut\ntouche Haut\ntouche Haut\ntouche Entree\nattends\n"
                           "touche Bas\ntouche Bas\ntouche Droite\ntouche Bas\ntouche Entree\nattends\n"
                           "touche Entree\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong1.sco"), "UN       00000010\r\n");
}

// The preferences of a run go to `--dossier-config`; the next run starts from them.
TEST(FenetreRetenue, TheSwitchIsRememberedTheCommandLineWinsForOneRunAndRobotsLeaveThePlayersAlone) {
    Programme p;
    const std::string config = p.dossier() + "/config", fichier = config + "/tolvanex/fenetre.ini";
    const std::string F11 = "attends\ntouche F11\nattends\n";
    auto r = p.lance(F11, "--dossier-config " + config);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(p.fichier(fichier).starts_with("pleinecran=non\nlargeur=")) << p.fichier(fichier);

    // Started in the remembered window, at its size; Alt+Entrée goes full screen.
    test::ecritbrut(fichier, "pleinecran=non\nlargeur=900\nhauteur=700\n");
    r = p.lance("attends\ntouche Entree alt\nattends\n", "--dossier-config " + config);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(fichier), "pleinecran=oui\nlargeur=900\nhauteur=700\n");

    // --fenetre alone changes nothing that is remembered.
    r = p.lance("attends\n", "--fenetre --dossier-config " + config);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(fichier), "pleinecran=oui\nlargeur=900\nhauteur=700\n");

    // Without the option a robot run neither reads nor writes the player's own preferences.
    const std::string maison = p.dossier() + "/maison";
    fs::create_directories(maison + "/xdg/tolvanex");
    test::ecritbrut(maison + "/xdg/tolvanex/fenetre.ini", "pleinecran=non\n");
    r = p.execute("--robot " + p.script(F11) + " --dossier-scores " + p.dossier(),
                  "HOME=" + maison + " XDG_CONFIG_HOME=" + maison + "/xdg");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(test::contenudossier(maison), std::set<std::string>{"xdg"});
    EXPECT_EQ(p.fichier(maison + "/xdg/tolvanex/fenetre.ini"), "pleinecran=non\n");
}

} // namespace
} // namespace tlv::essai
