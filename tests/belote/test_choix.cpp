// The computer seats' decisions by the rule list: the card rule by rule, the partner's signal and the
// Débutant level's second ideas; none of them writes on the shared table. Sud's advice is checked over the
// whole matches of the property run.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "aide.h"
#include "belote/choix.h"
#include "belote/debutant.h"
#include "belote/enchere.h"
#include "belote/flux.h"
#include "belote/legalite.h"

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
    int carte;                 // the card chosen
    std::string_view motif;    // the identifier of the rule that chose it
    int appel = 0, marque = 0; // the suit it signals, and whether it tells "no trump"
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
    EXPECT_EQ(identifiant(ch.motif), c.motif);
    EXPECT_EQ(t.appel[c.joueur], c.appel);
    EXPECT_EQ(t.plusdatout[c.joueur], c.marque);
    EXPECT_EQ(rnd.etat(), avant);                               // no draw without a partner's signal
    EXPECT_TRUE(ch.verifiebelote || couleur(carte) != c.atout); // a trump may be a belote card
}

using C = CasChoix;
// clang-format off
const C Cas[] = {
    // Following a plain suit: the As even when the partner wins, the 10 once the As is gone; second to play
    // goes low; third takes with the first card worth more (Roi 4 over Dame 3, not the Valet 2), else low.
    C{"AsMemeSiPartenaireGagne", 2, 4, {}, {}, {{2, 14}, {3, 11}}, 4, {10, 13, 15, 17}, 17, "fournit_as"},
    C{"DixApresLAs", 2, 4, {17, 21, 22, 30}, {}, {{2, 12}, {3, 11}}, 4, {10, 13, 16, 20}, 16, "fournit_dix"},
    C{"SecondEnBas", 2, 4, {}, {}, {{2, 14}}, 3, {10, 13, 15, 20}, 10, "fournit_second"},
    C{"TroisiemePrend", 2, 4, {}, {}, {{2, 11}, {3, 14}}, 4, {10, 13, 15, 20}, 15, "fournit_monte"},
    C{"RienPourPrendre", 2, 4, {}, {}, {{2, 15}, {3, 10}}, 4, {11, 14, 20}, 11, "fournit_petite"},
    C{"EnBasSousLaCoupe", 2, 4, {}, {}, {{3, 14}, {4, 40}}, 1, {10, 17, 20, 30}, 10, "fournit_sous_coupe"},
    // Leads of the taker's side: the Valet; no trump when the rest are its own or both opponents have
    // none; the 9 only once the Valet has gone, else a small trump; the As, the 10 once those above are gone.
    C{"EntameLeValet", 1, 4, {}, {}, {}, 3, {17, 20, 42, 43}, 43, "entame_atout_valet"},
    C{"SesAtouts", 1, 4, {40, 41, 44, 45, 46, 47, 10, 11}, {}, {}, 3, {17, 20, 42, 43}, 17, "entame_as"},
    C{"AdversairesSansAtout", 1, 4, {}, {2, 4}, {}, 3, {17, 20, 42, 43}, 17, "entame_as"},
    C{"UnAdversaireSansAtout", 1, 4, {}, {4}, {}, 3, {17, 20, 42, 43}, 43, "entame_atout_valet"},
    C{"NeufAttendLeValet", 3, 4, {}, {}, {}, 1, {17, 20, 40, 42}, 40, "entame_petit_atout"},
    C{"NeufApresLeValet", 3, 4, {43, 10, 11, 12}, {}, {}, 1, {17, 20, 40, 42}, 42, "entame_atout_neuf"},
    C{"AsApresValetEtNeuf", 1, 4, {43, 42, 10, 11}, {}, {}, 3, {17, 20, 47}, 47, "entame_atout_as"},
    C{"DixApresLesTrois", 1, 4, {43, 42, 47, 10}, {}, {}, 3, {17, 20, 46}, 46, "entame_atout_dix"},
    // Plain leads, As first, then a 10 whose As is gone, a small card, Valet, Dame (before a lower suit's
    // Roi), Roi, a 10 still under its As; trumps last.
    C{"DixMaitre", 1, 4, {17, 10, 11, 12}, {}, {}, 2, {16, 25, 44}, 16, "entame_dix"},
    C{"PetiteAvantLeDix", 1, 4, {}, {}, {}, 2, {16, 21, 44}, 21, "entame_petite"},
    C{"Valet", 1, 4, {}, {}, {}, 2, {13, 26, 44}, 13, "entame_valet"},
    C{"DameAvantRoi", 1, 4, {}, {}, {}, 2, {15, 24, 44}, 24, "entame_dame"},
    C{"Roi", 1, 4, {}, {}, {}, 2, {15, 26, 44}, 15, "entame_roi"},
    C{"DixNonMaitre", 1, 4, {}, {}, {}, 2, {16, 44}, 16, "entame_couleur"},
    C{"QueDesAtouts", 1, 4, {}, {}, {}, 2, {44, 45}, 44, "entame_atout"},
    // Trumps: the taker's side plays its master trump on a trump lead; cutting, overtrump keeping the Valet
    // and 9, else the 9 or Valet, else the lowest small trump; the 8 over the 7 is no overtrump.
    C{"AtoutMaitreDuPreneur", 2, 4, {}, {}, {{1, 40}}, 4, {20, 43, 44}, 43, "atout_maitre"},
    C{"SurcoupeGardeValetEtNeuf", 2, 4, {}, {}, {{3, 10}, {4, 44}}, 1, {20, 42, 43, 47}, 47,
      "surcoupe_econome"},
    C{"SurcoupeDuNeuf", 2, 4, {}, {}, {{3, 10}, {4, 47}}, 1, {20, 40, 42}, 42, "surcoupe"},
    C{"PetitAtoutSansSurcoupe", 2, 4, {}, {}, {{3, 10}, {4, 42}}, 1, {20, 40, 44, 47}, 40, "atout_petit"},
    C{"HuitSurSeptPasSurcoupe", 2, 4, {}, {}, {{3, 10}, {4, 40}}, 1, {20, 41, 44}, 44, "surcoupe_econome"},
    C{"HuitFauteDeMieux", 2, 4, {}, {}, {{3, 10}, {4, 40}}, 1, {20, 41}, 41, "atout_petit"},
    C{"CoupeDuValetFauteDeMieux", 2, 4, {}, {}, {{3, 10}}, 4, {20, 43}, 43, "atout_gros"},
    // Discards: under an opponent, the As of Pique asks for Coeur (5 - 1) with its lowest card below
    // the 10; under the partner, a lone 10 goes and asks for its suit; else the cheapest card, or a trump.
    C{"DefausseSousAdversaire", 2, 3, {}, {}, {{1, 22}}, 2, {15, 17, 41, 44}, 41, "defausse_appel", 4, 1},
    C{"DixSecSousPartenaire", 2, 3, {}, {}, {{1, 12}, {2, 17}, {3, 10}}, 4, {26, 41, 44, 45}, 26,
      "defausse_dix", 2, 0},
    C{"LaMoinsChere", 2, 4, {}, {}, {{3, 10}}, 4, {25, 31}, 31, "defausse_moins_chere", 0, 1},
    C{"AtoutSurLePliDuPartenaire", 2, 4, {}, {}, {{1, 17}}, 3, {40, 43}, 40, "defausse_atout"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Regles, Choisit, ::testing::ValuesIn(Cas),
                         [](const auto& info) { return std::string(info.param.nom); });

// A partner's signal is followed on some draws only, two times in five, with one draw; never in trump.
TEST(Signal, FollowedTwoTimesInFiveNeverInTrump) {
    int suivis = 0;
    for (std::uint64_t g = 1; g <= 500; ++g) {
        for (int appel : {2, 4}) { // Sud signalled Carreau, or the trump
            TableBelote t;
            Rnd rnd(g), temoin(g);
            t.atout = 4;
            t.preneur = 2;
            t.appel[1] = static_cast<std::int16_t>(appel);
            donnemain(t, 3, {17, 21, 25, 30, 40});
            surletapis(t, {});
            const Choix ch = choisitcarte(t, 3, rnd);
            temoin();
            EXPECT_EQ(rnd.etat(), temoin.etat());
            const bool suivi = identifiant(ch.motif) == "entame_appel";
            EXPECT_EQ(t.jeu[3][ch.slot], suivi ? 21 : 17);
            suivis += suivi;
        }
    }
    EXPECT_GT(suivis, 170);
    EXPECT_LT(suivis, 230);
}

namespace {

bool tientsauf(const TableBelote& t, int joueur, int slot, bool (*quoi)(const TableBelote&, int, int)) {
    for (int s = 1; s <= 8; ++s)
        if (s != slot && t.jeu[joueur][s] != 0 && quoi(t, joueur, s)) return true;
    return false;
}

// A second idea is never absurd: it does not trump the partner's trick with a plain card to give, nor
// give a 10 or an As to the opponents' trick when a small card would do.
void sensee(const TableBelote& t, int j, int s, std::uint64_t graine) {
    const int c = t.jeu[j][s];
    const bool atout = couleur(c) == t.atout, plain = t.couleurdemandee != t.atout;
    const bool plisuivant = t.numcarte > 1 && partenaires(t.maitre, j);
    const auto nonatout = [](const TableBelote& u, int k, int x) { return couleur(u.jeu[k][x]) != u.atout; };
    EXPECT_FALSE(plisuivant && plain && atout && tientsauf(t, j, s, nonatout))
        << "trumps the partner's trick, seed " << graine << ", card " << c;
    const auto petite = [](const TableBelote& u, int k, int x) {
        return u.valeur[k][x] < 10 && permise(cartelegale(u, k, x));
    };
    const bool donne10 = t.numcarte > 1 && !partenaires(t.maitre, j) && t.valeur[j][s] >= 10 &&
                         !battue(c, t.valeur[j][s], t.cartesjouees[t.numpli][t.maitre],
                                 t.valeur[t.maitre][t.cartemaitre], t.atout);
    EXPECT_FALSE(donne10 && tientsauf(t, j, s, petite))
        << "gives a big card away, seed " << graine << ", card " << c;
}

// Every decision of 200 deals, checked against the table as the seat saw it. The computer reasons on its
// own: bidding, the rules' card and the beginner's write nothing of the shared table but the bid, and the
// seat's signal and no-trump mark (not the scratch list, which holds the turned card). The beginner's second
// ideas are few, legal and sensible.
TEST(Debutant, SecondIdeasAreFewLegalAndSensibleAndNoDecisionWritesOnTheTable) {
    Monde m;
    TableBelote& t = m.b.table;
    int secondes = 0;
    for (std::uint64_t graine = 1; graine <= 200; ++graine) {
        donnetable(t, graine, static_cast<int>(graine % 4) + 1, static_cast<int>(graine % 4) + 1);
        for (int j = 1; j <= 4; ++j) {
            TableBelote avant = t;
            evaluepremiertour(t, j, t.atout);
            avant.prise = t.prise;
            ASSERT_TRUE(t == avant) << "first round, seed " << graine << ", seat " << j;
            evaluesecondtour(t, j);
            avant.prise = t.prise, t.atout = avant.atout;
            ASSERT_TRUE(t == avant) << "second round, seed " << graine << ", seat " << j;
        }
        joueplis(t, [&](int j) {
            const TableBelote avant = t;
            const auto intacte = [&] {
                TableBelote apres = avant;
                apres.appel[j] = t.appel[j], apres.plusdatout[j] = t.plusdatout[j];
                return t == apres;
            };
            Rnd r = m.rnd;
            choisitcarte(t, j, r);
            EXPECT_TRUE(intacte()) << "the rules, seed " << graine << ", trick " << t.numpli << ", seat "
                                   << j;
            t = avant;
            const std::uint64_t etat = m.rnd.etat();
            const Choix ch = cartedebutant(m.b, j);
            EXPECT_EQ(m.rnd.etat(), etat) << "the match's random source moved";
            EXPECT_TRUE(intacte()) << "seed " << graine << ", trick " << t.numpli << ", seat " << j;
            t = avant;
            EXPECT_EQ(cartedebutant(m.b, j).slot, ch.slot) << "the same situation, another card";
            const int s = ch.slot;
            EXPECT_TRUE(permise(cartelegale(t, j, s))) << "seed " << graine << ", slot " << s;
            if (!permise(cartelegale(t, j, s))) return 0;
            if (ch.motif == Motif::debutant) {
                ++secondes;
                sensee(t, j, s, graine);
            }
            return s;
        });
    }
    // About two second ideas per deal and seat, of its eight decisions: some, far from most.
    const double parseat = static_cast<double>(secondes) / (200.0 * 4);
    EXPECT_GT(parseat, 1.2);
    EXPECT_LT(parseat, 3.0);
}

} // namespace
