#include "surface.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace tlv {

namespace {
constexpr std::size_t Enorme = std::size_t{2} << 20; // a huge page
std::size_t arrondi(std::size_t octets) {
    return (octets + Enorme - 1) / Enorme * Enorme;
}
} // namespace

void* alloue_pixels(std::size_t octets) {
    if (octets < Enorme / 2) {
        if (void* p = std::malloc(std::max<std::size_t>(octets, 1))) return p;
        throw std::bad_alloc();
    }
    // malloc would keep a freed block of this size in its heap, still resident: a mapping of our own, cut
    // to start on a huge page.
    const std::size_t taille = arrondi(octets);
    void* m = mmap(nullptr, taille + Enorme, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m == MAP_FAILED) throw std::bad_alloc();
    const auto a = reinterpret_cast<std::uintptr_t>(m);
    const std::uintptr_t debut = (a + Enorme - 1) & ~(Enorme - 1), fin = debut + taille;
    if (debut > a) munmap(m, debut - a);
    if (a + taille + Enorme > fin) munmap(reinterpret_cast<void*>(fin), a + taille + Enorme - fin);
    void* p = reinterpret_cast<void*>(debut);
    madvise(p, taille, MADV_HUGEPAGE);
    return p;
}

void libere_pixels(void* p, std::size_t octets) {
    if (octets < Enorme / 2)
        std::free(p);
    else if (p)
        munmap(p, arrondi(octets));
}

void prepare_pages(void* p, std::size_t octets) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t page = 4096, debut = a & ~(page - 1);
    // Systems without it just fault the pages in as they are written.
    madvise(reinterpret_cast<void*>(debut), a + octets - debut, MADV_POPULATE_WRITE);
}

