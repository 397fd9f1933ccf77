// Float RGBA pictures and coverage masks: the generator draws everything in these, then writes PNG.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tlv {

struct Couleur {
    float r = 0, g = 0, b = 0, a = 1;
};

// Colour from 0..255 components.
inline Couleur rgb(int r, int g, int b, float a = 1.f) {
    return {r / 255.f, g / 255.f, b / 255.f, a};
}
Couleur melange(const Couleur& c1, const Couleur& c2, float t);

// A coverage mask: one value in 0..1 a pixel.
struct Masque {
    int w = 0, h = 0;
    std::vector<float> v;
    Masque() = default;
    Masque(int w_, int h_) : w(w_), h(h_), v(static_cast<size_t>(w_) * h_, 0.f) {}
    float& at(int x, int y) { return v[static_cast<size_t>(y) * w + x]; }
    float at(int x, int y) const { return v[static_cast<size_t>(y) * w + x]; }
    float lit(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? 0.f : at(x, y); }
};

struct Image {
    int w = 0, h = 0;
    // Pixels a drawing unit: the pictures are drawn in the 640 x 480 play area's units, k times finer.
    int k = 1;
    std::vector<Couleur> p;
    Image() = default;
    Image(int w_, int h_, Couleur fond = {0, 0, 0, 1})
        : w(w_), h(h_), p(static_cast<size_t>(w_) * h_, fond) {}
    Couleur& at(int x, int y) { return p[static_cast<size_t>(y) * w + x]; }
    const Couleur& at(int x, int y) const { return p[static_cast<size_t>(y) * w + x]; }
    // Bilinear sample with coordinates in pixel centres; outside is transparent.
    Couleur echantillon(float x, float y) const;
};

// A picture of w x h units drawn k times finer: w * k by h * k pixels.
inline Image toile(int w, int h, int k, Couleur fond = {0, 0, 0, 1}) {
    Image i(w * k, h * k, fond);
    i.k = k;
    return i;
}

// The place in units of pixel px's centre, less half a unit: at k = 1 it is px itself, so textures
// sampled there match the 1x picture's exactly.
inline float unite(int px, int k) {
    return (px + 0.5f) / k - 0.5f;
}

// Lays colour c over the pixel with coverage k (straight alpha "over").
void pose(Couleur& d, const Couleur& c, float k);

// Composes a mask at pixel (ox, oy) with a colour that may depend on the place, given in units.
void compose(Image& img, const Masque& m, int ox, int oy, const std::function<Couleur(float, float)>& teinte);
void compose(Image& img, const Masque& m, int ox, int oy, Couleur c);

// Copies src at (x, y) with "over" blending.
void colle(Image& dst, const Image& src, int x, int y);
// Copies a rectangle exactly (no blending).
void copie(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h);
// A rectangle of src in pixels; it keeps src's scale.
Image decoupe(const Image& src, int x, int y, int w, int h);

// Gaussian-like blur (three box passes) of a mask, radius in units of a picture k times finer: the passes
// are k times wider, so the blur spreads as far at every scale.
Masque flou(const Masque& m, float rayon, int k = 1);
// Mask grown by a margin so blurs and shadows have room.
Masque elargi(const Masque& m, int marge);

// Area-averaging reduction by an integer factor.
Image reduit(const Image& src, int facteur);
// Resampling to any size with a box filter over the source footprint.
Image redimensionne(const Image& src, int w, int h);

// Deterministic value noise in 0..1, smooth at the given scale in pixels.
float bruit(float x, float y, uint32_t graine);
// Fractal noise: several octaves of bruit.
float bruitfractal(float x, float y, float echelle, int octaves, uint32_t graine);
// Per-pixel hash in 0..1.
float hasard(int x, int y, uint32_t graine);

} // namespace tlv
