// The table screen in-process: hands, the score pad, the message box, pauses and the mouse.
#include <gtest/gtest.h>

#include "banc.h"
#include "belote/flux.h"
#include "belote_table/special.h"
#include "platform/curseurs.h"
#include "platform/horloge.h"
#include "platform/minuterie.h"

namespace tlv::essai {
namespace {

Main main_de(std::initializer_list<int> cartes) {
    Main m{};
    std::size_t s = 1;
    for (int c : cartes) m[s++] = static_cast<std::int16_t>(c);
    return m;
}

class Table : public ::testing::Test {
  protected:
    Banc banc;
    Ecran& e = banc.table();
};

struct Rangee {
    const char* nom;
    Main main;
    int gauche, droite;
};

class RangeeSud : public Table, public ::testing::WithParamInterface<Rangee> {};

TEST_P(RangeeSud, IsCentredAndRemembersItsEnds) {
    e.posecarte(1, GetParam().main, 8, 30);
    EXPECT_EQ(e.gauchesud, GetParam().gauche);
    EXPECT_EQ(e.droitesud, GetParam().droite);
    const Etendue x = lignes_differentes(e.fond, e.ecranbis, Rect{96, 384, 288, 96}, true);
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
    e.posecarte(1, main_de({10, 11, 12, 13, 14, 15, 16}), 8, 30);
    const Surface avant = e.fond;
    e.glissecarte(1, 17);
    e.glissecarte(2, 20);
    EXPECT_FALSE(memes_pixels(avant, e.fond, Rect{204, 288, 71, 96}));
    EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 384, 480, 96})) << "the hand under the sliding card";
    e.glisseaucentre(2, 20);
    e.glisseaucentre(1, 17);
    e.evacuepile(true);
    const Rect basdroite{410, 385, 70, 95}, hautgauche{0, 0, 71, 96};
    EXPECT_FALSE(memes_pixels(avant, e.fond, basdroite));
    EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 0, 640, 384}));
    EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 384, 409, 96}));
    e.evacuepile(false);
    EXPECT_TRUE(memes_pixels(avant, e.fond, basdroite));
    EXPECT_FALSE(memes_pixels(avant, e.fond, hautgauche));
    e.restaure(0, 0, 480, 480);
    EXPECT_EQ(e.pile, 0);
    EXPECT_TRUE(memes_pixels(e.ecranbis, e.fond, Rect{0, 0, 480, 480}));
}

// Whether the face of `carte` lies at (x, y) of the picture: every pixel inside the card's shape.
bool montre(const Ecran& e, const Surface& s, int x, int y, int carte) {
    return test::montre_sous_masque(s, {x, y}, e.tampon, {(carte % 10) * 71, (carte / 10 - 1) * 96}, e.masque,
                                    71, 96);
}

TEST(Jaiclique, FindsTheCardUnderTheMouseCountingCardsNotSlots) {
    const Main huit = main_de({10, 11, 12, 13, 14, 15, 16, 17});
    for (const auto& [x, carte] : {std::pair{0, 1}, {29, 1}, {30, 2}, {209, 7}, {210, 8}, {280, 8}})
        EXPECT_EQ(Ecran::jaiclique(huit, 281, x), carte) << x;
    const Main m = main_de({0, 11, 0, 0, 14, 0, 0, 0});
    EXPECT_EQ(Ecran::jaiclique(m, 101, 10), 2);
    EXPECT_EQ(Ecran::jaiclique(m, 101, 31), 5);
    EXPECT_EQ(Ecran::jaiclique(Main{}, 71, 5), 0);
}

