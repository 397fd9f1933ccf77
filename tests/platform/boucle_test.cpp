// The event loop, modal screens and timers, run on the virtual clock with scripted input; input as the
// screens see it: SDL's keys as our named keys with their classic codes, the robot's script, the menus' and
// the scroll bar's keys, a click after the keys, F11, and the message box's answers.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "dossiertemp.h"
#include "platform/animation.h"
#include "platform/boite_message.h"
#include "platform/controles.h"
#include "platform/curseurs.h"
#include "platform/form.h"
#include "platform/horloge.h"
#include "platform/image.h"
#include "platform/menuclavier.h"
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
    void demarre(const std::string& script, int largeur = 0, int hauteur = 0) {
        robot.commandes(Robot::analyse(script));
        OptionsPlateforme o;
        o.robot = &robot, o.ecran_largeur = largeur, o.ecran_hauteur = hauteur;
        pf = std::make_unique<Plateforme>(o);
    }
    Robot robot;
    std::unique_ptr<Plateforme> pf;
};

// A form that notes its events, keys by their codes, and timer ticks, and hides on Echap.
struct Ecran : Form {
    explicit Ecran(Plateforme& p) : Form(p, 640, 480), Timer1(p, 1000, [this] { ++tops; }) {}
    void Form_Activate() override { ++activations; }
    void Form_Unload() override { ++dechargements; }
    void Form_KeyDown(Touche code, int) override {
        touches.push_back(static_cast<int>(code));
        if (code == Touche::Echap) hide();
    }
    void MouseDown(int b, int, int x, int y) override { clics.push_back({b, x, y}); }
    void MouseMove(int, int, int x, int y) override { survols.push_back({x, y}); }
    int activations = 0, dechargements = 0, tops = 0;
    std::vector<int> touches;
    std::vector<std::array<int, 3>> clics;
    std::vector<std::pair<int, int>> survols;
    Minuterie Timer1;
};

