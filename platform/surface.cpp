#include "surface.h"

#include <algorithm>
#include <cstdlib>

namespace tlv {

Surface::Surface(int w, int h, std::uint32_t couleur) {
    redimensionne(w, h, couleur);
}

void Surface::redimensionne(int w, int h, std::uint32_t couleur) {
    w_ = std::max(0, w);
    h_ = std::max(0, h);
    pixels_.assign(static_cast<std::size_t>(w_) * h_, couleur);
    sans_decoupe();
}

void Surface::decoupe(const Rect& r) {
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(w_, r.x + r.w), y1 = std::min(h_, r.y + r.h);
    clip_ = Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

std::uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return pixels_[static_cast<std::size_t>(y) * w_ + x];
}

void Surface::metpixel(int x, int y, std::uint32_t c) {
    if (x < clip_.x || y < clip_.y || x >= clip_.x + clip_.w || y >= clip_.y + clip_.h) return;
    pixels_[static_cast<std::size_t>(y) * w_ + x] = c & 0xFFFFFFu;
}

namespace {

inline std::uint32_t applique(std::uint32_t d, std::uint32_t s, Rop rop) {
    switch (rop) {
    case Rop::SrcAnd:
        return d & s;
    case Rop::SrcPaint:
        return d | s;
    case Rop::SrcCopy:
        break;
    }
    return s;
}

} // namespace

void bitblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    // Clip against the source, then the destination, moving both origins together.
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    const Rect& c = dst.zone();
    if (x < c.x) {
        w -= c.x - x;
        sx += c.x - x;
        x = c.x;
    }
    if (y < c.y) {
        h -= c.y - y;
        sy += c.y - y;
        y = c.y;
    }
    w = std::min({w, src.largeur() - sx, c.x + c.w - x});
    h = std::min({h, src.hauteur() - sy, c.y + c.h - y});
    if (w <= 0 || h <= 0) return;
    const bool meme = &dst == &src;
    // Overlapping copies within one surface go bottom-up when the block moves down.
    const bool descend = meme && y > sy;
    for (int j = 0; j < h; ++j) {
        const int jj = descend ? h - 1 - j : j;
        const std::uint32_t* s = src.ligne(sy + jj) + sx;
        std::uint32_t* d = dst.ligne(y + jj) + x;
        if (rop == Rop::SrcCopy) {
            if (d > s)
                std::copy_backward(s, s + w, d + w);
            else
                std::copy(s, s + w, d);
            continue;
        }
        for (int i = 0; i < w; ++i) d[i] = applique(d[i], s[i], rop);
    }
}

void stretchblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                Rop rop) {
    bool miroir = false;
    if (w < 0) {
        x += w;
        w = -w;
        miroir = !miroir;
    }
    if (sw < 0) {
        sx += sw;
        sw = -sw;
        miroir = !miroir;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    if (sh < 0) {
        sy += sh;
        sh = -sh;
    }
    if (w == 0 || h == 0 || sw == 0 || sh == 0) return;
    const Rect& c = dst.zone();
    const int x0 = std::max(c.x, x), x1 = std::min(c.x + c.w, x + w);
    const int y0 = std::max(c.y, y), y1 = std::min(c.y + c.h, y + h);
    for (int j = y0; j < y1; ++j) {
        const int ys = sy + static_cast<int>((static_cast<long long>(j - y) * sh) / h);
        if (ys < 0 || ys >= src.hauteur()) continue;
        std::uint32_t* d = dst.ligne(j);
        for (int i = x0; i < x1; ++i) {
            int k = static_cast<int>((static_cast<long long>(i - x) * sw) / w);
            if (miroir) k = sw - 1 - k;
            const int xs = sx + k;
            if (xs < 0 || xs >= src.largeur()) continue;
            d[i] = applique(d[i], src.ligne(ys)[xs], rop);
        }
    }
}

void fill(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur) {
    const Rect& c = dst.zone();
    const int x0 = std::max(c.x, x), x1 = std::min(c.x + c.w, x + w);
    const int y0 = std::max(c.y, y), y1 = std::min(c.y + c.h, y + h);
    if (x0 >= x1) return;
    for (int j = y0; j < y1; ++j) std::fill(dst.ligne(j) + x0, dst.ligne(j) + x1, couleur & 0xFFFFFFu);
}

void cadre(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur) {
    if (w <= 0 || h <= 0) return;
    fill(dst, x, y, w, 1, couleur);
    fill(dst, x, y + h - 1, w, 1, couleur);
    fill(dst, x, y, 1, h, couleur);
    fill(dst, x + w - 1, y, 1, h, couleur);
}

} // namespace tlv
