// Before the play: dealing (where each card goes for the three kinds of deal, the cut, the rigged text),
// bidding (the thresholds of both rounds, the order of speech) and the announcements.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string_view>

#include "aide.h"
#include "belote/annonces.h"
#include "belote/donne.h"
#include "belote/enchere.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// The pack 10, 11, ... 47 as positions 1..32.
void paquetordonne(Paquet& p) {
    for (int k = 1; k <= 32; ++k) p.paquet[k] = static_cast<std::int16_t>(carteno(k - 1));
    p.premieredonne = false;
}

// A random first deal and cut deals of the ordered pack: the taker two seats after the dealer gets the turned
// card. Hands as dealt, slot 1 to 8, Sud's first. A rigged deal is dealt as the record of a deal says, which
// the record's own test checks.
struct CasDonne {
    const char* nom;
    int donneur;
    enum { hasard, coupe } sorte;
    int retournee;
    std::array<const char*, 4> mains;
};

std::string enclair(const Main& m) {
    std::string s;
    for (int i = 1; i <= 8; ++i) s += std::to_string(m[i]) + (i < 8 ? " " : "");
    return s;
}

class Distribution : public ::testing::TestWithParam<CasDonne> {};

TEST_P(Distribution, EveryCardInItsPlace) {
    const CasDonne& c = GetParam();
    TableBelote t;
    Paquet p;
    t.donneur = static_cast<std::int16_t>(c.donneur);
    if (c.sorte == CasDonne::coupe) paquetordonne(p);
    Rnd rnd(77);
    distribution(t, p, rnd);
    EXPECT_EQ(t.liste[6], c.retournee);
    EXPECT_EQ(t.atout, c.retournee / 10);
    t.preneur = static_cast<std::int16_t>(apres(c.donneur, 2));
    distributiondureste(t, p, rnd);
    EXPECT_FALSE(p.premieredonne);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(enclair(t.jeu[j]), c.mains[j - 1]) << "seat " << j;
}

