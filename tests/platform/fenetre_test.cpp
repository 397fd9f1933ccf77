// What reaches the window: the screen scaled to the window's size, centred, and only the changed part sent
// again.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/fenetre.h"

namespace tlv {
namespace {

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
    // The window pixel showing the middle of play-area pixel (x, y): wholly inside it at this scale.
    std::uint32_t milieu(int x, int y) {
        return fenetre(static_cast<int>((x + 0.5) * 1300 / 640), 2 + static_cast<int>((y + 0.5) * 975 / 480));
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
    EXPECT_EQ(milieu(100, 100), 0xABCDEFu);
    EXPECT_EQ(milieu(300, 300), 0u);
    f->presente(ecran, Rect{0, 0, 640, 480});
    EXPECT_EQ(milieu(300, 300), 0x123456u);
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

} // namespace
} // namespace tlv
