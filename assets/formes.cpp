#include "assets/formes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tlv {

namespace {
constexpr float pi = std::numbers::pi_v<float>;

float distpolygone(const std::vector<Pt>& v, float px, float py) {
    float d = (px - v[0].x) * (px - v[0].x) + (py - v[0].y) * (py - v[0].y);
    float s = 1;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = px - v[i].x, wy = py - v[i].y;
        float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.f, 1.f);
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = py >= v[i].y, c2 = py<v[j].y, c3 = ex * wy> ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

// A quadratic curve from a to b bowed by control point c, sampled into pts (without b).
void courbe(std::vector<Pt>& pts, Pt a, Pt c, Pt b, int n) {
    for (int i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / n, u = 1 - t;
        pts.push_back(
            {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y});
    }
}

std::vector<Pt> coeurpoints() {
    std::vector<Pt> p;
    for (int i = 0; i < 160; ++i) {
        float t = 2 * pi * i / 160;
        float x = 16 * std::pow(std::sin(t), 3.f);
        float y = -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
        p.push_back({x, y});
    }
    // Fit to one unit of height, centred.
    float y0 = 1e9f, y1 = -1e9f;
    for (auto& q : p) y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
    float k = 1.f / (y1 - y0), ym = (y0 + y1) / 2;
    for (auto& q : p) q = {q.x * k * 0.92f, (q.y - ym) * k};
    return p;
}

Forme pied(float haut, float bas, float demi) {
    // A stem flaring towards its foot, with curved sides.
    std::vector<Pt> p;
    courbe(p, {-0.03f, haut}, {-0.02f, bas - 0.06f}, {-demi, bas}, 12);
    p.push_back({-demi, bas});
    courbe(p, {demi, bas}, {0.02f, bas - 0.06f}, {0.03f, haut}, 12);
    p.push_back({0.03f, haut});
    return polygone(p);
}
} // namespace

namespace {
// The shape rasterised over the pixels its placed bounds cover, clipped to w x h: the mask starts at (x0,
// y0).
struct Zone {
    Masque m;
    int x0 = 0, y0 = 0;
};

Zone tracezone(int w, int h, const Forme& f, const Place& pl) {
    float co = std::cos(pl.angle), si = std::sin(pl.angle);
    // Bounding box of the placed shape, from its four corners.
    float bx0 = 1e9f, by0 = 1e9f, bx1 = -1e9f, by1 = -1e9f;
    for (float u : {f.x0, f.x1})
        for (float v : {f.y0, f.y1}) {
            float x = pl.cx + (u * co - v * si) * pl.echelle, y = pl.cy + (u * si + v * co) * pl.echelle;
            bx0 = std::min(bx0, x), bx1 = std::max(bx1, x), by0 = std::min(by0, y), by1 = std::max(by1, y);
        }
    int xa = std::max(0, static_cast<int>(bx0) - 2), xb = std::min(w, static_cast<int>(bx1) + 3);
    int ya = std::max(0, static_cast<int>(by0) - 2), yb = std::min(h, static_cast<int>(by1) + 3);
    Zone z{Masque(std::max(0, xb - xa), std::max(0, yb - ya)), xa, ya};
    for (int y = ya; y < yb; ++y)
        for (int x = xa; x < xb; ++x) {
            float dx = x + 0.5f - pl.cx, dy = y + 0.5f - pl.cy;
            float u = (dx * co + dy * si) / pl.echelle, v = (-dx * si + dy * co) / pl.echelle;
            float d = f.d(u, v) * pl.echelle;
            z.m.at(x - xa, y - ya) = std::clamp(0.5f - d, 0.f, 1.f);
        }
    return z;
}

// A placement in units turned into pixels of a picture k times finer.
Place enpixels(const Place& pl, int k) {
    return {pl.cx * k, pl.cy * k, pl.echelle * k, pl.angle};
}
} // namespace

Masque trace(int w, int h, const Forme& f, const Place& pl) {
    Zone z = tracezone(w, h, f, pl);
    Masque m(w, h);
    for (int y = 0; y < z.m.h; ++y)
        for (int x = 0; x < z.m.w; ++x) m.at(z.x0 + x, z.y0 + y) = z.m.at(x, y);
    return m;
}

