// The launcher and the games' menus with keys only, and the window's mode kept from one run to the next.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "dossiertemp.h"
#include "pixels.h"
#include "robot.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

// Each game is chosen from the launcher with Haut/Bas and Entrée, and Échap brings its menu back; F11 in
// the Belote menu changes none of it. In Quadrel's menu the saved games' selector is a line of its own:
// Droite picks the second game, which is then erased.
TEST(Clavier, EveryGamesMenuAndBackToTheLauncherWithKeysOnly) {
    Programme p;
    fs::create_directories(p.scores());
    test::ecritbrut(p.scores() + "tlvjong1.sco", "UN       00000010\r\nDEUX     00100020\r\n");
    const auto r = p.lance(p.dans(
        "attends\ncapture {d}/debut.png\ntouche Bas\ntouche Entree\nattends\ntouche F11\nattends\n"
        "touche Echap\nattends\ntouche Bas\ntouche Bas\ntouche Entree\nattends\ntouche Echap\nattends\n"
        // Up from no line starts at the last one (Quitter): 5, 4, 3.
        "touche Haut\ntouche Haut\ntouche Haut\ntouche Entree\nattends\n"
        "touche Bas\ntouche Bas\ntouche Droite\ntouche Bas\ntouche Entree\nattends\ntouche Entree\nattends\n"
        "touche Echap\nattends\ncapture {d}/fin.png\nsurvol 400 30\nattends\ncapture {d}/survol.png\n"
        "touche Echap\nattends\ncapture {d}/echap.png\n"));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    std::istringstream sortie(r.sortie);
    std::string musiques;
    for (std::string l; std::getline(sortie, l);)
        if (l.starts_with("musique cartem")) musiques += l.substr(14);
    EXPECT_EQ(musiques, "00010002000300") << r.sortie;
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong1.sco"), "UN       00000010\r\n");
    // Back on the launcher, nothing highlighted; the mouse still lights the line under it; Échap does
    // nothing.
    EXPECT_TRUE(test::memes_pixels(p.capture("debut.png"), p.capture("fin.png"), Rect{0, 0, 640, 480}));
    EXPECT_FALSE(test::memes_pixels(p.capture("fin.png"), p.capture("survol.png"), Rect{329, 10, 298, 58}));
    EXPECT_TRUE(test::memes_pixels(p.capture("survol.png"), p.capture("echap.png"), Rect{0, 0, 640, 480}));
}

// The keys every screen shares act over the Memo menu, its score table and the help; Échap in a menu over
// a game goes back to the game; Tab then Entrée on the launcher open the web page. What the run printed,
// cut down to the screens shown, the tunes ("-" stopped), the clicks' sound and the page.
TEST(Clavier, SharedKeysOnEveryScreenEscapeBackToTheGameAndTheWebButtonByTab) {
    Programme p;
    const std::string script =
        "attends\ntouche Bas\ntouche Bas\ntouche Entree\nattends\ntouche Bas\ntouche Entree\nattends\n"
        "clic 320 455\nattends\n"
        "# F7 silences the rest of this menu; F5 twice opens one dialog.\n"
        "touche F7\ntouche F8\ntouche F8\nattends\ntouche F5\nattends\ntouche F5\nattends\n"
        "touche Echap\nattends\ntouche Echap\nattends\ntouche F7\nclic 320 455\nattends\n"
        "touche Haut\ntouche Haut\ntouche Haut\ntouche Entree\nattends\n"
        "touche F7\ntouche F8\ntouche F8\nattends\ntouche Entree\nattends\ntouche F7\ntouche Echap\nattends\n"
        "clic 320 455\nattends\ntouche Haut\ntouche Entree\nattends\n"
        "touche Haut\ntouche Haut\ntouche Entree\nattends\n"
        "touche F7\ntouche F8\ntouche F8\nattends\ntouche Echap\nattends\ntouche Entree\nattends\n"
        "touche F7\ntouche Echap\nattends\ntouche Tab\ntouche Entree\nattends\n";
    const auto r =
        p.execute("--robot " + p.script(script) + " --dossier-scores " + p.dossier(), "TLV_ROBOT_ECRANS=1");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    std::istringstream sortie(r.sortie);
    std::string trace;
    for (std::string l; std::getline(sortie, l) && !trace.ends_with("url");)
        if (l.starts_with("ecran "))
            trace += l.substr(6) + " ";
        else if (l == "musique arret")
            trace += "- ";
        else if (l.starts_with("musique cartem"))
            trace += l.substr(14) + " ";
        else if (l == "effet cartew00")
            trace += "clic ";
        else if (l.starts_with("url "))
            trace += "url";
    EXPECT_EQ(trace, "Base - 00 clic - 02 Memo Menumemo clic clic Menumemo "
                     // F8 twice restarts Memo's tune; Échap leaves the dialog, then goes back to the game.
                     "- - 02 DialogueTempo "
                     // The scores, where F8 works too; Entrée with no button lit is "Retour".
                     "clic Menumemo clic Score - - 02 "
                     // Échap back to the game, heard; the menu again and back to the launcher.
                     "clic clic Menumemo clic - 00 "
                     // The help: F8, and F7 silences its next opening.
                     "clic Aide - - 00 Aide url")
        << r.sortie;
}