TEST_F(Table, TheLastWriteOfALineIsAllThatShowsAndThePadStopsAtLine21) {
    e.lignescore(3);
    e.ecritscore(5, 7);
    e.ecritscore(120, -20);
    const Surface deux = e.fond;
    bitblt(e.fond, 0, 0, 640, 480, e.ecranbis, 0, 0);
    e.ecritscore(120, -20);
    EXPECT_TRUE(memes_pixels(deux, e.fond, Rect{480, 0, 160, 480}));
    const Etendue y = lignes_differentes(e.fond, e.ecranbis, Rect{480, 44, 160, 370});
    EXPECT_GE(y.premier, 69 + 14 * 3);
    EXPECT_LE(y.dernier, 70 + 14 * 4);
    // The pad stops at its twenty-first line.
    for (int i = 0; i < 25; ++i) e.ecrittotal(i, i);
    EXPECT_EQ(e.lignescore(), 20);
    bitblt(e.fond, 0, 0, 640, 480, e.ecranbis, 0, 0);
    e.ecritscore(1, 1);
    EXPECT_GE(lignes_differentes(e.fond, e.ecranbis, Rect{480, 44, 160, 370}).premier, 69 + 14 * 20);
}

TEST_F(Table, BiddingAnswersOnlyWhatIsHovered) {
    e.etatclic(EtatClic::enchere1);
    // The line hovered once the mouse is at (x, y).
    const auto survol = [&](int x, int y, const int& ligne) { return e.fond_MouseMove(0, 0, x, y), ligne; };
    e.fond_MouseDown(bouton::Gauche, 0, 200, 220);
    EXPECT_EQ(e.choixenchere, 0);
    EXPECT_EQ(survol(200, 239, e.survol1), 1);
    EXPECT_EQ(survol(380, 239, e.survol1), 0);
    e.fond_MouseMove(0, 0, 150, 250);
    e.fond_MouseDown(bouton::Gauche, 0, 150, 250);
    EXPECT_EQ(e.choixenchere, 2);
    // Second round: hovering a suit highlights its icon.
    e.message_on2({0, 2, 3, 4});
    e.etatclic(EtatClic::enchere2);
    const Surface rien = e.fond;
    EXPECT_EQ(survol(300, 260, e.survol2), 3);
    EXPECT_TRUE(memes_pixels(rien, e.fond, Rect{IconeX, IconeY, 44, 46}));
    EXPECT_FALSE(memes_pixels(rien, e.fond, Rect{IconeX + 44, IconeY, 44, 46}));
    EXPECT_EQ(survol(IconeX - 2, 260, e.survol2), 0);
    EXPECT_EQ(survol(360, 270, e.survol2), 4);
    e.fond_MouseDown(bouton::Gauche, 0, 360, 270);
    EXPECT_EQ(e.choixenchere, 4);
}

