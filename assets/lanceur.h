// The launcher's pictures: the screen "cartei00" (with the web button's face below it) and the clip
// "cartef00".
#pragma once
#include "assets/image.h"

namespace tlv {

inline constexpr int imagesclip = 30; // clip frames, played at 10 a second

// k: drawn k times finer (see tables.h).
Image imagelanceur(int k = 1);
Image cliplanceur(int k = 1);

} // namespace tlv
