#pragma once
// Pixel comparisons of pictures: any type with `pixel(x, y)` (the platform's Surface, a PNG read by a test).
#include "grille/point.h"

namespace tlv::test {

// Whether the w x h block at `pa` of `a` holds the same pixels as the one at `pb` of `b`.
template <class A, class B> bool memebloc(const A& a, Point pa, const B& b, Point pb, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.pixel(pa.x + x, pa.y + y) != b.pixel(pb.x + x, pb.y + y)) return false;
    return true;
}

// Whether two pictures hold the same pixels over the rectangle `z` (anything with x, y, w, h).
template <class A, class B, class Zone> bool memes_pixels(const A& a, const B& b, const Zone& z) {
    return memebloc(a, Point{z.x, z.y}, b, Point{z.x, z.y}, z.w, z.h);
}

// Whether the w x h block at `p` of `s` shows the one at `source` of `feuille` wherever the mask's top left
// w x h block is 0 (a card's shape: its corners let the table through).
template <class S, class F, class M>
bool montre_sous_masque(const S& s, Point p, const F& feuille, Point source, const M& masque, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (masque.pixel(x, y) == 0 &&
                s.pixel(p.x + x, p.y + y) != feuille.pixel(source.x + x, source.y + y))
                return false;
    return true;
}

} // namespace tlv::test
