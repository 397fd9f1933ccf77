// Quadrel paused while the player is away from the window: the real program, scripted on the virtual clock.
#include <gtest/gtest.h>

#include "pixels.h"
#include "platform/image.h"
#include "quadrel/regles/plateaux.h"
#include "socle/carte.h"
#include "robot.h"

namespace tlv::essai {
namespace {

using namespace tlv::quadrel;

// The launcher's Quadrel line, a new game named toto.
const std::string Debut =
    "attends\nclic 400 170\nattends\nclic 320 130\nattends\ntexte toto\ntouche Entree\nattends\n";
const Rect Plateau{36, 48, 568, 384}, PlateauEtChrono{36, 12, 568, 420};

// A click on the first board's first card.
std::string clic_carte() {
    Grille g;
    EXPECT_TRUE(chargecode(fichierplateaux, 0, g));
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 8; ++c)
            if (estcarte(g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]))
                return "clic " + std::to_string(36 + (c - 1) * LargeurCarte + 35) + " " +
                       std::to_string(48 + (r - 1) * HauteurCarte + 48) + "\nattends\n";
    return "";
}

// No card shows under the notice, the clock holds, and the click that brings the board back selects no
// card: 10.1 s of play show the same board and clock, with or without 100 s away between them.
TEST(QuadrelPause, AwayFromTheWindowTheClockHoldsAndNoCardShows) {
    Programme sans, avec;
    const auto joue = [](const Programme& p, const std::string& milieu) {
        const auto r =
            p.lance(Debut + "attends 2.5\n" + milieu + "attends 7.6\ncapture " + p.dossier() + "/fin.png\n",
                    "--graine 3");
        EXPECT_EQ(r.code, 0) << r.erreurs;
        return p.capture("fin.png");
    };
    const Surface fin = joue(sans, ""),
                  finpause = joue(avec, "fenetre inactive\nattends 100\ncapture " + avec.dossier() +
                                            "/pause.png\nfenetre active\nattends\n" + clic_carte());
    EXPECT_TRUE(test::memes_pixels(fin, finpause, PlateauEtChrono));
    const Surface pause = avec.capture("pause.png");
    EXPECT_TRUE(carte_en_vue(fin, Plateau));
    EXPECT_FALSE(carte_en_vue(pause, Plateau));
}

} // namespace
} // namespace tlv::essai
