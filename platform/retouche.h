#pragma once
// Redrawing part of a picture and keeping, of what was drawn, only what really changed: a clock whose tick
// leaves most of its digits as they were then costs the screen only the digits that moved.
#include <functional>

#include "surface.h"

namespace tlv {

// Runs `dessin`, which draws inside `r` of `s`, and returns the rectangle around the pixels it changed
// (empty when none); the picture's record of changes then holds that rectangle rather than all it drew.
// A drawing that strays further than a few pixels outside `r` is taken whole, as drawn.
Rect retouche(Surface& s, const Rect& r, const std::function<void()>& dessin);

} // namespace tlv
