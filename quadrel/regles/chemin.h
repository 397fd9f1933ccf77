#pragma once
// The path rule of Quadrel: two cards of a pair go when one, two or three straight segments through
// empty cells join them, the border ring included. Pure: the search, and the cells the path crosses.
#include <optional>
#include <vector>

#include "grille/point.h"
#include "plateaux.h"

namespace tlv::quadrel {

struct Case {
    int c = -1, r = -1;
    bool operator==(const Case&) const = default;
};

// A path by its corners: where the first segment turns, where the second turns; {-1, -1} for none.
struct Chemin {
    Case coin1, coin2;
    bool operator==(const Chemin&) const = default;
};

// The first path found from `a` to `b`: straight, else with the nearest first turn, trying up, down,
// left, then right. The two ends are never tested; every other cell crossed must be empty.
std::optional<Chemin> cherchechemin(const Grille& g, Case a, Case b);

// Neighbours (diagonals included): their path is not shown.
bool voisines(Case a, Case b);

// The cells where the path's markers go, in the order they are drawn: from `a` through the corners,
// stopping on reaching `b` (which gets none).
std::vector<Case> etapes(Case a, Case b, const Chemin& ch);

// Top-left corner on the table of the 32 x 32 marker of a cell, the ring included.
Point positionmarqueur(Case k);

} // namespace tlv::quadrel
