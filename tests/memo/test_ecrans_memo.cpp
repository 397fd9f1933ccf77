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
    // Runs `f` on a Memo table (and its menu) built over a fixed layout of level `niveau`.
    template <class F> void avec(int niveau, F f) {
        r.niveaumemo = niveau;
        ASSERT_TRUE(joue("", [&](Contexte& c) {
            Memo m(c);
            Rnd graine(5);
            tirage(m.plateau, niveau, graine);
            f(m);
        }));
    }
    // Play-area point in the middle of a place.
    static Point milieu(Place p) { return {coin(p).x + 35, coin(p).y + 48}; }
    static Place ou(const Memo& m, int face) {
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 4; ++r)
                if (m.plateau.carte({c, r}) == face) return {c, r};
        return {};
    }
};

TEST_F(EcranMemo, ClicksChooseOnlyCardsThatAreThereAndNeverTheSameTwice) {
    avec(0, [&](Memo& m) {
        Place a;
        for (int k = 0; k < 32 && a.c == -1; ++k) a = ou(m, k);
        ASSERT_NE(a.c, -1);
        const Point pa = milieu(a), vide = milieu({1, 1});

        m.etatclic = 0; // no loop waiting: nothing happens
        m.MouseDown(1, 0, pa.x, pa.y);
        EXPECT_EQ(m.etatclic, 0);
        m.etatclic = -1; // the menu is open
        m.MouseDown(1, 0, pa.x, pa.y);
        EXPECT_EQ(m.etatclic, -1);

        m.etatclic = 1;
        m.MouseDown(1, 0, vide.x, vide.y); // a column level 0 does not use
        EXPECT_EQ(m.etatclic, 1);
        m.MouseDown(1, 0, 20, 200); // the cloth beside the grid
        EXPECT_EQ(m.etatclic, 1);
        m.MouseDown(bouton::Droit, 0, pa.x, pa.y); // any button turns a card
        EXPECT_EQ(m.etatclic, 2);
        EXPECT_EQ(m.carte1, a);

        m.MouseDown(1, 0, pa.x, pa.y); // while it turns, clicks wait
        EXPECT_EQ(m.etatclic, 2);
        m.etatclic = 3;
        m.MouseDown(1, 0, pa.x, pa.y); // the first card again
        EXPECT_EQ(m.etatclic, 3);
        Place b;
        for (int c = 3; c <= 6 && b.c == -1; ++c)
            for (int rr = 1; rr <= 4 && b.c == -1; ++rr)
                if (!(Place{c, rr} == a)) b = {c, rr};
        const Point pb = milieu(b);
        retirepaire(m.plateau, b, b); // a pair already found
        m.MouseDown(1, 0, pb.x, pb.y);
        EXPECT_EQ(m.etatclic, 3);
    });
}

TEST_F(EcranMemo, TheClockCountsAndStartsAgainPast32000) {
    avec(0, [&](Memo& m) {
        m.temps = 0;
        m.Timer1_Timer();
        EXPECT_EQ(m.temps, 1);
        m.temps = 31999;
        m.Timer1_Timer();
        EXPECT_EQ(m.temps, 32000);
        m.Timer1_Timer();
        EXPECT_EQ(m.temps, 0);
    });
}

struct CasEntree {
    int x, y, entree;
};

class Entrees : public ::testing::TestWithParam<CasEntree> {};

TEST_P(Entrees, BandsAreOpenIntervals) {
    EXPECT_EQ(Menumemo::entreesous(GetParam().x, GetParam().y), GetParam().entree);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Entrees,
    ::testing::Values(CasEntree{320, 35, 0}, CasEntree{320, 36, 1}, CasEntree{320, 94, 1},
                      CasEntree{320, 95, 0}, CasEntree{320, 100, 0}, CasEntree{320, 106, 2},
                      CasEntree{320, 200, 3}, CasEntree{320, 270, 4}, CasEntree{320, 340, 5},
                      CasEntree{320, 444, 6}, CasEntree{320, 445, 0}, CasEntree{80, 270, 0},
                      CasEntree{81, 270, 4}, CasEntree{559, 270, 4}, CasEntree{560, 270, 0}));

