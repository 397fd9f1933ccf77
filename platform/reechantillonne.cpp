#include "reechantillonne.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace tlv {

namespace {

constexpr int Un = 1 << 14; // the weights' unit
constexpr int Bloc = 256;   // display pixels filtered at a time along a row

// sRGB to linear light on 16 bits, and back: every colour comes back exactly as it was.
struct Gamma {
    std::array<std::uint16_t, 256> lin{};
    // A whole pixel's 4 values in one word, one channel set in each: red, green, blue.
    std::array<std::array<std::uint64_t, 256>, 3> pixel{};
    std::vector<std::uint8_t> srgb;
    Gamma() : srgb(65536) {
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            const double l = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            lin[c] = static_cast<std::uint16_t>(std::lround(l * 65535.0));
            for (int canal = 0; canal < 3; ++canal) {
                std::uint16_t q[4] = {0, 0, 0, 0};
                q[canal] = lin[c];
                std::memcpy(&pixel[canal][c], q, sizeof q);
            }
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
    std::vector<int> nombre(dest);
    std::vector<std::uint16_t> w; // nombre[i] weights per pixel, one after the other
    debut.assign(dest, 0);
    prises = 0;
    // Display pixel i covers [i * source / dest, (i + 1) * source / dest) of the stored pixels; each stored
    // pixel weighs what of it lies inside. Integer units of 1 / dest keep the bounds exact.
    for (int i = 0; i < dest; ++i) {
        const long long a = static_cast<long long>(i) * source, b = a + source; // in 1 / dest
        const int p0 = static_cast<int>(a / dest), p1 = static_cast<int>((b + dest - 1) / dest);
        const std::size_t premier = w.size();
        debut[i] = p0, nombre[i] = p1 - p0;
        int somme = 0, plus_lourd = 0;
        for (int p = p0; p < p1; ++p) {
            const long long g = std::max<long long>(a, static_cast<long long>(p) * dest);
            const long long d = std::min<long long>(b, static_cast<long long>(p + 1) * dest);
            const int q = static_cast<int>((d - g) * Un / source);
            w.push_back(static_cast<std::uint16_t>(q));
            somme += q;
            if (q > w[premier + plus_lourd]) plus_lourd = p - p0;
        }
        w[premier + plus_lourd] = static_cast<std::uint16_t>(w[premier + plus_lourd] + Un - somme);
        prises = std::max(prises, nombre[i]);
    }
    // The same count for all: a short pixel starts earlier near the far edge, never reading past it.
    poids.assign(static_cast<std::size_t>(dest) * prises, 0);
    std::size_t lu = 0;
    for (int i = 0; i < dest; ++i) {
        const int d = std::min(debut[i], source - prises);
        for (int t = 0; t < nombre[i]; ++t)
            poids[static_cast<std::size_t>(i) * prises + (debut[i] - d) + t] = w[lu++];
        debut[i] = d;
    }
}

void Reechantillonneur::prepare(int sw, int sh, int dw, int dh) {
    if (sw == sw_ && sh == sh_ && dw == dw_ && dh == dh_) return;
    sw_ = sw, sh_ = sh, dw_ = dw, dh_ = dh;
    if (identite()) return;
    h_.calcule(sw, dw);
    v_.calcule(sh, dh);
    const int t = h_.prises;
    poids_h_.assign(static_cast<std::size_t>(t) * dw * 4, 0);
    for (int i = 0; i < t; ++i)
        for (int x = 0; x < dw; ++x)
            std::fill_n(poids_h_.begin() + (static_cast<std::ptrdiff_t>(i) * dw + x) * 4, 4,
                        h_.poids[static_cast<std::size_t>(x) * t + i]);
    cueillis_.assign(static_cast<std::size_t>(t) * Bloc * 4, 0);
    // Display rows read windows of stored rows that only move down: a ring as long as one window keeps
    // every row still needed.
    cle_.assign(v_.prises, -1);
    rangs_.assign(v_.prises, nullptr);
    lineaire_.assign(static_cast<std::size_t>(sw) * 4, 0);
    lignes_.assign(static_cast<std::size_t>(v_.prises) * dw * 4, 0);
    filtree_.assign(static_cast<std::size_t>(dw) * 4, 0);
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

namespace {

// The taps of one axis: T of them when known here, else `t` (a big shrink).
template <int T> inline int nombre_prises(int t) {
    return T > 0 ? T : t;
}

// Display pixels [0, n) of one stored row, by blocks that stay in the first cache: `lin` is the row in
// linear light from its first stored pixel read, `debut` where each display pixel starts in it, `poids` the
// weights of tap i at poids[i * pas + 4 * x + c].
template <int T>
void filtre_horizontal(const std::uint16_t* lin, const int* debut, int origine, const std::uint16_t* poids,
                       std::ptrdiff_t pas, int n, int t, std::uint16_t* cueillis, std::uint16_t* sortie) {
    const int prises = nombre_prises<T>(t);
    for (int b = 0; b < n; b += Bloc) {
        const int m = std::min(Bloc, n - b);
        for (int x = 0; x < m; ++x) {
            const std::uint16_t* q = lin + static_cast<std::ptrdiff_t>(debut[b + x] - origine) * 4;
            for (int i = 0; i < prises; ++i) std::memcpy(cueillis + (i * Bloc + x) * 4, q + i * 4, 8);
        }
        const std::uint16_t* w = poids + static_cast<std::ptrdiff_t>(b) * 4;
        std::uint16_t* o = sortie + static_cast<std::ptrdiff_t>(b) * 4;
        for (int j = 0; j < m * 4; ++j) {
            std::uint32_t s = 0;
            for (int i = 0; i < prises; ++i)
                s += cueillis[i * Bloc * 4 + j] * static_cast<std::uint32_t>(w[i * pas + j]);
            o[j] = static_cast<std::uint16_t>(s >> 14);
        }
    }
}

// n values of one display row from the rows it reads, each with its weight.
template <int T>
void filtre_vertical(const std::uint16_t* const* rangs, const std::uint16_t* poids, int n, int t,
                     std::uint16_t* sortie) {
    const int prises = nombre_prises<T>(t);
    // Held in locals, the rows and weights stay in registers across the loop.
    const std::uint16_t* r[T > 0 ? T : 1];
    std::uint32_t w[T > 0 ? T : 1];
    if constexpr (T > 0)
        for (int i = 0; i < T; ++i) r[i] = rangs[i], w[i] = poids[i];
    for (int j = 0; j < n; ++j) {
        std::uint32_t s = 0;
        if constexpr (T > 0)
            for (int i = 0; i < T; ++i) s += r[i][j] * w[i];
        else
            for (int i = 0; i < prises; ++i) s += rangs[i][j] * static_cast<std::uint32_t>(poids[i]);
        sortie[j] = static_cast<std::uint16_t>(s >> 14);
    }
}

} // namespace

void Reechantillonneur::ligne_horizontale(const Surface& src, int sy, int x0, int x1, std::uint16_t* sortie) {
    const auto& lin = gamma().pixel;
    // The stored pixels these display pixels read, in linear light once each.
    const int t = h_.prises;
    const int p0 = h_.debut[x0], p1 = h_.debut[x1 - 1] + t;
    const std::uint32_t* s = src.ligne(sy) + p0;
    std::uint16_t* l = lineaire_.data();
    std::uint32_t avant = s[0];
    std::uint64_t q = lin[0][(avant >> 16) & 255] | lin[1][(avant >> 8) & 255] | lin[2][avant & 255];
    for (int p = 0; p < p1 - p0; ++p, l += 4) {
        const std::uint32_t c = s[p];
        if (c != avant) {
            avant = c;
            q = lin[0][(c >> 16) & 255] | lin[1][(c >> 8) & 255] | lin[2][c & 255];
        }
        std::memcpy(l, &q, sizeof q);
    }
    const int* debut = h_.debut.data() + x0;
    const std::uint16_t* poids = poids_h_.data() + static_cast<std::ptrdiff_t>(x0) * 4;
    const std::ptrdiff_t pas = static_cast<std::ptrdiff_t>(dw_) * 4;
    const int n = x1 - x0;
    const std::uint16_t* l0 = lineaire_.data();
    std::uint16_t* c = cueillis_.data();
    switch (t) {
    case 1:
        filtre_horizontal<1>(l0, debut, p0, poids, pas, n, t, c, sortie);
        break;
    case 2:
        filtre_horizontal<2>(l0, debut, p0, poids, pas, n, t, c, sortie);
        break;
    case 3:
        filtre_horizontal<3>(l0, debut, p0, poids, pas, n, t, c, sortie);
        break;
    default:
        filtre_horizontal<0>(l0, debut, p0, poids, pas, n, t, c, sortie);
        break;
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
    const int n = x1 - x0, t = v_.prises;
    const std::size_t largeur = static_cast<std::size_t>(n) * 4;
    // Rows filtered by an earlier call may have covered other columns.
    std::fill(cle_.begin(), cle_.end(), -1);
    for (int y = y0; y < y1; ++y, sortie += pas) {
        // The rows this one reads, each filtered horizontally once.
        const int premier = v_.debut[y];
        for (int i = 0; i < t; ++i) {
            const int sy = premier + i, place = sy % t;
            std::uint16_t* l = lignes_.data() + largeur * place;
            if (cle_[place] != sy) {
                ligne_horizontale(src, sy, x0, x1, l);
                cle_[place] = sy;
            }
            rangs_[i] = l;
        }
        const std::uint16_t* w = v_.poids.data() + static_cast<std::ptrdiff_t>(y) * t;
        std::uint16_t* f = filtree_.data();
        const int m = n * 4;
        switch (t) {
        case 1:
            filtre_vertical<1>(rangs_.data(), w, m, t, f);
            break;
        case 2:
            filtre_vertical<2>(rangs_.data(), w, m, t, f);
            break;
        case 3:
            filtre_vertical<3>(rangs_.data(), w, m, t, f);
            break;
        default:
            filtre_vertical<0>(rangs_.data(), w, m, t, f);
            break;
        }
        // Flat runs (cloth, card faces) are coded once.
        std::uint64_t avant = ~std::uint64_t{0};
        std::uint32_t code = 0;
        for (int x = 0; x < n; ++x, f += 4) {
            std::uint64_t v;
            std::memcpy(&v, f, sizeof v);
            if (v != avant) {
                avant = v;
                code = (static_cast<std::uint32_t>(srgb[f[0]]) << 16) |
                       (static_cast<std::uint32_t>(srgb[f[1]]) << 8) | srgb[f[2]];
            }
            sortie[x] = code;
        }
    }
}

} // namespace tlv
