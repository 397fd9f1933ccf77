// The game tables: Belote "cartei03", Memo "cartei01", Quadrel "cartei02", and the empty card place they
// share.
#pragma once
#include "assets/image.h"

namespace tlv {

// Every picture is drawn k times finer when asked: k x k pixels for each pixel of the 1x picture.

// Belote table: the cloth (480 x 480) and the right panel with the contract strip, the heads, the pad, the
// totals and the Menu button.
Image tablebelote(int k = 1);

// The cloth of the Belote table keeps its colours inside these bounds so that the darkening grey of the
// mask sheet (an AND with 64) turns it into one even dark green.
Couleur bornefeutre(Couleur c);

// Memo ("cartei01") and Quadrel ("cartei02") tables: the 8 x 4 grid of places from (36, 48), black boxes for
// the clock (and Quadrel's board number) at the top, the Menu button at the bottom.
Image tablememo(int k = 1);
Image tablequadrel(int k = 1);

// A black box the program fills and writes in, set in a thin gold frame just outside it.
void boitenoire(Image& img, float x0, float y0, float x1, float y1);
// A dark button with a gold rim for a cyan label.
void bouton(Image& img, float x0, float y0, float x1, float y1);

// An empty place of the Memo and Quadrel grids, 71 x 96: a card-shaped recess in dark felt, black at its
// corners like the cards laid on it.
Image placevide(int k = 1);

} // namespace tlv
