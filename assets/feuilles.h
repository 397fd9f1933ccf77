// The sprite sheet "cartei08" and the mask sheet "cartei07", 568 x 624 each.
// A sprite is black outside its shape, its mask white outside and dark inside, so that laying the mask with
// AND then the sprite with OR leaves no fringe on any background.
#pragma once
#include "assets/image.h"

namespace tlv {

// Grey of the message box mask's inside: AND with it keeps only the 64 bit of each channel, a dark even veil
// over the Memo and Belote cloths and a dim grey card in Quadrel; the box's own colours all carry that bit.
inline constexpr int grisvoile = 64;

struct Feuilles {
    Image sprites, masques;
};

// k: drawn k times finer, every sprite and mask at k times its place (see tables.h).
Feuilles feuillesdecartes(int k = 1);

} // namespace tlv
