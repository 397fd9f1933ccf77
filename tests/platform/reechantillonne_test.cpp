// The resampler against a plain box filter written here pixel by pixel: the same integer sums, in linear
// light, horizontal first, with none of the resampler's shortcuts (fixed tap counts, gathered pixels, the
// ring of filtered rows, flat runs), on random pictures, whole or in odd rectangles.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <random>
#include <tuple>

#include "platform/reechantillonne.h"

namespace tlv {
namespace {

constexpr int Un = 1 << 14;

struct Reference {
    std::array<int, 256> lin{};
    std::vector<std::uint8_t> srgb = std::vector<std::uint8_t>(65536);
    Reference() {
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            lin[c] = static_cast<int>(
                std::lround((v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4)) * 65535.0));
        }
        // The nearest level; between two as near, the brighter.
        for (int v = 0; v < 65536; ++v) {
            int meilleur = 0;
            for (int c = 1; c < 256; ++c)
                if (std::abs(lin[c] - v) <= std::abs(lin[meilleur] - v)) meilleur = c;
            srgb[v] = static_cast<std::uint8_t>(meilleur);
        }
    }
    // The weight of stored pixel p in display pixel i: the part of p that i's square covers, in 1 / Un, the
    // rounding left over given to the first of the heaviest.
    static std::vector<std::vector<int>> poids(int source, int dest) {
        std::vector<std::vector<int>> w(dest, std::vector<int>(source, 0));
        for (int i = 0; i < dest; ++i) {
            const long long a = 1LL * i * source, b = a + source;
            int somme = 0, lourd = -1;
            for (int p = 0; p < source; ++p) {
                const long long recouvre = std::min(b, 1LL * (p + 1) * dest) - std::max(a, 1LL * p * dest);
                if (recouvre <= 0) continue;
                w[i][p] = static_cast<int>(recouvre * Un / source);
                somme += w[i][p];
                if (lourd < 0 || w[i][p] > w[i][lourd]) lourd = p;
            }
            w[i][lourd] += Un - somme;
        }
        return w;
    }
    std::vector<std::uint32_t> image(const Surface& s, int dw, int dh) const {
        const int sw = s.largeur_px(), sh = s.hauteur_px();
        const auto wx = poids(sw, dw), wy = poids(sh, dh);
        // Each stored row filtered horizontally, per channel.
        std::vector<std::array<long long, 3>> h(static_cast<std::size_t>(sh) * dw);
        for (int sy = 0; sy < sh; ++sy)
            for (int x = 0; x < dw; ++x)
                for (int c = 0; c < 3; ++c) {
                    long long t = 0;
                    for (int p = 0; p < sw; ++p)
                        t += 1LL * lin[(s.ligne(sy)[p] >> (16 - 8 * c)) & 255] * wx[x][p];
                    h[static_cast<std::size_t>(sy) * dw + x][c] = t >> 14;
                }
        std::vector<std::uint32_t> v(static_cast<std::size_t>(dw) * dh);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                std::uint32_t pixel = 0;
                for (int c = 0; c < 3; ++c) {
                    long long t = 0;
                    for (int sy = 0; sy < sh; ++sy)
                        t += h[static_cast<std::size_t>(sy) * dw + x][c] * wy[y][sy];
                    pixel |= static_cast<std::uint32_t>(srgb[static_cast<std::size_t>(t >> 14)])
                             << (16 - 8 * c);
                }
                v[static_cast<std::size_t>(y) * dw + x] = pixel;
            }
        return v;
    }
};
const Reference& reference() {
    static const Reference r;
    return r;
}

// Random colours, with flat runs, neighbours differing in one channel and repeated rows.
Surface hasard(int w, int h, unsigned graine) {
    Surface s(w, h, 0, 1);
    std::mt19937 g(graine);
    for (int y = 0; y < h; ++y) {
        std::uint32_t c = g() & 0xFFFFFF;
        for (int x = 0; x < w; ++x) {
            // A new colour, or one channel changed alone.
            const unsigned tirage = g() % 6;
            if (tirage >= 3) c = g() & 0xFFFFFF;
            if (tirage < 2) c ^= (g() & 0xFF) << (8 * (g() % 3));
            s.ligne(y)[x] = c;
        }
        if (y > 0 && g() % 5 == 0) std::copy(s.ligne(y - 1), s.ligne(y - 1) + w, s.ligne(y));
    }
    return s;
}

// Stored size, display size.
using Tailles = std::tuple<int, int, int, int>;
class FiltreExact : public ::testing::TestWithParam<Tailles> {};

// The whole picture and rectangles at odd places (one column, one row, the edges, past the edges), one
// after another with the same resampler, as the screen sends them: each equals the reference there.
TEST_P(FiltreExact, EveryRectangleEqualsThePlainFilter) {
    const auto [sw, sh, dw, dh] = GetParam();
    const Surface s = hasard(sw, sh, static_cast<unsigned>(sw * 7919 + dw));
    const auto attendu = reference().image(s, dw, dh);
    Reechantillonneur r;
    r.prepare(sw, sh, dw, dh);
    // Each rectangle starts on rows the one before ended on, in other columns.
    const Rect rects[] = {{0, 0, dw, dh},
                          {dw / 3 + 1, dh / 5, dw / 2, dh / 2},
                          {dw / 3 + 1, dh / 5 + 3, 1, dh / 3},
                          {dw / 2, dh / 2 - 1, dw, dh},
                          {0, dh - 1, dw, 1},
                          {dw - 3, dh / 2, 3, dh},
                          {-2, dh / 2 + 1, dw / 4 + 5, dh / 4 + 4},
                          {-2, -3, dw / 4 + 5, dh / 4 + 4}};
    for (const Rect& d : rects) {
        std::vector<std::uint32_t> v(static_cast<std::size_t>(d.w) * d.h, 0xDEADBEEF);
        r.calcule(s, d, v.data(), d.w);
        for (int y = 0; y < d.h; ++y)
            for (int x = 0; x < d.w; ++x) {
                const int X = d.x + x, Y = d.y + y;
                const std::uint32_t obtenu = v[static_cast<std::size_t>(y) * d.w + x];
                if (X < 0 || Y < 0 || X >= dw || Y >= dh) {
                    ASSERT_EQ(obtenu, 0xDEADBEEFu) << "written outside the picture at " << X << "," << Y;
                    continue;
                }
                ASSERT_EQ(obtenu, attendu[static_cast<std::size_t>(Y) * dw + X])
                    << "rectangle " << d.x << "," << d.y << " " << d.w << "x" << d.h << ", pixel " << X << ","
                    << Y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rapports, FiltreExact,
    // 4K (4 -> 4.5), 1920 x 1080 (3 -> 2.25), 1366 x 768 (2 -> 1.6), 800 x 600 (2 -> 1.25), a whole
    // enlargement (one stored pixel per display pixel), a big shrink (many taps), one axis alone, odd sizes.
    ::testing::Values(Tailles{64, 48, 72, 54}, Tailles{48, 36, 36, 27}, Tailles{40, 30, 32, 24},
                      Tailles{40, 30, 25, 19}, Tailles{13, 9, 52, 36}, Tailles{60, 45, 11, 8},
                      Tailles{30, 20, 30, 47}, Tailles{37, 23, 53, 29}, Tailles{3, 2, 7, 5}),
    [](const auto& i) {
        const Tailles& t = i.param;
        return std::to_string(std::get<0>(t)) + "x" + std::to_string(std::get<1>(t)) + "_" +
               std::to_string(std::get<2>(t)) + "x" + std::to_string(std::get<3>(t));
    });

} // namespace
} // namespace tlv
