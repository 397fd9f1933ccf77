#include "trace_fin.h"

#include <algorithm>
#include <cmath>

namespace tlv {

std::uint32_t melange(std::uint32_t fond, std::uint32_t c, double a) {
    if (a <= 0) return fond;
    if (a >= 1) return c;
    auto canal = [&](int decalage) {
        const double f = (fond >> decalage) & 255, v = (c >> decalage) & 255;
        return static_cast<std::uint32_t>(std::lround(f + (v - f) * a)) << decalage;
    };
    return canal(16) | canal(8) | canal(0);
}

namespace {

// Calls f(stored x, stored y, play-area x, play-area y of the pixel's middle) for every stored pixel of the
// box (play-area pixels), inside the clip; marks the box drawn.
template <class F> void parcourt(Surface& s, double x0, double y0, double x1, double y1, F f) {
    const Rect& clip = s.zone();
    const int k = s.facteur();
    const int px0 = std::max(clip.x * k, static_cast<int>(std::floor(x0 * k)));
    const int px1 = std::min((clip.x + clip.w) * k, static_cast<int>(std::ceil(x1 * k)));
    const int py0 = std::max(clip.y * k, static_cast<int>(std::floor(y0 * k)));
    const int py1 = std::min((clip.y + clip.h) * k, static_cast<int>(std::ceil(y1 * k)));
    if (px0 >= px1 || py0 >= py1) return;
    for (int py = py0; py < py1; ++py) {
        std::uint32_t* ligne = s.ligne(py);
        for (int px = px0; px < px1; ++px) f(ligne[px], (px + 0.5) / k, (py + 0.5) / k);
    }
    s.marque(Rect{px0 / k, py0 / k, (px1 + k - 1) / k - px0 / k, (py1 + k - 1) / k - py0 / k});
}

} // namespace

void disque(Surface& s, double cx, double cy, double rayon, std::uint32_t c) {
    const double k = s.facteur();
    parcourt(s, cx - rayon - 1, cy - rayon - 1, cx + rayon + 1, cy + rayon + 1,
             [&](std::uint32_t& p, double x, double y) {
                 // Covered fraction, smoothed over one stored pixel.
                 p = melange(p, c, std::clamp((rayon - std::hypot(x - cx, y - cy)) * k + 0.5, 0.0, 1.0));
             });
}

void triangle(Surface& s, PointFin a, PointFin b, PointFin c, std::uint32_t couleur) {
    // Corners turning the same way whatever order they came in, so that inside is left of every edge.
    if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) < 0) std::swap(b, c);
    const PointFin coins[3] = {a, b, c};
    const double k = s.facteur();
    parcourt(s, std::min({a.x, b.x, c.x}) - 1, std::min({a.y, b.y, c.y}) - 1, std::max({a.x, b.x, c.x}) + 1,
             std::max({a.y, b.y, c.y}) + 1, [&](std::uint32_t& p, double x, double y) {
                 double d = 1e9; // distance inside the nearest edge (negative outside)
                 for (int i = 0; i < 3; ++i) {
                     const PointFin u = coins[i], v = coins[(i + 1) % 3];
                     const double l = std::hypot(v.x - u.x, v.y - u.y);
                     if (l > 0) d = std::min(d, ((v.x - u.x) * (y - u.y) - (v.y - u.y) * (x - u.x)) / l);
                 }
                 p = melange(p, couleur, std::clamp(d * k + 0.5, 0.0, 1.0));
             });
}

} // namespace tlv
