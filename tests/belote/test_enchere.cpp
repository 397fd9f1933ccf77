// Bidding: the evaluation thresholds of both rounds and the order of speech.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/enchere.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::essai;

struct CasEnchere {
    const char* nom;
    std::array<int, 5> cinq;
    int retournee;
    int tour;    // 1 or 2
    int attendu; // round 1: 1 takes, 0 passes; round 2: the suit named, 0 passes
};

class Evaluation : public ::testing::TestWithParam<CasEnchere> {};

TEST_P(Evaluation, TakesExactlyAtTheThresholds) {
    const auto& c = GetParam();
    TableBelote t;
    for (int i = 0; i < 5; ++i) t.jeu[2][i + 1] = static_cast<std::int16_t>(c.cinq[i]);
    t.liste[6] = static_cast<std::int16_t>(c.retournee);
    t.atout = static_cast<std::int16_t>(c.retournee / 10);
    t.prise = 0;
    if (c.tour == 1) {
        evaluepremiertour(t, 2, t.atout);
        EXPECT_EQ(t.prise, c.attendu);
    } else {
        evaluesecondtour(t, 2);
        EXPECT_EQ(t.prise, c.attendu ? 1 : 0);
        EXPECT_EQ(t.atout, c.attendu ? c.attendu : c.retournee / 10);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Enchere, Evaluation,
    ::testing::Values(CasEnchere{"ValetRetourneAvecNeuf", {{42, 10, 11, 20, 21}}, 43, 1, 1},
                      CasEnchere{"AsRetourneAvecValet", {{43, 40, 10, 11, 20}}, 47, 1, 1},
                      CasEnchere{"AsRetourneAvecNeuf", {{42, 41, 10, 11, 20}}, 47, 1, 1},
                      CasEnchere{"DeuxAvecValetEtAsSansNeuf", {{40, 17, 11, 20, 21}}, 43, 1, 0},
                      CasEnchere{"TroisSansValetNiNeufMalgreLesAs", {{44, 45, 17, 27, 11}}, 40, 1, 0},
                      CasEnchere{"TroisValetEtNeuf", {{43, 42, 10, 11, 20}}, 40, 1, 1},
                      CasEnchere{"QuatreQuellesQuElles", {{41, 44, 45, 10, 11}}, 40, 1, 1},
                      CasEnchere{"UneSeuleCarte", {{43, 10, 11, 20, 21}}, 40, 1, 0},
                      CasEnchere{"SecondTourCarreauAvantCoeur", {{22, 23, 42, 43, 10}}, 16, 2, 2},
                      CasEnchere{"SecondTourAsRetourneCompte", {{23, 20, 21, 30, 31}}, 17, 2, 2},
                      CasEnchere{"SecondTourIgnoreLaCouleurRetournee", {{10, 11, 12, 13, 20}}, 14, 2, 0},
                      CasEnchere{"SecondTourRienAPrendre", {{10, 21, 32, 44, 45}}, 16, 2, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

class Parole : public ::testing::Test {
  protected:
    Monde m;
    TableTemoin t{m.b};
    // Five cards each that nobody takes with (turned 7 of Pique), unless a test changes a hand.
    void SetUp() override {
        auto& tb = m.b.table;
        donnemain(tb, 1, {11, 20, 30, 41, 24});
        donnemain(tb, 2, {12, 21, 31, 42, 25});
        donnemain(tb, 3, {14, 22, 32, 44, 35});
        donnemain(tb, 4, {15, 26, 36, 45, 46});
        tb.liste[6] = 10;
        tb.atout = 1;
        tb.donneur = 4;
    }
};

TEST_F(Parole, SudTakingFirstEndsTheBiddingSilently) {
    t.encheressud = {2};
    routinequiprend(m.b, t);
    EXPECT_EQ(m.b.table.preneur, 1);
    EXPECT_EQ(m.b.table.atout, 1);
    EXPECT_EQ(t.compte("voix"), 0);
    EXPECT_EQ(t.compte("msg Vous passez|Vous prenez"), 1);
    EXPECT_EQ(t.traces.size(), 2u); // the panel, and the sound of the turned card moving
}

TEST_F(Parole, EightPassesLeaveNobody) {
    t.encheressud = {1, 1};
    routinequiprend(m.b, t);
    EXPECT_EQ(m.b.table.preneur, 0);
    EXPECT_EQ(m.b.table.atout, 1);
    EXPECT_EQ(t.compte("voix"), 6);
    EXPECT_EQ(t.compte("msg Deuxième tour|"), 4); // the round's title, then each computer pass
    EXPECT_EQ(t.compte("msg Est passe|"), 1);
    EXPECT_EQ(t.compte("msg Deuxième tour|Ouest passe"), 1);
}

TEST_F(Parole, SecondRoundTakeSaysTheSuit) {
    donnemain(m.b.table, 3, {22, 23, 42, 43, 35});
    t.encheressud = {1, 1};
    routinequiprend(m.b, t);
    EXPECT_EQ(m.b.table.preneur, 3);
    EXPECT_EQ(m.b.table.atout, 2);
    EXPECT_EQ(t.compte("msg Nord prend|atout Carreau"), 1);
    EXPECT_EQ(t.traces.back(), "voix 3 acarro");
}

TEST_F(Parole, SudNamesASuitFromThePanel) {
    t.encheressud = {1, 3}; // line 3 of the second panel: the second suit other than Pique
    routinequiprend(m.b, t);
    EXPECT_EQ(m.b.table.preneur, 1);
    EXPECT_EQ(m.b.table.atout, 3);
}

TEST_F(Parole, StopWhileSudBidsLeavesAtOnce) {
    t.encheressud = {-1};
    routinequiprend(m.b, t);
    EXPECT_EQ(m.b.table.preneur, 0);
    EXPECT_EQ(m.b.ecran.arret, 1);
    EXPECT_EQ(t.compte("msg"), 1); // the panel stays, nothing else is said
}
