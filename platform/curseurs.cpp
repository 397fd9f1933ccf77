#include "curseurs.h"

#include <algorithm>
#include <cmath>

namespace tlv {

namespace {

constexpr std::uint32_t Noir = 0xFF000000, Cyan = 0xFF00FFFF, Or = 0xFFD6AA3C, Verre = 0xFFD8F4F4;

// The pointers are shapes, traced at the window's scale so that they stay sharp on any display: a
// coordinate system of the classic pointer's pixels (the arrow is 12 x 17 of them), a black edge one of
// them thick.
struct Pt {
    double x, y;
};

double segment(Pt p, Pt a, Pt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
    const double t = l > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Signed distance to a polygon: negative inside.
template <std::size_t N> double polygone(Pt p, const Pt (&s)[N]) {
    double d = 1e9;
    bool dedans = false;
    for (std::size_t i = 0, j = N - 1; i < N; j = i++) {
        d = std::min(d, segment(p, s[j], s[i]));
        if ((s[i].y > p.y) != (s[j].y > p.y) &&
            p.x < (s[j].x - s[i].x) * (p.y - s[i].y) / (s[j].y - s[i].y) + s[i].x)
            dedans = !dedans;
    }
    return dedans ? -d : d;
}

double capsule(Pt p, Pt a, Pt b, double r) {
    return segment(p, a, b) - r;
}

// Signed distance to a rectangle with rounded corners of radius r.
double boite(Pt p, double x0, double y0, double x1, double y1, double r) {
    const double qx = std::abs(p.x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r);
    const double qy = std::abs(p.y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
}

// The colour of each shape at a point (0: nothing there).
std::uint32_t fleche(Pt p) {
    static constexpr Pt Contour[] = {{0, 0},      {0, 16.2},   {4.1, 12.3}, {6.7, 17.2},
                                     {8.9, 16.2}, {6.4, 11.4}, {11.6, 11.4}};
    const double d = polygone(p, Contour);
    if (d > 0) return 0;
    if (d > -1) return Noir;
    return Cyan;
}

std::uint32_t main_(Pt p) {
    static constexpr double R = 1.9;
    const double doigts[4] = {capsule(p, {6, 2}, {6, 10}, R), capsule(p, {9, 6.2}, {9, 10}, R),
                              capsule(p, {12, 7}, {12, 10}, R), capsule(p, {14.6, 8.2}, {14.6, 10}, R)};
    const double paume = boite(p, 4.1, 8.5, 16.4, 17.6, 2.6), pouce = capsule(p, {1.7, 9.4}, {4.6, 12.6}, R);
    const double d = std::min({doigts[0], doigts[1], doigts[2], doigts[3], paume, pouce});
    if (d > 0) return 0;
    if (d > -1) return Noir;
    // Each finger's left edge stays drawn down to the palm.
    static constexpr double Centres[4] = {6, 9, 12, 14.6};
    for (int i = 1; i < 4; ++i)
        if (p.y < 9.6 && p.x < Centres[i] && std::abs(doigts[i]) < 0.5) return Noir;
    return Cyan;
}

std::uint32_t sablier(Pt p) {
    static constexpr Pt Haut[] = {{1.3, 2.8},   {11.7, 2.8}, {7.1, 8.4}, {7.1, 9.6},
                                  {11.9, 15.2}, {1.1, 15.2}, {5.9, 9.6}, {5.9, 8.4}};
    const double verre = polygone(p, Haut);
    const double barres = std::min(boite(p, 0, 0, 13, 3, 0.6), boite(p, 0, 15, 13, 18, 0.6));
    const double d = std::min(verre, barres);
    if (d > 0) return 0;
    if (d > -1) return Noir;
    if (barres < 0) return Or;
    // Sand above, running down the neck to a heap below.
    static constexpr Pt SableHaut[] = {{2.6, 3.8}, {10.4, 3.8}, {6.5, 8.6}};
    static constexpr Pt Tas[] = {{6.5, 11.2}, {11, 14.9}, {2, 14.9}};
    if (polygone(p, SableHaut) < 0 || polygone(p, Tas) < 0 || (std::abs(p.x - 6.5) < 0.5 && p.y < 12))
        return Cyan;
    return Verre;
}

// Traced at `echelle` window pixels a pointer pixel, each window pixel the mean of 4 x 4 samples.
DessinCurseur trace(std::uint32_t (*forme_)(Pt), double w, double h, Pt point, double echelle) {
    echelle = std::max(1.0, echelle);
    DessinCurseur d;
    d.largeur = static_cast<int>(std::ceil(w * echelle)),
    d.hauteur = static_cast<int>(std::ceil(h * echelle));
    d.pointx = static_cast<int>(point.x * echelle), d.pointy = static_cast<int>(point.y * echelle);
    d.pixels.assign(static_cast<std::size_t>(d.largeur * d.hauteur), 0);
    for (int y = 0; y < d.hauteur; ++y)
        for (int x = 0; x < d.largeur; ++x) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) {
                    const std::uint32_t c =
                        forme_({(x + (i + 0.5) / 4) / echelle, (y + (j + 0.5) / 4) / echelle});
                    if (!c) continue;
                    a += 1, r += (c >> 16) & 255, g += (c >> 8) & 255, b += c & 255;
                }
            if (a == 0) continue;
            // Straight colour (the mean of the samples drawn) and its coverage as alpha.
            auto canal = [&](double v, int dec) {
                return static_cast<std::uint32_t>(std::lround(v / a)) << dec;
            };
            d.pixels[static_cast<std::size_t>(y * d.largeur + x)] =
                (static_cast<std::uint32_t>(std::lround(a * 255 / 16)) << 24) | canal(r, 16) | canal(g, 8) |
                canal(b, 0);
        }
    return d;
}

} // namespace

FormeCurseur forme(Curseur c) {
    switch (c) {
    case Curseur::Carte:
        return FormeCurseur::Main;
    case Curseur::Occupe:
        return FormeCurseur::Sablier;
    default:
        return FormeCurseur::Fleche;
    }
}

DessinCurseur dessin(FormeCurseur f, double echelle) {
    switch (f) {
    case FormeCurseur::Main:
        return trace(main_, 17, 19, {6, 0.6}, echelle);
    case FormeCurseur::Sablier:
        return trace(sablier, 13, 18, {6.5, 9}, echelle);
    default:
        return trace(fleche, 12, 18, {0.5, 0.5}, echelle);
    }
}

} // namespace tlv
