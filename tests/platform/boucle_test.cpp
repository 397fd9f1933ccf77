// The event loop, modal screens and timers, run on the virtual clock with scripted input.
#include <gtest/gtest.h>

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

// Clicks reach the top form in play-area pixels; Alt with a button's accelerator letter clicks it.
TEST_F(Boucle, ClicksReachTheTopFormInPlayAreaPixelsAndAltWithALetterClicksItsButton) {
    demarre("attends\nclic 10 20\nclicdroit 630 470\nattends\ntouche r alt\nattends\n");
    Ecran e(*pf);
    Bouton b;
    b.caption = "&Retour";
    b.x = 300, b.y = 300, b.w = 80, b.h = 20;
    int clics = 0;
    b.Click = [&] {
        ++clics;
        e.hide();
    };
    e.controles = {&b};
    e.place(pf->decalagex(), pf->decalagey());
    pf->montre_modal(e);
    EXPECT_EQ(e.clics, (std::vector<std::array<int, 3>>{{1, 10, 20}, {2, 630, 470}}));
    EXPECT_EQ(clics, 1);
}

// Timers tick only while the robot waits for time; a timed wait jumps to its deadline firing the timers on
// the way, or stops once a timer makes its condition hold.
TEST_F(Boucle, TimersTickWhileTimePassesAndTimedWaitsStopWhenATimerMakesTheirConditionHold) {
    demarre("attends\nattends\nattends 3\ntouche Echap\nattends\n");
    Ecran e(*pf);
    e.Timer1.active(true);
    pf->montre_modal(e);
    EXPECT_EQ((std::pair{e.tops, pf->ms()}), (std::pair{3, std::int64_t{3000}}));
    pf->attend_jusqua(pf->ms() + 2500);
    EXPECT_EQ((std::pair{e.tops, pf->ms()}), (std::pair{5, std::int64_t{5500}}));
    pf->attend_jusqua(pf->ms() + 60000, [&] { return e.tops == 8; });
    EXPECT_EQ(pf->ms(), 8000);
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
    EXPECT_EQ((std::tuple{dessus.activations, dessus.dechargements, parent.activations}),
              (std::tuple{1, 1, 2}));
    EXPECT_EQ(parent.touches, std::vector<Touche>{Touche::Echap});
}

TEST_F(Boucle, TheEndOfTheScriptUnwindsEveryModalFormUnloadingEach) {
    demarre("attends\n");
    Ecran enfant(*pf);
    Parent parent(*pf, enfant);
    parent.load();
    EXPECT_THROW(pf->montre_modal(parent), Quitter);
    EXPECT_EQ((std::tuple{enfant.dechargements, parent.dechargements, pf->dessus()}),
              (std::tuple{1, 1, static_cast<Calque*>(nullptr)}));
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
    EXPECT_EQ(
        (std::tuple{centre(d + "a.png"), centre(d + "c.png"), centre(d + "b.png"), centre(d + "z.png")}),
        (std::tuple{0x00FF00L, 0x0000FFL, 0xFFFF00L, -1L}));
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
