// The play area on displays of every size, the mouse mapped back to it, a window's place on the desktop, and
// the filter that brings the composed picture to the display's scale.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "platform/echelle.h"
#include "platform/fenetre.h"
#include "platform/reechantillonne.h"

namespace tlv {
namespace {

// Display pixels and the play-area pixel each shows: (X, Y) -> (x, y), -1 or 640 / 480 outside the area.
struct CasEcran {
    int W, H, k;
    Rect aire;
    std::vector<std::array<int, 4>> points;
};
class Affichage : public ::testing::TestWithParam<CasEcran> {};

// The area keeps its shape, fills one side and is centred; a display pixel gives the play-area pixel under
// its centre, those of the dark bands none of the area's.
TEST_P(Affichage, TheAreaFillsTheDisplayAndEveryDisplayPixelMapsToThePixelItShows) {
    const CasEcran& c = GetParam();
    const Echelle e = echelle_reelle(c.W, c.H);
    EXPECT_EQ((std::tuple{e.k, e.aire.x, e.aire.y, e.aire.w, e.aire.h}),
              (std::tuple{c.k, c.aire.x, c.aire.y, c.aire.w, c.aire.h}));
    EXPECT_EQ((std::tuple{e.lw, e.lh, e.decalagex, e.decalagey}), (std::tuple{640, 480, 0, 0}));
    for (const auto& [X, Y, lx, ly] : c.points) {
        int x = X, y = Y;
        e.vers_logique(x, y);
        EXPECT_EQ((std::pair{x, y}), (std::pair{lx, ly})) << X << "," << Y;
    }
}

// 1366 x 768 by 1.6: play-area column 329 starts at display 697.4 and 628 at 1175.8, row 69 at 110.4: a
// display pixel gives the one it mostly shows (697 is 0.6 of 329, 1175 0.8 of 627), so a hot area's edges
// fall where the eye sees.
INSTANTIATE_TEST_SUITE_P(
    Tailles, Affichage,
    ::testing::Values(CasEcran{1366,
                               768,
                               2,
                               {171, 0, 1024, 768},
                               {{171, 0, 0, 0},
                                {170, 0, -1, 0},
                                {1195, 384, 640, 240},
                                {697, 40, 329, 25},
                                {1175, 40, 627, 25},
                                {800, 110, 393, 69}}},
                      CasEcran{1920, 1080, 3, {240, 0, 1440, 1080}, {{239, 540, -1, 240}}},
                      CasEcran{1280, 1024, 2, {0, 32, 1280, 960}, {{0, 31, 0, -1}, {1279, 991, 639, 479}}},
                      CasEcran{1000, 701, 2, {32, 0, 935, 701}, {{966, 700, 639, 479}}},
                      CasEcran{3840, 2160, 4, {480, 0, 2880, 2160}, {{483, 3, 0, 0}}}),
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

TEST(PlaceFenetre, ShrunkKeepingItsShapeAndCentredInsideTheUsableArea) {
    const Bords titre{30, 0, 0, 0};
    for (const auto& [w, h, utile, b, attendu] :
         std::initializer_list<std::tuple<int, int, Rect, Bords, Rect>>{
             {3000, 1000, {0, 0, 1366, 768}, titre, {0, 171, 1366, 455}},
             {800, 600, {1920, 27, 1366, 741}, {30, 2, 2, 2}, {2203, 111, 800, 600}},
             {0, 600, {0, 0, 1366, 768}, titre, {}},
             {800, -1, {0, 0, 1366, 768}, titre, {}},
             {2147483647, 1, {0, 0, 1366, 768}, titre, {0, 398, 1366, 1}},
             {800, 600, {0, 0, 0, 0}, titre, {0, 30, 1, 1}}}) {
        const Rect r = place_fenetre(w, h, utile, b);
        EXPECT_EQ((std::tuple{r.x, r.y, r.w, r.h}), (std::tuple{attendu.x, attendu.y, attendu.w, attendu.h}))
            << w << "x" << h;
    }
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

// One resampler for all, as the window uses it: rectangles written in place make the whole picture, one
// starting on the row the one before ended on and reaching other columns, one a column wide, one a row.
TEST_P(Rectangles, TogetherTheyMakeTheWholePicture) {
    const auto [sw, sh, dw, dh] = GetParam();
    Surface s(sw, sh, 0, 1); // runs of equal pixels, neighbours differing in one channel alone
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x)
            s.metpixel(x, y,
                       ((x / 3 * 7919u + y * 104729u) * 2654435761u >> (8 + 8 * ((x + y) % 3))) & 0xFFFFFF);
    Reechantillonneur r, tout;
    std::vector<std::uint32_t> attendu(static_cast<std::size_t>(dw) * dh), v(attendu.size(), 0xDEADBEEF);
    tout.prepare(sw, sh, dw, dh);
    tout.calcule(s, Rect{0, 0, dw, dh}, attendu.data(), dw);
    r.prepare(sw, sh, dw, dh);
    const int x = dw / 3 + 1, y = dh / 5, y2 = y + dh / 2 - 1;
    for (const Rect& d : {Rect{x, y, dw - x, dh / 2}, Rect{0, y2, dw, dh - y2}, Rect{0, y, 1, y2 - y},
                          Rect{1, y, x - 1, y2 - y}, Rect{0, 0, dw, y}, Rect{0, dh - 1, dw, 1}})
        r.calcule(s, d, v.data() + static_cast<std::ptrdiff_t>(d.y) * dw + d.x, dw);
    EXPECT_EQ(v, attendu);
}

// 4K (4 -> 4.5), 1366 x 768 (2 -> 1.6), a whole enlargement, a big shrink, one axis alone, odd sizes.
INSTANTIATE_TEST_SUITE_P(Rapports, Rectangles,
                         ::testing::Values(Tailles{64, 48, 72, 54}, Tailles{40, 30, 32, 24},
                                           Tailles{13, 9, 52, 36}, Tailles{60, 45, 11, 8},
                                           Tailles{30, 20, 30, 47}, Tailles{37, 23, 53, 29}));

} // namespace
} // namespace tlv
