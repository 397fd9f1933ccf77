// The keys of the menus and the full-screen switch: the highlight's moves, a click after the keys, F11.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/fenetre.h"
#include "platform/form.h"
#include "platform/menuclavier.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"

namespace tlv {
namespace {

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

struct Menuessai : Form {
    explicit Menuessai(Plateforme& p) : Form(p, 640, 480) {}
    void MouseMove(int, int, int x, int y) override { survols.push_back(x * 1000 + y); }
    void Form_KeyDown(Touche code, int) override { touches.push_back(code); }
    std::vector<int> survols;
    std::vector<Touche> touches;
};

Entree entree(Entree::Type t, int x, int y, Touche code = Touche::Aucune, int m = 0) {
    Entree e;
    e.type = t, e.x = x, e.y = y, e.code = code, e.maj = m, e.bouton = bouton::Gauche;
    return e;
}

TEST(Robotise, AClickAfterTheKeysActsWhereThePointerIsAndF11SwitchesTheScreenUnseenByTheForm) {
    Robot robot;
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    Menuessai m(pf);
    using T = Entree::Type;
    for (const Entree& e : {entree(T::SourisBas, 10, 20), entree(T::Touche, 0, 0, Touche::Bas),
                            entree(T::SourisBas, 30, 40), entree(T::SourisBas, 50, 60)})
        m.route(e);
    EXPECT_EQ(m.survols, std::vector<int>{30040}); // told once, and only after the keys

    pf.montre_sans_attendre(m);
    const bool plein = pf.plein_ecran();
    for (const Entree& e :
         {entree(T::Touche, 0, 0, Touche::F11), entree(T::Touche, 0, 0, Touche::Entree, maj::Alt),
          entree(T::Touche, 0, 0, Touche::F11), entree(T::Touche, 0, 0, Touche::Entree)})
        pf.pousse(e);
    pf.doevents();
    EXPECT_NE(pf.plein_ecran(), plein);
    EXPECT_EQ(m.touches, (std::vector<Touche>{Touche::Bas, Touche::Entree}));
}

// Window pixel (x, y) in logical pixels.
std::pair<int, int> logique(const Fenetre& f, int x, int y) {
    f.vers_logique(x, y);
    return {x, y};
}

// The window pixel at the centre of play-area pixel (x, y), mapped back.
std::pair<int, int> aller_retour(const Fenetre& f, int x, int y) {
    const Echelle& e = f.echelle();
    const double s = e.aire.w / 640.0;
    return logique(f, e.aire.x + static_cast<int>((x + 0.5) * s), e.aire.y + static_cast<int>((y + 0.5) * s));
}

TEST(Bascule, TheWindowComesBackAtItsSizeAndTheMouseMapsOnTheScreenEachWay) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        Fenetre f(true);
        f.impose_taille_fenetre(900, 700);
        EXPECT_EQ(f.echelle().aire.w, 900); // the area fills the window's width
        EXPECT_EQ(aller_retour(f, 5, 7), std::pair(5, 7));
        f.bascule_plein_ecran();
        ASSERT_TRUE(f.plein_ecran());
        int w = 0, h = 0;
        SDL_GetWindowSize(f.sdl(), &w, &h);
        // Full screen: the area scaled to the display and centred.
        EXPECT_EQ(f.echelle().aire.x, (w - f.echelle().aire.w) / 2);
        EXPECT_EQ(aller_retour(f, 5, 7), std::pair(5, 7));
        EXPECT_EQ(aller_retour(f, 639, 479), std::pair(639, 479));
        f.bascule_plein_ecran();
        SDL_GetWindowSize(f.sdl(), &w, &h);
        EXPECT_EQ(std::pair(w, h), std::pair(900, 700));
        EXPECT_EQ(aller_retour(f, 5, 7), std::pair(5, 7));
    }
    SDL_Quit();
}

} // namespace
} // namespace tlv
