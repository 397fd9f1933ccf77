#pragma once
// The mouse pointers, drawn in the games' colours: pixels here, made into SDL cursors by the platform.
#include <cstdint>
#include <vector>

namespace tlv {

// What the pointer says: where the program waits for the player (or elsewhere, the launcher and menus),
// a card that may be chosen, or that the program is busy playing by itself.
enum class Curseur { Repos, Attente, Carte, Occupe };
enum class FormeCurseur { Fleche, Main, Sablier };

FormeCurseur forme(Curseur c);

struct DessinCurseur {
    int largeur = 0, hauteur = 0, pointx = 0, pointy = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, 0 where the screen shows through
};

// The picture of a pointer at `echelle` times its classic size (the play area's scale on the window), its
// edges as smooth as the window's pixels allow.
DessinCurseur dessin(FormeCurseur f, double echelle);

} // namespace tlv