TEST_F(Table, PausesLastTheirTimeUnlessARightClickCutsThem) {
    // In microseconds, from the middle of a millisecond as on the real clock: never less than asked.
    banc.pf->horloge().avance_a_us(1'000'700);
    auto duree = [&](float s) {
        const auto t0 = banc.pf->horloge().us();
        e.pause(s);
        return banc.pf->horloge().us() - t0;
    };
    EXPECT_EQ(duree(1.5f), 1'500'000);
    EXPECT_EQ(duree(0.065f), 65'000);
    e.fond_MouseDown(bouton::Droit, 0, 10, 10); // a right click while no pause runs
    EXPECT_TRUE(e.clic());
    EXPECT_EQ(duree(5.f), 0);
    EXPECT_FALSE(e.clic());
    Entree droit;
    droit.type = Entree::Type::SourisBas, droit.bouton = bouton::Droit;
    droit.x = e.left + 200, droit.y = e.top + 200;
    banc.pf->pousse(droit);
    EXPECT_EQ(duree(5.f), 0);
    EXPECT_FALSE(e.clic());
    banc.r.tempobelote = 6;
    auto t0 = banc.pf->ms();
    e.pause_visu();
    EXPECT_EQ(banc.pf->ms() - t0, 6000);
    // The beat between two computer cards follows the player's delay: 0.3 s at the default 4 s.
    for (int tempo : {4, 8}) {
        banc.r.tempobelote = tempo, t0 = banc.pf->ms();
        e.battement();
        EXPECT_EQ(banc.pf->ms() - t0, 75 * tempo);
    }
}

// Sud's eight cards on the table, the player awaited.
void attend_carte(Ecran& e) {
    e.b.table.jeu[1] = main_de({10, 11, 12, 13, 14, 15, 16, 17});
    e.posecarte(1, e.b.table.jeu[1], 8, 30);
    e.curseur(Pointeur::attente);
    e.etatclic(EtatClic::carte);
}

TEST_F(Table, ACardClickNeedsACardUnderTheMouse) {
    attend_carte(e);
    const auto pointeur = [&](int x) { return e.fond_MouseMove(0, 0, x, 430), banc.pf->curseur_actuel(); };
    // The mouse left over a card while the computer played: the next prompt shows the hand at once.
    e.etatclic(EtatClic::aucun);
    e.curseur(Pointeur::repos);
    pointeur(150);
    attend_carte(e);
    EXPECT_EQ(banc.pf->curseur_actuel(), Curseur::Carte);
    EXPECT_EQ(pointeur(150), Curseur::Carte);
    EXPECT_EQ(pointeur(90), Curseur::Attente);
    // Pique led: the hand shows only over the Pique, the one card Sud may play.
    e.b.table.jeu[1] = main_de({10, 21, 22, 23, 24, 25, 26, 27});
    e.b.table.couleurdemandee = 1;
    e.b.table.atout = 4;
    e.b.table.maitre = 2;
    EXPECT_EQ(pointeur(110), Curseur::Carte);
    EXPECT_EQ(pointeur(150), Curseur::Attente);
    e.fond_MouseDown(bouton::Gauche, 0, 150, 384);
    EXPECT_EQ(e.carteclic, 0);
    e.fond_MouseDown(bouton::Gauche, 0, 150, 430);
    EXPECT_EQ(e.carteclic, 2);
    EXPECT_EQ(e.etatclic(), EtatClic::aucun);
}

TEST_F(Table, APileShowsTheLastTrickOnlyWhenThePlayerIsAwaitedAndATrickWasGathered) {
    e.b.ecran.cartesdernierpli = {0, 10, 20, 30, 40};
    banc.sons.str("");
    e.b.paquet.positionpaquet = 9;
    e.etatclic(EtatClic::aucun); // the computer plays: piles and menu ignore clicks
    e.fond_MouseDown(bouton::Gauche, 0, 30, 30);
    e.fond_MouseDown(bouton::Gauche, 0, 560, 460);
    EXPECT_EQ(e.etatclic(), EtatClic::aucun);
    e.curseur(Pointeur::attente);
    e.etatclic(EtatClic::carte);
    e.b.paquet.positionpaquet = 1;
    e.fond_MouseDown(bouton::Gauche, 0, 440, 430);
    EXPECT_EQ(banc.sons.str(), "");
    e.b.paquet.positionpaquet = 5;
    const Surface avant = e.fond;
    const auto t0 = banc.pf->ms();
    Surface pendant;
    Curseur curseur = Curseur::Attente;
    Minuterie prise(*banc.pf, 500, [&] {
        pendant = e.fond, curseur = banc.pf->curseur_actuel();
        prise.active(false);
    });
    prise.active(true);
    banc.sons.str("");
    e.fond_MouseDown(bouton::Gauche, 0, 440, 430);
    EXPECT_EQ(banc.sons.str(), "effet cartew01\neffet cartew01\n");
    EXPECT_GE(banc.pf->ms() - t0, 1000);
    EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 0, 640, 480}));
    // During the view (its four cards are the robot run's), a click ends it: the arrow, no menu.
    ASSERT_EQ(pendant.largeur(), 640);
    EXPECT_FALSE(memes_pixels(avant, pendant, Rect{100, 0, 280, 96})) << "the box, above the trick";
    EXPECT_EQ(curseur, Curseur::Repos);
    EXPECT_EQ(e.etatclic(), EtatClic::carte);
    EXPECT_EQ(banc.pf->curseur_actuel(), Curseur::Attente);
}

