// The launcher and the games' menus with keys only, a Belote match played by keys, and the window's mode kept
// from one run to the next.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "dossiertemp.h"
#include "pixels.h"
#include "robot.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

// Belote then Quadrel are chosen from the launcher with Bas or Haut (from no line, the last one first) and
// Entrée, and Échap brings the launcher back, each with its tune; F11 in the Belote menu changes none of it.
// In Quadrel's menu the saved games' selector is a line of its own: Droite picks the second game, which is
// then erased. Memo's menu by keys is the shared keys' run's.
TEST(Clavier, GamesMenusAndBackToTheLauncherWithKeysOnly) {
    Programme p;
    fs::create_directories(p.scores());
    test::ecritbrut(p.scores() + "tlvjong1.sco", "UN       00000010\r\nDEUX     00100020\r\n");
    const auto r =
        p.joue(Scenario{attends(), capture("debut.png"), touche("Bas"), touche("Entree"), touche("F11"),
                        touche("Echap")} +
               repete(3, {touche("Haut")}) +
               Scenario{touche("Entree"), touche("Bas"), touche("Bas"), touche("Droite"), touche("Bas"),
                        touche("Entree"), touche("Entree"), touche("Echap"), capture("fin.png"),
                        survol(400, 30), capture("survol.png"), touche("Echap"), capture("echap.png"),
                        survol(400, 74), capture("ecart.png")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    std::string musiques;
    for (const std::string& l : r.lignes("musique cartem")) musiques += l.substr(14);
    EXPECT_EQ(musiques, "0001000300") << r.sortie;
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong1.sco"), "UN       00000010\r\n");
    // Back on the launcher, nothing highlighted; the mouse still lights the line under it; Échap does
    // nothing; the gap between two lines clears the light.
    EXPECT_TRUE(test::memes_pixels(p.capture("debut.png"), p.capture("fin.png"), Rect{0, 0, 640, 480}));
    EXPECT_FALSE(test::memes_pixels(p.capture("fin.png"), p.capture("survol.png"), Rect{329, 10, 298, 58}));
    EXPECT_TRUE(test::memes_pixels(p.capture("survol.png"), p.capture("echap.png"), Rect{0, 0, 640, 480}));
    EXPECT_TRUE(test::memes_pixels(p.capture("fin.png"), p.capture("ecart.png"), Rect{0, 0, 640, 200}));
}

// The keys every screen shares act over the Memo menu, its score table and the help; Échap in a menu over
// a game goes back to the game; Tab then Entrée on the launcher open the web page. What the run printed,
// cut down to the screens shown, the tunes ("-" stopped), the clicks' sound and the page.
TEST(Clavier, SharedKeysOnEveryScreenEscapeBackToTheGameAndTheWebButtonByTab) {
    Programme p;
    const Scenario f7f8{touche("F7"), touche("F8"), touche("F8")}, menu{clic(320, 455)};
    const Scenario s =
        Scenario{attends(), touche("Bas"), touche("Bas"), touche("Entree"), touche("Bas"), touche("Entree")} +
        menu +
        // F7 silences the rest of this menu; F5 twice opens one dialog.
        f7f8 + Scenario{touche("F5"), touche("F5"), touche("Echap"), touche("Echap"), touche("F7")} + menu +
        repete(3, {touche("Haut")}) + Scenario{touche("Entree")} + f7f8 +
        Scenario{touche("Entree"), touche("F7"), touche("Echap")} + menu +
        Scenario{touche("Haut"), touche("Entree"), touche("Haut"), touche("Haut"), touche("Entree")} + f7f8 +
        Scenario{touche("Echap"), touche("Entree"), touche("F7"),
                 touche("Echap"), touche("Tab"),    touche("Entree")};
    const auto r = p.joue(s, "", "TLV_ROBOT_ECRANS=1");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    std::string trace;
    for (const std::string& l : r.lignes()) {
        trace += l.starts_with("ecran ")           ? l.substr(6) + " "
                 : l == "musique arret"            ? "- "
                 : l.starts_with("musique cartem") ? l.substr(14) + " "
                 : l == "effet cartew00"           ? "clic "
                 : l.starts_with("url ")           ? "url"
                                                   : "";
        if (trace.ends_with("url")) break;
    }
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
    auto r = p.joue({attends(), touche("F11")}, config);
    EXPECT_TRUE(p.fichier(fichier).starts_with("pleinecran=non\nlargeur=")) << p.fichier(fichier);
    // Started in the remembered window at its size, then full screen; --fenetre alone changes nothing.
    test::ecritbrut(fichier, "pleinecran=non\nlargeur=900\nhauteur=700\n");
    r = p.joue({attends(), touche("Entree alt")}, config);
    r = p.joue({attends()}, "--fenetre " + config);
    EXPECT_EQ(p.fichier(fichier), "pleinecran=oui\nlargeur=900\nhauteur=700\n");
    // A size taken on a larger display: a one-run option leaves it as it is; a run without one writes back
    // what fits the dummy display (1024 x 768), its shape kept.
    const std::string grande = "pleinecran=oui\nlargeur=3000\nhauteur=2000\n";
    test::ecritbrut(fichier, grande);
    for (const char* option : {"--fenetre ", "--ecran 800x600 "}) {
        r = p.joue({attends()}, option + config);
        EXPECT_EQ(p.fichier(fichier), grande) << option;
    }
    r = p.joue({attends()}, config);
    int l = 0, h = 0;
    ASSERT_EQ(std::sscanf(p.fichier(fichier).c_str(), "pleinecran=oui\nlargeur=%d\nhauteur=%d", &l, &h), 2)
        << p.fichier(fichier);
    EXPECT_TRUE(l <= 1024 && h <= 768 && std::abs(l * 2 - h * 3) <= 3) << l << "x" << h;
    // Without the option a robot run neither reads nor writes the player's own preferences.
    const std::string maison = p.dossier() + "/m";
    fs::create_directories(maison + "/x/tolvanex");
    test::ecritbrut(maison + "/x/tolvanex/fenetre.ini", "pleinecran=non\n");
    r = p.joue({attends(), touche("F11")}, "", "HOME=" + maison + " XDG_CONFIG_HOME=" + maison + "/x");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(test::contenudossier(maison), std::set<std::string>{"x"});
    EXPECT_EQ(p.fichier(maison + "/x/tolvanex/fenetre.ini"), "pleinecran=non\n");
}

// Sud presses Entrée at every turn: it passes every bid and plays the first card the rules accept, so the
// match goes to its end; the focus frame shows on a card of Sud's hand at one of its first turns.
TEST(ClavierBelote, AMatchPlayedWithEntreeOnlyGoesToItsEnd) {
    Programme p;
    Scenario s{attends(), touche("Bas"), touche("Entree"), touche("Bas"), touche("Entree")};
    for (int i = 0; i < 4; ++i)
        s = s + Scenario{capture("tour" + std::to_string(i) + ".png"), touche("Entree")};
    const auto r = p.joue(s + repete(400, {touche("Entree")}), "--graine 7 --journal " + p.dossier() + "/j");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = Resultat{0, p.fichier("j"), ""};
    EXPECT_TRUE(j.contient("\nresultat ")) << "the match went to its end";
    EXPECT_TRUE(j.lignes("prise preneur=1 ").empty()) << "Sud took";
    bool cadre = false; // the frame's bright cyan line across the top of Sud's cards
    for (int i = 0; i < 4; ++i) {
        const Surface tour = p.capture("tour" + std::to_string(i) + ".png");
        for (int x = 100; x < 380; ++x) {
            const std::uint32_t c = tour.pixel(x, 387);
            cadre = cadre || ((c >> 16) < 90 && ((c >> 8) & 255) > 200 && (c & 255) > 200);
        }
    }
    EXPECT_TRUE(cadre);
}

} // namespace
} // namespace tlv::essai
