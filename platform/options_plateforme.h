#pragma once
// How a platform starts: window or full screen, clock, robot, font, icon, sizes.
#include <iosfwd>
#include <string>

namespace tlv {

class Robot;

struct OptionsPlateforme {
    bool fenetre = false; // a window instead of the desktop-wide full screen
    bool horloge_virtuelle = false;
    Robot* robot = nullptr;  // the input source instead of the player, on the virtual clock
    bool trace_sons = false; // print every sound started on stdout (robot tests)
    std::string police;      // TrueType file; empty = ours
    std::string icone;       // the window's icon (PNG); empty = the desktop's default
    // Where the sound trace goes instead of stdout: a test reading it in-process.
    std::ostream* sortie_sons = nullptr;
    // The window's size remembered from an earlier run (0: ours), taken whenever out of full screen.
    int largeur_fenetre = 0, hauteur_fenetre = 0;
    // Lay out for a display of this size instead of the desktop (0: the desktop); captures then show it.
    int ecran_largeur = 0, ecran_hauteur = 0;
};

} // namespace tlv
