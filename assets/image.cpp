#include "assets/image.h"

#include <algorithm>
#include <cmath>

namespace tlv {

Couleur melange(const Couleur& c1, const Couleur& c2, float t) {
    return {c1.r + (c2.r - c1.r) * t, c1.g + (c2.g - c1.g) * t, c1.b + (c2.b - c1.b) * t,
            c1.a + (c2.a - c1.a) * t};
}

void pose(Couleur& d, const Couleur& c, float k) {
    float a = std::clamp(c.a * k, 0.f, 1.f);
    if (a <= 0.f) return;
    float ao = a + d.a * (1 - a);
    if (ao <= 0.f) return;
    d.r = (c.r * a + d.r * d.a * (1 - a)) / ao;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / ao;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / ao;
    d.a = ao;
}

Couleur Image::echantillon(float x, float y) const {
    x -= 0.5f;
    y -= 0.5f;
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    float fx = x - x0, fy = y - y0;
    // Premultiplied interpolation so transparent neighbours do not darken edges.
    float r = 0, g = 0, b = 0, a = 0;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            int xx = x0 + i, yy = y0 + j;
            if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
            float poids = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
            const Couleur& c = at(xx, yy);
            r += c.r * c.a * poids;
            g += c.g * c.a * poids;
            b += c.b * c.a * poids;
            a += c.a * poids;
        }
    if (a <= 1e-6f) return {0, 0, 0, 0};
    return {r / a, g / a, b / a, a};
}

void compose(Image& img, const Masque& m, int ox, int oy,
             const std::function<Couleur(float, float)>& teinte) {
    for (int y = 0; y < m.h; ++y) {
        int iy = y + oy;
        if (iy < 0 || iy >= img.h) continue;
        for (int x = 0; x < m.w; ++x) {
            int ix = x + ox;
            if (ix < 0 || ix >= img.w) continue;
            float k = m.at(x, y);
            if (k <= 0.f) continue;
            pose(img.at(ix, iy), teinte((ix + 0.5f) / img.k, (iy + 0.5f) / img.k), k);
        }
    }
}

void compose(Image& img, const Masque& m, int ox, int oy, Couleur c) {
    compose(img, m, ox, oy, [c](float, float) { return c; });
}

void colle(Image& dst, const Image& src, int x, int y) {
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) {
            int dx = x + i, dy = y + j;
            if (dx < 0 || dy < 0 || dx >= dst.w || dy >= dst.h) continue;
            const Couleur& c = src.at(i, j);
            pose(dst.at(dx, dy), {c.r, c.g, c.b, 1}, c.a);
        }
}

void copie(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int xs = sx + i, ys = sy + j, xd = dx + i, yd = dy + j;
            if (xs < 0 || ys < 0 || xs >= src.w || ys >= src.h) continue;
            if (xd < 0 || yd < 0 || xd >= dst.w || yd >= dst.h) continue;
            dst.at(xd, yd) = src.at(xs, ys);
        }
}

Image decoupe(const Image& src, int x, int y, int w, int h) {
    Image r(w, h, {0, 0, 0, 0});
    r.k = src.k;
    copie(r, 0, 0, src, x, y, w, h);
    return r;
}

namespace {
// One box pass of radius r along rows (horiz) or columns, with zero outside.
void passe(std::vector<float>& v, int w, int h, int r, bool horiz) {
    int n = horiz ? w : h, lignes = horiz ? h : w;
    std::vector<float> tmp(n), pref(n + 1);
    for (int l = 0; l < lignes; ++l) {
        auto idx = [&](int i) {
            return horiz ? static_cast<size_t>(l) * w + i : static_cast<size_t>(i) * w + l;
        };
        pref[0] = 0;
        for (int i = 0; i < n; ++i) pref[i + 1] = pref[i] + v[idx(i)];
        for (int i = 0; i < n; ++i) {
            int a = std::max(0, i - r), b = std::min(n, i + r + 1);
            tmp[i] = (pref[b] - pref[a]) / (2 * r + 1);
        }
        for (int i = 0; i < n; ++i) v[idx(i)] = tmp[i];
    }
}
} // namespace

Masque flou(const Masque& m, float rayon, int k) {
    Masque r = m;
    int rr = std::max(1, static_cast<int>(std::lround(rayon / 1.7f))) * k;
    for (int n = 0; n < 3; ++n) {
        passe(r.v, r.w, r.h, rr, true);
        passe(r.v, r.w, r.h, rr, false);
    }
    return r;
}

Masque elargi(const Masque& m, int marge) {
    Masque r(m.w + 2 * marge, m.h + 2 * marge);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) r.at(x + marge, y + marge) = m.at(x, y);
    return r;
}

Image reduit(const Image& src, int f) {
    return redimensionne(src, src.w / f, src.h / f);
}

Image redimensionne(const Image& src, int w, int h) {
    Image r(w, h, {0, 0, 0, 0});
    double sx = static_cast<double>(src.w) / w, sy = static_cast<double>(src.h) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            double cr = 0, cg = 0, cb = 0, ca = 0, tot = 0;
            for (int j = static_cast<int>(y0); j < std::min<double>(y1, src.h); ++j) {
                double wy = std::min<double>(j + 1, y1) - std::max<double>(j, y0);
                for (int i = static_cast<int>(x0); i < std::min<double>(x1, src.w); ++i) {
                    double wx = std::min<double>(i + 1, x1) - std::max<double>(i, x0);
                    double k = wx * wy;
                    const Couleur& c = src.at(i, j);
                    cr += c.r * c.a * k;
                    cg += c.g * c.a * k;
                    cb += c.b * c.a * k;
                    ca += c.a * k;
                    tot += k;
                }
            }
            if (ca > 1e-9)
                r.at(x, y) = {static_cast<float>(cr / ca), static_cast<float>(cg / ca),
                              static_cast<float>(cb / ca), static_cast<float>(ca / tot)};
        }
    return r;
}

float hasard(int x, int y, uint32_t graine) {
    uint32_t h =
        static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + graine * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.f;
}

float bruit(float x, float y, uint32_t graine) {
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    float fx = x - x0, fy = y - y0;
    auto lisse = [](float t) { return t * t * (3 - 2 * t); };
    float sx = lisse(fx), sy = lisse(fy);
    float a = hasard(x0, y0, graine), b = hasard(x0 + 1, y0, graine);
    float c = hasard(x0, y0 + 1, graine), d = hasard(x0 + 1, y0 + 1, graine);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float bruitfractal(float x, float y, float echelle, int octaves, uint32_t graine) {
    float s = 0, amp = 1, tot = 0;
    for (int o = 0; o < octaves; ++o) {
        s += bruit(x / echelle, y / echelle, graine + o * 101u) * amp;
        tot += amp;
        amp *= 0.5f;
        echelle *= 0.5f;
    }
    return s / tot;
}

} // namespace tlv