// A run's preferences go to `--dossier-config`, and the next run starts from them.
TEST(FenetreRetenue, TheSwitchIsRememberedTheCommandLineWinsForOneRunAndRobotsLeaveThePlayersAlone) {
    Programme p;
    const std::string config = "--dossier-config " + p.dossier() + "/c",
                      fichier = p.dossier() + "/c/tolvanex/fenetre.ini";
    auto r = p.lance("attends\ntouche F11\nattends\n", config);
    EXPECT_TRUE(p.fichier(fichier).starts_with("pleinecran=non\nlargeur=")) << p.fichier(fichier);
    // Started in the remembered window at its size, then full screen; --fenetre alone changes nothing.
    test::ecritbrut(fichier, "pleinecran=non\nlargeur=900\nhauteur=700\n");
    r = p.lance("attends\ntouche Entree alt\nattends\n", config);
    r = p.lance("attends\n", "--fenetre " + config);
    EXPECT_EQ(p.fichier(fichier), "pleinecran=oui\nlargeur=900\nhauteur=700\n");
    // A size taken on a larger display: a one-run option leaves it as it is; a run without one writes back
    // what fits the dummy display (1024 x 768), its shape kept.
    const std::string grande = "pleinecran=oui\nlargeur=3000\nhauteur=2000\n";
    test::ecritbrut(fichier, grande);
    for (const char* option : {"--fenetre ", "--ecran 800x600 "}) {
        r = p.lance("attends\n", option + config);
        EXPECT_EQ(p.fichier(fichier), grande) << option;
    }
    r = p.lance("attends\n", config);
    int l = 0, h = 0;
    ASSERT_EQ(std::sscanf(p.fichier(fichier).c_str(), "pleinecran=oui\nlargeur=%d\nhauteur=%d", &l, &h), 2)
        << p.fichier(fichier);
    EXPECT_TRUE(l <= 1024 && h <= 768 && std::abs(l * 2 - h * 3) <= 3) << l << "x" << h;
    // Without the option a robot run neither reads nor writes the player's own preferences.
    const std::string maison = p.dossier() + "/m";
    fs::create_directories(maison + "/x/tolvanex");
    test::ecritbrut(maison + "/x/tolvanex/fenetre.ini", "pleinecran=non\n");
    r = p.execute("--robot " + p.script("attends\ntouche F11\nattends\n") + " --dossier-scores " +
                      p.dossier(),
                  "HOME=" + maison + " XDG_CONFIG_HOME=" + maison + "/x");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(test::contenudossier(maison), std::set<std::string>{"x"});
    EXPECT_EQ(p.fichier(maison + "/x/tolvanex/fenetre.ini"), "pleinecran=non\n");
}

} // namespace
} // namespace tlv::essai
