// The keyboard in menus and the full-screen switch: the highlight's moves, a click after the keys, F11.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "platform/fenetre.h"
#include "platform/menuclavier.h"
#include "platform/plateforme.h"
#include "platform/robot.h"

namespace tlv {
namespace {

struct CasGeste {
    const char* touches; // robot key names, in order
    int avant;
    std::vector<int> lignes;
    int apres;
    GesteMenu dernier;
};

class Geste : public ::testing::TestWithParam<CasGeste> {};

TEST_P(Geste, MovesAmongTheLinesThatCanBeChosen) {
    const CasGeste& c = GetParam();
    int survol = c.avant;
    GesteMenu g = GesteMenu::Aucun;
    std::istringstream noms(c.touches);
    for (std::string nom; noms >> nom;) {
        const auto cmd = Robot::analyse("touche " + nom + "\n");
        g = geste_menu(cmd.at(0).code, survol, c.lignes);
    }
    EXPECT_EQ(survol, c.apres);
    EXPECT_EQ(g, c.dernier);
}

// Belote's menu without a match: line 1 cannot be chosen, line 5 never by the keys.
const std::vector<int> Menu{2, 3, 4, 6};
INSTANTIATE_TEST_SUITE_P(
    Touches, Geste,
    ::testing::Values(
        CasGeste{"Bas", 0, Menu, 2, GesteMenu::Deplace}, CasGeste{"Haut", 0, Menu, 6, GesteMenu::Deplace},
        CasGeste{"Bas Bas Bas Bas", 0, Menu, 6, GesteMenu::Deplace}, // past line 5
        CasGeste{"Bas", 6, Menu, 2, GesteMenu::Deplace},             // round from the last
        CasGeste{"Haut", 2, Menu, 6, GesteMenu::Deplace},            // and from the first
        CasGeste{"Haut", 5, Menu, 6, GesteMenu::Deplace},            // the mouse left it on line 5
        CasGeste{"Bas Bas Haut Entree", 0, Menu, 2, GesteMenu::Choisit},
        CasGeste{"Entree", 0, Menu, 0, GesteMenu::Aucun}, CasGeste{"Entree", 1, Menu, 1, GesteMenu::Aucun},
        CasGeste{"Echap", 3, Menu, 3, GesteMenu::Retour}, CasGeste{"Gauche", 4, Menu, 4, GesteMenu::Moins},
        CasGeste{"Droite", 4, Menu, 4, GesteMenu::Plus}, CasGeste{"F5", 4, Menu, 4, GesteMenu::Aucun},
        CasGeste{"Bas", 0, {}, 0, GesteMenu::Aucun}),
    [](const auto& i) {
        std::string n;
        for (const char c : std::string(i.param.touches))
            if (c != ' ') n += c;
        return n + "_" + std::to_string(i.param.avant) + "_" + std::to_string(i.index);
    });

class Robotise : public ::testing::Test {
  protected:
    Robotise() {
        OptionsPlateforme o;
        o.robot = &robot;
        pf = std::make_unique<Plateforme>(o);
    }
    Robot robot;
    std::unique_ptr<Plateforme> pf;
};

struct Menuessai : Form {
    explicit Menuessai(Plateforme& p) : Form(p, 640, 480) {}
    void MouseMove(int, int, int x, int y) override { survols.push_back(x * 1000 + y); }
    void Form_KeyDown(Touche code, int) override { touches.push_back(code); }
    std::vector<int> survols;
    std::vector<Touche> touches;
};

Entree entree(Entree::Type t, int x = 0, int y = 0, Touche code = Touche::Aucune, int m = 0) {
    Entree e;
    e.type = t, e.x = x, e.y = y, e.code = code, e.maj = m, e.bouton = bouton::Gauche;
    return e;
}

TEST_F(Robotise, AfterTheKeysAClickActsWhereThePointerIsNotOnTheKeysLine) {
    Menuessai m(*pf);
    using T = Entree::Type;
    m.route(entree(T::SourisBas, 10, 20)); // never moved: the menu knows no pointer, as before
    EXPECT_TRUE(m.survols.empty());
    m.route(entree(T::Touche, 0, 0, Touche::Bas));
    m.route(entree(T::SourisBas, 10, 20));
    m.route(entree(T::SourisBas, 30, 40)); // once only
    m.route(entree(T::Touche, 0, 0, Touche::Haut));
    m.route(entree(T::SourisBouge, 50, 60));
    m.route(entree(T::SourisBas, 50, 60)); // the mouse moved since: nothing more to tell
    EXPECT_EQ(m.survols, (std::vector<int>{10020, 50060}));
}

TEST_F(Robotise, F11AndAltEnterSwitchTheScreenAndGoNoFurther) {
    Menuessai m(*pf);
    pf->montre_sans_attendre(m);
    const bool plein = pf->plein_ecran();
    pf->pousse(entree(Entree::Type::Touche, 0, 0, Touche::F11));
    pf->doevents();
    EXPECT_NE(pf->plein_ecran(), plein);
    pf->pousse(entree(Entree::Type::Touche, 0, 0, Touche::Entree, maj::Alt));
    pf->doevents();
    EXPECT_EQ(pf->plein_ecran(), plein);
    EXPECT_TRUE(m.touches.empty());
    pf->pousse(entree(Entree::Type::Touche, 0, 0, Touche::Entree, maj::Ctrl));
    pf->doevents();
    EXPECT_EQ(pf->plein_ecran(), plein);
    EXPECT_EQ(m.touches, std::vector<Touche>{Touche::Entree});
}

// Window pixel (x, y) in logical pixels.
std::pair<int, int> logique(const Fenetre& f, int x, int y) {
    f.vers_logique(x, y);
    return {x, y};
}

TEST(Bascule, TheWindowComesBackAtItsSizeAndTheMouseMapsOnTheScreenEachWay) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        Fenetre f(true);
        f.impose_taille_fenetre(1300, 980); // twice 640 x 480 with a 10-pixel border
        ASSERT_FALSE(f.plein_ecran());
        EXPECT_EQ(logique(f, 10 + 2 * 5, 10 + 2 * 7), std::pair(5, 7));
        f.bascule_plein_ecran();
        EXPECT_TRUE(f.plein_ecran());
        int w = 0, h = 0;
        SDL_GetWindowSize(f.sdl(), &w, &h);
        // The screen keeps its 640 x 480 logical pixels, centred on the display at the zoom that fits.
        const int z = std::max(1, std::min(w / 640, h / 480));
        EXPECT_EQ(f.zoom(), z);
        EXPECT_EQ(logique(f, (w - 640 * z) / 2 + z * 5, (h - 480 * z) / 2 + z * 7), std::pair(5, 7));
        f.taille_fenetre(w, h);
        EXPECT_EQ(std::pair(w, h), std::pair(1300, 980));
        f.bascule_plein_ecran();
        EXPECT_FALSE(f.plein_ecran());
        SDL_GetWindowSize(f.sdl(), &w, &h);
        EXPECT_EQ(std::pair(w, h), std::pair(1300, 980));
        EXPECT_EQ(logique(f, 10 + 2 * 5, 10 + 2 * 7), std::pair(5, 7));
    }
    SDL_Quit();
}

} // namespace
} // namespace tlv
