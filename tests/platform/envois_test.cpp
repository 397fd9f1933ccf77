// What reaches the window: only what changed is composed, resampled and sent, a looping clip's frames come
// back from memory, and yet the window shows exactly the screen as composed whole; it comes up with its first
// frame already in it; the play area scaled into a window of any size, the mouse mapped back, the window
// brought inside the desktop and back from full screen. What those frames cost is printed by
// tools/mesure-plateforme.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "platform/animation.h"
#include "platform/fenetre.h"
#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/retouche.h"
#include "platform/robot.h"
#include "platform/texte.h"

namespace tlv {
namespace {

// The window's pixel (x, y) as 0xRRGGBB.
std::uint32_t pixel(SDL_Surface* s, int x, int y) {
    const auto* l = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) +
                                                           static_cast<std::ptrdiff_t>(y) * s->pitch);
    Uint8 r, g, b;
    SDL_GetRGB(l[x], s->format, &r, &g, &b);
    return rgb(r, g, b);
}

// A platform that really composes and sends (as a desktop run does), on the virtual clock.
class Affiche : public ::testing::Test {
  protected:
    void ouvre(bool fenetre, int largeur = 0, int hauteur = 0) {
        setenv("TLV_ROBOT_AFFICHE", "1", 1);
        robot.commandes(Robot::analyse("attends\n"));
        OptionsPlateforme o;
        o.robot = &robot, o.fenetre = fenetre;
        o.ecran_largeur = largeur, o.ecran_hauteur = hauteur;
        pf = std::make_unique<Plateforme>(o);
        for (Uint32 id = 1; !w && id < 1000; ++id) w = SDL_GetWindowFromID(id);
        ASSERT_NE(w, nullptr);
        fond = std::make_unique<Form>(*pf);
        fond->place(pf->decalagex(), pf->decalagey());
    }
    void TearDown() override {
        fond.reset();
        pf.reset();
        unsetenv("TLV_ROBOT_AFFICHE");
    }
    Robot robot;
    std::unique_ptr<Plateforme> pf;
    std::unique_ptr<Form> fond;
    SDL_Window* w = nullptr;
};

// The launcher's clip: once its loop is in memory, the window shows at each step what a whole recomposition
// shows, also after the picture right under the clip changes, and beside it in more places than the zones
// kept apart. On a background of squares, at 1920 x 1080 and at 4K, where the memory holds part of the loop
// only.
class EnvoiClip : public Affiche, public ::testing::WithParamInterface<std::pair<int, int>> {
  protected:
    void SetUp() override {
        ouvre(false, GetParam().first, GetParam().second);
        for (int y = 0; y < 480; y += 16)
            for (int x = 0; x < 640; x += 16)
                fill(fond->image, x, y, 16, 16, rgb(x / 3, y / 2, 90 + (x ^ y) % 80));
        pf->montre_sans_attendre(*fond);
        pf->doevents();
        pf->doevents(); // the window's own events after it showed
        if (!SDL_GetWindowSurface(w)) GTEST_SKIP() << "no window surface";
    }
    // Window pixels that differ from the screen composed whole and resampled whole.
    int differences() {
        const Echelle& e = pf->echelle();
        const Surface attendu = image_affichee(pf->compose(), e, e.W, e.H);
        SDL_Surface* s = SDL_GetWindowSurface(w);
        int n = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) n += pixel(s, x, y) != attendu.ligne(y)[x];
        return n;
    }
    // A small change of the background at (x, y), told to the platform.
    void tache(int x, int y, int w, int h, std::uint32_t c) {
        fill(fond->image, x, y, w, h, c);
        pf->invalide(Rect{fond->left + x, fond->top + y, w, h});
    }
};

