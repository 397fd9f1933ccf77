// The event loop, modal screens and timers, run on the virtual clock with scripted input.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "dossiertemp.h"
#include "platform/animation.h"
#include "platform/form.h"
#include "platform/horloge.h"
#include "platform/image.h"
#include "platform/minuterie.h"
#include "platform/minuteries.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"

namespace tlv {
namespace {

class Boucle : public ::testing::Test {
  protected:
    void demarre(const std::string& script) {
        robot.commandes(Robot::analyse(script));
        OptionsPlateforme o;
        o.robot = &robot;
        pf = std::make_unique<Plateforme>(o);
    }
    Robot robot;
    std::unique_ptr<Plateforme> pf;
};

// A form that counts its events and timer ticks, and hides on Echap.
struct Ecran : Form {
    explicit Ecran(Plateforme& p) : Form(p, 640, 480), Timer1(p, 1000, [this] { ++tops; }) {}
    void Form_Activate() override { ++activations; }
    void Form_Unload() override { ++dechargements; }
    void Form_KeyDown(Touche code, int) override {
        touches.push_back(code);
        if (code == Touche::Echap) hide();
    }
    void MouseDown(int b, int, int x, int y) override { clics.push_back({b, x, y}); }
    int activations = 0, dechargements = 0, tops = 0;
    std::vector<Touche> touches;
    std::vector<std::array<int, 3>> clics;
    Minuterie Timer1;
};

TEST_F(Boucle, ClicksReachTheTopFormInPlayAreaPixels) {
    demarre("attends\nclic 10 20\nclicdroit 630 470\nattends\ntouche Echap\nattends\n");
    Ecran e(*pf);
    e.place(pf->decalagex(), pf->decalagey());
    pf->montre_modal(e);
    ASSERT_EQ(e.clics.size(), 2u);
    EXPECT_EQ(e.clics[0], (std::array<int, 3>{1, 10, 20}));
    EXPECT_EQ(e.clics[1], (std::array<int, 3>{2, 630, 470}));
    EXPECT_EQ(e.touches, std::vector<Touche>{Touche::Echap});
}

TEST_F(Boucle, TimersTickOnlyWhileTheRobotWaitsForTime) {
    demarre("attends\nattends\nattends 3\ntouche Echap\nattends\n");
    Ecran e(*pf);
    e.Timer1.active(true);
    pf->montre_modal(e);
    EXPECT_EQ(e.tops, 3);
    EXPECT_EQ(pf->ms(), 3000);
}

// A timed wait jumps to its deadline firing the timers on the way, or stops once a timer makes its
// condition hold.
TEST_F(Boucle, TimedWaitsJumpToTheirDeadlineOrStopWhenATimerMakesTheirConditionHold) {
    demarre("");
    Ecran e(*pf);
    e.Timer1.active(true);
    pf->attend_jusqua(pf->ms() + 2500);
    EXPECT_EQ(pf->ms(), 2500);
    EXPECT_EQ(e.tops, 2);
    pf->attend_jusqua(pf->ms() + 60000, [&] { return e.tops == 5; });
    EXPECT_EQ(pf->ms(), 5000);
}

// A form that opens `enfant` over itself from its first activation, as the game screens do.
struct Parent : Ecran {
    Parent(Plateforme& p, Ecran& e) : Ecran(p), enfant(e) {}
    void Form_Activate() override {
        Ecran::Form_Activate();
        if (activations == 1) {
            pf.montre_modal(enfant);
            enfant.unload();
        }
    }
    Ecran& enfant;
};

TEST_F(Boucle, ClosingAModalFormActivatesTheOneBelowUnlessAsked) {
    demarre("attends\ntouche Echap\nattends\ntouche Echap\nattends\n");
    Ecran dessus(*pf);
    Parent parent(*pf, dessus);
    pf->montre_modal(parent);
    EXPECT_EQ(dessus.activations, 1);
    EXPECT_EQ(dessus.dechargements, 1);
    EXPECT_EQ(parent.activations, 2);
    EXPECT_EQ(parent.touches, std::vector<Touche>{Touche::Echap});
}

TEST_F(Boucle, TheEndOfTheScriptUnwindsEveryModalFormUnloadingEach) {
    demarre("attends\n");
    Ecran enfant(*pf);
    Parent parent(*pf, enfant);
    parent.load();
    EXPECT_THROW(pf->montre_modal(parent), Quitter);
    EXPECT_EQ(enfant.dechargements, 1);
    EXPECT_EQ(parent.dechargements, 1);
    EXPECT_EQ(pf->dessus(), nullptr);
}

TEST_F(Boucle, AltWithTheAcceleratorLetterClicksTheButton) {
    demarre("attends\ntouche r alt\nattends\n");
    Ecran e(*pf);
    Bouton b;
    b.caption = "&Retour";
    b.x = 10, b.y = 10, b.w = 80, b.h = 20;
    int clics = 0;
    b.Click = [&] {
        ++clics;
        e.hide();
    };
    e.controles = {&b};
    pf->montre_modal(e);
    EXPECT_EQ(clics, 1);
}

TEST_F(Boucle, ATimerHandlerThatGivesWayIsNotReentered) {
    demarre("");
    int profondeur = 0, max = 0;
    Minuterie m(*pf, 10, [&] {
        ++profondeur;
        max = std::max(max, profondeur);
        pf->attend_ms(50);
        --profondeur;
    });
    m.active(true);
    pf->attend_ms(200);
    EXPECT_EQ(max, 1);
}

// The colour of the play area's centre in a capture, -1 when the file is missing.
long centre(const std::string& fichier) {
    const auto s = charge_image(fichier, 1);
    return s ? static_cast<long>(s->pixel(320, 240) & 0xFFFFFF) : -1;
}

TEST_F(Boucle, ADelayedCaptureShowsTheScreenAtItsTimeInsideTimedWaitsAndRobotWaits) {
    const test::DossierTemp temp;
    const std::string d = temp.chemin();
    // Asked at 0: one falls inside the program's pause, one inside the robot's own wait; one is never due.
    demarre("capture " + d + "a.png 0.5\ncapture " + d + "b.png 1.7\ncapture " + d + "c.png 1.2\n" +
            "capture " + d + "z.png 60\nattends\nattends 2\n");
    Ecran e(*pf);
    e.place(pf->decalagex(), pf->decalagey());
    pf->montre_sans_attendre(e);
    const auto peint = [&](std::uint32_t c) { fill(e.image, 0, 0, 640, 480, c); };
    peint(rgb(255, 0, 0));
    pf->attend_joueur(); // the robot reads the captures
    pf->attend_jusqua(pf->ms() + 400);
    peint(rgb(0, 255, 0));
    pf->attend_jusqua(pf->ms() + 600); // a = green, at 0.5 s, before this pause ends
    EXPECT_EQ(pf->ms(), 1000);
    peint(rgb(0, 0, 255));
    std::ostringstream journal;
    robot.journal(journal);
    bool fin = false;
    try {
        for (;;) {
            pf->attend_joueur();
            if (pf->ms() >= 1500) peint(rgb(255, 255, 0)); // c = blue, taken at 1.2 s first
        }
    } catch (const Quitter&) {
        fin = true;
    }
    EXPECT_TRUE(fin);
    EXPECT_EQ(pf->ms(), 2000 + 1000);
    EXPECT_NE(journal.str().find("z.png"), std::string::npos);
    EXPECT_EQ(centre(d + "a.png"), 0x00FF00);
    EXPECT_EQ(centre(d + "c.png"), 0x0000FF);
    EXPECT_EQ(centre(d + "b.png"), 0xFFFF00);
    EXPECT_EQ(centre(d + "z.png"), -1);
}

TEST_F(Boucle, PausesAndRefreshesNeverEndBeforeTheirTime) {
    demarre("attends\n");
    // The real clock is always somewhere inside a millisecond.
    pf->horloge().avance_a_us(1'000'700);
    for (const int d : {15, 50, 1000}) {
        const auto t0 = pf->horloge().us();
        pf->attend_pendant(d);
        EXPECT_EQ(pf->horloge().us() - t0, 1000LL * d);
    }
    const auto t0 = pf->horloge().us();
    pf->monrefresh();
    EXPECT_EQ(pf->horloge().us() - t0, 15'000);
}

// The colour at the middle of the window.
std::uint32_t centre(SDL_Window* w) {
    SDL_Surface* s = SDL_GetWindowSurface(w);
    const auto* p =
        static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(s->h / 2) * s->pitch;
    Uint8 r, g, b;
    SDL_GetRGB(reinterpret_cast<const std::uint32_t*>(p)[s->w / 2], s->format, &r, &g, &b);
    return rgb(r, g, b);
}

// The window comes up with its first frame already in it, never empty, full screen or not.
class Apparition : public Boucle, public ::testing::WithParamInterface<bool> {};

TEST_P(Apparition, TheWindowAppearsWithItsFirstFrame) {
    const bool fenetre = GetParam();
    setenv("TLV_ROBOT_AFFICHE", "1", 1);
    struct Efface {
        ~Efface() { unsetenv("TLV_ROBOT_AFFICHE"); }
    } efface;
    robot.commandes(Robot::analyse("attends\n"));
    OptionsPlateforme o;
    o.robot = &robot, o.fenetre = fenetre;
    pf = std::make_unique<Plateforme>(o);
    SDL_Window* w = nullptr;
    for (Uint32 id = 1; !w && id < 1000; ++id) w = SDL_GetWindowFromID(id);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN);
    if (!SDL_GetWindowSurface(w)) GTEST_SKIP() << "no window surface";
    struct Vu {
        SDL_Window* w;
        std::uint32_t centre = 1;
    } vu{w};
    // What a window that keeps its surface holds at the moment it is shown.
    auto regarde = [](void* u, SDL_Event* ev) {
        if (ev->type == SDL_WINDOWEVENT && ev->window.event == SDL_WINDOWEVENT_SHOWN)
            static_cast<Vu*>(u)->centre = centre(static_cast<Vu*>(u)->w);
        return 0;
    };
    SDL_AddEventWatch(regarde, &vu);
    Form f(*pf);
    fill(f.image, 0, 0, 640, 480, rgb(32, 64, 192));
    f.place(pf->decalagex(), pf->decalagey());
    pf->montre_sans_attendre(f);
    pf->doevents();
    SDL_DelEventWatch(regarde, &vu);
    EXPECT_TRUE(SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN);
    if (fenetre) {
        EXPECT_EQ(vu.centre, rgb(32, 64, 192)) << "shown before its frame was drawn";
    }
    EXPECT_EQ(centre(w), rgb(32, 64, 192)) << "the frame was not sent again once shown";
}

INSTANTIATE_TEST_SUITE_P(PleinEcranOuFenetre, Apparition, ::testing::Bool());

// The launcher's clip under a screen that hides it stands still and wakes nobody; a small box beside it
// does not stop it.
TEST_F(Boucle, AClipHiddenByAScreenAboveStandsStill) {
    demarre("attends\n");
    Form bas(*pf, pf->ecran_largeur(), pf->ecran_hauteur());
    Animation clip(*pf);
    clip.x = pf->decalagex() + 1, clip.y = pf->decalagey() + 216, clip.w = 310, clip.h = 48;
    ASSERT_TRUE(clip.Open("cartef00"));
    bas.controles = {&clip};
    clip.sur(bas);
    clip.Play();
    pf->montre_sans_attendre(bas);
    pf->doevents();
    auto avance = [&] {
        const int avant = clip.image_courante();
        pf->attend_ms(1000);
        return clip.image_courante() != avant;
    };
    Form boite(*pf, 100, 50), page(*pf);
    boite.place(pf->decalagex() + 400, pf->decalagey());
    page.place(pf->decalagex(), pf->decalagey());
    pf->montre_sans_attendre(boite);
    EXPECT_TRUE(avance());
    pf->montre_sans_attendre(page);
    EXPECT_EQ(pf->minuteries().prochaine(), -1);
    EXPECT_FALSE(avance());
    page.hide();
    EXPECT_TRUE(avance());
}

} // namespace
} // namespace tlv
