// Input as the screens see it: SDL's keys as our named keys with their classic codes, the robot's script,
// the menus' and the scroll bar's keys, a click after the keys, F11, and the message box's answers.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/boite_message.h"
#include "platform/controles.h"
#include "platform/curseurs.h"
#include "platform/form.h"
#include "platform/menuclavier.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"

namespace tlv {
namespace {

// A screen that notes the keys and the mouse it is told of.
struct Essai : Form {
    explicit Essai(Plateforme& p) : Form(p, 640, 480) {}
    void MouseDown(int, int, int x, int y) override { clics.push_back({x, y}); }
    void MouseMove(int, int, int x, int y) override { survols.push_back({x, y}); }
    void Form_KeyDown(Touche code, int) override { touches.push_back(static_cast<int>(code)); }
    std::vector<std::pair<int, int>> clics, survols;
    std::vector<int> touches;
};

// SDL's keys reach the screen as our named keys, whose codes are those the screens were written against;
// its mouse in play-area pixels: on 1920 x 1080 the area starts at column 240, by 2.25, so window pixel
// (263, 46) shows play-area pixel (10, 20), and (1679, 1079) the last one. A click is a move there first.
TEST(Sdl, KeysReachTheScreenWithTheirClassicCodesAndTheMouseInPlayAreaPixels) {
    Robot robot; // a virtual clock and no wait for a real player
    OptionsPlateforme o;
    o.robot = &robot, o.ecran_largeur = 1920, o.ecran_hauteur = 1080;
    Plateforme pf(o);
    Essai e(pf);
    e.place(pf.decalagex(), pf.decalagey());
    pf.montre_sans_attendre(e);
    pf.doevents();
    SDL_Event ev{};
    for (const SDL_Keycode k : {SDLK_HOME, SDLK_END, SDLK_LEFT, SDLK_DOWN, SDLK_DELETE, SDLK_KP_ENTER,
                                SDLK_ESCAPE, SDLK_F5, SDLK_F8, SDLK_q, SDLK_7}) {
        ev.type = SDL_KEYDOWN, ev.key.keysym.sym = k;
        ASSERT_EQ(SDL_PushEvent(&ev), 1) << SDL_GetError();
    }
    ev = {};
    ev.type = SDL_MOUSEBUTTONDOWN, ev.button.button = SDL_BUTTON_LEFT, ev.button.x = 263, ev.button.y = 46;
    ASSERT_EQ(SDL_PushEvent(&ev), 1) << SDL_GetError();
    ev = {};
    ev.type = SDL_MOUSEMOTION, ev.motion.x = 1679, ev.motion.y = 1079;
    ASSERT_EQ(SDL_PushEvent(&ev), 1) << SDL_GetError();
    pf.doevents();
    EXPECT_EQ(e.touches, (std::vector<int>{36, 35, 37, 40, 46, 13, 27, 116, 119, 'Q', '7'}));
    EXPECT_EQ(e.clics, (std::vector<std::pair<int, int>>{{10, 20}}));
    EXPECT_EQ(e.survols, (std::vector<std::pair<int, int>>{{10, 20}, {639, 479}}));
}

Entree entree(Entree::Type t, int x, int y, Touche code = Touche::Aucune, int m = 0) {
    Entree e;
    e.type = t, e.x = x, e.y = y, e.code = code, e.maj = m, e.bouton = bouton::Gauche;
    return e;
}

// A click after the menu's keys acts where the pointer is, told once; F11 and Alt+Entree switch the screen
// unseen by the form.
TEST(Robotise, AClickAfterTheKeysActsWhereThePointerIsAndF11SwitchesTheScreenUnseenByTheForm) {
    Robot robot;
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    Essai m(pf);
    using T = Entree::Type;
    for (const Entree& e : {entree(T::SourisBas, 10, 20), entree(T::Touche, 0, 0, Touche::Bas),
                            entree(T::SourisBas, 30, 40), entree(T::SourisBas, 50, 60)})
        m.route(e);
    EXPECT_EQ(m.survols, (std::vector<std::pair<int, int>>{{30, 40}})); // told once, and only after the keys
    pf.montre_sans_attendre(m);
    const bool plein = pf.plein_ecran();
    for (const Entree& e :
         {entree(T::Touche, 0, 0, Touche::F11), entree(T::Touche, 0, 0, Touche::Entree, maj::Alt),
          entree(T::Touche, 0, 0, Touche::F11), entree(T::Touche, 0, 0, Touche::Entree)})
        pf.pousse(e);
    pf.doevents();
    EXPECT_NE(pf.plein_ecran(), plein);
    EXPECT_EQ(m.touches, (std::vector<int>{static_cast<int>(Touche::Bas), static_cast<int>(Touche::Entree)}));
}

using T = Robot::Commande::Type;

TEST(Script, ReadsEveryCommandWithItsArguments) {
    const auto c = Robot::analyse("# début\n"
                                  "clic 10 20 maj+alt\n"
                                  "clicdroit 1 2\r\n"
                                  "survol 3 4   # commentaire\n"
                                  "\n"
                                  "touche F5\n"
                                  "touche é\n"
                                  "touche a ctrl\n"
                                  "texte Jean # pas un commentaire\n"
                                  "attends\n"
                                  "attends 2.5\n"
                                  "capture a.png\n"
                                  "capture b.png 1.25\n");
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ((std::tuple{c[0].type, c[0].maj, c[0].ligne, c[1].type, c[2].type, c[2].y}),
              (std::tuple{T::Clic, 1 | 4, 2, T::ClicDroit, T::Survol, 4}));
    EXPECT_EQ((std::tuple{c[3].code, c[4].texte, c[5].code, c[6].texte}),
              (std::tuple{Touche::F5, std::string("é"), touche_caractere('A'),
                          std::string("Jean # pas un commentaire")}));
    EXPECT_EQ((std::tuple{c[7].duree_ms, c[8].duree_ms, c[9].texte, c[9].differee}),
              (std::tuple{std::int64_t{0}, std::int64_t{2500}, std::string("a.png"), false}));
    EXPECT_EQ((std::tuple{c[10].texte, c[10].differee, c[10].duree_ms}),
              (std::tuple{std::string("b.png"), true, std::int64_t{1250}}));
}

class MauvaiseLigne : public ::testing::TestWithParam<const char*> {};

TEST_P(MauvaiseLigne, IsRefusedWithItsLineNumber) {
    try {
        Robot::analyse(std::string("attends\n") + GetParam() + "\n");
        FAIL() << "accepted: " << GetParam();
    } catch (const ErreurScript& e) {
        EXPECT_NE(std::string(e.what()).find("ligne 2"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Script, MauvaiseLigne,
                         ::testing::Values("clic", "clic 10", "clic a b", "clic 1 2 super", "survol 1 2 maj",
                                           "touche", "touche F13", "touche ab", "attends -1", "attends x",
                                           "attends 1 2", "capture", "capture a.png x", "capture a.png -1",
                                           "capture a.png 1 2", "saute 3", "clic 1.5 2"));

// The scroll bar's keys: the arrows step by SmallChange, Home and End go to the ends, others do nothing.
TEST(Barre, MovesTheValueAsTheKeySays) {
    // On a 2..9 bar stepping by 2.
    for (const auto& [touche, depart, attendu] : {std::tuple{Touche::Gauche, 5, 3},
                                                  {Touche::Droite, 5, 7},
                                                  {Touche::Gauche, 3, 2},
                                                  {Touche::Droite, 8, 9},
                                                  {Touche::Debut, 5, 2},
                                                  {Touche::Fin, 5, 9},
                                                  {Touche::Haut, 5, 5},
                                                  {Touche::Espace, 5, 5},
                                                  {touche_caractere('A'), 5, 5}}) {
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
                     {Touche::Bas, 4, 6, G::Deplace},    {Touche::Bas, 6, 2, G::Deplace},
                     {Touche::Haut, 2, 6, G::Deplace},   {Touche::Haut, 5, 6, G::Deplace},
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

class Boite : public ::testing::TestWithParam<CasBoite> {};

TEST_P(Boite, AnswersAsThePlayerChose) {
    Robot robot;
    robot.commandes(Robot::analyse(GetParam().script));
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    pf.curseur(Curseur::Attente);
    EXPECT_EQ(boite_message(pf, "Confirmez l'effacement de\r\nJEAN", "Quadrel", GetParam().annuler),
              GetParam().attendu);
    // The waiting cursor comes back once the box is gone.
    EXPECT_EQ(pf.curseur_actuel(), Curseur::Attente);
    EXPECT_EQ(pf.dessus(), nullptr);
}

// A two-line box with both buttons is 260 wide and centred: OK sits around (268, 280), Annuler around
// (372, 280) in play-area pixels.
INSTANTIATE_TEST_SUITE_P(
    Reponses, Boite,
    ::testing::Values(CasBoite{"attends\ntouche Entree\nattends\n", true, true},
                      CasBoite{"attends\ntouche Echap\nattends\n", true, false},
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