Masque trace(const Image& img, const Forme& f, const Place& pl) {
    return trace(img.w, img.h, f, enpixels(pl, img.k));
}

void remplit(Image& img, const Forme& f, const Place& pl, Couleur c) {
    Zone z = tracezone(img.w, img.h, f, enpixels(pl, img.k));
    compose(img, z.m, z.x0, z.y0, c);
}

void remplit(Image& img, const Forme& f, const Place& pl,
             const std::function<Couleur(float, float)>& teinte) {
    Zone z = tracezone(img.w, img.h, f, enpixels(pl, img.k));
    compose(img, z.m, z.x0, z.y0, teinte);
}

Forme cercle(float cx, float cy, float r) {
    return {[=](float x, float y) { return std::hypot(x - cx, y - cy) - r; }, cx - r, cy - r, cx + r, cy + r};
}

Forme rectarrondi(float x0, float y0, float x1, float y1, float r) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    return {[=](float x, float y) {
                float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
                return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - r;
            },
            x0, y0, x1, y1};
}

Forme polygone(std::vector<Pt> pts) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (auto& p : pts)
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    return {[v = std::move(pts)](float x, float y) { return distpolygone(v, x, y); }, x0, y0, x1, y1};
}

Forme unionf(const Forme& a, const Forme& b) {
    return {[da = a.d, db = b.d](float x, float y) { return std::min(da(x, y), db(x, y)); },
            std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Forme sauf(const Forme& a, const Forme& b) {
    return {[da = a.d, db = b.d](float x, float y) { return std::max(da(x, y), -db(x, y)); }, a.x0, a.y0,
            a.x1, a.y1};
}

Forme intersection(const Forme& a, const Forme& b) {
    return {[da = a.d, db = b.d](float x, float y) { return std::max(da(x, y), db(x, y)); }, a.x0, a.y0, a.x1,
            a.y1};
}

Forme contour(const Forme& a, float e) {
    return {[da = a.d, e](float x, float y) { return std::abs(da(x, y)) - e / 2; }, a.x0 - e, a.y0 - e,
            a.x1 + e, a.y1 + e};
}

Forme decale(const Forme& a, float dx, float dy) {
    return {[da = a.d, dx, dy](float x, float y) { return da(x - dx, y - dy); }, a.x0 + dx, a.y0 + dy,
            a.x1 + dx, a.y1 + dy};
}

Forme enseigne(int couleur) {
    switch (couleur) {
    case 1: { // pique: a heart upside down over a flared stem
        auto p = coeurpoints();
        for (auto& q : p) q = {q.x * 0.95f, -q.y * 0.78f - 0.1f};
        return unionf(polygone(p), pied(0.1f, 0.5f, 0.2f));
    }
    case 2: { // carreau: a lozenge with gently hollowed sides
        std::vector<Pt> p;
        Pt h{0, -0.5f}, d{0.37f, 0}, b{0, 0.5f}, g{-0.37f, 0};
        courbe(p, h, {0.15f, -0.2f}, d, 16);
        courbe(p, d, {0.15f, 0.2f}, b, 16);
        courbe(p, b, {-0.15f, 0.2f}, g, 16);
        courbe(p, g, {-0.15f, -0.2f}, h, 16);
        return polygone(p);
    }
    case 3: { // trefle: three leaves and a stem
        Forme f = unionf(cercle(0, -0.255f, 0.215f), cercle(-0.235f, 0.085f, 0.215f));
        f = unionf(f, cercle(0.235f, 0.085f, 0.215f));
        f = unionf(f, cercle(0, 0, 0.12f));
        return unionf(f, pied(0.0f, 0.5f, 0.19f));
    }
    default: { // coeur
        return polygone(coeurpoints());
    }
    }
}

Couleur encre(int couleur) {
    return couleur == 2 || couleur == 4 ? rgb(196, 18, 32) : rgb(22, 22, 26);
}

} // namespace tlv
