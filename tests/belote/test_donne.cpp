// Dealing: where each card goes for the three kinds of deal, the cut, the sort.
#include <gtest/gtest.h>

#include <set>

#include "aide.h"
#include "belote/donne.h"

using namespace tlv;
using namespace tlv::essai;

namespace {

// The pack 10, 11, ... 47 as positions 1..32, and the same as a rigged deal text.
void paquetordonne(Paquet& p) {
    for (int k = 1; k <= 32; ++k) p.paquet[k] = static_cast<std::int16_t>(carteno(k - 1));
}
std::string fauxjeuordonne() {
    std::string s;
    for (int k = 0; k < 32; ++k) s += std::to_string(carteno(k));
    return s;
}

// Where card k of the pack must be after the whole deal, before the turned card moves.
struct Place {
    int decalage, slot; // seat counted after the dealer (4 = dealer)
};
Place placecoupe(int k) {
    if (k <= 12) return {(k - 1) / 3 + 1, (k - 1) % 3 + 1};
    if (k <= 20) return {(k - 13) / 2 + 1, (k - 13) % 2 + 4};
    if (k == 21) return {1, 6};
    if (k <= 30) return {(k - 22) / 3 + 2, (k - 22) % 3 + 6};
    return {1, k - 24};
}
Place placefaux(int k) {
    if (k <= 21) return placecoupe(k);
    if (k <= 23) return {1, k - 15};
    return {(k - 24) / 3 + 2, (k - 24) % 3 + 6};
}

} // namespace

class OrdreDeDonne : public ::testing::TestWithParam<int> {};

TEST_P(OrdreDeDonne, RiggedDealFollowsItsTable) {
    const int d = GetParam();
    TableBelote t;
    Paquet p;
    p.fauxjeu = fauxjeuordonne();
    p.avecfauxjeu = true;
    t.donneur = static_cast<std::int16_t>(d);
    distributionfauxjeu(t, p);
    EXPECT_EQ(t.liste[6], carteno(20));
    EXPECT_EQ(t.atout, couleur(carteno(20)));
    t.preneur = static_cast<std::int16_t>(apres(d, 1)); // no exchange, so every card stays where dealt
    distributionfauxjeudureste(t, p);
    EXPECT_FALSE(p.premieredonne);
    for (int k = 1; k <= 32; ++k) {
        const Place pl = placefaux(k);
        EXPECT_EQ(t.jeu[apres(d, pl.decalage)][pl.slot], carteno(k - 1)) << "card " << k;
    }
}

TEST_P(OrdreDeDonne, CutDealFollowsItsTable) {
    const int d = GetParam();
    TableBelote t;
    Paquet p;
    paquetordonne(p);
    p.premieredonne = false;
    t.donneur = static_cast<std::int16_t>(d);
    Rnd rnd(77), temoin(77);
    const int c = static_cast<int>(temoin() * 20) + 5;
    distribution(t, p, rnd);
    t.preneur = static_cast<std::int16_t>(apres(d, 1));
    distributiondureste(t, p, rnd);
    EXPECT_EQ(rnd.etat(), temoin.etat()); // the cut is the only draw of a cut deal
    for (int k = 1; k <= 32; ++k) {
        const int ancienne = k <= 32 - c ? k + c : k - (32 - c);
        const Place pl = placecoupe(k);
        EXPECT_EQ(t.jeu[apres(d, pl.decalage)][pl.slot], carteno(ancienne - 1)) << "card " << k;
    }
}

