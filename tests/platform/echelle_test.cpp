// The play area on displays and windows of every size, the mouse mapped back to it, and the filter that
// brings the composed picture to the display's scale (against a plain box filter written here).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <tuple>

#include "platform/echelle.h"
#include "platform/fenetre.h"
#include "platform/reechantillonne.h"

namespace tlv {
namespace {

// Display pixels and the play-area pixel each shows: (X, Y) -> (x, y), -1 or 640 / 480 outside the area.
struct Point4 {
    int X, Y, x, y;
};
struct CasEcran {
    int W, H, k;
    Rect aire;
    std::vector<Point4> points;
};
void PrintTo(const CasEcran& c, std::ostream* o) {
    *o << c.W << "x" << c.H;
}
class Affichage : public ::testing::TestWithParam<CasEcran> {};

// The area keeps its shape, fills one side and is centred; a display pixel gives the play-area pixel under
// its centre, those of the dark bands none of the area's.
TEST_P(Affichage, TheAreaFillsTheDisplayAndEveryDisplayPixelMapsToThePixelItShows) {
    const CasEcran& c = GetParam();
    const Echelle e = echelle_reelle(c.W, c.H);
    EXPECT_EQ((std::tuple{e.k, e.aire.x, e.aire.y, e.aire.w, e.aire.h}),
              (std::tuple{c.k, c.aire.x, c.aire.y, c.aire.w, c.aire.h}));
    EXPECT_EQ((std::tuple{e.lw, e.lh, e.decalagex, e.decalagey}), (std::tuple{640, 480, 0, 0}));
    for (const Point4& p : c.points) {
        int x = p.X, y = p.Y;
        e.vers_logique(x, y);
        EXPECT_EQ((std::pair{x, y}), (std::pair{p.x, p.y})) << p.X << "," << p.Y;
    }
}

// 1366 x 768 by 1.6: display column 174 is 3 past the area's edge, its centre 3.5 / 1.6 = 2.19 in.
INSTANTIATE_TEST_SUITE_P(
    Tailles, Affichage,
    ::testing::Values(
        CasEcran{
            1366,
            768,
            2,
            {171, 0, 1024, 768},
            {{171, 0, 0, 0}, {170, 0, -1, 0}, {174, 4, 2, 2}, {1194, 767, 639, 479}, {1195, 384, 640, 240}}},
        CasEcran{1920,
                 1080,
                 3,
                 {240, 0, 1440, 1080},
                 {{240, 0, 0, 0}, {239, 540, -1, 240}, {1679, 1079, 639, 479}}},
        CasEcran{1280,
                 1024,
                 2,
                 {0, 32, 1280, 960},
                 {{0, 31, 0, -1}, {0, 32, 0, 0}, {1279, 991, 639, 479}, {0, 992, 0, 480}}},
        CasEcran{1000, 701, 2, {32, 0, 935, 701}, {{32, 0, 0, 0}, {966, 700, 639, 479}}},
        CasEcran{800, 600, 2, {0, 0, 800, 600}, {{4, 3, 3, 2}, {799, 599, 639, 479}}},
        CasEcran{640, 480, 1, {0, 0, 640, 480}, {{639, 479, 639, 479}}},
        CasEcran{3840, 2160, 4, {480, 0, 2880, 2160}, {{483, 3, 0, 0}, {3359, 2159, 639, 479}}}),
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

class FenetreEchelle : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        f = std::make_unique<Fenetre>(true);
        // A window of 1300 x 980: the 640 x 480 area scaled by 1300 / 640 fills its width, 975 rows high,
        // with two dark rows above and three below.
        SDL_SetWindowSize(f->sdl(), 1300, 980);
        SDL_WindowEvent e{};
        e.event = SDL_WINDOWEVENT_SIZE_CHANGED;
        f->evenement(e);
    }
    void TearDown() override {
        f.reset();
        SDL_Quit();
    }
    std::uint32_t fenetre(int x, int y) {
        SDL_Surface* s = SDL_GetWindowSurface(f->sdl());
        const auto* p =
            static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
        std::uint32_t v = 0;
        SDL_GetRGB(reinterpret_cast<const std::uint32_t*>(p)[x], s->format, reinterpret_cast<Uint8*>(&v) + 2,
                   reinterpret_cast<Uint8*>(&v) + 1, reinterpret_cast<Uint8*>(&v));
        return v;
    }
    std::unique_ptr<Fenetre> f;
};

TEST_F(FenetreEchelle, TheAreaFillsTheWindowWidthCentredAndTheMouseMapsBack) {
    if (SDL_GetWindowSurface(f->sdl()) == nullptr) GTEST_SKIP() << "no window surface";
    EXPECT_EQ(
        (std::tuple{f->echelle().aire.x, f->echelle().aire.y, f->echelle().aire.w, f->echelle().aire.h}),
        (std::tuple{0, 2, 1300, 975}));
    Surface ecran(640, 480, 0x204060, 1);
    ecran.metpixel(0, 0, 0xFF0000);
    ecran.metpixel(639, 479, 0x00FF00);
    f->presente(ecran, Rect{0, 0, 640, 480});
    for (auto [x, y] : {std::pair{5, 0}, {5, 1}, {1299, 977}, {600, 979}}) EXPECT_EQ(fenetre(x, y), 0u);
    // A pixel 2.03 window pixels wide shows as two whole ones, the third taking a trace of it.
    for (auto [x, y] : {std::pair{0, 2}, {1, 2}, {0, 3}, {1, 3}}) EXPECT_EQ(fenetre(x, y), 0xFF0000u);
    EXPECT_NE(fenetre(2, 2), 0xFF0000u);
    EXPECT_EQ(fenetre(3, 2), 0x204060u);
    EXPECT_EQ(fenetre(1299, 976), 0x00FF00u);
    // Each window pixel gives the play-area pixel it mostly shows; the dark rows lie outside the area.
    for (auto [wx, wy, lx, ly] :
         {std::tuple{1, 2, 0, 0}, {2, 3, 1, 0}, {1299, 976, 639, 479}, {640, 1, 315, -1}, {0, 977, 0, 480}}) {
        int x = wx, y = wy;
        f->vers_logique(x, y);
        EXPECT_EQ((std::pair{x, y}), (std::pair{lx, ly})) << wx << "," << wy;
    }
}

TEST_F(FenetreEchelle, AChangeOutsideTheGivenZoneWaitsForItsOwnFrame) {
    if (SDL_GetWindowSurface(f->sdl()) == nullptr) GTEST_SKIP() << "no window surface";
    Surface ecran(640, 480, 0, 1);
    f->presente(ecran, Rect{0, 0, 640, 480});
    ecran.metpixel(100, 100, 0xABCDEF);
    ecran.metpixel(300, 300, 0x123456);
    f->presente(ecran, Rect{90, 90, 20, 20});
    // Play-area pixels (100, 100) and (300, 300) cover window pixels (204, 206) and (610, 612).
    EXPECT_EQ(fenetre(204, 206), 0xABCDEFu);
    EXPECT_EQ(fenetre(610, 612), 0u);
    f->presente(ecran, Rect{0, 0, 640, 480});
    EXPECT_EQ(fenetre(610, 612), 0x123456u);
}

// A size remembered on a larger display opens whole on this one, title bar included, its shape kept.
TEST_F(FenetreEchelle, ARememberedSizeTooLargeForTheDisplayOpensInsideIt) {
    SDL_Rect u{};
    ASSERT_EQ(SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(f->sdl()), &u), 0) << SDL_GetError();
    f->impose_taille_fenetre(u.w * 3, u.w * 2);
    int x, y, w, h;
    SDL_GetWindowPosition(f->sdl(), &x, &y);
    SDL_GetWindowSize(f->sdl(), &w, &h);
    EXPECT_TRUE(x >= u.x && y >= u.y + 32 && x + w <= u.x + u.w && y + h <= u.y + u.h) << x << "," << y;
    EXPECT_NEAR(w * 2, h * 3, 3);
    f->taille_fenetre(x, y);
    EXPECT_EQ((std::pair{x, y}), (std::pair{w, h}));
}