// A mouse button pressed on the table at (x, y) when the clock reaches `ms`, as the player would.
class Souris {
  public:
    Souris(Banc& banc, int ms, int bouton, int x, int y)
        : m_(*banc.pf, ms, [&banc, this, bouton, x, y] {
              Entree e;
              e.type = Entree::Type::SourisBas, e.bouton = bouton;
              e.x = banc.ecran->left + x, e.y = banc.ecran->top + y;
              banc.ecran->route(e); // from inside the wait, as an event the platform hands over
              m_.active(false);
          }) {
        m_.active(true);
    }

  private:
    Minuterie m_;
};

TEST_F(Table, ARightClickEndsTheEndOfMatchRunWithinAFrameALeftOneEveryPause) {
    Souris droit(banc, 3000, bouton::Droit, 300, 300);
    const Surface avant = e.fond;
    animefin(e.b, e);
    // One step of the run is a 15 ms frame and a 50 ms pause.
    EXPECT_GE(banc.pf->ms(), 3000);
    EXPECT_LE(banc.pf->ms(), 3000 + 65);
    EXPECT_FALSE(e.clic());
    EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 0, 640, 480})) << "the bands are left clean";
    // A left click ends the wait after a trick, and every other pause.
    banc.r.tempobelote = 6;
    const auto t0 = banc.pf->ms();
    Souris apres_pli(banc, 1000, bouton::Gauche, 300, 300);
    e.pause_visu();
    EXPECT_EQ(banc.pf->ms() - t0, 1000);
    Souris ailleurs(banc, 1500, bouton::Gauche, 300, 300);
    e.pause(2.f);
    EXPECT_EQ(banc.pf->ms() - t0, 2500);
    EXPECT_FALSE(e.clic());
}

TEST_F(Table, ACardClickedDuringThePromptEndsItAndIsPlayed) {
    attend_carte(e);
    const auto t0 = banc.pf->ms();
    Souris carte(banc, 300, bouton::Gauche, 150, 430);
    e.message_on("à vous", "");
    e.pause(1.f);
    e.message_off();
    EXPECT_EQ(banc.pf->ms() - t0, 300 + 15);
    Attente r;
    EXPECT_NO_THROW(r = e.attendcarte()) << "the click made during the prompt was kept";
    EXPECT_EQ(r.choix, 2);
    EXPECT_EQ(e.carteclic, 0) << "later pauses are not cut by it";
}

TEST_F(Table, MessagesDuringATrickLeaveItsCardsInSight) {
    e.glissecarte(4, 17);
    e.glissecarte(3, 27);
    e.glissecarte(2, 37);
    const Surface pli = e.fond;
    e.message_on("Belote", "");
    for (auto [x, y, c] : {std::tuple{132, 192, 17}, {204, 96, 27}, {276, 192, 37}})
        EXPECT_TRUE(montre(e, e.fond, x, y, c)) << x;
    EXPECT_FALSE(memes_pixels(pli, e.fond, Rect{0, 0, 480, 480})) << "the box is shown";
    e.message_off();
    EXPECT_TRUE(memes_pixels(pli, e.fond, Rect{0, 0, 640, 480}));
    // Once the trick is carried off, the box is back in the middle.
    e.evacuepile(true);
    const Surface vide = e.fond;
    e.message_on("Vous gagnez", "");
    EXPECT_TRUE(memes_pixels(vide, e.fond, Rect{0, 0, 480, 192}));
    e.message_off();
}

