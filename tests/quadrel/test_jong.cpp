// The Quadrel table in-process: the notices shown when a board ends, and what the clock's last tick does.
#include <gtest/gtest.h>

#include "grilles.h"
#include "pixels.h"
#include "quadrel/jong.h"
#include "tests/commun/bancscores.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

const Rect Plateau{36, 48, 568, 384};

using test::memes_pixels;

class EcranJong : public Banc {
  protected:
    // Runs `f` on a Quadrel table shown without its loop, its pictures loaded and board `n` laid.
    template <class F> void avec(int n, F f) {
        ASSERT_TRUE(joue("", [&](Contexte& c) {
            Jong j(c);
            j.place(r.decalagex, r.decalagey);
            j.prepare();
            pf->montre_sans_attendre(j);
            j.numtableau = n;
            ASSERT_TRUE(chargecode(fichierplateaux, n, j.grille));
            j.affichetapis();
            j.depose();
            f(j);
        }));
    }
    void pousseclic(const Jong& j, int bouton) {
        for (auto t : {Entree::Type::SourisBas, Entree::Type::SourisHaut}) {
            Entree e;
            e.type = t, e.bouton = bouton, e.x = j.left + 320, e.y = j.top + 240;
            pf->pousse(e);
        }
    }
};

TEST_F(EcranJong, AClearedBoardsTimeStaysAMomentUnlessAClickCutsIt) {
    avec(7, [&](Jong& j) {
        const Surface avant = j.image;
        auto duree = [&](int secondes) {
            const auto t0 = pf->ms();
            j.tableaufini(secondes);
            return pf->ms() - t0;
        };
        EXPECT_EQ(duree(65), 3000);
        EXPECT_FALSE(memes_pixels(avant, j.image, Plateau));
        pousseclic(j, bouton::Gauche);
        EXPECT_EQ(duree(65), 0);
        pousseclic(j, bouton::Droit);
        EXPECT_EQ(duree(65), 0);
        // A right click during play is no request to cut the next notice.
        j.etatclic = EtatClicJong::AttendPremiere;
        j.fond_MouseDown(bouton::Droit, 0, 10, 10);
        EXPECT_EQ(duree(65), 3000);
    });
}

// The left clicks each click state lets pass, on a card, on an obstacle, on the Menu label (where opening
// the menu is left out: it would wait for the player). The cards chosen and the notices closed by a click
// are the robot runs'.
struct CasClic {
    EtatClicJong avant;
    Case ou; // {0, 0}: the Menu label
    EtatClicJong apres;
};

TEST_F(EcranJong, EachClickStateTakesOnlyItsOwnClicks) {
    using E = EtatClicJong;
    const Case carte{2, 1}, autre{3, 1}, obstacle{4, 1}, menu{0, 0};
    const CasClic cas[] = {
        {E::Libre, carte, E::Libre},
        {E::DialogueOuvert, carte, E::DialogueOuvert},
        {E::AttendPremiere, obstacle, E::AttendPremiere},
        {E::PremiereChoisie, autre, E::PremiereChoisie},
        {E::AttendSeconde, carte, E::AttendSeconde}, // the first card again
        {E::SecondeChoisie, carte, E::SecondeChoisie},
        {E::AvisTempsEcoule, menu, E::AvisLu},
        {E::TableauTermine, carte, E::TableauTermine},
        {E::EcranFinal, carte, E::EcranFinal},
        {E::EcranFinal, menu, E::EcranFinalLu},
        {E::Quitter, menu, E::Quitter},
    };
    avec(0, [&](Jong& j) {
        j.grille = dessin({".AaX....", "........", "........", "........"});
        for (const CasClic& k : cas) {
            SCOPED_TRACE(static_cast<int>(k.avant));
            SCOPED_TRACE(k.ou.c);
            j.etatclic = k.avant;
            j.carte1 = carte;
            j.carte2 = Case{};
            const int x = k.ou == menu ? 320 : 36 + (k.ou.c - 1) * 71 + 35;
            const int y = k.ou == menu ? 455 : 48 + (k.ou.r - 1) * 96 + 48;
            j.fond_MouseDown(bouton::Gauche, 0, x, y);
            EXPECT_EQ(j.etatclic, k.apres);
            EXPECT_EQ(j.carte1, carte);
            EXPECT_EQ(j.carte2, Case{});
        }
    });
}

} // namespace
} // namespace tlv::essai