TEST_P(OrdreDeDonne, RandomDealGoesOneCardAtATime) {
    const int d = GetParam();
    TableBelote t;
    Paquet p;
    t.donneur = static_cast<std::int16_t>(d);
    Rnd rnd(5), temoin(5);
    distribution(t, p, rnd);
    // First card: rank drawn before suit, to the seat after the dealer, slot 1; the second card to d+2.
    const int r1 = static_cast<int>(temoin() * 8), s1 = static_cast<int>(temoin() * 4);
    EXPECT_EQ(t.jeu[apres(d, 1)][1], (s1 + 1) * 10 + r1);
    for (int k = 1; k <= 21; ++k) EXPECT_NE(t.jeu[apres(d, (k - 1) % 4 + 1)][(k + 3) / 4], 0);
    EXPECT_EQ(t.jeu[apres(d, 2)][6], 0);
    t.preneur = static_cast<std::int16_t>(apres(d, 1));
    distributiondureste(t, p, rnd);
    std::set<int> vues;
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s) vues.insert(t.jeu[j][s]);
    EXPECT_EQ(vues.size(), 32u);
    EXPECT_EQ(*vues.begin(), 10);
    EXPECT_FALSE(p.premieredonne);
}

INSTANTIATE_TEST_SUITE_P(Donneurs, OrdreDeDonne, ::testing::Values(1, 2, 3, 4));

TEST(Coupe, NeverFewerThanFiveNorMoreThanTwentyFour) {
    std::set<int> coupes;
    Rnd rnd(2024);
    for (int i = 0; i < 2000; ++i) {
        TableBelote t;
        Paquet p;
        paquetordonne(p);
        p.premieredonne = false;
        distribution(t, p, rnd);
        // With the pack in code order, the new first card tells how many went under.
        int c = 0;
        while (carteno(c) != p.paquet[1]) ++c;
        coupes.insert(c);
    }
    EXPECT_EQ(*coupes.begin(), 5);
    EXPECT_EQ(*coupes.rbegin(), 24);
    EXPECT_EQ(coupes.size(), 20u);
}

TEST(Retournee, GoesToTheTakerInSlotSix) {
    TableBelote t;
    Paquet p;
    paquetordonne(p);
    p.premieredonne = false;
    t.donneur = 4;
    Rnd rnd(9);
    distribution(t, p, rnd);
    const int retournee = t.liste[6];
    EXPECT_EQ(t.jeu[1][6], retournee);
    t.preneur = 3;
    distributiondureste(t, p, rnd);
    EXPECT_EQ(t.jeu[3][6], retournee);
    EXPECT_EQ(t.jeu[1][6], p.paquet[25]); // Nord's own slot-6 card went to seat 1
}

TEST(Retournee, TakerAfterTheDealerKeepsItAndGetsTheLastTwo) {
    TableBelote t;
    Paquet p;
    paquetordonne(p);
    p.premieredonne = false;
    t.donneur = 2;
    Rnd rnd(3);
    distribution(t, p, rnd);
    t.preneur = 3;
    distributiondureste(t, p, rnd);
    EXPECT_EQ(t.jeu[3][6], p.paquet[21]);
    EXPECT_EQ(t.jeu[3][7], p.paquet[31]);
    EXPECT_EQ(t.jeu[3][8], p.paquet[32]);
}

TEST(Tri, AscendingByCode) {
    TableBelote t;
    donnemain(t, 1, {40, 17, 26, 12, 47, 10, 33, 21});
    triejeux(t);
    const Main attendu{0, 10, 12, 17, 21, 26, 33, 40, 47};
    EXPECT_EQ(t.jeu[1], attendu);
}

TEST(FauxJeu, ValidityOfTheText) {
    EXPECT_TRUE(fauxjeuvalide(fauxjeuordonne()));
    std::string s = fauxjeuordonne();
    s[1] = '1'; // 11 twice
    EXPECT_FALSE(fauxjeuvalide(s));
    EXPECT_FALSE(fauxjeuvalide(s.substr(0, 62)));
    s = fauxjeuordonne();
    s[0] = 'x';
    EXPECT_FALSE(fauxjeuvalide(s));
    s = fauxjeuordonne();
    s.replace(0, 2, "18"); // rank digit 8 is no card
    EXPECT_FALSE(fauxjeuvalide(s));
}
