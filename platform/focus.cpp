#include "focus.h"

#include <algorithm>
#include <cmath>

#include "couleurs.h"
#include "trace_fin.h"

namespace tlv {

namespace {

constexpr double Rayon = 6.0;  // of the ring's middle line
constexpr double Coeur = 1.25; // half the bright line's width
constexpr double Bord = 2.25;  // half the width with its dark edges
constexpr std::uint32_t Sombre = rgb(0, 56, 64);

} // namespace

void trace_focus(Surface& s, const Rect& r) {
    if (r.vide()) return;
    const int k = s.facteur();
    // The middle line runs one pixel inside the rectangle: the ring straddles its edge.
    const double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
    const double hx = std::max(0.0, r.w / 2.0 - 1 - Rayon), hy = std::max(0.0, r.h / 2.0 - 1 - Rayon);
    const Rect& clip = s.zone();
    const int x0 = std::max(clip.x, r.x - DebordFocus),
              x1 = std::min(clip.x + clip.w, r.x + r.w + DebordFocus);
    const int y0 = std::max(clip.y, r.y - DebordFocus),
              y1 = std::min(clip.y + clip.h, r.y + r.h + DebordFocus);
    if (x0 >= x1 || y0 >= y1) return;
    const double pas = 1.0 / k;
    for (int py = y0 * k; py < y1 * k; ++py) {
        std::uint32_t* ligne = s.ligne(py);
        const double qy = std::abs((py + 0.5) * pas - cy) - hy;
        for (int px = x0 * k; px < x1 * k; ++px) {
            const double qx = std::abs((px + 0.5) * pas - cx) - hx;
            // Distance to the rounded rectangle of the middle line.
            const double d = std::abs(std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) +
                                      std::min(std::max(qx, qy), 0.0) - Rayon);
            if (d >= Bord + pas) continue;
            // Covered fractions, smoothed over one stored pixel.
            const double bord = std::clamp((Bord - d) * k + 0.5, 0.0, 1.0);
            const double coeur = std::clamp((Coeur - d) * k + 0.5, 0.0, 1.0);
            ligne[px] = melange(melange(ligne[px], Sombre, bord), Cyan, coeur);
        }
    }
    s.marque(Rect{x0, y0, x1 - x0, y1 - y0});
}

} // namespace tlv