Rect reunion(const Rect& a, const Rect& b) {
    if (b.vide()) return a;
    if (a.vide()) return b;
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

Surface::Surface(int w, int h, std::uint32_t couleur, int facteur) : k_(std::clamp(facteur, 1, 4)) {
    redimensionne(w, h, couleur);
}

Surface Surface::a_remplir(int w, int h, int facteur) {
    Surface s(0, 0, 0, facteur);
    s.w_ = std::max(0, w);
    s.h_ = std::max(0, h);
    s.pixels_.resize(static_cast<std::size_t>(s.largeur_px()) * s.hauteur_px());
    s.sans_decoupe();
    s.modifiee_ = s.clip_;
    return s;
}

void Surface::redimensionne(int w, int h, std::uint32_t couleur) {
    w_ = std::max(0, w);
    h_ = std::max(0, h);
    pixels_.assign(static_cast<std::size_t>(largeur_px()) * hauteur_px(), couleur);
    sans_decoupe();
    modifiee_ = clip_;
}

void Surface::garde_lignes(int h) {
    h = std::clamp(h, 0, h_);
    if (h == h_) return;
    h_ = h;
    Pixels p(pixels_.begin(), pixels_.begin() + static_cast<std::ptrdiff_t>(largeur_px()) * hauteur_px());
    pixels_.swap(p);
    sans_decoupe();
    modifiee_ = clip_;
}

void Surface::decoupe(const Rect& r) {
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(w_, r.x + r.w), y1 = std::min(h_, r.y + r.h);
    clip_ = Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

std::uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return ligne(y * k_)[x * k_];
}

void Surface::metpixel(int x, int y, std::uint32_t c) {
    if (x < clip_.x || y < clip_.y || x >= clip_.x + clip_.w || y >= clip_.y + clip_.h) return;
    for (int j = 0; j < k_; ++j) std::fill_n(ligne(y * k_ + j) + x * k_, k_, c & 0xFFFFFFu);
    marque(Rect{x, y, 1, 1});
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

// One stored row of a block, the operation applied.
inline void copie_ligne(std::uint32_t* d, const std::uint32_t* s, int n, Rop rop) {
    if (rop == Rop::SrcCopy) {
        if (d > s)
            std::copy_backward(s, s + n, d + n);
        else
            std::copy(s, s + n, d);
        return;
    }
    if (rop == Rop::SrcAnd)
        for (int i = 0; i < n; ++i) d[i] &= s[i];
    else
        for (int i = 0; i < n; ++i) d[i] |= s[i];
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
    dst.marque(Rect{x, y, w, h});
    const int kd = dst.facteur(), ks = src.facteur();
    if (kd != ks) {
        // Pictures of another factor: each stored pixel takes the nearest one of the source.
        for (int j = 0; j < h * kd; ++j) {
            const std::uint32_t* s = src.ligne(sy * ks + j * ks / kd) + sx * ks;
            std::uint32_t* d = dst.ligne(y * kd + j) + x * kd;
            for (int i = 0; i < w * kd; ++i) d[i] = applique(d[i], s[i * ks / kd], rop);
        }
        return;
    }
    const int k = kd;
    // Overlapping copies within one surface go bottom-up when the block moves down.
    const bool descend = &dst == &src && y > sy;
    const int n = h * k;
    for (int j = 0; j < n; ++j) {
        const int jj = descend ? n - 1 - j : j;
        copie_ligne(dst.ligne(y * k + jj) + x * k, src.ligne(sy * k + jj) + sx * k, w * k, rop);
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
    if (x0 >= x1 || y0 >= y1) return;
    dst.marque(Rect{x0, y0, x1 - x0, y1 - y0});
    // Nearest pixel between the stored pixels, so a squeezed card keeps the detail of its factor.
    const int kd = dst.facteur(), ks = src.facteur();
    const long long W = static_cast<long long>(w) * kd, H = static_cast<long long>(h) * kd;
    const long long SW = static_cast<long long>(sw) * ks, SH = static_cast<long long>(sh) * ks;
    for (int j = y0 * kd; j < y1 * kd; ++j) {
        const long long ys =
            static_cast<long long>(sy) * ks + ((j - static_cast<long long>(y) * kd) * SH) / H;
        if (ys < 0 || ys >= src.hauteur_px()) continue;
        const std::uint32_t* s = src.ligne(static_cast<int>(ys));
        std::uint32_t* d = dst.ligne(j);
        for (int i = x0 * kd; i < x1 * kd; ++i) {
            long long u = ((i - static_cast<long long>(x) * kd) * SW) / W;
            if (miroir) u = SW - 1 - u;
            const long long xs = static_cast<long long>(sx) * ks + u;
            if (xs < 0 || xs >= src.largeur_px()) continue;
            d[i] = applique(d[i], s[xs], rop);
        }
    }
}

void fill(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur) {
    const Rect& c = dst.zone();
    const int x0 = std::max(c.x, x), x1 = std::min(c.x + c.w, x + w);
    const int y0 = std::max(c.y, y), y1 = std::min(c.y + c.h, y + h);
    if (x0 >= x1 || y0 >= y1) return;
    dst.marque(Rect{x0, y0, x1 - x0, y1 - y0});
    const int k = dst.facteur();
    for (int j = y0 * k; j < y1 * k; ++j)
        std::fill(dst.ligne(j) + x0 * k, dst.ligne(j) + x1 * k, couleur & 0xFFFFFFu);
}

void rogne_bas(Surface& s, std::uint32_t couleur) {
    const std::uint32_t c = couleur & 0xFFFFFFu;
    const int k = s.facteur(), n = s.largeur_px();
    const auto unie = [&](int y) {
        for (int j = 0; j < k; ++j) {
            const std::uint32_t* l = s.ligne(y * k + j);
            if (!std::all_of(l, l + n, [c](std::uint32_t p) { return p == c; })) return false;
        }
        return true;
    };
    int h = s.hauteur();
    while (h > 0 && unie(h - 1)) --h;
    s.garde_lignes(h);
}

void assombrit(Surface& s, const Rect& r, int garde, std::uint32_t vers) {
    const int reste = 32 - garde;
    const std::uint32_t fr = ((vers >> 16) & 255) * reste, fg = ((vers >> 8) & 255) * reste,
                        fb = (vers & 255) * reste;
    s.transforme(r, [&](std::uint32_t p) {
        return ((((p >> 16) & 255) * garde + fr) / 32) << 16 | ((((p >> 8) & 255) * garde + fg) / 32) << 8 |
               ((p & 255) * garde + fb) / 32;
    });
}

void cadre(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur) {
    if (w <= 0 || h <= 0) return;
    fill(dst, x, y, w, 1, couleur);
    fill(dst, x, y + h - 1, w, 1, couleur);
    fill(dst, x, y, 1, h, couleur);
    fill(dst, x + w - 1, y, 1, h, couleur);
}

} // namespace tlv
