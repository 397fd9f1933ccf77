// The computer seats' card choice, rule by rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "aide.h"
#include "belote/choix.h"
#include "belote/donne.h"
#include "belote/enchere.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// Cards gone in earlier tricks (from trick 1 on, four a trick); the current trick is the next one.
void tombees(TableBelote& t, const std::vector<int>& cartes) {
    for (std::size_t i = 0; i < cartes.size(); ++i)
        t.cartesjouees[i / 4 + 1][i % 4 + 1] = static_cast<std::int16_t>(cartes[i]);
    t.numpli = static_cast<std::int16_t>((cartes.size() + 3) / 4 + 1);
}

// Cards already on the current trick, in play order, as the play loop records them.
void surletapis(TableBelote& t, const std::vector<std::pair<int, int>>& cartes) {
    t.numcarte = 0;
    for (auto [j, c] : cartes) {
        t.cartesjouees[t.numpli][j] = static_cast<std::int16_t>(c);
        t.valeur[j][8] = static_cast<std::int16_t>(valeurcarte(c, t.atout));
        if (++t.numcarte > 1)
            comparepli(t, j, 8);
        else
            t.maitre = static_cast<std::int16_t>(j), t.cartemaitre = 8,
            t.couleurdemandee = static_cast<std::int16_t>(couleur(c));
    }
    ++t.numcarte; // the seat to choose plays next
}

} // namespace

struct CasChoix {
    const char* nom;
    int preneur, atout;
    std::vector<int> tombees, sansatout;    // cards of earlier tricks; seats known to hold no trump
    std::vector<std::pair<int, int>> tapis; // (seat, card) on the current trick
    int joueur;
    std::vector<int> main;
    int carte, appel, marque; // the card chosen, the suit it signals, and whether it tells "no trump"
};

class Choisit : public ::testing::TestWithParam<CasChoix> {};

TEST_P(Choisit, TheRuleOfTheCase) {
    const auto& c = GetParam();
    TableBelote t;
    Rnd rnd{11};
    t.atout = static_cast<std::int16_t>(c.atout);
    t.preneur = static_cast<std::int16_t>(c.preneur);
    tombees(t, c.tombees);
    for (int j : c.sansatout) t.plusdatout[j] = 1;
    std::copy(c.main.begin(), c.main.end(), t.jeu[c.joueur].begin() + 1);
    calculevaleurs(t);
    surletapis(t, c.tapis);
    const auto avant = rnd.etat();
    const Choix ch = choisitcarte(t, c.joueur, rnd);
    const int carte = t.jeu[c.joueur][ch.slot];
    EXPECT_EQ(carte, c.carte);
    EXPECT_EQ(t.appel[c.joueur], c.appel);
    EXPECT_EQ(t.plusdatout[c.joueur], c.marque);
    EXPECT_EQ(rnd.etat(), avant);                               // no draw without a partner's signal
    EXPECT_TRUE(ch.verifiebelote || couleur(carte) != c.atout); // a trump may be a belote card
}

