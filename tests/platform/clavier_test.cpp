// The keyboard as the screens see it: SDL's keys arrive as our named keys, with their classic codes.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"

namespace tlv {
namespace {

struct Clavier : Form {
    explicit Clavier(Plateforme& p) : Form(p, 640, 480) {}
    void Form_KeyDown(Touche code, int) override { touches.push_back(code); }
    std::vector<Touche> touches;
};

struct CasTouche {
    SDL_Keycode sdl;
    Touche attendue;
    int classique; // the code the screens were written against
};

class Traduction : public ::testing::TestWithParam<CasTouche> {};

TEST_P(Traduction, ReachesTheScreenAsItsNamedKey) {
    Robot robot; // a virtual clock and no wait for a real player
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    Clavier c(pf);
    pf.montre_sans_attendre(c);
    SDL_Event ev{};
    ev.type = SDL_KEYDOWN;
    ev.key.keysym.sym = GetParam().sdl;
    ASSERT_EQ(SDL_PushEvent(&ev), 1) << SDL_GetError();
    pf.doevents();
    ASSERT_EQ(c.touches.size(), 1u);
    EXPECT_EQ(c.touches[0], GetParam().attendue);
    EXPECT_EQ(static_cast<int>(c.touches[0]), GetParam().classique);
}

INSTANTIATE_TEST_SUITE_P(
    Touches, Traduction,
    ::testing::Values(CasTouche{SDLK_HOME, Touche::Debut, 36}, CasTouche{SDLK_END, Touche::Fin, 35},
                      CasTouche{SDLK_LEFT, Touche::Gauche, 37}, CasTouche{SDLK_DOWN, Touche::Bas, 40},
                      CasTouche{SDLK_DELETE, Touche::Suppr, 46}, CasTouche{SDLK_KP_ENTER, Touche::Entree, 13},
                      CasTouche{SDLK_ESCAPE, Touche::Echap, 27}, CasTouche{SDLK_F5, Touche::F5, 116},
                      CasTouche{SDLK_F8, Touche::F8, 119}, CasTouche{SDLK_q, touche_caractere('q'), 'Q'},
                      CasTouche{SDLK_7, touche_caractere('7'), '7'}));

} // namespace
} // namespace tlv
