// The table screen in-process: the mouse, the keys' pointer, pauses and the waits for the player.
#include <gtest/gtest.h>

#include "banc.h"
#include "belote/carte.h"
#include "belote/flux.h"
#include "platform/curseurs.h"
#include "platform/horloge.h"
#include "platform/minuterie.h"

namespace tlv::essai {
using namespace tlv::belote;
namespace {

TEST_F(Table, BiddingAnswersOnlyWhatIsHovered) {
    e.etatclic(EtatClic::enchere1);
    // The line hovered once the mouse is at (x, y).
    const auto survol = [&](int x, int y, int panneau) { return e.MouseMove(0, 0, x, y), e.survol(panneau); };
    e.MouseDown(bouton::Gauche, 0, 200, 220);
    EXPECT_EQ(e.choixenchere(), 0);
    EXPECT_EQ(survol(200, 239, 1), 1);
    EXPECT_EQ(survol(380, 239, 1), 0);
    e.MouseMove(0, 0, 150, 250);
    e.MouseDown(bouton::Gauche, 0, 150, 250);
    EXPECT_EQ(e.choixenchere(), 2);
    // Second round: hovering a suit highlights its icon.
    t.message_on2({0, 2, 3, 4});
    e.etatclic(EtatClic::enchere2);
    const Surface rien = t.fond();
    EXPECT_EQ(survol(300, 260, 2), 3);
    EXPECT_TRUE(memes_pixels(rien, t.fond(), Rect{IconeX, IconeY, 44, 46}));
    EXPECT_FALSE(memes_pixels(rien, t.fond(), Rect{IconeX + 44, IconeY, 44, 46}));
    EXPECT_EQ(survol(IconeX - 2, 260, 2), 0);
    EXPECT_EQ(survol(360, 270, 2), 4);
    e.MouseDown(bouton::Gauche, 0, 360, 270);
    EXPECT_EQ(e.choixenchere(), 4);
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
    e.MouseDown(bouton::Droit, 0, 10, 10); // a right click while no pause runs
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
    t.pause_visu();
    EXPECT_EQ(banc.pf->ms() - t0, 6000);
    // The beat between two computer cards follows the player's delay: 0.3 s at the default 4 s.
    for (int tempo : {4, 8}) {
        banc.r.tempobelote = tempo, t0 = banc.pf->ms();
        t.battement();
        EXPECT_EQ(banc.pf->ms() - t0, 75 * tempo);
    }
}

// Sud's eight cards on the table, the player awaited.
void attend_carte(Ecran& e) {
    e.belote().table.jeu[1] = main_de({10, 11, 12, 13, 14, 15, 16, 17});
    e.tapis().montremain(1, e.belote().table.jeu[1]);
    e.curseur(Pointeur::attente);
    e.etatclic(EtatClic::carte);
}

TEST_F(Table, ACardClickNeedsACardUnderTheMouse) {
    attend_carte(e);
    const auto pointeur = [&](int x) { return e.MouseMove(0, 0, x, 430), banc.pf->curseur_actuel(); };
    // The mouse left over a card while the computer played: the next prompt shows the hand at once.
    e.etatclic(EtatClic::aucun);
    e.curseur(Pointeur::repos);
    pointeur(150);
    attend_carte(e);
    EXPECT_EQ(banc.pf->curseur_actuel(), Curseur::Carte);
    EXPECT_EQ(pointeur(150), Curseur::Carte);
    EXPECT_EQ(pointeur(90), Curseur::Attente);
    // Pique led: the hand shows only over the Pique, the one card Sud may play.
    e.belote().table.jeu[1] = main_de({10, 21, 22, 23, 24, 25, 26, 27});
    e.belote().table.couleurdemandee = 1;
    e.belote().table.atout = 4;
    e.belote().table.maitre = 2;
    EXPECT_EQ(pointeur(110), Curseur::Carte);
    EXPECT_EQ(pointeur(150), Curseur::Attente);
    e.MouseDown(bouton::Gauche, 0, 150, 384);
    EXPECT_EQ(e.carteclic(), 0);
    e.MouseDown(bouton::Gauche, 0, 150, 430);
    EXPECT_EQ(e.carteclic(), 2);
    EXPECT_EQ(e.etatclic(), EtatClic::aucun);
}

TEST_F(Table, APileShowsTheLastTrickOnlyWhenThePlayerIsAwaitedAndATrickWasGathered) {
    e.belote().ecran.cartesdernierpli = {0, 10, 20, 30, 40};
    banc.sons.str("");
    e.belote().paquet.positionpaquet = 9;
    e.etatclic(EtatClic::aucun); // the computer plays: piles and menu ignore clicks
    e.MouseDown(bouton::Gauche, 0, 30, 30);
    e.MouseDown(bouton::Gauche, 0, 560, 460);
    EXPECT_EQ(e.etatclic(), EtatClic::aucun);
    e.curseur(Pointeur::attente);
    e.etatclic(EtatClic::carte);
    e.belote().paquet.positionpaquet = 1;
    e.MouseDown(bouton::Gauche, 0, 440, 430);
    EXPECT_EQ(banc.sons.str(), "");
    e.belote().paquet.positionpaquet = 5;
    const Surface avant = t.fond();
    const auto t0 = banc.pf->ms();
    Surface pendant;
    Curseur curseur = Curseur::Attente;
    Minuterie prise(*banc.pf, 500, [&] {
        pendant = t.fond(), curseur = banc.pf->curseur_actuel();
        prise.active(false);
    });
    prise.active(true);
    banc.sons.str("");
    e.MouseDown(bouton::Gauche, 0, 440, 430);
    EXPECT_EQ(banc.sons.str(), "effet cartew01\neffet cartew01\n");
    EXPECT_GE(banc.pf->ms() - t0, 1000);
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 0, 640, 480}));
    // During the view, its four cards on their spots and the box above them; a click ends it: the arrow,
    // no menu.
    ASSERT_EQ(pendant.largeur(), 640);
    for (auto [j, x, y] : {std::tuple{1, 204, 288}, {2, 276, 192}, {3, 204, 96}, {4, 132, 192}})
        EXPECT_TRUE(montre(t, x, y, 10 * j, &pendant)) << "seat " << j;
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
    const Surface avant = t.fond();
    animefin(e.belote(), t);
    // One step of the run is a 15 ms frame and a 50 ms pause.
    EXPECT_GE(banc.pf->ms(), 3000);
    EXPECT_LE(banc.pf->ms(), 3000 + 65);
    EXPECT_FALSE(e.clic());
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 0, 640, 480})) << "the bands are left clean";
    // A left click ends the wait after a trick, and every other pause.
    banc.r.tempobelote = 6;
    const auto t0 = banc.pf->ms();
    Souris apres_pli(banc, 1000, bouton::Gauche, 300, 300);
    t.pause_visu();
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
    t.message_on("à vous", "");
    e.pause(1.f);
    t.message_off();
    EXPECT_EQ(banc.pf->ms() - t0, 300 + 15);
    Attente r;
    EXPECT_NO_THROW(r = e.attendcarte()) << "the click made during the prompt was kept";
    EXPECT_EQ(r.choix, 2);
    EXPECT_EQ(e.carteclic(), 0) << "later pauses are not cut by it";
}

