// The play area on displays of every size, and the filter that brings the composed picture to them.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "platform/echelle.h"
#include "platform/reechantillonne.h"

namespace tlv {
namespace {

struct CasEcran {
    int W, H;
    int k;
    Rect aire;
};
class Affichage : public ::testing::TestWithParam<CasEcran> {};

// The area keeps its shape, fills one side, is centred; every display pixel inside it maps to the play-area
// pixel it shows, those outside to no pixel of the area, and each play-area pixel gets a run of display
// pixels as wide as the scale.
TEST_P(Affichage, TheAreaFillsTheDisplayAndEveryDisplayPixelMapsToThePixelItShows) {
    const CasEcran c = GetParam();
    const Echelle e = echelle_reelle(c.W, c.H);
    EXPECT_EQ(e.k, c.k);
    EXPECT_EQ((std::tuple{e.aire.x, e.aire.y, e.aire.w, e.aire.h}),
              (std::tuple{c.aire.x, c.aire.y, c.aire.w, c.aire.h}));
    EXPECT_EQ((std::tuple{e.lw, e.lh, e.decalagex, e.decalagey}), (std::tuple{640, 480, 0, 0}));
    const double s = std::min(c.W / 640.0, c.H / 480.0);
    for (int X = 0; X < c.W; ++X) {
        int x = X, y = c.H / 2;
        e.vers_logique(x, y);
        const double centre = (X + 0.5 - e.aire.x) / s; // where the pixel's centre falls in the area
        if (centre < 0 || centre >= 640) {
            EXPECT_TRUE(x < 0 || x >= 640) << X;
            continue;
        }
        EXPECT_NEAR(x + 0.5, centre, 0.5 + 1e-9) << X;
    }
    for (int Y : {c.aire.y - 1, c.aire.y, c.aire.y + c.aire.h - 1, c.aire.y + c.aire.h}) {
        int x = c.aire.x, y = Y;
        e.vers_logique(x, y);
        EXPECT_EQ(y, Y < c.aire.y ? -1 : Y < c.aire.y + c.aire.h ? (Y == c.aire.y ? 0 : 479) : 480) << Y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tailles, Affichage,
    ::testing::Values(CasEcran{800, 600, 2, {0, 0, 800, 600}}, CasEcran{1366, 768, 2, {171, 0, 1024, 768}},
                      CasEcran{1920, 1080, 3, {240, 0, 1440, 1080}},
                      CasEcran{3840, 2160, 4, {480, 0, 2880, 2160}},
                      CasEcran{1280, 960, 2, {0, 0, 1280, 960}}, CasEcran{1280, 1024, 2, {0, 32, 1280, 960}},
                      CasEcran{640, 480, 1, {0, 0, 640, 480}}, CasEcran{7680, 4320, 4, {960, 0, 5760, 4320}}),
    [](const auto& i) { return std::to_string(i.param.W) + "x" + std::to_string(i.param.H); });

// Smaller than the area: no scaling, the area centred and cut, as a whole-number zoom of 1 does.
TEST(Affichage, ADisplaySmallerThanTheAreaKeepsItUnscaled) {
    const Echelle e = echelle_reelle(600, 400);
    EXPECT_EQ((std::tuple{e.k, e.lw, e.lh, e.decalagex, e.decalagey}), (std::tuple{1, 600, 400, -20, -40}));
    int x = 0, y = 0;
    e.vers_logique(x, y);
    EXPECT_EQ((std::pair{x, y}), (std::pair{0, 0}));
    const Echelle z = echelle_entiere(1366, 768);
    EXPECT_EQ((std::tuple{z.k, z.lw, z.lh, z.decalagex, z.decalagey}), (std::tuple{1, 1366, 768, 363, 144}));
}

// A picture of stored pixels with random colours and a few sharp edges.
Surface motif(int w, int h, unsigned graine) {
    Surface s(w, h, 0, 1);
    std::mt19937 g(graine);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.metpixel(x, y, g() & 0xFFFFFF);
    return s;
}

std::vector<std::uint32_t> tout(Reechantillonneur& r, const Surface& s, int dw, int dh) {
    std::vector<std::uint32_t> v(static_cast<std::size_t>(dw) * dh);
    r.calcule(s, Rect{0, 0, dw, dh}, v.data(), dw);
    return v;
}

class Filtre : public ::testing::TestWithParam<std::tuple<int, int>> {};

// Flat colour stays exactly that colour (no seams where the weights of neighbours meet); a sharp edge
// between stored pixels blurs over one display pixel at most; a changed stored pixel changes nothing outside
// what `couvre` says, so sending that rectangle is enough.
TEST_P(Filtre, FlatStaysFlatEdgesStaySharpAndChangesStayInsideTheirCover) {
    const auto [sw, dw] = GetParam();
    const int sh = sw * 3 / 4, dh = dw * 3 / 4;
    Reechantillonneur r;
    r.prepare(sw, sh, dw, dh);
    for (std::uint32_t c : {0x000000u, 0xFFFFFFu, 0x0B6E3Au, 0x00FFFFu}) {
        const auto v = tout(r, Surface(sw, sh, c, 1), dw, dh);
        EXPECT_TRUE(std::all_of(v.begin(), v.end(), [c](std::uint32_t p) { return p == c; }))
            << std::hex << c;
    }
    Surface marche(sw, sh, 0, 1);
    fill(marche, sw / 3, 0, sw, sh, 0xFFFFFF);
    const auto m = tout(r, marche, dw, dh);
    int melanges = 0;
    for (int x = 0; x < dw; ++x) melanges += m[x] != 0 && m[x] != 0xFFFFFF;
    EXPECT_LE(melanges, 1);

    const Surface a = motif(sw, sh, 7);
    const auto avant = tout(r, a, dw, dh);
    for (const Rect change : {Rect{0, 0, 1, 1}, Rect{sw / 2, sh / 3, 3, 2}, Rect{sw - 1, sh - 1, 1, 1}}) {
        Surface b = a;
        fill(b, change.x, change.y, change.w, change.h, 0x123456);
        const auto apres = tout(r, b, dw, dh);
        const Rect z = r.couvre(change);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * dw + x;
                if (avant[i] != apres[i]) {
                    ASSERT_TRUE(x >= z.x && x < z.x + z.w && y >= z.y && y < z.y + z.h) << x << "," << y;
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Rapports, Filtre,
                         // The ratios of 4K, 1366 x 768, 1920 x 1080, 800 x 600, a large window, a tiny one.
                         ::testing::Values(std::tuple{256, 288}, std::tuple{320, 256}, std::tuple{240, 180},
                                           std::tuple{320, 200}, std::tuple{64, 130}, std::tuple{640, 75}));

// The same size copies the stored pixels as they are.
TEST(Filtre, TheSameSizeIsACopy) {
    Reechantillonneur r;
    r.prepare(64, 48, 64, 48);
    const Surface a = motif(64, 48, 3);
    const auto v = tout(r, a, 64, 48);
    EXPECT_TRUE(std::equal(v.begin(), v.end(), a.pixels().begin()));
}

} // namespace
} // namespace tlv
