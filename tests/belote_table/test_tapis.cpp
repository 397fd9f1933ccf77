// The table's pictures in-process: hands, slides, the score pad, the message box and the bidding panels.
#include <gtest/gtest.h>

#include "banc.h"

namespace tlv::essai {
using namespace tlv::belote;
namespace {

struct Rangee {
    const char* nom;
    Main main;
    int gauche, droite;
};

class RangeeSud : public Table, public ::testing::WithParamInterface<Rangee> {};

TEST_P(RangeeSud, IsCentredAndRemembersItsEnds) {
    t.montremain(1, GetParam().main);
    EXPECT_EQ(t.gauchesud(), GetParam().gauche);
    EXPECT_EQ(t.droitesud(), GetParam().droite);
    const Etendue x = lignes_differentes(t.fond(), t.ecranbis(), Rect{96, 384, 288, 96}, true);
    EXPECT_EQ(x.premier, GetParam().gauche);
    EXPECT_EQ(x.dernier, GetParam().droite - 1);
}

INSTANTIATE_TEST_SUITE_P(Mains, RangeeSud,
                         ::testing::Values(Rangee{"huit", main_de({10, 11, 12, 13, 14, 15, 16, 17}), 99, 380},
                                           Rangee{"une", main_de({0, 0, 0, 27}), 204, 275},
                                           Rangee{"trous", main_de({0, 12, 0, 0, 15}), 189, 290}),
                         [](const auto& i) { return std::string(i.param.nom); });

// A card played, gathered and carried off leaves the table as it was but the small stack of the trick, in the
// hot area of the side that won it and nowhere else; a new deal clears it.
TEST_F(Table, ACardPlayedGatheredAndCarriedOffLeavesOnlyTheStackOfTheTrick) {
    t.montremain(1, main_de({10, 11, 12, 13, 14, 15, 16}));
    const Surface avant = t.fond();
    t.glissecarte(1, 17);
    t.glissecarte(2, 20);
    EXPECT_FALSE(memes_pixels(avant, t.fond(), Rect{204, 288, 71, 96}));
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 384, 480, 96})) << "the hand under the sliding card";
    t.glisseaucentre(2, 20);
    t.glisseaucentre(1, 17);
    t.emportepli(true);
    const Rect basdroite{410, 385, 70, 95}, hautgauche{0, 0, 71, 96};
    EXPECT_FALSE(memes_pixels(avant, t.fond(), basdroite));
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 0, 640, 384}));
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 384, 409, 96}));
    t.emportepli(false);
    EXPECT_TRUE(memes_pixels(avant, t.fond(), basdroite));
    EXPECT_FALSE(memes_pixels(avant, t.fond(), hautgauche));
    t.nouvelledonne();
    EXPECT_TRUE(memes_pixels(t.ecranbis(), t.fond(), Rect{0, 0, 480, 480}));
}

TEST(Jaiclique, FindsTheCardUnderTheMouseCountingCardsNotSlots) {
    const Main huit = main_de({10, 11, 12, 13, 14, 15, 16, 17});
    for (const auto& [x, carte] : {std::pair{0, 1}, {29, 1}, {30, 2}, {209, 7}, {210, 8}, {280, 8}})
        EXPECT_EQ(Tapis::jaiclique(huit, 281, x), carte) << x;
    const Main m = main_de({0, 11, 0, 0, 14, 0, 0, 0});
    EXPECT_EQ(Tapis::jaiclique(m, 101, 10), 2);
    EXPECT_EQ(Tapis::jaiclique(m, 101, 31), 5);
    EXPECT_EQ(Tapis::jaiclique(Main{}, 71, 5), 0);
}

TEST_F(Table, TheLastWriteOfALineIsAllThatShowsAndThePadStopsAtLine21) {
    t.lignescore(3);
    t.ecritscore(5, 7);
    t.ecritscore(120, -20);
    const Surface deux = t.fond();
    t.afficheletapis();
    t.ecritscore(120, -20);
    EXPECT_TRUE(memes_pixels(deux, t.fond(), Rect{480, 0, 160, 480}));
    const Etendue y = lignes_differentes(t.fond(), t.ecranbis(), Rect{480, 44, 160, 370});
    EXPECT_GE(y.premier, 111);
    EXPECT_LE(y.dernier, 126);
    // The pad stops at its twenty-first line.
    for (int i = 0; i < 25; ++i) t.ecrittotal(i, i);
    EXPECT_EQ(t.lignescore(), 20);
    t.afficheletapis();
    t.ecritscore(1, 1);
    EXPECT_GE(lignes_differentes(t.fond(), t.ecranbis(), Rect{480, 44, 160, 370}).premier, 349);
}

