#pragma once
// A rectangle of play-area pixels: what every part of the screen is measured in.

namespace tlv {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool vide() const { return w <= 0 || h <= 0; }
};
// The smallest rectangle holding both (an empty one adds nothing).
Rect reunion(const Rect& a, const Rect& b);

} // namespace tlv
