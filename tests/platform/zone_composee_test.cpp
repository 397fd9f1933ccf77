// What a frame composes again: the changes a player can see, not those a screen above wholly hides (the
// launcher's clip and button under a game, which would make every card flip recompose half the screen).
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "platform/plateforme.h"

namespace tlv {
namespace {

// A form that notes the part of the screen each composition redraws.
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
    Rect dessus;  // where the upper screen lies, play-area pixels
    Rect dessous; // what changes on the full-size screen below
    bool vu;      // whether that change shows
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
    // A card turning on the upper screen while the one below changes (a frame of its clip).
    fill(haut.image, 5, 7, 9, 11, rgb(200, 10, 10));
    fill(bas.image, c.dessous.x, c.dessous.y, c.dessous.w, c.dessous.h, rgb(10, 200, 10));
    pf.invalide();
    pf.doevents();
    ASSERT_EQ(haut.zones.size(), 1u);
    Rect attendu{dx + c.dessus.x + 5, dy + c.dessus.y + 7, 9, 11};
    if (c.vu) attendu = reunion(attendu, Rect{dx + c.dessous.x, dy + c.dessous.y, c.dessous.w, c.dessous.h});
    const Rect z = haut.zones.back();
    EXPECT_EQ((std::tuple{z.x, z.y, z.w, z.h}), (std::tuple{attendu.x, attendu.y, attendu.w, attendu.h}));
}

INSTANTIATE_TEST_SUITE_P(
    Recouvrements, ZoneComposee,
    ::testing::Values(Cas{"EcranEntier", {0, 0, 640, 480}, {1, 216, 310, 48}, false},
                      Cas{"BoiteQuiCouvreLeChangement", {100, 200, 300, 120}, {101, 216, 200, 48}, false},
                      Cas{"BoiteAcote", {400, 0, 100, 50}, {1, 216, 310, 48}, true},
                      Cas{"BoiteQuiEnCouvreUnePartie", {0, 0, 300, 240}, {1, 216, 310, 48}, true},
                      Cas{"AuBordExactement", {0, 216, 311, 48}, {1, 216, 310, 48}, false}),
    [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