// One line is centred in the whole box; refusals and the second round panel keep inside its inner gold
// line, 6 pixels in; the panel shows the turned card above it.
TEST_F(Table, TheBoxsTextsAreCentredAndKeepInsideItsFrame) {
    e.belote().table.liste[6] = 26;
    t.message_on("", "");
    const Surface boite = t.fond();
    t.message_off();
    const Rect r{100, 192, 280, 96};
    t.message_on("Vous gagnez", "");
    const Etendue y = lignes_differentes(t.fond(), boite, r);
    EXPECT_NEAR((y.premier + y.dernier) / 2.0, 240, 8);
    t.message_off();
    const auto dedans = [&](const std::string& quoi, bool hauteur) {
        const Etendue x = lignes_differentes(boite, t.fond(), r, true),
                      y = lignes_differentes(boite, t.fond(), r);
        EXPECT_TRUE(x.premier >= 106 && x.dernier <= 373) << quoi;
        EXPECT_TRUE(!hauteur || (y.premier >= 198 && y.dernier <= 281)) << quoi;
    };
    for (const char* l2 : {"fournir à carreau", "monter à l'atout", "surcouper", "fournir à trèfle"}) {
        t.message_on("Vous devez", l2);
        dedans(l2, false);
        t.message_off();
    }
    t.message_on2({0, 1, 3, 4});
    EXPECT_TRUE(montre(t, 204, 96, 26)) << "the turned card above the panel";
    for (int ligne : {0, 1, 2, 4}) {
        t.panneau(2, ligne);
        dedans(std::to_string(ligne), true);
    }
    t.message_off2(26);
    EXPECT_TRUE(memes_pixels(t.ecranbis(), t.fond(), Rect{96, 96, 288, 96}));
    EXPECT_TRUE(montre(t, 204, 192, 26));
}

// An announcement: its cards in a row above the trick, out of the hand, then back in it as before.
TEST_F(Table, AnAnnouncementLeavesTheHandAndComesBack) {
    const Main tierce = main_de({22, 26, 23});
    for (int j : {1, 2}) {
        const Main main = main_de({10, 11, 12, 22, 23, 26, 27, 40});
        t.montremain(j, main);
        const Surface avant = t.fond();
        t.exposeannonce(j, main, tierce, 3);
        // Overlapping by 30, centred: the last one whole.
        EXPECT_TRUE(montre(t, 234, 96, tierce[3])) << j;
        const Etendue rangee = lignes_differentes(t.fond(), t.ecranbis(), Rect{96, 96, 288, 96}, true);
        EXPECT_EQ(rangee.premier, 174) << j;
        EXPECT_EQ(rangee.dernier, 304) << j;
        if (j == 1) {
            // Sud's five other cards close up, centred.
            const Etendue x = lignes_differentes(t.fond(), t.ecranbis(), Rect{96, 384, 288, 96}, true);
            EXPECT_EQ(x.premier, 144);
            EXPECT_EQ(x.dernier, 334);
        }
        t.rangeannonce(j, main);
        EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 0, 640, 480})) << j;
    }
}

// What the table shows, at the play area's size and as on a 1920 x 1080 display.
class Vue : public ::testing::TestWithParam<std::pair<int, int>> {
  protected:
    Banc banc{"", GetParam().first, GetParam().second};
    Ecran& e = banc.table();
    Tapis& t = e.tapis();
    bool nu(const Rect& r) const { return memes_pixels(t.fond(), t.ecranbis(), r); }
};