// clang-format off
const CasDonne Donnes[] = {
    // One card at a time round the table from the seat after the dealer: 23 to Est, 14, 26, then 27 to Sud.
    {"Hasard", 1, CasDonne::hasard, 46, {"27 34 11 16 42 22 37 44", "23 33 31 24 32 35 25 10",
                                         "14 36 20 30 21 46 40 17", "26 13 12 43 47 45 41 15"}},
    // Cut at 12 cards: three each from the seat after the dealer (24 25 26 first), two each, the 7 of Pique
    // turned; then three each from the taker on, the last two to the first seat.
    {"CoupeOuest", 4, CasDonne::coupe, 10, {"24 25 26 40 41 11 22 23", "27 30 31 42 43 10 12 13",
                                            "32 33 34 44 45 14 15 16", "35 36 37 46 47 17 20 21"}},
    {"CoupeEst", 2, CasDonne::coupe, 10, {"32 33 34 44 45 14 15 16", "35 36 37 46 47 17 20 21",
                                          "24 25 26 40 41 11 22 23", "27 30 31 42 43 10 12 13"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Donnes, Distribution, ::testing::ValuesIn(Donnes),
                         [](const auto& i) { return std::string(i.param.nom); });

// The cut leaves 5 to 24 cards under, each as likely.
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

} // namespace

struct CasEnchere {
    const char* nom;
    std::array<int, 5> cinq;
    int retournee;
    int tour;               // 1 or 2
    int attendu;            // the suit taken, 0: passes
    std::string_view motif; // the identifier of the rule
};

class Evaluation : public ::testing::TestWithParam<CasEnchere> {};

TEST_P(Evaluation, TakesExactlyAtTheThresholds) {
    const auto& c = GetParam();
    TableBelote t;
    std::copy(c.cinq.begin(), c.cinq.end(), t.jeu[2].begin() + 1);
    t.liste[6] = static_cast<std::int16_t>(c.retournee);
    t.atout = static_cast<std::int16_t>(c.retournee / 10);
    const Motif m = c.tour == 1 ? evaluepremiertour(t, 2, t.atout) : evaluesecondtour(t, 2);
    EXPECT_EQ(identifiant(m), c.motif);
    EXPECT_EQ(t.prise, c.attendu ? 1 : 0);
    EXPECT_EQ(t.atout, c.attendu ? c.attendu : c.retournee / 10);
}

// Two cards of the suit take with the Valet and the 9; three with two of Valet, 9, any As; four always.
using E = CasEnchere;
const E CasEncheres[] = {
    E{"ValetRetourneAvecNeuf", {{42, 10, 11, 20, 21}}, 43, 1, 4, "prend_valet_neuf"},
    E{"AsRetourneAvecValet", {{43, 40, 10, 11, 20}}, 47, 1, 4, "prend_valet_as"},
    E{"AsRetourneAvecNeuf", {{42, 41, 10, 11, 20}}, 47, 1, 4, "prend_neuf_as"},
    E{"DeuxValetEtAsSansNeuf", {{40, 17, 11, 20, 21}}, 43, 1, 0, "passe_deux"},
    E{"TroisSansValetNiNeuf", {{44, 45, 17, 27, 11}}, 40, 1, 0, "passe_trois"},
    E{"TroisValetEtNeuf", {{43, 42, 10, 11, 20}}, 40, 1, 4, "prend_valet_neuf"},
    E{"Quatre", {{41, 44, 45, 10, 11}}, 40, 1, 4, "prend_quatre"},
    E{"UneSeule", {{37, 10, 11, 20, 21}}, 40, 1, 0, "passe_seule"},
    E{"CarreauAvantCoeur", {{22, 23, 42, 43, 10}}, 16, 2, 2, "prend_valet_neuf"},
    E{"AsRetourneCompte", {{23, 20, 21, 30, 31}}, 17, 2, 2, "prend_valet_as"},
    E{"PasLaRetournee", {{10, 11, 12, 13, 20}}, 14, 2, 0, "passe_second"},
};
INSTANTIATE_TEST_SUITE_P(Enchere, Evaluation, ::testing::ValuesIn(CasEncheres),
                         [](const auto& info) { return std::string(info.param.nom); });

// Dealer Ouest, turned 7 of Pique; no computer hand takes unless Nord gets `nord`.
struct CasParole {
    const char* nom;
    std::vector<int> sud; // Sud's panel lines in turn; -1 stops
    bool nordprend;
    int preneur, atout;
    const char* trace; // lines starting so, and how many
    int fois;
};

class Parole : public SurTable<CasParole> {};

TEST_P(Parole, WhoTakesWhatAndWhatIsSaid) {
    const auto& c = GetParam();
    donnemain(tb, 1, {11, 20, 30, 41, 24});
    donnemain(tb, 2, {12, 21, 31, 42, 25});
    donnemain(tb, 3, {14, 22, 32, 44, 35});
    donnemain(tb, 4, {15, 26, 36, 45, 46});
    if (c.nordprend) donnemain(tb, 3, {22, 23, 42, 43, 35});
    tb.liste[6] = 10;
    tb.atout = 1;
    tb.donneur = 4;
    t.clics = c.sud;
    routinequiprend(m.b, t);
    EXPECT_EQ(tb.preneur, c.preneur);
    EXPECT_EQ(tb.atout, c.atout);
    EXPECT_EQ(m.b.ecran.arret, c.sud.back() < 0 ? 1 : 0);
    EXPECT_EQ(t.compte(c.trace), c.fois);
}

INSTANTIATE_TEST_SUITE_P(
    Enchere, Parole,
    ::testing::Values(CasParole{"SudPrendSansQuOnParle", {2}, false, 1, 1, "voix", 0},
                      // Sud's second panel lists the suits other than the turned one, in order.
                      CasParole{"SudNommeTrefle", {1, 3}, false, 1, 3, "voix", 3},
                      CasParole{"HuitPasses", {1, 1}, false, 0, 1, "msg Deuxième tour|", 4},
                      CasParole{"NordNommeCarreau", {1, 1}, true, 3, 2, "msg Nord prend|atout Carreau", 1},
                      CasParole{"ArretPendantLaParole", {-1}, false, 0, 1, "msg", 1}),
    [](const auto& info) { return std::string(info.param.nom); });

// Four hands (Sud first, "" an empty hand), a trump, and what the announcements give.
struct CasAnnonces {
    const char* nom;
    std::array<const char*, 4> mains;
    int atout, meilleur, nous, eux;
    int dites;  // announcements said
    int belote; // 1: one hand holds the Roi and Dame of trump
};

class Decision : public SurTable<CasAnnonces> {};

TEST_P(Decision, BestAnnouncerAndSidePoints) {
    const auto& c = GetParam();
    for (int j = 1; j <= 4; ++j) {
        std::istringstream cartes(c.mains[static_cast<std::size_t>(j - 1)]);
        for (int s = 1, carte = 0; cartes >> carte; ++s) tb.jeu[j][s] = static_cast<std::int16_t>(carte);
    }
    tb.atout = static_cast<std::int16_t>(c.atout);
    chercheannonces(tb, m.b.annonces);
    afficheannonce(m.b, t);
    EXPECT_EQ(m.b.annonces.meilleurannonceur, c.meilleur);
    EXPECT_EQ(tb.pointsnous, c.nous);
    EXPECT_EQ(tb.pointseux, c.eux);
    EXPECT_EQ(t.compte("msg Vous :") + t.compte("msg Eux :"), c.nous + c.eux > 0 ? 1 : 0);
    EXPECT_EQ(t.compte("voix"), c.dites);
    EXPECT_EQ(tb.compteurbelote, c.belote); // looked for even with no announcement
}

using A = CasAnnonces;
// Sequences run 7 8 9 10 V D R As: "22 26 23" is the tierce 9-10-V of Carreau.
INSTANTIATE_TEST_SUITE_P(
    Annonces, Decision,
    ::testing::Values(
        // Equal tierces of opponents: the one in trump wins, else both cancel; partners' do not cancel.
        A{"AtoutDepartage", {"22 26 23", "32 36 33", "", ""}, 2, 1, 20, 0, 2, 0},
        A{"EgauxSAnnulent", {"22 26 23", "32 36 33", "", ""}, 1, 0, 0, 0, 2, 0},
        A{"PartenairesEgaux", {"22 26 23", "", "32 36 33", ""}, 1, 1, 40, 0, 2, 0},
        A{"DeuxTierces", {"10 11 12 22 23 26", "", "", ""}, 1, 1, 40, 0, 2, 0},
        // Of a hand's two equal tierces, the second in trump breaks the tie with an opponent's.
        A{"SecondeEnAtout", {"22 26 23 42 46 43", "32 36 33", "", ""}, 4, 1, 40, 0, 3, 0},
        // A carré beats a cent; the partner's tierce counts for the side, so does a cinquante's.
        A{"CarreBatCent", {"", "14 24 34 44", "23 24 25 26 27", "32 36 33"}, 1, 2, 0, 120, 3, 0},
        A{"CinquanteEtTierce", {"", "33 34 35 36", "", "12 16 13"}, 4, 2, 0, 70, 2, 0},
        // Eight of one suit is one cent topped by the As: it beats a cent topped by the Roi.
        A{"HuitDUneCouleur", {"40 41 42 43 44 45 46 47", "12 13 14 15 16", "", ""}, 1, 1, 100, 0, 2, 1},
        // Carrés: Valets (200) above 9s (150); 7s and 8s are none; a hand counts its first carré only.
        A{"ValetsSurNeufs", {"12 22 32 42", "13 23 33 43", "", ""}, 1, 2, 0, 200, 2, 0},
        A{"SeptsEtHuits", {"10 20 30 40 11 21 31 41", "", "", ""}, 1, 0, 0, 0, 0, 0},
        A{"DeuxCarres", {"12 13 22 23 32 33 42 43", "", "", ""}, 1, 1, 150, 0, 1, 0},
        // The Roi and Dame of trump count only in one hand.
        A{"Belote", {"44 45", "", "", ""}, 4, 0, 0, 0, 0, 1},
        A{"RoiEtDameChezPartenaires", {"44", "", "45", ""}, 4, 0, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

// Est holds the Roi and Dame of trump: the Roi says belote, the Dame rebelote and scores 20 for its side.
TEST(BeloteRebelote, TwentyAtTheSecondHonour) {
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    tb.atout = 4;
    donnemain(tb, 2, {10, 44, 45});
    cherchebelote(tb);
    tlv::belote::belote(m.b, t, 2, 3); // the Roi
    tlv::belote::belote(m.b, t, 2, 1); // not a trump honour: nothing
    EXPECT_EQ(tb.pointseux, 0);
    tlv::belote::belote(m.b, t, 2, 2); // the Dame
    EXPECT_EQ(tb.pointseux, 20);
    EXPECT_EQ(m.b.ecran.beloteeux, 20);
    EXPECT_EQ(t.compte("msg Belote|") + t.compte("msg Rebelote|"), 2);
    EXPECT_EQ(t.compte("voix 2 belote") + t.compte("voix 2 rebel"), 2);
}