TEST(PlaceFenetre, ShrunkKeepingItsShapeAndCentredInsideTheUsableArea) {
    const Bords titre{30, 0, 0, 0};
    for (const auto& [w, h, utile, b, attendu] :
         std::initializer_list<std::tuple<int, int, Rect, Bords, Rect>>{
             {3000, 2000, {0, 0, 1366, 768}, titre, {129, 30, 1107, 738}},
             {3000, 1000, {0, 0, 1366, 768}, titre, {0, 171, 1366, 455}},
             {800, 600, {1920, 27, 1366, 741}, {30, 2, 2, 2}, {2203, 111, 800, 600}},
             {1366, 738, {0, 0, 1366, 768}, titre, {0, 30, 1366, 738}},
             {0, 600, {0, 0, 1366, 768}, titre, {}},
             {800, -1, {0, 0, 1366, 768}, titre, {}},
             {2147483647, 2147483647, {0, 0, 1366, 768}, titre, {314, 30, 738, 738}},
             {2147483647, 1, {0, 0, 1366, 768}, titre, {0, 398, 1366, 1}},
             {800, 600, {0, 0, 0, 0}, titre, {0, 30, 1, 1}}}) {
        const Rect r = place_fenetre(w, h, utile, b);
        EXPECT_EQ((std::tuple{r.x, r.y, r.w, r.h}), (std::tuple{attendu.x, attendu.y, attendu.w, attendu.h}))
            << w << "x" << h;
    }
}