using C = CasChoix;
INSTANTIATE_TEST_SUITE_P(
    Regles, Choisit,
    ::testing::Values(
        // Following a plain suit: the As even when the partner wins, the 10 once the As is gone; second to
        // play goes low; third takes with the first card worth more (Roi 4 over Dame 3, not the Valet 2).
        C{"AsMemeSiPartenaireGagne", 2, 4, {}, {}, {{2, 14}, {3, 11}}, 4, {10, 13, 15, 17}, 17, 0, 0},
        C{"DixApresLAs", 2, 4, {17, 21, 22, 30}, {}, {{2, 12}, {3, 11}}, 4, {10, 13, 16, 20}, 16, 0, 0},
        C{"SecondEnBas", 2, 4, {}, {}, {{2, 14}}, 3, {10, 13, 15, 20}, 10, 0, 0},
        C{"TroisiemePrend", 2, 4, {}, {}, {{2, 11}, {3, 14}}, 4, {10, 13, 15, 20}, 15, 0, 0},
        C{"EnBasSousLaCoupe", 2, 4, {}, {}, {{3, 14}, {4, 40}}, 1, {10, 17, 20, 30}, 10, 0, 0},
        // Leads of the taker's side: the Valet; no trump when the rest are its own or both opponents have
        // none; the 9 only once the Valet has gone, else a small trump.
        C{"EntameLeValet", 1, 4, {}, {}, {}, 3, {17, 20, 42, 43}, 43, 0, 0},
        C{"SesAtouts", 1, 4, {40, 41, 44, 45, 46, 47, 10, 11}, {}, {}, 3, {17, 20, 42, 43}, 17, 0, 0},
        C{"AdversairesSansAtout", 1, 4, {}, {2, 4}, {}, 3, {17, 20, 42, 43}, 17, 0, 0},
        C{"UnAdversaireSansAtout", 1, 4, {}, {4}, {}, 3, {17, 20, 42, 43}, 43, 0, 0},
        C{"NeufAttendLeValet", 3, 4, {}, {}, {}, 1, {17, 20, 40, 42}, 40, 0, 0},
        C{"NeufApresLeValet", 3, 4, {43, 10, 11, 12}, {}, {}, 1, {17, 20, 40, 42}, 42, 0, 0},
        // Cutting: overtrump keeping the Valet and 9; else the lowest small trump; the 8 over the 7 is
        // no overtrump.
        C{"SurcoupeGardeValetEtNeuf", 2, 4, {}, {}, {{3, 10}, {4, 44}}, 1, {20, 42, 43, 47}, 47, 0, 0},
        C{"PetitAtoutSansSurcoupe", 2, 4, {}, {}, {{3, 10}, {4, 42}}, 1, {20, 40, 44, 47}, 40, 0, 0},
        C{"HuitSurSeptPasSurcoupe", 2, 4, {}, {}, {{3, 10}, {4, 40}}, 1, {20, 41, 44}, 44, 0, 0},
        C{"HuitFauteDeMieux", 2, 4, {}, {}, {{3, 10}, {4, 40}}, 1, {20, 41}, 41, 0, 0},
        // Discards: under an opponent, the As of Pique asks for Coeur (5 - 1) with its lowest card below
        // the 10; under the partner, a lone 10 goes and asks for its suit.
        C{"DefausseSousAdversaire", 2, 3, {}, {}, {{1, 22}}, 2, {15, 17, 41, 44}, 41, 4, 1},
        C{"DixSecSousPartenaire", 2, 3, {}, {}, {{1, 12}, {2, 17}, {3, 10}}, 4, {26, 41, 44, 45}, 26, 2, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

// A partner's signal is followed when a draw of 1..5 gives 4 or 5, with one draw only.
TEST(Signal, FollowedTwoTimesInFive) {
    for (std::uint64_t g = 1; g <= 500; ++g) {
        TableBelote t;
        Rnd rnd(g), temoin(g);
        t.atout = 4;
        t.preneur = 2;
        t.appel[1] = 2; // Sud signalled Carreau
        donnemain(t, 3, {17, 21, 25, 30});
        surletapis(t, {});
        EXPECT_EQ(t.jeu[3][choisitcarte(t, 3, rnd).slot], static_cast<int>(temoin() * 5) >= 3 ? 21 : 17);
        EXPECT_EQ(rnd.etat(), temoin.etat());
    }
}

// The computer reasons on its own: bidding and choosing a card write nothing of the shared table but the
// bid, and the seat's signal and no-trump mark (not the scratch list, which holds the turned card).
TEST(Reflexion, LeavesTheSharedTableAlone) {
    for (std::uint64_t graine = 1; graine <= 40; ++graine) {
        Rnd rnd{graine};
        TableBelote t;
        Annonces a;
        Paquet p;
        initdonne(t, a, p);
        t.donneur = static_cast<std::int16_t>(graine % 4 + 1);
        distribution(t, p, rnd);
        for (int j = 1; j <= 4; ++j) {
            TableBelote avant = t;
            evaluepremiertour(t, j, t.atout);
            avant.prise = t.prise;
            ASSERT_TRUE(t == avant) << "first round, seed " << graine << ", seat " << j;
            evaluesecondtour(t, j);
            avant.prise = t.prise, t.atout = avant.atout;
            ASSERT_TRUE(t == avant) << "second round, seed " << graine << ", seat " << j;
        }
        t.preneur = static_cast<std::int16_t>(graine % 4 + 1);
        distributiondureste(t, p, rnd);
        triejeux(t);
        calculevaleurs(t);
        t.maitre = static_cast<std::int16_t>(suivant(t.donneur));
        for (t.numpli = 1; t.numpli <= 8; ++t.numpli) {
            t.couleurdemandee = 0;
            int j = precedent(t.maitre);
            for (t.numcarte = 1; t.numcarte <= 4; ++t.numcarte) {
                j = suivant(j);
                TableBelote avant = t;
                const int s = choisitcarte(t, j, rnd).slot;
                avant.appel[j] = t.appel[j], avant.plusdatout[j] = t.plusdatout[j];
                ASSERT_TRUE(t == avant) << "seed " << graine << ", trick " << t.numpli << ", seat " << j;
                const int c = t.jeu[j][s];
                t.cartesjouees[t.numpli][j] = static_cast<std::int16_t>(c);
                if (t.numcarte == 1)
                    t.maitre = static_cast<std::int16_t>(j), t.cartemaitre = static_cast<std::int16_t>(s),
                    t.couleurdemandee = static_cast<std::int16_t>(couleur(c));
                else
                    comparepli(t, j, s);
                t.jeu[j][s] = 0;
            }
        }
    }
}