// One line is centred in the whole box; refusals and the second round panel keep inside its inner gold
// line, 6 pixels in; the panel shows the turned card above it.
TEST_F(Table, TheBoxsTextsAreCentredAndKeepInsideItsFrame) {
    e.b.table.liste[6] = 26;
    e.message_on("", "");
    const Surface boite = e.fond;
    e.message_off();
    const Rect r{100, 192, 280, 96};
    e.message_on("Vous gagnez", "");
    const Etendue y = lignes_differentes(e.fond, boite, r);
    ASSERT_GE(y.premier, 0);
    EXPECT_NEAR((y.premier + y.dernier) / 2.0, 240, 8);
    e.message_off();
    EXPECT_TRUE(memes_pixels(e.fond, e.ecranbis, Rect{0, 0, 640, 480}));
    const auto dedans = [&](const std::string& quoi, bool hauteur) {
        const Etendue x = lignes_differentes(boite, e.fond, r, true),
                      y = lignes_differentes(boite, e.fond, r);
        EXPECT_TRUE(x.premier >= 106 && x.dernier <= 373) << quoi;
        EXPECT_TRUE(!hauteur || (y.premier >= 198 && y.dernier <= 281)) << quoi;
    };
    for (const char* l2 : {"fournir à carreau", "monter à l'atout", "surcouper", "fournir à trèfle"}) {
        e.message_on("Vous devez", l2);
        dedans(l2, false);
        e.message_off();
    }
    e.message_on2({0, 1, 3, 4});
    EXPECT_TRUE(montre(e, e.fond, 204, 96, 26)) << "the turned card above the panel";
    for (int ligne : {0, 1, 2, 4}) {
        e.menu04(ligne);
        dedans(std::to_string(ligne), true);
    }
    e.message_off2(26);
    EXPECT_TRUE(memes_pixels(e.ecranbis, e.fond, Rect{96, 96, 288, 96}));
    EXPECT_TRUE(montre(e, e.fond, 204, 192, 26));
}

// The turned card steps out to each bidder in turn, the spot of the one before cleared, and comes back.
TEST_F(Table, TheTurnedCardGoesToEachBidderAndBack) {
    const Rect carre{96, 96, 288, 288};
    const auto seule = [&](int x, int y) {
        const Etendue l = lignes_differentes(e.fond, e.ecranbis, carre);
        const Etendue c = lignes_differentes(e.fond, e.ecranbis, carre, true);
        return montre(e, e.fond, x, y, 26) && l.premier == y && l.dernier == y + 95 && c.premier == x &&
               c.dernier == x + 70;
    };
    e.retourne(26);
    EXPECT_TRUE(seule(204, 192));
    for (auto [j, x, y] : {std::tuple{1, 204, 288}, {2, 300, 192}, {3, 204, 96}, {4, 108, 192}}) {
        e.presenteretournee(j, 26);
        EXPECT_TRUE(seule(x, y)) << j;
    }
    e.ramene_retournee(26);
    EXPECT_TRUE(seule(204, 192));
}

// An announcement: its cards in a row above the trick, out of the hand, then back in it as before.
TEST_F(Table, AnAnnouncementLeavesTheHandAndComesBack) {
    const Main tierce = main_de({22, 26, 23});
    for (int j : {1, 2}) {
        const Main main = main_de({10, 11, 12, 22, 23, 26, 27, 40});
        e.montremain(j, main);
        const Surface avant = e.fond;
        e.exposeannonce(j, main, tierce, 3);
        // Overlapping by 30, centred: the last one whole.
        EXPECT_TRUE(montre(e, e.fond, 234, 96, tierce[3])) << j;
        const Etendue rangee = lignes_differentes(e.fond, e.ecranbis, Rect{96, 96, 288, 96}, true);
        EXPECT_EQ(rangee.premier, 174) << j;
        EXPECT_EQ(rangee.dernier, 234 + 70) << j;
        if (j == 1) {
            // Sud's five other cards close up, centred.
            const Etendue x = lignes_differentes(e.fond, e.ecranbis, Rect{96, 384, 288, 96}, true);
            EXPECT_EQ(x.premier, (480 - (4 * 30 + 71)) / 2);
            EXPECT_EQ(x.dernier, (480 - (4 * 30 + 71)) / 2 + 4 * 30 + 70);
        }
        e.rangeannonce(j, main);
        EXPECT_TRUE(memes_pixels(avant, e.fond, Rect{0, 0, 640, 480})) << j;
    }
}

