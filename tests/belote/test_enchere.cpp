// Bidding: the evaluation thresholds of both rounds and the order of speech.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "aide.h"
#include "belote/enchere.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

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

// Each bidding rule has its case above.
TEST(Enchere, EachRuleHasACase) {
    std::set<std::string_view> vus;
    for (const auto& c : CasEncheres) vus.insert(c.motif);
    for (int m = static_cast<int>(Motif::prend_quatre); m <= static_cast<int>(Motif::passe_second); ++m)
        EXPECT_EQ(vus.count(identifiant(static_cast<Motif>(m))), 1u) << identifiant(static_cast<Motif>(m));
}

// Dealer Ouest, turned 7 of Pique; no computer hand takes unless Nord gets `nord`.
struct CasParole {
    const char* nom;
    std::vector<int> sud; // Sud's panel lines in turn; -1 stops
    bool nordprend;
    int preneur, atout;
    const char* trace; // lines starting so, and how many
    int fois;
};

class Parole : public ::testing::TestWithParam<CasParole> {};

TEST_P(Parole, WhoTakesWhatAndWhatIsSaid) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
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
