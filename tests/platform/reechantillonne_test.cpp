// The resampler against a plain box filter written here pixel by pixel (the same integer sums in linear
// light, horizontal first, none of the shortcuts), on random pictures, whole and in odd rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "platform/reechantillonne.h"

namespace tlv {
namespace {

// Weight of stored pixel p in display pixel i: the part of p that i covers, in 1 / 2^14, what rounding
// leaves given to the first of the heaviest.
std::vector<std::vector<long long>> poids(int source, int dest) {
    std::vector<std::vector<long long>> w(dest, std::vector<long long>(source, 0));
    for (int i = 0; i < dest; ++i) {
        const long long a = 1LL * i * source, b = a + source;
        long long somme = 0;
        int lourd = 0;
        for (int p = 0; p < source; ++p) {
            w[i][p] = std::max(0LL, std::min(b, 1LL * (p + 1) * dest) - std::max(a, 1LL * p * dest)) * 16384 /
                      source;
            somme += w[i][p];
            if (w[i][p] > w[i][lourd]) lourd = p;
        }
        w[i][lourd] += 16384 - somme;
    }
    return w;
}

std::vector<std::uint32_t> reference(const Surface& s, int dw, int dh) {
    static const auto lin = [] {
        std::vector<long long> l(256);
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            l[c] = std::lround((v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4)) * 65535.0);
        }
        return l;
    }();
    auto srgb = [](long long v) { // the nearest level, the brighter of two as near
        int c = 0;
        for (int d = 1; d < 256; ++d) c = std::abs(lin[d] - v) <= std::abs(lin[c] - v) ? d : c;
        return static_cast<std::uint32_t>(c);
    };
    const int sw = s.largeur_px(), sh = s.hauteur_px();
    const auto wx = poids(sw, dw), wy = poids(sh, dh);
    std::vector<std::uint32_t> v(static_cast<std::size_t>(dw) * dh, 0);
    for (int c = 0; c < 3; ++c) {
        const int decale = 16 - 8 * c;
        std::vector<std::vector<long long>> h(sh, std::vector<long long>(dw, 0));
        for (int sy = 0; sy < sh; ++sy)
            for (int x = 0; x < dw; ++x) {
                for (int p = 0; p < sw; ++p) h[sy][x] += lin[(s.ligne(sy)[p] >> decale) & 255] * wx[x][p];
                h[sy][x] >>= 14;
            }
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                long long t = 0;
                for (int sy = 0; sy < sh; ++sy) t += h[sy][x] * wy[y][sy];
                v[static_cast<std::size_t>(y) * dw + x] |= srgb(t >> 14) << decale;
            }
    }
    return v;
}

// Random colours, flat runs, neighbours differing in one channel alone, repeated rows.
Surface hasard(int w, int h, unsigned graine) {
    Surface s(w, h, 0, 1);
    std::mt19937 g(graine);
    std::uint32_t c = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned tirage = g() % 6;
            if (tirage >= 3) c = g() & 0xFFFFFF;
            if (tirage < 2) c ^= (g() & 0xFF) << (8 * (g() % 3));
            s.ligne(y)[x] = c;
        }
        if (y > 0 && g() % 5 == 0) std::copy(s.ligne(y - 1), s.ligne(y - 1) + w, s.ligne(y));
    }
    return s;
}

using Tailles = std::tuple<int, int, int, int>; // stored, then display
class FiltreExact : public ::testing::TestWithParam<Tailles> {};

// One resampler for all, as the screen uses it: each rectangle starts on rows the one before ended on, in
// other columns; nothing is written outside the picture.
TEST_P(FiltreExact, EveryRectangleEqualsThePlainFilter) {
    const auto [sw, sh, dw, dh] = GetParam();
    const Surface s = hasard(sw, sh, static_cast<unsigned>(sw * 7919 + dw));
    const auto attendu = reference(s, dw, dh);
    Reechantillonneur r;
    r.prepare(sw, sh, dw, dh);
    for (const Rect& d : {Rect{0, 0, dw, dh}, Rect{dw / 3 + 1, dh / 5, dw / 2, dh / 2},
                          Rect{dw / 3 + 1, dh / 5 + 3, 1, dh / 3}, Rect{dw / 2, dh / 2 - 1, dw, dh},
                          Rect{0, dh - 1, dw, 1}, Rect{dw - 3, dh / 2, 3, dh},
                          Rect{-2, dh / 2 + 1, dw / 4, dh / 4}, Rect{-2, -3, dw / 4 + 5, dh / 4 + 4}}) {
        std::vector<std::uint32_t> v(static_cast<std::size_t>(d.w) * d.h, 0xDEADBEEF);
        r.calcule(s, d, v.data(), d.w);
        for (int y = 0; y < d.h; ++y)
            for (int x = 0; x < d.w; ++x) {
                const int X = d.x + x, Y = d.y + y;
                const bool dedans = X >= 0 && Y >= 0 && X < dw && Y < dh;
                ASSERT_EQ(v[static_cast<std::size_t>(y) * d.w + x],
                          dedans ? attendu[static_cast<std::size_t>(Y) * dw + X] : 0xDEADBEEFu)
                    << "rectangle " << d.x << "," << d.y << " " << d.w << "x" << d.h << ", pixel " << X << ","
                    << Y;
            }
    }
}

// 4K (4 -> 4.5), 1920 x 1080 (3 -> 2.25), 1366 x 768 (2 -> 1.6), 800 x 600 (2 -> 1.25), a whole enlargement,
// a big shrink, one axis alone, odd sizes.
INSTANTIATE_TEST_SUITE_P(Rapports, FiltreExact,
                         ::testing::Values(Tailles{64, 48, 72, 54}, Tailles{48, 36, 36, 27},
                                           Tailles{40, 30, 32, 24}, Tailles{40, 30, 25, 19},
                                           Tailles{13, 9, 52, 36}, Tailles{60, 45, 11, 8},
                                           Tailles{30, 20, 30, 47}, Tailles{37, 23, 53, 29},
                                           Tailles{3, 2, 7, 5}));

} // namespace
} // namespace tlv
