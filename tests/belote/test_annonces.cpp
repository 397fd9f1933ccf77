// Announcements: what each hand announces, which side scores, and belote-rebelote.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/annonces.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::essai;

TEST(Recherche, TwoTiercesInSequenceOrder) {
    TableBelote t;
    Annonces a;
    donnemain(t, 1, {10, 11, 12, 22, 23, 26, 35, 47}); // 7-8-9 of Pique, 9-10-V of Carreau
    chercheannonces(t, a);
    EXPECT_EQ(a.longueur1[1], 3);
    EXPECT_EQ(a.longueur2[1], 3);
    EXPECT_EQ(hauteur(rang(a.annonce1[1][3])), 1);
    EXPECT_EQ(hauteur(rang(a.annonce2[1][3])), 3);
    EXPECT_EQ(a.annonce2[1][2], 26); // the 10 sits between the 9 and the Valet
}

TEST(Recherche, CinquanteFromTenToRoi) {
    TableBelote t;
    Annonces a;
    donnemain(t, 2, {33, 34, 35, 36, 10, 21, 42, 47});
    chercheannonces(t, a);
    EXPECT_EQ(a.longueur1[2], 4);
    EXPECT_EQ(a.longueur2[2], 0);
    EXPECT_EQ(hauteur(rang(a.annonce1[2][4])), 5);
}

TEST(Recherche, EightOfOneSuitIsOneCent) {
    TableBelote t;
    Annonces a;
    donnemain(t, 3, {40, 41, 42, 43, 44, 45, 46, 47});
    chercheannonces(t, a);
    EXPECT_EQ(a.longueur1[3], 5);
    EXPECT_EQ(a.longueur2[3], 0);
    const std::array<std::int16_t, 5> cent{46, 43, 44, 45, 47};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.annonce1[3][i + 1], cent[static_cast<std::size_t>(i)]);
}

TEST(Recherche, CarreRanks) {
    TableBelote t;
    Annonces a;
    donnemain(t, 1, {10, 20, 30, 40, 11, 21, 31, 41}); // four 7s, four 8s
    donnemain(t, 2, {12, 13, 22, 23, 32, 33, 42, 43}); // four 9s, four Valets
    chercheannonces(t, a);
    EXPECT_EQ(a.nbcarre[1], 0);
    EXPECT_EQ(a.nbcarre[2], 4);
    EXPECT_EQ(rang(a.annoncecarre[2][1]), neuf);
}

// Four hands, a trump, and the result of the announcements on the table.
struct CasAnnonces {
    const char* nom;
    std::array<std::array<int, 8>, 4> mains;
    int atout;
    int meilleur, nous, eux;
    int messagesresultat; // result messages shown ("Vous : ..." or "Eux : ...")
};

class Decision : public ::testing::TestWithParam<CasAnnonces> {};

TEST_P(Decision, BestAnnouncerAndSidePoints) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s)
            tb.jeu[j][s] = static_cast<std::int16_t>(
                c.mains[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(s - 1)]);
    tb.atout = static_cast<std::int16_t>(c.atout);
    tb.donneur = 4;
    chercheannonces(tb, m.b.annonces);
    afficheannonce(m.b, t);
    EXPECT_EQ(m.b.annonces.meilleurannonceur, c.meilleur);
    EXPECT_EQ(tb.pointsnous, c.nous);
    EXPECT_EQ(tb.pointseux, c.eux);
    EXPECT_EQ(t.compte("msg Vous :") + t.compte("msg Eux :"), c.messagesresultat);
}

// Filler cards that announce nothing: no three in sequence, no carré.
constexpr std::array<int, 8> rien1{10, 12, 14, 16, 20, 22, 24, 26};
constexpr std::array<int, 8> rien2{11, 13, 15, 17, 21, 23, 25, 27};

