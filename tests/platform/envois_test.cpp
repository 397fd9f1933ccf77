// What reaches the window: only what changed is composed, resampled and sent, a looping clip's frames come
// back from memory, and yet the window shows exactly the screen as composed whole; it comes up with its first
// frame already in it. What those frames cost is printed by tools/mesure-plateforme.
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

// At 1920 x 1080, a background of squares shown.
class Envoi : public Affiche {
  protected:
    virtual std::pair<int, int> taille() const { return {1920, 1080}; }
    void SetUp() override {
        ouvre(false, taille().first, taille().second);
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

// The launcher's clip: once its loop is in memory, the window shows at each step what a whole recomposition
// shows, also after the picture right under the clip changes, and beside it in more places than the zones
// kept apart.
// At 4K, the memory holds part of the loop only.
class EnvoiClip : public Envoi, public ::testing::WithParamInterface<std::pair<int, int>> {
    std::pair<int, int> taille() const override { return GetParam(); }
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

// The window comes up with its first frame already in it, never empty, full screen or not.
TEST_F(Affiche, TheWindowAppearsWithItsFirstFrame) {
    for (const bool fenetre : {false, true}) {
        ouvre(fenetre);
        EXPECT_FALSE(SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN);
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
        EXPECT_TRUE(SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN);
        if (fenetre) {
            EXPECT_EQ(vu.centre, rgb(32, 64, 192)) << "shown before its frame was drawn";
        }
        SDL_Surface* s = SDL_GetWindowSurface(w);
        EXPECT_EQ(pixel(s, s->w / 2, s->h / 2), rgb(32, 64, 192))
            << "the frame was not sent again once shown";
        fond.reset();
        pf.reset();
        w = nullptr;
    }
}

// A clock's tick redrawn whole: what changed is found (how little that is, tools/mesure-plateforme prints).
class Retouche : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        if (!po.valide()) GTEST_SKIP() << "no font";
    }
    void horloge(Surface& s, const std::string& texte) {
        fill(s, Boite.x, Boite.y, Boite.w, Boite.h, 0);
        po.imprime(s, Boite.x + 4, Boite.y, texte, 16, rgb(0, 255, 255));
    }
    static constexpr Rect Boite{330, 12, 131, 24};
    Polices po{police_par_defaut()};
};

// The rectangle around the play-area pixels that differ between two pictures of the same size, as a tuple.
std::tuple<int, int, int, int> ecarts(const Surface& a, const Surface& b) {
    const int k = a.facteur();
    int x0 = a.largeur(), y0 = a.hauteur(), x1 = -1, y1 = -1;
    for (int y = 0; y < a.hauteur_px(); ++y)
        for (int x = 0; x < a.largeur_px(); ++x)
            if (a.ligne(y)[x] != b.ligne(y)[x])
                x0 = std::min(x0, x / k), y0 = std::min(y0, y / k), x1 = std::max(x1, x / k), y1 = y / k;
    return x1 < 0 ? std::tuple{0, 0, 0, 0} : std::tuple{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// The same text, another, a drawing outside the box and one just past its edge: each gives the rectangle
// around what it changed, and the picture's record keeps what was drawn before too.
TEST_P(Retouche, GivesTheRectangleAroundWhatTheDrawingChanged) {
    Surface s(640, 480, rgb(0, 80, 0), GetParam());
    horloge(s, "1:59");
    s.oublie_modifications();
    fill(s, 10, 400, 5, 5, rgb(1, 2, 3)); // drawn earlier, not yet shown: stays recorded
    Rect tout = s.modifiee();
    const std::function<void()> dessins[] = {
        [&] { horloge(s, "1:59"); }, [&] { horloge(s, "1:58"); },
        [&] { fill(s, 300, 100, 200, 10, rgb(9, 9, 9)); },
        [&] { fill(s, Boite.x + 20, Boite.y + Boite.h + 2, 3, 2, rgb(9, 9, 9)); }};
    for (const auto& dessin : dessins) {
        const Surface avant = s;
        const Rect r = retouche(s, Boite, dessin);
        const auto vu = r.vide() ? std::tuple{0, 0, 0, 0} : std::tuple{r.x, r.y, r.w, r.h};
        EXPECT_EQ(vu, ecarts(avant, s));
        if (!r.vide()) tout = reunion(tout, r);
        EXPECT_EQ((std::tuple{s.modifiee().x, s.modifiee().y, s.modifiee().w, s.modifiee().h}),
                  (std::tuple{tout.x, tout.y, tout.w, tout.h}));
    }
}

INSTANTIATE_TEST_SUITE_P(Facteurs, Retouche, ::testing::Values(1, 3));

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