// A window of 900 x 700: the area fills its width, 675 rows high from row 12; window pixel (7, 22) is
// play-area pixel (5, 7). Full screen, the area's corners are the play area's; back, the window's size.
TEST_F(FenetreEchelle, TheWindowComesBackAtItsSizeAndTheMouseMapsOnTheScreenEachWay) {
    const auto logique = [&](int x, int y) {
        f->vers_logique(x, y);
        return std::pair{x, y};
    };
    f->impose_taille_fenetre(900, 700);
    const Rect& a = f->echelle().aire;
    EXPECT_EQ((std::tuple{a.x, a.y, a.w, a.h}), (std::tuple{0, 12, 900, 675}));
    EXPECT_EQ(logique(7, 22), std::pair(5, 7));
    f->bascule_plein_ecran();
    ASSERT_TRUE(f->plein_ecran());
    int w = 0, h = 0;
    SDL_GetWindowSize(f->sdl(), &w, &h);
    const Rect p = f->echelle().aire;
    EXPECT_TRUE(p.x >= 0 && p.y >= 0 && (p.w == w || p.h == h)) << p.x << "," << p.y;
    EXPECT_EQ(logique(p.x, p.y), std::pair(0, 0));
    EXPECT_EQ(logique(p.x + p.w - 1, p.y + p.h - 1), std::pair(639, 479));
    f->bascule_plein_ecran();
    SDL_GetWindowSize(f->sdl(), &w, &h);
    EXPECT_EQ(std::pair(w, h), std::pair(900, 700));
    EXPECT_EQ(logique(7, 22), std::pair(5, 7));
}

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
// a big shrink, one axis alone, odd sizes, the same size (a copy).
INSTANTIATE_TEST_SUITE_P(Rapports, FiltreExact,
                         ::testing::Values(Tailles{64, 48, 72, 54}, Tailles{48, 36, 36, 27},
                                           Tailles{40, 30, 32, 24}, Tailles{40, 30, 25, 19},
                                           Tailles{13, 9, 52, 36}, Tailles{60, 45, 11, 8},
                                           Tailles{30, 20, 30, 47}, Tailles{37, 23, 53, 29},
                                           Tailles{3, 2, 7, 5}, Tailles{13, 9, 13, 9}));

} // namespace
} // namespace tlv