INSTANTIATE_TEST_SUITE_P(
    Annonces, Decision,
    ::testing::Values(
        // Tierce V of Est against tierce V of Sud in trump: Sud's side scores.
        CasAnnonces{"AtoutDepartageLesEgaux",
                    {{{22, 26, 23, 10, 30, 40, 35, 17}, {32, 36, 33, 11, 21, 41, 45, 15}, rien1, rien2}},
                    2,
                    1,
                    20,
                    0,
                    1},
        // The same without trump on either side: they cancel, nothing shown.
        CasAnnonces{"EgauxSansAtoutSAnnulent",
                    {{{22, 26, 23, 10, 30, 40, 35, 17}, {32, 36, 33, 11, 21, 41, 45, 15}, rien1, rien2}},
                    1,
                    0,
                    0,
                    0,
                    0},
        // Equal tierces of Sud and Nord: Sud, the lower seat; the partner is set aside.
        CasAnnonces{"PartenairesEgaux",
                    {{{22, 26, 23, 10, 30, 40, 35, 17}, rien1, {32, 36, 33, 11, 21, 41, 45, 15}, rien2}},
                    1,
                    1,
                    40,
                    0,
                    1},
        // A carré of Dames (Est) beats a cent (Nord); Est/Ouest score 100 plus Ouest's tierce.
        CasAnnonces{"CarreBatCent",
                    {{rien1,
                      {14, 24, 34, 44, 10, 20, 31, 41},
                      {26, 23, 24, 25, 27, 11, 12, 40},
                      {32, 36, 33, 15, 13, 42, 45, 16}}},
                    1,
                    2,
                    0,
                    120,
                    1},
        // Est's cinquante is best; Ouest's tierce counts too: 70.
        CasAnnonces{"LesDeuxPartenairesComptent",
                    {{rien1, {33, 34, 35, 36, 10, 21, 42, 17}, rien2, {12, 16, 13, 40, 20, 30, 45, 27}}},
                    4,
                    2,
                    0,
                    70,
                    1},
        // Four 9s and four Valets: only the carré of 9s (150).
        CasAnnonces{
            "CarreDeNeufs", {{{12, 13, 22, 23, 32, 33, 42, 43}, rien1, rien2, rien2}}, 1, 1, 150, 0, 1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(SansAnnonces, NothingScoredButBeloteStillCounts) {
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    donnemain(tb, 2, {34, 35, 36, 37, 33, 10, 11, 12});
    tb.atout = 3;
    tb.pointsnous = 77;
    afficheannonce(m.b, t); // announcements off: no search was made
    EXPECT_EQ(tb.pointsnous, 0);
    EXPECT_EQ(tb.pointseux, 0);
    EXPECT_EQ(tb.compteurbelote, 1);
    EXPECT_EQ(t.compte("msg"), 0);
}

class BeloteRebelote : public ::testing::Test {
  protected:
    Monde m;
    TableTemoin t{m.b};
    void SetUp() override {
        auto& tb = m.b.table;
        tb.atout = 4;
        donnemain(tb, 2, {10, 44, 45, 20});
        donnemain(tb, 3, {11, 21, 30, 31});
    }
};

TEST_F(BeloteRebelote, RoiThenDame) {
    auto& tb = m.b.table;
    cherchebelote(tb);
    ASSERT_EQ(tb.compteurbelote, 1);
    belote(m.b, t, 2, 3); // the Roi
    EXPECT_EQ(tb.compteurbelote, 2);
    EXPECT_EQ(t.compte("msg Belote|"), 1);
    EXPECT_EQ(tb.pointseux, 0);
    belote(m.b, t, 2, 1); // not a trump honour: nothing
    EXPECT_EQ(tb.compteurbelote, 2);
    belote(m.b, t, 2, 2); // the Dame
    EXPECT_EQ(tb.compteurbelote, 3);
    EXPECT_EQ(t.compte("msg Rebelote|"), 1);
    EXPECT_EQ(tb.pointseux, 20);
    EXPECT_EQ(m.b.ecran.beloteeux, 20);
    EXPECT_EQ(t.compte("voix 2 belote"), 1);
    EXPECT_EQ(t.compte("voix 2 rebel"), 1);
}

TEST_F(BeloteRebelote, RoiAndDameInTwoHandsIsNoBelote) {
    auto& tb = m.b.table;
    tb.jeu[2][2] = 12;
    tb.jeu[3][1] = 44;
    cherchebelote(tb);
    EXPECT_EQ(tb.compteurbelote, 0);
}
