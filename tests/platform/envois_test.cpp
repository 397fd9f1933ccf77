// What a frame costs once the program waits: only what changed is composed, resampled and sent, a looping
// clip's frames come back from memory, and the window still shows exactly the screen as composed whole.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
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

// A platform that really composes and sends (as a desktop run does) at a display size, on the virtual clock.
class Envoi : public ::testing::TestWithParam<std::pair<int, int>> {
  protected:
    void SetUp() override {
        setenv("TLV_ROBOT_AFFICHE", "1", 1);
        robot.commandes(Robot::analyse("attends\n"));
        OptionsPlateforme o;
        o.robot = &robot;
        o.ecran_largeur = GetParam().first, o.ecran_hauteur = GetParam().second;
        pf = std::make_unique<Plateforme>(o);
        for (Uint32 id = 1; !w && id < 1000; ++id) w = SDL_GetWindowFromID(id);
        ASSERT_NE(w, nullptr);
        fond = std::make_unique<Form>(*pf);
        for (int y = 0; y < 480; y += 16)
            for (int x = 0; x < 640; x += 16)
                fill(fond->image, x, y, 16, 16, rgb(x / 3, y / 2, 90 + (x ^ y) % 80));
        fond->place(pf->decalagex(), pf->decalagey());
        pf->montre_sans_attendre(*fond);
        pf->doevents();
        pf->doevents(); // the window's own events after it showed
        if (!SDL_GetWindowSurface(w)) GTEST_SKIP() << "no window surface";
    }
    void TearDown() override {
        fond.reset();
        pf.reset();
        unsetenv("TLV_ROBOT_AFFICHE");
    }
    // Window pixels that differ from the screen composed whole and resampled whole.
    int differences() {
        const Echelle& e = pf->echelle();
        const Surface attendu = image_affichee(pf->compose(), e, e.W, e.H);
        SDL_Surface* s = SDL_GetWindowSurface(w);
        int n = 0;
        for (int y = 0; y < s->h; ++y) {
            const auto* l = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch);
            for (int x = 0; x < s->w; ++x) {
                Uint8 r, g, b;
                SDL_GetRGB(l[x], s->format, &r, &g, &b);
                n += rgb(r, g, b) != attendu.ligne(y)[x];
            }
        }
        return n;
    }
    // A small change of the background at (x, y), told to the platform.
    void tache(int x, int y, int w, int h, std::uint32_t c) {
        fill(fond->image, x, y, w, h, c);
        pf->invalide(Rect{fond->left + x, fond->top + y, w, h});
    }
    Robot robot;
    std::unique_ptr<Plateforme> pf;
    std::unique_ptr<Form> fond;
    SDL_Window* w = nullptr;
};

TEST_P(Envoi, TwoSmallChangesFarApartCostTwoSmallRectanglesNotTheBoxAroundThem) {
    const Envois avant = pf->envois();
    tache(20, 20, 6, 4, rgb(255, 0, 0));
    tache(600, 440, 6, 4, rgb(0, 255, 0));
    pf->doevents();
    const Envois apres = pf->envois();
    EXPECT_EQ(apres.rectangles - avant.rectangles, 2);
    // Each 6 x 4 area pixels, a fringe of the filter around it: far below the 580 x 424 between them.
    const double s = pf->echelle().s;
    EXPECT_LT(apres.calcules - avant.calcules, 2 * (6 * s + 4) * (4 * s + 4));
    EXPECT_EQ(differences(), 0);
}

TEST_P(Envoi, ChangesThatNearlyTouchGoAsOneAndStillShowExactly) {
    const Envois avant = pf->envois();
    tache(100, 100, 10, 10, rgb(255, 255, 0));
    tache(112, 100, 10, 10, rgb(0, 255, 255));
    tache(300, 300, 1, 1, rgb(255, 255, 255));
    pf->doevents();
    EXPECT_EQ(pf->envois().rectangles - avant.rectangles, 2);
    EXPECT_EQ(differences(), 0);
}

TEST_P(Envoi, WhatAScreenAboveHidesIsNeitherComposedNorSent) {
    // A button drawn on the screen below: its place counts as changed whenever the screens may have drawn.
    Bouton b;
    b.x = 200, b.y = 200, b.w = 100, b.h = 30, b.caption = "OK";
    fond->controles = {&b};
    Form dessus(*pf);
    dessus.place(pf->decalagex(), pf->decalagey());
    pf->montre_sans_attendre(dessus);
    pf->doevents();
    const Envois avant = pf->envois();
    pf->invalide();
    pf->doevents();
    EXPECT_EQ(pf->envois().calcules, avant.calcules);
    EXPECT_EQ(pf->envois().rectangles, avant.rectangles);
}

