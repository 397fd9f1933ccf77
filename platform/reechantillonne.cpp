#include "reechantillonne.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tlv {

namespace {

constexpr int Un = 1 << 14; // the weights' unit

// sRGB to linear light on 16 bits, and back: every colour comes back exactly as it was.
struct Gamma {
    std::array<std::uint16_t, 256> lin{};
    std::vector<std::uint8_t> srgb;
    Gamma() : srgb(65536) {
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            const double l = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            lin[c] = static_cast<std::uint16_t>(std::lround(l * 65535.0));
        }
        int c = 0;
        for (int v = 0; v < 65536; ++v) {
            // The nearest colour: move on while the next one is closer.
            while (c < 255 && std::abs(lin[c + 1] - v) <= std::abs(lin[c] - v)) ++c;
            srgb[v] = static_cast<std::uint8_t>(c);
        }
    }
};
const Gamma& gamma() {
    static const Gamma g;
    return g;
}

} // namespace

void Reechantillonneur::Axe::calcule(int source, int dest) {
    debut.assign(dest, 0), nombre.assign(dest, 0), indice.assign(dest, 0);
    poids.clear();
    max = 0;
    // Display pixel i covers [i * source / dest, (i + 1) * source / dest) of the stored pixels; each stored
    // pixel weighs what of it lies inside. Integer units of 1 / dest keep the bounds exact.
    for (int i = 0; i < dest; ++i) {
        const long long a = static_cast<long long>(i) * source, b = a + source; // in 1 / dest
        const int p0 = static_cast<int>(a / dest), p1 = static_cast<int>((b + dest - 1) / dest);
        debut[i] = p0, nombre[i] = p1 - p0, indice[i] = static_cast<int>(poids.size());
        int somme = 0, plus_lourd = 0;
        for (int p = p0; p < p1; ++p) {
            const long long g = std::max<long long>(a, static_cast<long long>(p) * dest);
            const long long d = std::min<long long>(b, static_cast<long long>(p + 1) * dest);
            const int w = static_cast<int>((d - g) * Un / source);
            poids.push_back(static_cast<std::uint16_t>(w));
            somme += w;
            if (w > poids[indice[i] + plus_lourd]) plus_lourd = p - p0;
        }
        poids[indice[i] + plus_lourd] =
            static_cast<std::uint16_t>(poids[indice[i] + plus_lourd] + Un - somme);
        max = std::max(max, nombre[i]);
    }
}

void Reechantillonneur::prepare(int sw, int sh, int dw, int dh) {
    if (sw == sw_ && sh == sh_ && dw == dw_ && dh == dh_) return;
    sw_ = sw, sh_ = sh, dw_ = dw, dh_ = dh;
    if (identite()) return;
    h_.calcule(sw, dw);
    v_.calcule(sh, dh);
    cle_.assign(v_.max + 1, -1);
    rangs_.assign(v_.max, nullptr);
    lineaire_.assign(static_cast<std::size_t>(sw) * 3, 0);
    lignes_.assign(static_cast<std::size_t>(cle_.size()) * dw * 3, 0);
}

Rect Reechantillonneur::couvre(const Rect& r) const {
    if (identite() || sw_ <= 0 || sh_ <= 0) return r;
    auto etend = [](int a, int b, int s, int d, int& o0, int& o1) {
        o0 = std::clamp(static_cast<int>(static_cast<long long>(a) * d / s) - 1, 0, d);
        o1 = std::clamp(static_cast<int>((static_cast<long long>(b) * d + s - 1) / s) + 1, 0, d);
    };
    int x0, x1, y0, y1;
    etend(r.x, r.x + r.w, sw_, dw_, x0, x1);
    etend(r.y, r.y + r.h, sh_, dh_, y0, y1);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

void Reechantillonneur::ligne_horizontale(const Surface& src, int sy, int x0, int x1, std::uint16_t* sortie) {
    const auto& lin = gamma().lin;
    // The stored pixels these display pixels read, in linear light once each.
    const int p0 = h_.debut[x0], p1 = h_.debut[x1 - 1] + h_.nombre[x1 - 1];
    const std::uint32_t* s = src.ligne(sy);
    std::uint16_t* l = lineaire_.data();
    for (int p = p0; p < p1; ++p, l += 3) {
        const std::uint32_t c = s[p];
        l[0] = lin[(c >> 16) & 255], l[1] = lin[(c >> 8) & 255], l[2] = lin[c & 255];
    }
    for (int x = x0; x < x1; ++x) {
        const std::uint16_t* w = h_.poids.data() + h_.indice[x];
        const std::uint16_t* p = lineaire_.data() + static_cast<std::ptrdiff_t>(h_.debut[x] - p0) * 3;
        std::uint32_t r = 0, g = 0, b = 0;
        for (int t = 0; t < h_.nombre[x]; ++t, p += 3) {
            const std::uint32_t q = w[t];
            r += p[0] * q, g += p[1] * q, b += p[2] * q;
        }
        std::uint16_t* o = sortie + static_cast<std::ptrdiff_t>(x) * 3;
        o[0] = static_cast<std::uint16_t>(r >> 14), o[1] = static_cast<std::uint16_t>(g >> 14),
        o[2] = static_cast<std::uint16_t>(b >> 14);
    }
}

void Reechantillonneur::calcule(const Surface& src, const Rect& d, std::uint32_t* sortie,
                                std::ptrdiff_t pas) {
    const int x0 = std::max(0, d.x), x1 = std::min(dw_, d.x + d.w);
    const int y0 = std::max(0, d.y), y1 = std::min(dh_, d.y + d.h);
    if (x0 >= x1 || y0 >= y1) return;
    sortie += static_cast<std::ptrdiff_t>(y0 - d.y) * pas + (x0 - d.x);
    if (identite()) {
        for (int y = y0; y < y1; ++y, sortie += pas) std::copy(src.ligne(y) + x0, src.ligne(y) + x1, sortie);
        return;
    }
    const auto& srgb = gamma().srgb;
    const std::size_t largeur = static_cast<std::size_t>(dw_) * 3;
    std::fill(cle_.begin(), cle_.end(), -1);
    for (int y = y0; y < y1; ++y, sortie += pas) {
        // The rows this one reads, each filtered horizontally once: rows come in order, so a ring of one
        // more than the most any display row reads never drops one still needed.
        const int n = v_.nombre[y], premier = v_.debut[y];
        for (int t = 0; t < n; ++t) {
            const int sy = premier + t, place = sy % static_cast<int>(cle_.size());
            std::uint16_t* l = lignes_.data() + largeur * place;
            if (cle_[place] != sy) {
                ligne_horizontale(src, sy, x0, x1, l);
                cle_[place] = sy;
            }
            rangs_[t] = l;
        }
        const std::uint16_t* w = v_.poids.data() + v_.indice[y];
        for (int x = x0; x < x1; ++x) {
            std::uint32_t c[3] = {0, 0, 0};
            for (int t = 0; t < n; ++t) {
                const std::uint16_t* p = rangs_[t] + static_cast<std::ptrdiff_t>(x) * 3;
                for (int i = 0; i < 3; ++i) c[i] += p[i] * static_cast<std::uint32_t>(w[t]);
            }
            sortie[x - x0] = (static_cast<std::uint32_t>(srgb[c[0] >> 14]) << 16) |
                             (static_cast<std::uint32_t>(srgb[c[1] >> 14]) << 8) | srgb[c[2] >> 14];
        }
    }
}

} // namespace tlv
