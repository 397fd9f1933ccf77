// The play area on displays and windows of every size, the mouse mapped back to it, and the filter that
// brings the composed picture to the display's scale.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

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

// 1366 x 768 by 1.6: display column 174 is 3 past the area's edge, its centre 3.5 / 1.6 = 2.19 in. Play-area
// column 329 starts at display 697.4 and 628 at 1175.8, row 10 at 16 and 69 at 110.4: a display pixel gives
// the one it mostly shows (697 is 0.6 of 329, 1175 0.8 of 627), so a hot area's edges fall where the eye
// sees.
INSTANTIATE_TEST_SUITE_P(
    Tailles, Affichage,
    ::testing::Values(CasEcran{1366,
                               768,
                               2,
                               {171, 0, 1024, 768},
                               {{171, 0, 0, 0},
                                {170, 0, -1, 0},
                                {174, 4, 2, 2},
                                {1194, 767, 639, 479},
                                {1195, 384, 640, 240},
                                {696, 40, 328, 25},
                                {697, 40, 329, 25},
                                {1175, 40, 627, 25},
                                {1176, 40, 628, 25},
                                {800, 15, 393, 9},
                                {800, 16, 393, 10},
                                {800, 109, 393, 68},
                                {800, 110, 393, 69}}},
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
                      CasEcran{
                          3840, 2160, 4, {480, 0, 2880, 2160}, {{483, 3, 0, 0}, {3359, 2159, 639, 479}}}),
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

// Levels of one channel along one axis, stored, then as the display shows them: each display pixel the mean
// in linear light of the parts of stored pixels it covers (half black, half white is 188, not 128). Every
// number of taps, the far edge's shorter pixel, the weights' rounding, a copy.
struct CasFiltre {
    std::vector<std::uint32_t> stocke, affiche;
};
const CasFiltre Filtres[] = {{{0, 255}, {188}},
                             {{255, 0, 0}, {213, 0}},
                             {{0, 255}, {0, 188, 255}},
                             {{0, 255}, {0, 0, 255, 255}},
                             {{0, 0, 255, 0, 0}, {124, 124}},
                             {{90, 0, 0, 0, 0, 0, 0, 0, 255}, {42, 130}},
                             {{246, 0, 0, 243, 142, 214}, {151, 205}},
                             {{10, 20, 200, 60, 255}, {10, 17, 98, 200, 109, 175, 255}},
                             {{12, 34}, {12, 34}}};

TEST(Filtre, EachDisplayPixelIsTheMeanInLinearLightOfWhatItCovers) {
    int canal = 0;
    for (const auto& [stocke, affiche] : Filtres)
        for (const bool vertical : {false, true}) {
            const int n = static_cast<int>(stocke.size()), m = static_cast<int>(affiche.size());
            const int decale = 8 * (canal++ % 3);
            Surface s(vertical ? 1 : n, vertical ? n : 1, 0, 1);
            for (int i = 0; i < n; ++i) s.metpixel(vertical ? 0 : i, vertical ? i : 0, stocke[i] << decale);
            Reechantillonneur r;
            r.prepare(s.largeur(), s.hauteur(), vertical ? 1 : m, vertical ? m : 1);
            std::vector<std::uint32_t> v(m), attendu;
            r.calcule(s, Rect{0, 0, vertical ? 1 : m, vertical ? m : 1}, v.data(), vertical ? 1 : m);
            for (std::uint32_t a : affiche) attendu.push_back(a << decale);
            EXPECT_EQ(v, attendu) << n << " to " << m << (vertical ? " down" : " across");
        }
}

using Tailles = std::tuple<int, int, int, int>; // stored, then display
class Rectangles : public ::testing::TestWithParam<Tailles> {};

// One resampler for all, as the screen uses it: each rectangle starts on rows the one before ended on, in
// other columns, and equals that part of the whole picture; nothing is written outside the picture.
TEST_P(Rectangles, EachEqualsItsPartOfTheWholePicture) {
    const auto [sw, sh, dw, dh] = GetParam();
    Surface s(sw, sh, 0, 1); // runs of equal pixels, neighbours differing in one channel alone
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x)
            s.metpixel(x, y,
                       ((x / 3 * 7919u + y * 104729u) * 2654435761u >> (8 + 8 * ((x + y) % 3))) & 0xFFFFFF);
    Reechantillonneur r, tout;
    std::vector<std::uint32_t> attendu(static_cast<std::size_t>(dw) * dh);
    tout.prepare(sw, sh, dw, dh);
    tout.calcule(s, Rect{0, 0, dw, dh}, attendu.data(), dw);
    r.prepare(sw, sh, dw, dh);
    for (const Rect& d :
         {Rect{dw / 3 + 1, dh / 5, dw / 2, dh / 2}, Rect{dw / 3 + 1, dh / 5 + 3, 1, dh / 3},
          Rect{dw / 2, dh / 2 - 1, dw, dh}, Rect{0, dh - 1, dw, 1}, Rect{dw - 3, dh / 2, 3, dh},
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

// 4K (4 -> 4.5), 1366 x 768 (2 -> 1.6), a whole enlargement, a big shrink, one axis alone, odd sizes.
INSTANTIATE_TEST_SUITE_P(Rapports, Rectangles,
                         ::testing::Values(Tailles{64, 48, 72, 54}, Tailles{40, 30, 32, 24},
                                           Tailles{13, 9, 52, 36}, Tailles{60, 45, 11, 8},
                                           Tailles{30, 20, 30, 47}, Tailles{37, 23, 53, 29}));

} // namespace
} // namespace tlv
