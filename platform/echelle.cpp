#include "echelle.h"

#include <algorithm>
#include <cmath>

namespace tlv {

namespace {
int division_basse(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}
} // namespace

int facteur_pour(double s) {
    return std::clamp(static_cast<int>(std::ceil(s - 1e-6)), 1, 4);
}

void Echelle::vers_logique(int& x, int& y) const {
    // The play-area pixel under the display pixel's centre: the one that pixel mostly shows.
    x = decalagex + division_basse((2LL * (x - aire.x) + 1) * 640, 2LL * aire.w);
    y = decalagey + division_basse((2LL * (y - aire.y) + 1) * 480, 2LL * aire.h);
}

Echelle echelle_entiere(int W, int H) {
    Echelle e;
    W = std::max(1, W), H = std::max(1, H);
    const int z = std::max(1, std::min(W / 640, H / 480));
    e.s = z, e.k = z, e.W = W, e.H = H;
    e.lw = W / z, e.lh = H / z;
    e.decalagex = static_cast<int>(std::floor((e.lw - 640) / 2.0));
    e.decalagey = static_cast<int>(std::floor((e.lh - 480) / 2.0));
    e.aire =
        Rect{(W - e.lw * z) / 2 + e.decalagex * z, (H - e.lh * z) / 2 + e.decalagey * z, 640 * z, 480 * z};
    return e;
}

Echelle echelle_reelle(int W, int H, int k) {
    if (k <= 0 && (W < 640 || H < 480)) return echelle_entiere(W, H);
    Echelle e;
    W = std::max(1, W), H = std::max(1, H);
    e.s = std::min(W / 640.0, H / 480.0);
    e.W = W, e.H = H;
    e.k = k > 0 ? std::clamp(k, 1, 4) : facteur_pour(e.s);
    // The side that fills the display is exact; the other follows the shape, rounded to a pixel.
    const bool large = W * 480LL >= H * 640LL;
    e.aire.w = large ? std::max(1, static_cast<int>(std::lround(H * 640.0 / 480.0))) : W;
    e.aire.h = large ? H : std::max(1, static_cast<int>(std::lround(W * 480.0 / 640.0)));
    e.aire.x = (W - e.aire.w) / 2;
    e.aire.y = (H - e.aire.h) / 2;
    return e;
}

} // namespace tlv