TEST_P(EnvoiClip, AClipLoopingFromMemoryShowsExactlyWhatAWholeFrameShows) {
    Animation clip(*pf);
    clip.x = 1, clip.y = 216, clip.w = 310, clip.h = 48;
    ASSERT_TRUE(clip.Open("cartef00"));
    fond->controles = {&clip};
    clip.Play();
    pf->invalide();
    pf->doevents();
    const int n = clip.nombre_images();
    ASSERT_GT(n, 2);
    auto images = [&](int combien) {
        for (int i = 0; i < combien; ++i) pf->attend_ms(1000 / Animation::ImagesParSeconde);
    };
    images(2 * n);
    tache(1, 264, 310, 2, rgb(250, 250, 250));
    for (int i = 0; i < 10; ++i)
        tache(20 + 60 * i, 20 + 40 * i, 6, 4, rgb(255, 0, 25 * i)); // past the zones' maximum
    pf->doevents();
    EXPECT_EQ(differences(), 0);
    images(3);
    EXPECT_EQ(differences(), 0);
    images(n);
    EXPECT_EQ(differences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ecrans, EnvoiClip, ::testing::Values(std::pair{1920, 1080}, std::pair{3840, 2160}));

// The window comes up with its first frame already in it, never empty, full screen or not: in a window, it is
// in before the window shows; going full screen, where the window gets a new surface, it is sent once shown.
TEST_F(Affiche, TheWindowAppearsWithItsFirstFrame) {
    for (const bool fenetre : {false, true}) {
        ouvre(fenetre);
        if (!SDL_GetWindowSurface(w)) GTEST_SKIP() << "no window surface";
        struct Vu {
            SDL_Window* w;
            std::uint32_t centre = 1;
        } vu{w};
        // What a window that keeps its surface holds at the moment it is shown.
        auto regarde = [](void* u, SDL_Event* ev) {
            SDL_Surface* s = SDL_GetWindowSurface(static_cast<Vu*>(u)->w);
            if (ev->type == SDL_WINDOWEVENT && ev->window.event == SDL_WINDOWEVENT_SHOWN)
                static_cast<Vu*>(u)->centre = pixel(s, s->w / 2, s->h / 2);
            return 0;
        };
        SDL_AddEventWatch(regarde, &vu);
        fill(fond->image, 0, 0, 640, 480, rgb(32, 64, 192));
        pf->montre_sans_attendre(*fond);
        pf->doevents();
        SDL_DelEventWatch(regarde, &vu);
        SDL_Surface* s = SDL_GetWindowSurface(w);
        EXPECT_EQ((std::pair{fenetre ? vu.centre : rgb(32, 64, 192), pixel(s, s->w / 2, s->h / 2)}),
                  (std::pair{rgb(32, 64, 192), rgb(32, 64, 192)}));
        fond.reset();
        pf.reset();
        w = nullptr;
    }
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
    std::uint32_t fenetre(int x, int y) { return pixel(SDL_GetWindowSurface(f->sdl()), x, y); }
    std::unique_ptr<Fenetre> f;
};

TEST_F(FenetreEchelle, TheAreaFillsTheWindowWidthCentredBetweenDarkRows) {
    if (SDL_GetWindowSurface(f->sdl()) == nullptr) GTEST_SKIP() << "no window surface";
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

// A window of 900 x 700: the area fills its width, 675 rows high from row 12; window pixel (7, 22) is
// play-area pixel (5, 7). Full screen, the area's corners are the play area's; back, the window's size.
TEST_F(FenetreEchelle, TheWindowComesBackAtItsSizeAndTheMouseMapsOnTheScreenEachWay) {
    const auto logique = [&](int x, int y) {
        f->vers_logique(x, y);
        return std::pair{x, y};
    };
    f->impose_taille_fenetre(900, 700);
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

// A clock's tick redrawn whole in its box gives the rectangle around the play-area pixels that changed
// (none for the same drawing, two for a stored pixel on each side of one's edge at factor 3), also when the
// drawing reaches a little past the box; a drawing beyond the box and its margin, its own rectangle. The
// picture's record keeps what was drawn before too.
TEST(Retouche, GivesTheRectangleAroundWhatTheDrawingChanged) {
    const Rect boite{330, 12, 131, 24};
    for (const int k : {1, 3}) {
        SCOPED_TRACE(k);
        Surface s(640, 480, rgb(0, 80, 0), k);
        const auto horloge = [&](int x) { // the box cleared, a digit at x
            fill(s, boite.x, boite.y, boite.w, boite.h, 0);
            fill(s, x, 15, 7, 12, rgb(0, 255, 255));
        };
        horloge(350);
        s.oublie_modifications();
        fill(s, 10, 400, 5, 5, rgb(1, 2, 3)); // drawn earlier, not yet shown: stays recorded
        const auto change = [&](const std::function<void()>& dessin) {
            const Rect r = retouche(s, boite, dessin);
            return std::tuple{r.x, r.y, r.w, r.h};
        };
        EXPECT_EQ(change([&] { horloge(350); }), (std::tuple{0, 0, 0, 0}));
        EXPECT_EQ(change([&] { horloge(353); }), (std::tuple{350, 15, 10, 12}));
        EXPECT_EQ(change([&] { s.ligne(30 * k)[400 * k - 1] = s.ligne(30 * k)[400 * k] = 1; }),
                  (std::tuple{399, 30, 2, 1}));
        EXPECT_EQ(change([&] { fill(s, 350, 38, 3, 2, 0); }), (std::tuple{350, 38, 3, 2}));
        // Drawn past the box's corner (as a text's line box is), changed inside it only.
        EXPECT_EQ(change([&] { fill(s, 455, 30, 8, 8, rgb(0, 80, 0)); }), (std::tuple{455, 30, 6, 6}));
        EXPECT_EQ(change([&] { fill(s, 300, 100, 200, 10, 0); }), (std::tuple{300, 100, 200, 10}));
        EXPECT_EQ((std::tuple{s.modifiee().x, s.modifiee().y, s.modifiee().w, s.modifiee().h}),
                  (std::tuple{10, 15, 490, 390}));
    }
}

// A clock prints a new text every second: the rendered texts kept are let go in time, and a text let go
// prints again the same.
TEST(RendusTextes, ATextLetGoPrintsTheSame) {
    Polices po(police_par_defaut());
    if (!po.valide()) GTEST_SKIP() << "no font";
    Surface premier(400, 100, 0, 3), encore(400, 100, 0, 3), s(400, 100, 0, 3);
    po.imprime(premier, 5, 5, "0:00:00", 24, rgb(0, 255, 255));
    for (int t = 1; t < 1500; ++t)
        po.imprime(s, 5, 5, std::to_string(t / 60 + 10) + ":" + std::to_string(t % 60 + 10), 24,
                   rgb(0, 255, 255));
    EXPECT_LT(po.nombre_rendus(), 1500u) << "nothing was let go";
    po.imprime(encore, 5, 5, "0:00:00", 24, rgb(0, 255, 255));
    EXPECT_EQ(premier.pixels(), encore.pixels());
}

} // namespace
} // namespace tlv