TEST_F(EcranMemo, MenuLevelArrowsStopAtTheEndsAndTheMiddleDoesNothing) {
    avec(0, [&](Memo& m) {
        Menumemo menu(m);
        menu.MouseMove(0, 0, 110, 270);
        ASSERT_EQ(menu.survol, 4);
        menu.MouseDown(1, 0, 110, 270);
        EXPECT_EQ(r.niveaumemo, 0);
        menu.MouseDown(1, 0, 530, 270);
        EXPECT_EQ(r.niveaumemo, 1);
        menu.MouseDown(1, 0, 320, 270);
        menu.MouseDown(1, 0, 140, 270);
        menu.MouseDown(1, 0, 500, 270);
        EXPECT_EQ(r.niveaumemo, 1);
        menu.MouseDown(1, 0, 530, 270);
        menu.MouseDown(1, 0, 530, 270);
        EXPECT_EQ(r.niveaumemo, 2);
        menu.MouseDown(1, 0, 110, 270);
        EXPECT_EQ(r.niveaumemo, 1);
        EXPECT_TRUE(menu.reponse.empty());
        EXPECT_FALSE(m.partieencours);
    });
}

TEST_F(EcranMemo, ContinueOnlyWhileAGameIsInProgress) {
    avec(0, [&](Memo& m) {
        Menumemo menu(m);
        menu.load();
        menu.visible = true;
        m.partieencours = false;
        menu.MouseMove(0, 0, 320, 65);
        const Surface sans = menu.image;
        menu.MouseDown(1, 0, 320, 65);
        EXPECT_TRUE(menu.visible);
        EXPECT_TRUE(menu.reponse.empty());
        // Entry 5 never reacts either.
        menu.MouseMove(0, 0, 320, 345);
        menu.MouseDown(1, 0, 320, 345);
        EXPECT_TRUE(menu.visible);

        m.partieencours = true;
        menu.MouseMove(0, 0, 320, 65);
        menu.afmenumemo(menu.survol);
        EXPECT_NE(menu.image.pixels(), sans.pixels());
        menu.MouseDown(1, 0, 320, 65);
        EXPECT_FALSE(menu.visible);
        EXPECT_EQ(menu.reponse, "continue");
    });
}

bool memebloc(const Surface& a, int ax, int ay, const Surface& b, int bx, int by) {
    for (int y = 0; y < hauteurcarte; ++y)
        for (int x = 0; x < largeurcarte; ++x)
            if (a.pixel(ax + x, ay + y) != b.pixel(bx + x, by + y)) return false;
    return true;
}

TEST_F(EcranMemo, AFlipShowsTheFaceInNineFramesAndTurningBackShowsTheBack) {
    avec(0, [&](Memo& m) {
        m.chargeimages();
        m.affichetapis();
        m.depose();
        const auto feuille = charge_image("./cartei08");
        ASSERT_TRUE(feuille.has_value());
        Place a;
        for (int k = 0; k < 32 && a.c == -1; ++k) a = ou(m, k);
        ASSERT_NE(a.c, -1);
        const Point o = coin(a), face = cellule(m.plateau.carte(a));
        EXPECT_TRUE(memebloc(m.image, o.x, o.y, *feuille, 0, 384));
        const auto t0 = pf->ms();
        m.retourneoui(a);
        EXPECT_EQ(pf->ms() - t0, 9 * 15); // each frame shown for 15 ms on the virtual clock
        EXPECT_TRUE(memebloc(m.image, o.x, o.y, *feuille, face.x, face.y));
        m.retournenon(a);
        EXPECT_TRUE(memebloc(m.image, o.x, o.y, *feuille, 0, 384));
    });
}

TEST_F(EcranMemo, TheNoPairDelayIsScaledByTheSetting) {
    for (float reglage : {0.f, 2.f}) {
        r.tempomemo = reglage;
        avec(0, [&](Memo& m) {
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
