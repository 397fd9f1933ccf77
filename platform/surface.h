#pragma once
// A 32-bit picture buffer (0x00RRGGBB) and the raster operations every screen draws with.
//
// Every coordinate of this API is a play-area pixel. A surface stores k x k pixels for each of them (its
// render factor, fixed at construction): drawing at k = 2 or 3 touches whole k x k blocks, so masks,
// clipping and sprite offsets stay as exact as at k = 1, while pictures and text made at k times their size
// keep their detail. At k = 1 every operation is the plain one.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "rect.h"

namespace tlv {

constexpr std::uint32_t rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r & 255) << 16) | (static_cast<std::uint32_t>(g & 255) << 8) |
           static_cast<std::uint32_t>(b & 255);
}

enum class Rop { SrcCopy, SrcAnd, SrcPaint };

// Memory for pixels: large pictures in huge pages where the system allows it, so that the few big buffers
// of a fine render factor cost a handful of page faults, not tens of thousands; and mapped apart, so that
// their memory goes back to the system the moment they are freed (a closed screen's pictures stop counting).
void* alloue_pixels(std::size_t octets);
void libere_pixels(void* p, std::size_t octets);
// Makes the pages of a fresh buffer in one go (a window's pixels): one call instead of a fault for each page
// at its first write. Pages already there are left as they are.
void prepare_pages(void* p, std::size_t octets);
template <class T> struct AllocationPixels {
    using value_type = T;
    AllocationPixels() = default;
    template <class U> AllocationPixels(const AllocationPixels<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(alloue_pixels(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { libere_pixels(p, n * sizeof(T)); }
    // Growing without a value leaves the pixels as they are: a decoder writes every one of them anyway, and
    // clearing megabytes first would cost as much again.
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... A> void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    template <class U> bool operator==(const AllocationPixels<U>&) const { return true; }
};
using Pixels = std::vector<std::uint32_t, AllocationPixels<std::uint32_t>>;

class Surface {
  public:
    // Empty, at factor 1: a picture to be assigned. Whatever is drawn is made at an explicit factor, the
    // screen's (`Plateforme::facteur`) or a loaded picture's own.
    Surface() = default;
    Surface(int w, int h, std::uint32_t couleur, int facteur);
    // A surface whose pixels are left undefined, for a caller that writes every one of them before any is
    // read.
    static Surface a_remplir(int w, int h, int facteur);

    int largeur() const { return w_; }
    int hauteur() const { return h_; }
    int facteur() const { return k_; }
    int largeur_px() const { return w_ * k_; }
    int hauteur_px() const { return h_ * k_; }
    bool vide() const { return w_ <= 0 || h_ <= 0; }
    // Resizes and clears to `couleur`, keeping the factor.
    void redimensionne(int w, int h, std::uint32_t couleur = 0);
    // Keeps the first h rows and gives the memory of the others back.
    void garde_lignes(int h);

    std::uint32_t pixel(int x, int y) const;      // the block's top left stored pixel; 0 outside
    void metpixel(int x, int y, std::uint32_t c); // the whole block; ignored outside the clip
    // Stored rows (py counts stored pixels, 0 .. hauteur_px() - 1).
    std::uint32_t* ligne(int py) { return pixels_.data() + static_cast<std::size_t>(py) * largeur_px(); }
    const std::uint32_t* ligne(int py) const {
        return pixels_.data() + static_cast<std::size_t>(py) * largeur_px();
    }
    const Pixels& pixels() const { return pixels_; }

    // Drawing can be limited to a rectangle (composing only what changed); the whole surface by default.
    void decoupe(const Rect& r);
    void sans_decoupe() { clip_ = Rect{0, 0, w_, h_}; }
    const Rect& zone() const { return clip_; }

    // What was drawn since the last `oublie_modifications`: the screen then recomposes only that.
    const Rect& modifiee() const { return modifiee_; }
    void oublie_modifications() { modifiee_ = Rect{}; }
    void marque(const Rect& r) { modifiee_ = reunion(modifiee_, r); }

    // Applies f to every stored pixel of r (clipped), for effects that work on colours alone.
    template <class F> void transforme(const Rect& r, F f);

  private:
    int w_ = 0, h_ = 0, k_ = 1;
    Rect clip_{}, modifiee_{};
    Pixels pixels_;
};

// Copies the w x h block at (sx, sy) of src to (x, y) of dst with the raster operation; both rectangles are
// clipped to their surfaces, keeping source and destination aligned. A source of another factor is
// resampled to the nearest stored pixel.
void bitblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            Rop rop = Rop::SrcCopy);
// Scales the block (sx, sy, sw, sh) of src to (x, y, w, h) of dst (nearest pixel), clipped to dst.
// A negative w or sw mirrors horizontally, as the classic API does.
void stretchblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                Rop rop = Rop::SrcCopy);
void fill(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur);
// A one-pixel frame.
void cadre(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur);
// Darkens r: each colour keeps `garde` 32nds of itself and takes the rest from `vers`; by default a third
// of it is kept, which leaves the picture in sight under a box. Exact at every render factor.
void assombrit(Surface& s, const Rect& r, int garde = 11, std::uint32_t vers = 0);
// Drops the rows at the foot of s that hold nothing but `couleur`. For a picture only ever combined by an
// operation to which that colour changes nothing (white under SrcAnd): a copy from the missing rows is then
// clipped away, which leaves the same pixels.
void rogne_bas(Surface& s, std::uint32_t couleur);

template <class F> void Surface::transforme(const Rect& r, F f) {
    // Plain comparisons: <algorithm> would weigh on every file that draws.
    const int x0 = clip_.x > r.x ? clip_.x : r.x,
              x1 = clip_.x + clip_.w < r.x + r.w ? clip_.x + clip_.w : r.x + r.w;
    const int y0 = clip_.y > r.y ? clip_.y : r.y,
              y1 = clip_.y + clip_.h < r.y + r.h ? clip_.y + clip_.h : r.y + r.h;
    if (x0 >= x1 || y0 >= y1) return;
    for (int py = y0 * k_; py < y1 * k_; ++py) {
        std::uint32_t* l = ligne(py);
        for (int px = x0 * k_; px < x1 * k_; ++px) l[px] = f(l[px]) & 0xFFFFFFu;
    }
    marque(Rect{x0, y0, x1 - x0, y1 - y0});
}

} // namespace tlv
