#pragma once
// The keyboard's focus frame: a rounded ring, bright on a dark edge so that it shows on the cloth, on a card
// face and on a card back alike, traced at the screen's own resolution (smooth at any size).
#include "surface.h"

namespace tlv {

// How far the ring reaches outside the rectangle it frames (play-area pixels).
inline constexpr int DebordFocus = 2;

// Traces the ring around `r` (play-area pixels of `s`), inside the surface's clip.
void trace_focus(Surface& s, const Rect& r);

} // namespace tlv