// Clicks reach the top form in play-area pixels with their button; Alt with a button's accelerator letter
// clicks it, which alone ends the modal form.
TEST_F(Boucle, ClicksReachTheTopFormInPlayAreaPixelsAndAltWithALetterClicksItsButton) {
    demarre("attends\nclic 10 20\nclicdroit 630 470\nattends\ntouche r alt\nattends\n");
    Ecran e(*pf);
    Bouton b;
    b.caption = "&Retour";
    b.Click = [&] { e.hide(); };
    e.controles = {&b};
    e.place(pf->decalagex(), pf->decalagey());
    pf->montre_modal(e);
    EXPECT_EQ(e.clics, (std::vector<std::array<int, 3>>{{1, 10, 20}, {2, 630, 470}}));
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
    EXPECT_EQ(parent.touches, std::vector<int>{27}); // Echap
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
    peint(rgb(0, 0, 255));
    std::ostringstream journal;
    robot.journal(journal);
    const auto jusqua_la_fin = [&] {
        for (;;) {
            pf->attend_joueur();
            if (pf->ms() >= 1500) peint(rgb(255, 255, 0)); // c = blue, taken at 1.2 s first
        }
    };
    EXPECT_THROW(jusqua_la_fin(), Quitter);
    EXPECT_EQ(pf->ms(), 1000 + 2000);
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

// SDL's keys reach the screen as our named keys, whose codes are those the screens were written against;
// its mouse in play-area pixels: on 1920 x 1080 the area starts at column 240, by 2.25, so window pixel
// (263, 46) shows play-area pixel (10, 20), and (1679, 1079) the last one. A click is a move there first.
TEST_F(Boucle, SdlKeysReachTheScreenWithTheirClassicCodesAndTheMouseInPlayAreaPixels) {
    demarre("", 1920, 1080);
    Ecran e(*pf);
    e.place(pf->decalagex(), pf->decalagey());
    pf->montre_sans_attendre(e);
    pf->doevents();
    SDL_Event ev{};
    const auto pousse = [&] { ASSERT_EQ(SDL_PushEvent(&ev), 1) << SDL_GetError(); };
    for (const SDL_Keycode k : {SDLK_HOME, SDLK_END, SDLK_LEFT, SDLK_DOWN, SDLK_DELETE, SDLK_KP_ENTER,
                                SDLK_F5, SDLK_F8, SDLK_q, SDLK_7}) {
        ev.type = SDL_KEYDOWN, ev.key.keysym.sym = k;
        pousse();
    }
    ev = {};
    ev.type = SDL_MOUSEBUTTONDOWN, ev.button.button = SDL_BUTTON_LEFT, ev.button.x = 263, ev.button.y = 46;
    pousse();
    ev = {};
    ev.type = SDL_MOUSEMOTION, ev.motion.x = 1679, ev.motion.y = 1079;
    pousse();
    ev = {};
    ev.type = SDL_KEYDOWN, ev.key.keysym.sym = SDLK_ESCAPE; // last: it hides the screen
    pousse();
    pf->doevents();
    EXPECT_EQ(e.touches, (std::vector<int>{36, 35, 37, 40, 46, 13, 116, 119, 'Q', '7', 27}));
    EXPECT_EQ(e.clics, (std::vector<std::array<int, 3>>{{1, 10, 20}}));
    EXPECT_EQ(e.survols, (std::vector<std::pair<int, int>>{{10, 20}, {639, 479}}));
}

// A click after the menu's keys acts where the pointer is, told once; F11 and Alt+Entree switch the screen
// unseen by the form.
TEST_F(Boucle, AClickAfterTheKeysActsWhereThePointerIsAndF11SwitchesTheScreenUnseenByTheForm) {
    demarre("");
    Ecran m(*pf);
    using T = Entree::Type;
    const auto clic = [](int x, int y) {
        Entree e;
        e.type = T::SourisBas, e.x = x, e.y = y, e.bouton = bouton::Gauche;
        return e;
    };
    const auto touche = [](Touche c, int m = 0) {
        Entree e;
        e.type = T::Touche, e.code = c, e.maj = m;
        return e;
    };
    for (const Entree& e : {clic(10, 20), touche(Touche::Bas), clic(30, 40), clic(50, 60)}) m.route(e);
    EXPECT_EQ(m.survols, (std::vector<std::pair<int, int>>{{30, 40}})); // told once, and only after the keys
    pf->montre_sans_attendre(m);
    const bool plein = pf->plein_ecran();
    for (const Entree& e :
         {touche(Touche::F11), touche(Touche::Entree, maj::Alt), touche(Touche::F11), touche(Touche::Entree)})
        pf->pousse(e);
    pf->doevents();
    EXPECT_NE(pf->plein_ecran(), plein);
    EXPECT_EQ(m.touches, (std::vector<int>{static_cast<int>(Touche::Bas), static_cast<int>(Touche::Entree)}));
}

// Comments, CR LF, modifiers joined, a function key, a key that is a character of several bytes, '#' inside a
// text, a delayed capture.
TEST(Script, ReadsCommentsCrLfAndEveryArgument) {
    const auto c = Robot::analyse("# début\n"
                                  "clic 10 20 maj+ctrl+alt\n"
                                  "survol 3 4   # commentaire\n"
                                  "\n"
                                  "touche F5\n"
                                  "touche é\n"
                                  "texte Jean # pas un commentaire\r\n"
                                  "capture b.png 1.25\n");
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ((std::tuple{c[0].maj, c[0].ligne, c[1].y, c[2].code, c[3].texte}),
              (std::tuple{maj::Shift | maj::Ctrl | maj::Alt, 2, 4, Touche::F5, std::string("é")}));
    EXPECT_EQ((std::tuple{c[4].texte, c[5].texte, c[5].differee, c[5].duree_ms}),
              (std::tuple{std::string("Jean # pas un commentaire"), std::string("b.png"), true,
                          std::int64_t{1250}}));
}

TEST(Script, ABadLineIsRefusedWithItsNumber) {
    for (const char* l :
         {"clic", "clic 10", "clic a b", "clic 1 2 super", "survol 1 2 maj", "touche", "touche F13",
          "touche ab", "attends -1", "attends x", "attends 1 2", "capture", "capture a.png x",
          "capture a.png -1", "capture a.png 1 2", "saute 3", "clic 1.5 2"}) {
        try {
            Robot::analyse(std::string("attends\n") + l + "\n");
            ADD_FAILURE() << "accepted: " << l;
        } catch (const ErreurScript& e) {
            EXPECT_NE(std::string(e.what()).find("ligne 2"), std::string::npos) << e.what();
        }
    }
}

// The scroll bar's keys: the arrows step by SmallChange, Home and End go to the ends, others do nothing.
TEST(Barre, MovesTheValueAsTheKeySays) {
    // On a 2..9 bar stepping by 2.
    for (const auto& [touche, depart, attendu] : {std::tuple{Touche::Gauche, 5, 3},
                                                  {Touche::Droite, 5, 7},
                                                  {Touche::Gauche, 3, 2},
                                                  {Touche::Droite, 8, 9},
                                                  {Touche::Debut, 5, 2},
                                                  {Touche::Fin, 5, 9},
                                                  {Touche::Espace, 5, 5}}) {
        BarreHorizontale b;
        b.Min = 2, b.Max = 9, b.SmallChange = 2;
        b.valeur(depart);
        b.touche(touche);
        EXPECT_EQ(b.valeur(), attendu) << static_cast<int>(touche) << " from " << depart;
    }
}

TEST(Geste, MovesRoundTheLinesThatCanBeChosen) {
    using G = GesteMenu;
    const std::vector<int> menu{2, 3, 4, 6}; // line 1 and line 5 cannot be chosen
    struct {
        Touche t;
        int avant, apres;
        G g;
    } const cas[] = {{Touche::Bas, 0, 2, G::Deplace},    {Touche::Haut, 0, 6, G::Deplace},
                     {Touche::Bas, 6, 2, G::Deplace},    {Touche::Haut, 2, 6, G::Deplace},
                     {Touche::Entree, 3, 3, G::Choisit}, {Touche::Entree, 1, 1, G::Aucun},
                     {Touche::Echap, 3, 3, G::Retour},   {Touche::Gauche, 4, 4, G::Moins},
                     {Touche::Droite, 4, 4, G::Plus},    {Touche::F5, 4, 4, G::Aucun}};
    for (const auto& c : cas) {
        int survol = c.avant;
        EXPECT_EQ(geste_menu(c.t, survol, menu), c.g) << static_cast<int>(c.t) << " from " << c.avant;
        EXPECT_EQ(survol, c.apres) << static_cast<int>(c.t) << " from " << c.avant;
    }
}

// Our message box answers OK or Annuler from the mouse, the keyboard or its close box.
struct CasBoite {
    const char* script;
    bool annuler; // the box offers Annuler
    bool attendu;
};

class Boite : public Boucle, public ::testing::WithParamInterface<CasBoite> {};

TEST_P(Boite, AnswersAsThePlayerChose) {
    demarre(GetParam().script);
    pf->curseur(Curseur::Attente);
    EXPECT_EQ(boite_message(*pf, "Confirmez l'effacement de\r\nJEAN", "Quadrel", GetParam().annuler),
              GetParam().attendu);
    // The waiting cursor comes back once the box is gone.
    EXPECT_EQ(pf->curseur_actuel(), Curseur::Attente);
    EXPECT_EQ(pf->dessus(), nullptr);
}

// A two-line box with both buttons is 260 wide and centred: OK sits around (268, 280), Annuler around
// (372, 280) in play-area pixels.
INSTANTIATE_TEST_SUITE_P(
    Reponses, Boite,
    ::testing::Values(CasBoite{"attends\ntouche Echap\nattends\n", true, false},
                      CasBoite{"attends\ntouche Echap\nattends\n", false, true},
                      CasBoite{"attends\nclic 268 280\nattends\n", true, true},
                      CasBoite{"attends\nclic 372 280\nattends\n", true, false},
                      CasBoite{"attends\nclic 10 10\nattends\ntouche Entree\nattends\n", true, true},
                      // Entrée chooses the button the keys moved to; OK first.
                      CasBoite{"attends\ntouche Bas\ntouche Entree\nattends\n", true, false},
                      CasBoite{"attends\ntouche Droite\ntouche Bas\ntouche Entree\nattends\n", true, true},
                      CasBoite{"attends\ntouche Bas\ntouche Entree\nattends\n", false, true}));

} // namespace
} // namespace tlv