// What the table shows, at the play area's size and as on a 1920 x 1080 display.
class Vue : public ::testing::TestWithParam<std::pair<int, int>> {
  protected:
    Banc banc{"", GetParam().first, GetParam().second};
    Ecran& e = banc.table();
    bool nu(const Rect& r) const { return memes_pixels(e.fond, e.ecranbis, r); }
};

// Messages keep off the turned card before each bidder and in the middle, and off every hand and every card
// of the trick; the prompt keeps off Nord's hand.
TEST_P(Vue, MessagesLeaveTheTurnedCardTheHandsAndTheTrickInSight) {
    for (int j = 1; j <= 4; ++j) e.montremain(j, main_de({10, 11, 12, 13, 14, 15, 16, 17}));
    const Surface mains = e.fond;
    const auto mains_en_vue = [&] {
        return memes_pixels(mains, e.fond, Rect{0, 384, 480, 96}) &&
               memes_pixels(mains, e.fond, Rect{0, 0, 480, 96}) &&
               memes_pixels(mains, e.fond, Rect{0, 96, 96, 288}) &&
               memes_pixels(mains, e.fond, Rect{384, 96, 96, 288});
    };
    for (auto [j, x, y] :
         {std::tuple{1, 204, 288}, {2, 300, 192}, {3, 204, 96}, {4, 108, 192}, {0, 204, 192}}) {
        if (j)
            e.presenteretournee(j, 26);
        else
            e.ramene_retournee(26);
        e.message_on("Deuxième tour", "Ouest passe");
        EXPECT_TRUE(montre(e, e.fond, x, y, 26)) << j;
        EXPECT_TRUE(mains_en_vue()) << j;
        e.message_off();
    }
    e.videcentre();
    e.glissecarte(4, 20);
    e.glissecarte(3, 21);
    e.glissecarte(2, 22);
    e.message_on("à vous", "");
    for (auto [x, y, c] : {std::tuple{132, 192, 20}, {204, 96, 21}, {276, 192, 22}})
        EXPECT_TRUE(montre(e, e.fond, x, y, c)) << x;
    EXPECT_TRUE(mains_en_vue());
    EXPECT_FALSE(nu(Rect{100, 288, 280, 96})) << "the box, over Sud's empty spot";
    e.message_off();
}

// A finished match: the result with both totals and how to go on, until a click.
TEST_P(Vue, TheResultOfAMatchStaysUntilAClick) {
    e.b.table.totalnous = 1020, e.b.table.totaleux = 640;
    e.montreresultat();
    EXPECT_FALSE(nu(Rect{100, 192, 280, 96}));
    EXPECT_FALSE(nu(Rect{0, 296, 480, 30})) << "how to go on";
    const Surface resultat = e.fond;
    banc.robot.commandes(Robot::analyse("clic 300 300\nattends\n"));
    e.attendapresfin();
    EXPECT_FALSE(e.attendfin);
    EXPECT_TRUE(memes_pixels(resultat, e.fond, Rect{0, 0, 640, 480}));
}

// A tie's reserve shows under the pad until a deal wins it.
TEST_P(Vue, TheReserveShowsUnderThePadUntilItIsWon) {
    const Rect reserve{480, 365, 160, 50};
    e.ecrittotal(0, 91);
    EXPECT_TRUE(nu(reserve));
    e.b.ecran.reserve = 91;
    e.ecrittotal(0, 91);
    EXPECT_FALSE(nu(reserve));
    e.b.ecran.reserve = 0;
    e.ecrittotal(250, 91);
    EXPECT_TRUE(nu(reserve));
}

