// Menu screens "cartei06" (Belote), "cartei04" (Memo), "cartei05" (Quadrel), and the backgrounds of the
// score screen (500 x 400) and of the name entry (400 x 100).
#pragma once
#include "assets/image.h"

namespace tlv {

enum class Menu { belote, memo, quadrel };

// A black lacquered panel x 70..570 under the six bands of 60 pixels (y 35, 105 ... 385), gold ornaments
// between the bands, the arrows of the option line (Belote, Memo: line 4) or of the saved-game selector
// (Quadrel: line 3), felt and suits on both sides.
// k: drawn k times finer (see tables.h).
Image fondmenu(Menu m, int k = 1);
Image fondscore(int k = 1);
Image fondnom(int k = 1);

} // namespace tlv
