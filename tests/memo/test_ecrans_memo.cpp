// The Memo table and menu in-process: what a click or a tick does in each state, without playing a game.
#include <gtest/gtest.h>

#include "memo/memo.h"
#include "memo/menumemo.h"
#include "platform/image.h"
#include "tests/scores/banc.h"

namespace tlv::essai {
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
        for (int etat : {0, -1}) { // no loop waiting, the menu open: nothing happens
            m.etatclic = etat;
            clique(m, a);
            EXPECT_EQ(m.etatclic, etat);
        }
        m.etatclic = 1;
        clique(m, {1, 1});          // a column level 0 does not use
        m.MouseDown(1, 0, 20, 200); // the cloth beside the grid
        EXPECT_EQ(m.etatclic, 1);
        clique(m, a, bouton::Droit); // any button turns a card
        EXPECT_EQ(m.etatclic, 2);
        EXPECT_EQ(m.carte1, a);
        clique(m, {4, 1}); // while it turns, clicks wait
        EXPECT_EQ(m.etatclic, 2);
        m.etatclic = 3;
        clique(m, a);                           // the first card again
        retirepaire(m.plateau, {4, 1}, {4, 1}); // a pair already found
        clique(m, {4, 1});
        EXPECT_EQ(m.etatclic, 3);
    });
}

TEST_F(EcranMemo, TheClockStartsAgainPast32000) {
    avec([&](Memo& m, Place) {
        m.temps = 31999;
        m.Timer1_Timer();
        EXPECT_EQ(m.temps, 32000);
        m.Timer1_Timer();
        EXPECT_EQ(m.temps, 0);
    });
}

TEST_F(EcranMemo, ContinueOnlyWhileAGameIsInProgress) {
    avec([&](Memo& m, Place) {
        Menumemo menu(m);
        menu.load();
        menu.visible = true;
        for (const int y : {65, 345}) { // no game yet; entry 5 never reacts
            menu.MouseMove(0, 0, 320, y);
            menu.MouseDown(1, 0, 320, y);
            EXPECT_TRUE(menu.visible);
            EXPECT_TRUE(menu.reponse.empty());
        }
        m.partieencours = true;
        menu.MouseMove(0, 0, 320, 65);
        menu.MouseDown(1, 0, 320, 65);
        EXPECT_FALSE(menu.visible);
        EXPECT_EQ(menu.reponse, "continue");
    });
}

bool memebloc(const Surface& a, Point pa, const Surface& b, Point pb) {
    for (int y = 0; y < hauteurcarte; ++y)
        for (int x = 0; x < largeurcarte; ++x)
            if (a.pixel(pa.x + x, pa.y + y) != b.pixel(pb.x + x, pb.y + y)) return false;
    return true;
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
            float attente = 1.f;
            const auto t0 = pf->ms();
            m.pause(attente);
            EXPECT_EQ(attente, reglage); // the caller's variable is scaled
            EXPECT_EQ(pf->ms() - t0, static_cast<std::int64_t>(reglage * 1000));
        });
    }
}

} // namespace
} // namespace tlv::essai
