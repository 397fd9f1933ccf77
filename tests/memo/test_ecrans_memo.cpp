// The Memo table and menu in-process: what a click or a tick does in each state, without playing a game.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "memo/finmemo.h"
#include "memo/memo.h"
#include "memo/menumemo.h"
#include "pixels.h"
#include "platform/entrees.h"
#include "platform/image.h"
#include "platform/texte.h"
#include "tests/commun/bancscores.h"

namespace tlv::essai {
using namespace tlv::memo;
namespace {

class EcranMemo : public Banc {
  protected:
    // Runs `f` on a Memo table built over a fixed level 0 layout, with `a` a place holding a card.
    template <class F> void avec(F f) {
        ASSERT_TRUE(joue("", [&](Contexte& c) {
            Memo m(c);
            Rnd graine(5);
            tirage(m.plateau, 0, graine);
            f(m, Place{3, 1});
        }));
    }
    void clique(Memo& m, Place p, int bouton = 1) { m.MouseDown(bouton, 0, coin(p).x + 35, coin(p).y + 48); }
};

TEST_F(EcranMemo, ClicksChooseOnlyCardsThatAreThereAndNeverTheSameTwice) {
    avec([&](Memo& m, Place a) {
        using E = EtatClicMemo;
        for (E etat : {E::Libre, E::MenuOuvert}) { // no loop waiting, the menu open: nothing happens
            m.etatclic = etat;
            clique(m, a);
            EXPECT_EQ(m.etatclic, etat);
        }
        // An unused column, the cloth and the first card again are left to the robot run.
        m.etatclic = E::AttendPremiere;
        clique(m, a, bouton::Droit); // any button turns a card
        EXPECT_EQ(m.etatclic, E::PremiereChoisie);
        EXPECT_EQ(m.carte1, a);
        clique(m, {4, 1}); // while it turns, clicks wait
        EXPECT_EQ(m.etatclic, E::PremiereChoisie);
        m.etatclic = E::AttendSeconde;
        retirepaire(m.plateau, {4, 1}, {4, 1}); // a pair already found
        clique(m, {4, 1});
        EXPECT_EQ(m.etatclic, E::AttendSeconde);
    });
}

// Entry 5 never reacts, even with a game in progress (Continuer with and without one is the robot run's).
TEST_F(EcranMemo, MenuEntryFiveNeverReacts) {
    avec([&](Memo& m, Place) {
        Menumemo menu(m.ctx, true, [] {});
        menu.load();
        menu.visible = true;
        menu.MouseMove(0, 0, 320, 345);
        menu.MouseDown(1, 0, 320, 345);
        EXPECT_TRUE(menu.visible);
        EXPECT_EQ(menu.reponse, ReponseMemo::Aucune);
    });
}

// A card's place on the table against a cell of the sheet.
bool memebloc(const Surface& a, Point pa, const Surface& b, Point pb) {
    return test::memebloc(a, pa, b, pb, LargeurCarte, HauteurCarte);
}

TEST_F(EcranMemo, AFlipShowsTheFaceInNineFramesAndTurningBackShowsTheBack) {
    avec([&](Memo& m, Place a) {
        m.chargeimages();
        m.affichetapis();
        m.depose();
        const auto feuille = charge_image("./cartei08");
        ASSERT_TRUE(feuille.has_value());
        const Point dos{0, 384};
        EXPECT_TRUE(memebloc(m.image, coin(a), *feuille, dos));
        const auto t0 = pf->ms();
        m.retourneoui(a);
        EXPECT_EQ(pf->ms() - t0, 9 * 15); // each frame shown for 15 ms on the virtual clock
        EXPECT_TRUE(memebloc(m.image, coin(a), *feuille, cellule(m.plateau.carte(a))));
        m.retournenon(a);
        EXPECT_TRUE(memebloc(m.image, coin(a), *feuille, dos));
    });
}

TEST_F(EcranMemo, TheNoPairDelayIsScaledByTheSetting) {
    for (float reglage : {0.f, 2.f}) {
        r.tempomemo = reglage;
        avec([&](Memo& m, Place) {
            const auto t0 = pf->ms();
            m.pause(1.5f);
            EXPECT_EQ(pf->ms() - t0, static_cast<std::int64_t>(reglage * 1500));
        });
    }
}

// The rows and columns a surface's block inks (any pixel that is not black).
struct Etendue {
    long lignes = 0, colonnes = 0;
};
Etendue etendue(const Surface& s, const Rect& r) {
    std::vector<bool> l(static_cast<std::size_t>(r.h)), c(static_cast<std::size_t>(r.w));
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (s.pixel(r.x + x, r.y + y) != 0)
                l[static_cast<std::size_t>(y)] = c[static_cast<std::size_t>(x)] = true;
    return {std::count(l.begin(), l.end(), true), std::count(c.begin(), c.end(), true)};
}

// The clock box is cleared on each tick: the digits, shadow included, must lie inside it whole.
TEST_F(EcranMemo, TheClockDigitsStayWholeInsideTheBoxThatIsCleared) {
    avec([&](Memo& m, Place) {
        m.chargeimages();
        m.affichetapis();
        const auto tapis = charge_image("./cartei01");
        ASSERT_TRUE(tapis.has_value());
        const Rect boite{245, 12, 136, 24};
        for (const int t : {-1, 1, 7, 88, 150, 4444, 32000}) {
            if (t >= 0) {
                m.temps = t - 1;
                m.seconde_ecoulee();
                EXPECT_EQ(m.temps, t);
            }
            SCOPED_TRACE(t);
            // Around the box, 30 pixels wide and 12 high, the table is untouched.
            for (const Rect z :
                 {Rect{215, 0, 196, 12}, {215, 36, 196, 12}, {215, 12, 30, 24}, {381, 12, 30, 24}})
                EXPECT_TRUE(test::memes_pixels(m.image, *tapis, z)) << z.x << "," << z.y;
            // Nothing cut either: the box holds as many inked rows and columns as the number printed raised
            // on a clear surface.
            const std::string s = t < 0 ? "0" : std::string(1, ' ').append(std::to_string(t));
            Surface libre(300, 80, 0, pf->facteur());
            pf->polices().imprime(libre, 10, 10, s, r.taille6, rgb(0, 255, 255));
            pf->polices().imprime(libre, 11, 11, s, r.taille6, rgb(0, 144, 144));
            const Etendue attendue = etendue(libre, Rect{0, 0, 300, 80}), vue = etendue(m.image, boite);
            EXPECT_GT(attendue.lignes, 0);
            EXPECT_EQ(vue.lignes, attendue.lignes);
            EXPECT_EQ(vue.colonnes, attendue.colonnes);
        }
        m.seconde_ecoulee(); // the clock stops at its limit
        EXPECT_EQ(m.temps, 32000);
    });
}

// A finish that does not rank says so, with the time in French (the plural from 2 on, thousands apart) and
// the level whose table it misses.
TEST(TexteFin, SaysTheTimeAndTheLevelAsAPlayerReadsThem) {
    const std::pair<std::string, const char*> cas[] = {
        {textefin(0), "Partie terminée en 0\u00a0seconde"},
        {textefin(1), "Partie terminée en 1\u00a0seconde"},
        {textefin(2), "Partie terminée en 2\u00a0secondes"},
        {textefin(999), "Partie terminée en 999\u00a0secondes"},
        {textefin(1250), "Partie terminée en 1\u00a0250\u00a0secondes"},
        {textehorstableau(2), "Ce temps n\u2019entre pas au tableau du niveau 8x4."}};
    for (const auto& [vu, attendu] : cas) EXPECT_EQ(vu, attendu);
}

TEST_F(EcranMemo, TheTimeThatDoesNotRankNamesItsLevelAndWaitsForAClickOrAKey) {
    ASSERT_TRUE(joue("", [&](Contexte& c) {
        const auto ferme = [&](auto action) {
            Finmemo f(c, 250, 0);
            f.visible = true;
            action(f);
            return !f.visible;
        };
        for (const int b : {bouton::Gauche, bouton::Droit, bouton::Milieu})
            EXPECT_TRUE(ferme([&](Finmemo& f) { f.MouseDown(b, 0, 3, 3); })) << b; // anywhere, any button
        for (const Touche k : {Touche::Entree, Touche::Echap, Touche::Espace})
            EXPECT_TRUE(ferme([&](Finmemo& f) { f.Form_KeyDown(k, 0); })) << static_cast<int>(k);
        for (const Touche k : {Touche::F7, Touche::F8, touche_caractere('A')})
            EXPECT_FALSE(ferme([&](Finmemo& f) { f.Form_KeyDown(k, 0); })) << static_cast<int>(k);
    }));
}

} // namespace
} // namespace tlv::essai
