// The window's icon keeps its transparency; a missing or damaged file leaves the window as it is.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "platform/fenetre.h"
#include "platform/icone.h"

namespace tlv {
namespace {

TEST(IconeFenetre, KeepsItsTransparencyAndABadFileIsRefusedQuietly) {
    test::DossierTemp t;
    // Red, one transparent corner.
    SurfaceSdl s(SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888));
    ASSERT_TRUE(s);
    SDL_FillRect(s.get(), nullptr, 0xFFFF0000u);
    static_cast<std::uint32_t*>(s->pixels)[0] = 0x00000000u;
    ASSERT_EQ(IMG_SavePNG(s.get(), (t / "i.png").c_str()), 0);
    const SurfaceSdl lue = charge_icone(t / "i.png");
    ASSERT_TRUE(lue);
    const auto* px = static_cast<const std::uint32_t*>(lue->pixels);
    EXPECT_EQ(px[0] >> 24, 0u);
    EXPECT_EQ(px[9], 0xFFFF0000u);

    test::ecritbrut(t / "abime.png", "\x89PNG\r\n\x1a\n pas une image");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        Fenetre f(true);
        EXPECT_TRUE(pose_icone(f.sdl(), t / "i.png"));
        EXPECT_FALSE(pose_icone(f.sdl(), t / "abime.png"));
        EXPECT_FALSE(pose_icone(f.sdl(), t / "absent.png"));
    }
    SDL_Quit();
}

} // namespace
} // namespace tlv
