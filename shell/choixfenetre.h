#pragma once
// The window as the player left it, kept between runs in "fenetre.ini" of the preferences folder: full
// screen or a window, and the window's size. Lines `pleinecran=oui|non`, `largeur=N`, `hauteur=N`.
#include <string>

namespace tlv {

struct ChoixFenetre {
    bool pleinecran = true;
    int largeur = 0, hauteur = 0; // the window's size; 0 when none is remembered
    bool operator==(const ChoixFenetre&) const = default;
};

// Sizes outside these bounds are taken for damage.
inline constexpr int largeurfenetremin = 640, hauteurfenetremin = 480, cotefenetremax = 16384;

// Never fails: a missing or damaged file, or a damaged line, gives the default of what it held.
ChoixFenetre lischoixfenetre(const std::string& fichier);
// Written atomically, its folder made first; false when that failed.
bool sauvechoixfenetre(const std::string& fichier, const ChoixFenetre& c);

} // namespace tlv
