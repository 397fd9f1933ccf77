// What reaches the window: the logical screen zoomed, centred, and only the changed part sent again.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/fenetre.h"

namespace tlv {
namespace {

class FenetreZoom : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        f = std::make_unique<Fenetre>(true);
        // A window of 1300 x 980 holds the 640 x 480 screen twice, with a 10-pixel black border.
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

TEST_F(FenetreZoom, EachLogicalPixelBecomesAZoomSquareAndMouseMapsBack) {
    if (SDL_GetWindowSurface(f->sdl()) == nullptr) GTEST_SKIP() << "no window surface";
    ASSERT_EQ(f->zoom(), 2);
    Surface ecran(640, 480, 0x204060);
    ecran.metpixel(0, 0, 0xFF0000);
    ecran.metpixel(639, 479, 0x00FF00);
    f->presente(ecran, Rect{0, 0, 640, 480});
    EXPECT_EQ(fenetre(5, 5), 0u);
    for (auto [x, y] : {std::pair{10, 10}, {11, 10}, {10, 11}, {11, 11}}) EXPECT_EQ(fenetre(x, y), 0xFF0000u);
    EXPECT_EQ(fenetre(12, 10), 0x204060u);
    EXPECT_EQ(fenetre(1289, 969), 0x00FF00u);
    EXPECT_EQ(fenetre(1290, 970), 0u);
    int x = 13, y = 10;
    f->vers_logique(x, y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 0);
    x = 9, y = 9;
    f->vers_logique(x, y);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
}

TEST_F(FenetreZoom, AChangeOutsideTheGivenZoneWaitsForItsOwnFrame) {
    if (SDL_GetWindowSurface(f->sdl()) == nullptr) GTEST_SKIP() << "no window surface";
    Surface ecran(640, 480, 0);
    f->presente(ecran, Rect{0, 0, 640, 480});
    ecran.metpixel(100, 100, 0xABCDEF);
    ecran.metpixel(300, 300, 0x123456);
    f->presente(ecran, Rect{90, 90, 20, 20});
    EXPECT_EQ(fenetre(10 + 200, 10 + 200), 0xABCDEFu);
    EXPECT_EQ(fenetre(10 + 600, 10 + 600), 0u);
    f->presente(ecran, Rect{0, 0, 640, 480});
    EXPECT_EQ(fenetre(10 + 601, 10 + 601), 0x123456u);
}

} // namespace
} // namespace tlv
