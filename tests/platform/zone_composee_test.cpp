// A frame composes again the changes a player can see, not those a screen above wholly hides (the launcher's
// clip and button under a game, which made every card flip recompose half the screen).
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"

namespace tlv {
namespace {

// Notes the part of the screen each composition redraws.
struct Temoin : Form {
    Temoin(Plateforme& p, int w, int h) : Form(p, w, h) {}
    void dessine(Surface& ecran) override {
        zones.push_back(ecran.zone());
        Form::dessine(ecran);
    }
    std::vector<Rect> zones;
};

struct Cas {
    const char* nom;
    Rect dessus; // the upper screen, over a full one whose rectangle (1, 216, 310, 48) changes
    bool vu;     // whether that change shows
};
void PrintTo(const Cas& c, std::ostream* o) {
    *o << c.nom;
}
class ZoneComposee : public ::testing::TestWithParam<Cas> {};

TEST_P(ZoneComposee, OnlyChangesThatShowAreComposedAgain) {
    const Cas c = GetParam();
    OptionsPlateforme o;
    o.horloge_virtuelle = true;
    Plateforme pf(o);
    const int dx = pf.decalagex(), dy = pf.decalagey();
    Form bas(pf, 640, 480);
    Temoin haut(pf, c.dessus.w, c.dessus.h);
    bas.place(dx, dy);
    haut.place(dx + c.dessus.x, dy + c.dessus.y);
    pf.montre_sans_attendre(bas);
    pf.montre_sans_attendre(haut);
    pf.doevents();
    pf.doevents();
    haut.zones.clear();
    fill(haut.image, 5, 7, 9, 11, rgb(200, 10, 10));
    fill(bas.image, 1, 216, 310, 48, rgb(10, 200, 10));
    pf.invalide();
    pf.doevents();
    // A hidden change adds nothing; a visible one is composed too, apart or merged.
    ASSERT_EQ(haut.zones.size(), c.vu ? 2u : 1u);
    Rect a{dx + c.dessus.x + 5, dy + c.dessus.y + 7, 9, 11};
    if (c.vu) a = reunion(a, Rect{dx + 1, dy + 216, 310, 48});
    Rect z;
    for (const Rect& r : haut.zones) z = reunion(z, r);
    EXPECT_EQ((std::tuple{z.x, z.y, z.w, z.h}), (std::tuple{a.x, a.y, a.w, a.h}));
}

INSTANTIATE_TEST_SUITE_P(Recouvrements, ZoneComposee,
                         ::testing::Values(Cas{"EcranEntier", {0, 0, 640, 480}, false},
                                           Cas{"JusteAuBord", {1, 216, 310, 48}, false},
                                           Cas{"BoiteAcote", {400, 0, 100, 50}, true},
                                           Cas{"BoiteQuiEnCouvreUnePartie", {0, 0, 300, 240}, true}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
