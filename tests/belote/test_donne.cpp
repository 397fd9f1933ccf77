// Dealing: where each card goes for the three kinds of deal, the turned card, the cut, the rigged text.
#include <gtest/gtest.h>

#include <set>

#include "aide.h"
#include "belote/donne.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// The pack 10, 11, ... 47 as positions 1..32, and the same as a rigged deal text.
void paquetordonne(Paquet& p) {
    for (int k = 1; k <= 32; ++k) p.paquet[k] = static_cast<std::int16_t>(carteno(k - 1));
    p.premieredonne = false;
}
std::string fauxjeuordonne() {
    std::string s;
    for (int k = 0; k < 32; ++k) s += std::to_string(carteno(k));
    return s;
}

// Where card k of the pack lands: seat counted after the dealer (4 = dealer) and slot, before the turned
// card (k = 21, seat 1 slot 6) changes places with the taker's slot 6.
struct Place {
    int decalage, slot;
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

// The cut deal and the rigged deal, for every dealer; the taker sits two seats after the dealer.
class OrdreDeDonne : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(OrdreDeDonne, EveryCardInItsPlace) {
    const auto [d, truquee] = GetParam();
    TableBelote t;
    Paquet p;
    t.donneur = static_cast<std::int16_t>(d);
    Rnd rnd(77), temoin(77);
    const int coupe = truquee ? 0 : static_cast<int>(temoin() * 20) + 5;
    if (truquee)
        p.fauxjeu = fauxjeuordonne(), p.avecfauxjeu = true;
    else
        paquetordonne(p);
    distribution(t, p, rnd);
    EXPECT_EQ(t.liste[6], carteno((20 + coupe) % 32));
    EXPECT_EQ(t.atout, couleur(t.liste[6]));
    t.preneur = static_cast<std::int16_t>(apres(d, 2));
    truquee ? distributionfauxjeudureste(t, p) : distributiondureste(t, p, rnd);
    EXPECT_EQ(rnd.etat(), temoin.etat()); // the cut is the only draw
    EXPECT_FALSE(p.premieredonne);
    for (int k = 1; k <= 32; ++k) {
        Place pl = truquee ? placefaux(k) : placecoupe(k);
        if (pl.slot == 6 && pl.decalage <= 2) pl.decalage = 3 - pl.decalage; // the turned card to the taker
        EXPECT_EQ(t.jeu[apres(d, pl.decalage)][pl.slot], carteno((k + coupe - 1) % 32)) << "card " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Donneurs, OrdreDeDonne,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4), ::testing::Bool()));

// A random first deal: one card at a time round the table from d+1, rank drawn before suit for the first 21
// cards and suit before rank for the rest (the property run checks that the whole deal holds every card
// once).
TEST(AuHasard, OneCardAtATime) {
    for (int d = 1; d <= 4; ++d) {
        TableBelote t;
        Paquet p;
        t.donneur = static_cast<std::int16_t>(d);
        Rnd rnd(5), temoin(5);
        distribution(t, p, rnd);
        const int r1 = static_cast<int>(temoin() * 8), s1 = static_cast<int>(temoin() * 4);
        EXPECT_EQ(t.jeu[apres(d, 1)][1], (s1 + 1) * 10 + r1);
        for (int k = 1; k <= 21; ++k) EXPECT_NE(t.jeu[apres(d, (k - 1) % 4 + 1)][(k + 3) / 4], 0);
        EXPECT_EQ(t.jeu[apres(d, 2)][6], 0);
        Rnd suite(rnd.etat());
        const int s22 = static_cast<int>(suite() * 4), r22 = static_cast<int>(suite() * 8);
        ASSERT_FALSE(p.cartestirees[r22][s22 + 1]);         // drawn at the first try with this seed
        t.preneur = static_cast<std::int16_t>(apres(d, 1)); // the turned card stays where it is
        distributiondureste(t, p, rnd);
        EXPECT_EQ(t.jeu[apres(d, 2)][6], (s22 + 1) * 10 + r22);
    }
}

TEST(Coupe, FromFiveToTwentyFourCards) {
    std::set<int> coupes;
    Rnd rnd(2024);
    for (int i = 0; i < 2000; ++i) {
        TableBelote t;
        Paquet p;
        paquetordonne(p);
        distribution(t, p, rnd);
        coupes.insert((p.paquet[1] / 10 - 1) * 8 + p.paquet[1] % 10); // cards gone under
    }
    EXPECT_EQ(*coupes.begin(), 5);
    EXPECT_EQ(*coupes.rbegin(), 24);
    EXPECT_EQ(coupes.size(), 20u);
}

TEST(FauxJeu, OnlyThirtyTwoDistinctCards) {
    const std::string bon = fauxjeuordonne();
    EXPECT_TRUE(fauxjeuvalide(bon));
    std::vector<std::string> faux(4, bon);
    faux[0].resize(62);
    faux[1].replace(0, 2, "11"); // the 8 of Pique twice
    faux[2][0] = 'x';
    faux[3].replace(0, 2, "18"); // rank digit 8 is no card
    for (const auto& f : faux) EXPECT_FALSE(fauxjeuvalide(f)) << f;
}
