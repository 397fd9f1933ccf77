// The game tables: Belote "cartei03", Memo "cartei01", Quadrel "cartei02", and the empty card place they
// share.
#pragma once
#include "assets/image.h"

namespace tlv {

// Belote table: the cloth (480 x 480) and the right panel with the contract strip, the heads, the pad, the
// totals and the Menu button.
Image tablebelote();

// The cloth of the Belote table keeps its colours inside these bounds so that the darkening grey of the
// mask sheet (an AND with 64) turns it into one even dark green.
Couleur bornefeutre(Couleur c);

// An empty place of the Memo and Quadrel grids, 71 x 96: a card-shaped recess in dark felt, black at its
// corners like the cards laid on it.
Image placevide();

} // namespace tlv