// The turned card steps out to each bidder in turn, the spot of the one before cleared, and comes back.
// Messages keep off it, off every hand and every card of the trick; the prompt keeps off Nord's hand; a
// message gone leaves the trick as it was, and once the trick is carried off the box is back in the middle.
TEST_P(Vue, MessagesLeaveTheTurnedCardTheHandsAndTheTrickInSight) {
    for (int j = 1; j <= 4; ++j) t.montremain(j, main_de({10, 11, 12, 13, 14, 15, 16, 17}));
    const Surface mains = t.fond();
    const auto mains_en_vue = [&] {
        return memes_pixels(mains, t.fond(), Rect{0, 384, 480, 96}) &&
               memes_pixels(mains, t.fond(), Rect{0, 0, 480, 96}) &&
               memes_pixels(mains, t.fond(), Rect{0, 96, 96, 288}) &&
               memes_pixels(mains, t.fond(), Rect{384, 96, 96, 288});
    };
    const auto seule = [&](int x, int y) {
        const Etendue l = lignes_differentes(t.fond(), t.ecranbis(), Rect{96, 96, 288, 288}),
                      c = lignes_differentes(t.fond(), t.ecranbis(), Rect{96, 96, 288, 288}, true);
        return montre(t, x, y, 26) && l.premier == y && l.dernier == y + 95 && c.premier == x &&
               c.dernier == x + 70;
    };
    t.retourne(26);
    EXPECT_TRUE(seule(204, 192));
    for (auto [j, x, y] :
         {std::tuple{1, 204, 288}, {2, 300, 192}, {3, 204, 96}, {4, 108, 192}, {0, 204, 192}}) {
        if (j)
            t.presenteretournee(j, 26);
        else
            t.ramene_retournee(26);
        EXPECT_TRUE(seule(x, y)) << j;
        t.message_on("Deuxième tour", "Ouest passe");
        EXPECT_TRUE(montre(t, x, y, 26)) << j;
        EXPECT_TRUE(mains_en_vue()) << j;
        t.message_off();
    }
    t.videcentre();
    t.glissecarte(4, 20);
    t.glissecarte(3, 21);
    t.glissecarte(2, 22);
    const Surface pli = t.fond();
    t.message_on("à vous", "");
    for (auto [x, y, c] : {std::tuple{132, 192, 20}, {204, 96, 21}, {276, 192, 22}})
        EXPECT_TRUE(montre(t, x, y, c)) << x;
    EXPECT_TRUE(mains_en_vue());
    EXPECT_FALSE(nu(Rect{100, 288, 280, 96})) << "the box, over Sud's empty spot";
    t.message_off();
    EXPECT_TRUE(memes_pixels(pli, t.fond(), Rect{0, 0, 640, 480}));
    t.emportepli(true);
    const Surface vide = t.fond();
    t.message_on("Vous gagnez", "");
    EXPECT_TRUE(memes_pixels(vide, t.fond(), Rect{0, 0, 480, 192}));
}

// On the pad, a tie's reserve shows until a deal wins it and the contract line keeps clear of the trump's
// disc; the dealer's hand has its mark, redrawn with it. A finished match: the result with both totals and
// how to go on, until a click.
TEST_P(Vue, TheReserveTheContractTheDealersMarkAndTheResult) {
    const Rect reserve{480, 365, 160, 50};
    t.ecrittotal(0, 91);
    EXPECT_TRUE(nu(reserve));
    e.belote().ecran.reserve = 91;
    t.ecrittotal(0, 91);
    EXPECT_FALSE(nu(reserve));
    e.belote().ecran.reserve = 0;
    t.ecrittotal(250, 91);
    EXPECT_TRUE(nu(reserve));
    t.affichecontrat("Ouest, atout ", 4);
    EXPECT_LE(lignes_differentes(t.fond(), t.ecranbis(), Rect{480, 0, 116, 44}, true).dernier, 596 - 4);
    const Rect marques[5] = {{}, {70, 400, 29, 60}, {400, 336, 80, 48}, {381, 20, 99, 60}, {20, 99, 60, 45}};
    for (int donneur = 1; donneur <= 4; ++donneur) {
        t.nouvelledonne();
        e.belote().table.donneur = static_cast<std::int16_t>(donneur);
        for (int j = 1; j <= 4; ++j) t.montremain(j, main_de({10, 11, 12, 13, 14, 15, 16, 17}));
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(nu(marques[j]), j != donneur) << donneur << " " << j;
    }
    e.belote().table.totalnous = 1020, e.belote().table.totaleux = 640;
    t.montreresultat();
    EXPECT_FALSE(nu(Rect{100, 192, 280, 96}));
    EXPECT_FALSE(nu(Rect{0, 296, 480, 30})) << "how to go on";
    const Surface resultat = t.fond();
    banc.robot.commandes(Robot::analyse("clic 300 300\nattends\n"));
    e.attendapresfin();
    EXPECT_TRUE(memes_pixels(resultat, t.fond(), Rect{0, 0, 640, 480}));
}

INSTANTIATE_TEST_SUITE_P(Ecrans, Vue, ::testing::Values(std::pair{0, 0}, std::pair{1920, 1080}),
                         [](const auto& i) {
                             return i.param.first ? std::string("HD") : std::string("Aire");
                         });

} // namespace
} // namespace tlv::essai