// Sud's advice, by its key or its label: only while Sud is awaited, over the pad and never over the table;
// asked again it goes, and the card played takes it away, the pad as it was. Each one shown counts, and the
// count is written under the pad at the end of the match.
TEST_F(Table, AdviceShowsOverThePadWhileSudIsAwaitedAndLeavesItAsItWas) {
    const Touche c = touche_caractere('C');
    const int lx = ZoneConseil.x + ZoneConseil.w / 2, ly = ZoneConseil.y + ZoneConseil.h / 2;
    t.ecritscore(81, 81);
    const Surface libre = t.fond();
    e.Form_KeyDown(c, 0);
    e.MouseDown(bouton::Gauche, 0, lx, ly);
    EXPECT_TRUE(memes_pixels(libre, t.fond(), Rect{0, 0, 640, 480})) << "Sud is not awaited";
    e.belote().table.numcarte = 1; // Sud leads
    attend_carte(e);
    const Surface avant = t.fond();
    const auto montre = [&] { return !memes_pixels(avant, t.fond(), ZonePad); };
    e.Form_KeyDown(c, 0);
    EXPECT_TRUE(montre());
    EXPECT_TRUE(memes_pixels(avant, t.fond(), Rect{0, 0, 480, 480})) << "the table stays in sight";
    e.Form_KeyDown(c, 0);
    EXPECT_FALSE(montre());
    e.MouseDown(bouton::Gauche, 0, lx, ly);
    EXPECT_TRUE(montre());
    banc.robot.commandes(Robot::analyse("clic 110 430\nattends\n"));
    EXPECT_EQ(e.attendcarte().choix, 1);
    EXPECT_FALSE(montre()) << "the pad as it was";
    EXPECT_EQ(e.conseils(), 2);
    t.montreresultat(0);
    EXPECT_FALSE(montre());
    t.montreresultat(e.conseils());
    EXPECT_TRUE(montre());
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
    e.MouseMove(0, 0, 300, 430);
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
