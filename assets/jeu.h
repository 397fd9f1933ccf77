// The card faces, taken from Debian's Paris deck (kdegames-card-data-kf5, GPL-2+) and fitted to 71 x 96.
#pragma once
#include <array>
#include <string>

#include "assets/image.h"
#include "socle/carte.h"

namespace tlv {

inline constexpr const char* jeuparis = "/usr/share/carddecks/svg-gm-paris/paris.svgz";

// The 32 faces by Belote code order: index (suit - 1) * 8 + rank digit, suit 1 pique .. 4 coeur,
// rank digit 0 = 7, 1 = 8, 2 = 9, 3 = Valet, 4 = Dame, 5 = Roi, 6 = 10, 7 = As.
// Each is largeur x hauteur units (71 x 96 on the sheet), drawn k times finer, with transparent round
// corners; the heads carry French corner letters V, D, R. The edge and the corners follow the width.
// Throws std::runtime_error when the deck cannot be read.
std::array<Image, 32> facesdujeu(int largeur = LargeurCarte, int hauteur = HauteurCarte,
                                 const std::string& chemin = jeuparis, int k = 1);

} // namespace tlv