// The contract line keeps clear of the trump's disc; the dealer's hand has its mark, redrawn with it.
TEST_P(Vue, TheContractKeepsClearOfTheDiscAndTheDealerIsMarked) {
    e.affichecontrat("Ouest, atout ", 4);
    EXPECT_LE(lignes_differentes(e.fond, e.ecranbis, Rect{480, 0, 116, 44}, true).dernier, 596 - 4);
    const Rect marques[5] = {{}, {70, 400, 29, 60}, {400, 336, 80, 48}, {381, 20, 99, 60}, {20, 99, 60, 45}};
    for (int donneur = 1; donneur <= 4; ++donneur) {
        e.nouvelledonne();
        e.b.table.donneur = static_cast<std::int16_t>(donneur);
        for (int j = 1; j <= 4; ++j) e.montremain(j, main_de({10, 11, 12, 13, 14, 15, 16, 17}));
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(nu(marques[j]), j != donneur) << donneur << " " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Ecrans, Vue, ::testing::Values(std::pair{0, 0}, std::pair{1920, 1080}),
                         [](const auto& i) {
                             return i.param.first ? std::string("HD") : std::string("Aire");
                         });

// Valider with cards still in the pack says which.
TEST(Editeur, ValiderSaysWhichCardsAreMissing) {
    Banc banc;
    Paquet paquet;
    for (int c = 1; c <= 4; ++c)
        for (int r = 0; r < 8; ++r) paquet.fauxjeu += std::to_string(c * 10 + r);
    Special s(*banc.pf, paquet);
    s.load();
    for (int i = 0; i <= 32; ++i)
        if (s.compo.carte[static_cast<std::size_t>(i)] == Composition::rnc("10")) s.compo.carte_Click(i);
    s.boutok_Click();
    EXPECT_EQ(s.reponse, ReponseSpecial::aucune);
    EXPECT_EQ(s.manque, "Il manque une carte\u00a0: 7 \u2660");
    s.Command1_Click();
    s.boutok_Click();
    EXPECT_EQ(s.manque.rfind("Il manque 32 cartes\u00a0: 7 \u2660, 8 \u2660,", 0), 0u) << s.manque;
}

TEST_F(Table, ThePointerSaysWhetherThePlayerMustAct) {
    e.curseur(Pointeur::repos);
    EXPECT_EQ(banc.pf->curseur_actuel(), Curseur::Repos) << "the computer plays: a click hurries it";
    e.curseur(Pointeur::attente);
    EXPECT_EQ(forme(banc.pf->curseur_actuel()), FormeCurseur::Fleche) << "Sud must act";
    EXPECT_EQ(forme(Curseur::Carte), FormeCurseur::Main);
    EXPECT_EQ(forme(Curseur::Repos), FormeCurseur::Fleche);
    // Leaving the table during a wait puts the idle pointer back.
    e.load();
    e.curseur(Pointeur::attente);
    e.etatclic(EtatClic::carte);
    e.fond_MouseMove(0, 0, 300, 430);
    e.unload();
    EXPECT_EQ(banc.pf->curseur_actuel(), Curseur::Repos);
    // Each picture is its own, and its hot spot lies on a drawn pixel.
    for (double echelle : {1.0, 4.5}) {
        std::vector<std::vector<std::uint32_t>> vus;
        for (FormeCurseur f : {FormeCurseur::Fleche, FormeCurseur::Main, FormeCurseur::Sablier}) {
            const DessinCurseur d = dessin(f, echelle);
            ASSERT_EQ(d.pixels.size(), static_cast<std::size_t>(d.largeur * d.hauteur));
            EXPECT_NE(d.pixels[static_cast<std::size_t>(d.pointy * d.largeur + d.pointx)], 0u);
            for (const auto& v : vus) EXPECT_NE(v, d.pixels);
            vus.push_back(d.pixels);
            // At the window's own scale, not whole blocks: the edges blend with what lies under them.
            const bool lisse = std::any_of(d.pixels.begin(), d.pixels.end(), [](std::uint32_t p) {
                return (p >> 24) != 0 && (p >> 24) != 255;
            });
            if (echelle > 1) {
                EXPECT_TRUE(lisse);
            }
        }
    }
}

} // namespace
} // namespace tlv::essai
