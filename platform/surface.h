#pragma once
// A 32-bit picture buffer (0x00RRGGBB) and the raster operations every screen draws with.
#include <cstdint>
#include <vector>

namespace tlv {

constexpr std::uint32_t rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r & 255) << 16) | (static_cast<std::uint32_t>(g & 255) << 8) |
           static_cast<std::uint32_t>(b & 255);
}

enum class Rop { SrcCopy, SrcAnd, SrcPaint };

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

class Surface {
  public:
    Surface() = default;
    Surface(int w, int h, std::uint32_t couleur = 0);

    int largeur() const { return w_; }
    int hauteur() const { return h_; }
    bool vide() const { return w_ <= 0 || h_ <= 0; }
    // Resizes and clears to `couleur`.
    void redimensionne(int w, int h, std::uint32_t couleur = 0);

    std::uint32_t pixel(int x, int y) const;      // 0 outside
    void metpixel(int x, int y, std::uint32_t c); // ignored outside
    std::uint32_t* ligne(int y) { return pixels_.data() + static_cast<std::size_t>(y) * w_; }
    const std::uint32_t* ligne(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * w_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    // Drawing can be limited to a rectangle (composing only what changed); the whole surface by default.
    void decoupe(const Rect& r);
    void sans_decoupe() { clip_ = Rect{0, 0, w_, h_}; }
    const Rect& zone() const { return clip_; }

  private:
    int w_ = 0, h_ = 0;
    Rect clip_{};
    std::vector<std::uint32_t> pixels_;
};

// Copies the w x h block at (sx, sy) of src to (x, y) of dst with the raster operation; both rectangles are
// clipped to their surfaces, keeping source and destination aligned.
void bitblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            Rop rop = Rop::SrcCopy);
// Scales the block (sx, sy, sw, sh) of src to (x, y, w, h) of dst (nearest pixel), clipped to dst.
// A negative w or sw mirrors horizontally, as the classic API does.
void stretchblt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                Rop rop = Rop::SrcCopy);
void fill(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur);
// A one-pixel frame.
void cadre(Surface& dst, int x, int y, int w, int h, std::uint32_t couleur);

} // namespace tlv