// The launcher's clip: after one turn of its loop every frame comes from memory, yet the window shows at each
// step what a whole recomposition shows, also after the picture around the clip changes.
TEST_P(Envoi, AClipLoopsFromMemoryShowingExactlyWhatAWholeFrameShows) {
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
    images(n);
    const Envois tour = pf->envois();
    images(n + 3);
    const Envois second = pf->envois();
    if (pf->echelle().k < 4) {
        EXPECT_EQ(second.calcules, tour.calcules) << "the second turn was resampled again";
        EXPECT_EQ(second.reprises - tour.reprises, n + 3);
    } else {
        // At 4K the memory kept holds part of the loop only.
        EXPECT_GE(second.reprises - tour.reprises, n / 3);
    }
    // The background right under the clip changes while frames come from memory: the change is shown with
    // the clip's own frame beside it, and no frame kept from before it is sent again.
    tache(1, 264, 310, 2, rgb(250, 250, 250));
    pf->doevents();
    EXPECT_EQ(differences(), 0);
    images(3);
    EXPECT_EQ(differences(), 0);
    images(n);
    EXPECT_EQ(differences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ecrans, Envoi,
                         ::testing::Values(std::pair{1366, 768}, std::pair{1920, 1080},
                                           std::pair{3840, 2160}));

// A clock's tick redrawn whole: only the digits that moved count as changed.
class Retouche : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        if (!po.valide()) GTEST_SKIP() << "no font";
    }
    Rect horloge(Surface& s, const std::string& texte) {
        return retouche(s, Boite, [&] {
            fill(s, Boite.x, Boite.y, Boite.w, Boite.h, 0);
            po.imprime(s, Boite.x + 4, Boite.y, texte, 16, rgb(0, 255, 255));
        });
    }
    static constexpr Rect Boite{330, 12, 131, 24};
    Polices po{police_par_defaut()};
};

TEST_P(Retouche, OnlyTheDigitsThatMovedAreChangedAndNothingWhenTheTextIsTheSame) {
    Surface s(640, 480, rgb(0, 80, 0), GetParam());
    horloge(s, "1:59");
    s.oublie_modifications();
    fill(s, 10, 400, 5, 5, rgb(1, 2, 3)); // drawn earlier, not yet shown: stays recorded
    const Rect avant = s.modifiee();
    const Rect meme = horloge(s, "1:59");
    EXPECT_TRUE(meme.vide());
    EXPECT_EQ((std::tuple{s.modifiee().x, s.modifiee().y, s.modifiee().w, s.modifiee().h}),
              (std::tuple{avant.x, avant.y, avant.w, avant.h}));
    const Rect d = horloge(s, "1:58");
    ASSERT_FALSE(d.vide());
    // The last digit only: right of the text's middle, inside the box.
    EXPECT_GT(d.x, Boite.x + po.largeur("1:5", 16) - 4);
    EXPECT_LE(d.x + d.w, Boite.x + Boite.w);
    EXPECT_LT(d.w, po.largeur("8", 16) + 4);
    EXPECT_GE(d.y, Boite.y);
    EXPECT_EQ(s.modifiee().x, avant.x);
    EXPECT_EQ(s.modifiee().x + s.modifiee().w, d.x + d.w);
}

TEST_P(Retouche, ADrawingOutsideItsBoxIsTakenWhole) {
    Surface s(640, 480, 0, GetParam());
    const Rect d = retouche(s, Boite, [&] { fill(s, 300, 100, 200, 10, rgb(9, 9, 9)); });
    EXPECT_EQ((std::tuple{d.x, d.y, d.w, d.h}), (std::tuple{300, 100, 200, 10}));
    // Just past its edge, a change is still found where it is.
    const Rect e =
        retouche(s, Boite, [&] { fill(s, Boite.x + 20, Boite.y + Boite.h + 2, 3, 2, rgb(9, 9, 9)); });
    EXPECT_EQ((std::tuple{e.x, e.y, e.w, e.h}), (std::tuple{Boite.x + 20, Boite.y + Boite.h + 2, 3, 2}));
}

INSTANTIATE_TEST_SUITE_P(Facteurs, Retouche, ::testing::Values(1, 2, 3));

// A clock prints a new text every second: the rendered texts kept stay within their budget, and a text let go
// prints again the same.
TEST(RendusTextes, TheCacheStaysWithinItsBudgetAndATextLetGoPrintsTheSame) {
    Polices po(police_par_defaut());
    if (!po.valide()) GTEST_SKIP() << "no font";
    Surface premier(400, 100, 0, 3), encore(400, 100, 0, 3), s(400, 100, 0, 3);
    po.imprime(premier, 5, 5, "0:00:00", 24, rgb(0, 255, 255));
    for (int t = 1; t < 1500; ++t) {
        const std::string texte = std::to_string(t / 3600) + ":" + std::to_string(t / 60 % 60 + 10) + ":" +
                                  std::to_string(t % 60 + 10);
        po.imprime(s, 5, 5, texte, 24, rgb(0, 255, 255));
        ASSERT_LE(po.octets_rendus(), Polices::BudgetRendus) << texte;
    }
    EXPECT_GT(po.nombre_rendus(), 10u);
    po.imprime(encore, 5, 5, "0:00:00", 24, rgb(0, 255, 255));
    EXPECT_EQ(premier.pixels(), encore.pixels());
}

} // namespace
} // namespace tlv
