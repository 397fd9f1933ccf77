// The computer seats' card choice, rule by rule.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/choix.h"

using namespace tlv;
using namespace tlv::essai;

class Choisit : public ::testing::Test {
  protected:
    TableBelote t;
    Rnd rnd{11};
    void SetUp() override {
        t.atout = 4;
        t.preneur = 2;
        t.numpli = 1;
    }
    void main(int joueur, std::initializer_list<int> cartes) {
        donnemain(t, joueur, cartes);
        calculevaleurs(t);
    }
    // Cards already on the current trick, in play order, as the play loop records them.
    void surletapis(std::initializer_list<std::pair<int, int>> cartes) {
        t.numcarte = 0;
        for (auto [j, c] : cartes) {
            ++t.numcarte;
            t.jeu[j][8] = static_cast<std::int16_t>(c);
            t.valeur[j][8] = static_cast<std::int16_t>(valeurcarte(c, t.atout));
            t.cartesjouees[t.numpli][j] = static_cast<std::int16_t>(c);
            if (t.numcarte == 1) {
                t.maitre = static_cast<std::int16_t>(j);
                t.cartemaitre = 8;
                t.couleurdemandee = static_cast<std::int16_t>(couleur(c));
            } else {
                comparepli(t, j, 8);
            }
            t.jeu[j][8] = 0;
        }
        ++t.numcarte; // the seat to choose plays next
    }
    // Cards gone in earlier tricks (trick 1 onwards); the current trick becomes the next one.
    void tombees(std::initializer_list<int> cartes) {
        int i = 0;
        for (int c : cartes) {
            t.cartesjouees[i / 4 + 1][i % 4 + 1] = static_cast<std::int16_t>(c);
            ++i;
        }
        t.numpli = static_cast<std::int16_t>((i + 3) / 4 + 1);
    }
    int carte(int joueur) { return t.jeu[joueur][choisitcarte(t, joueur, rnd).slot]; }
};

TEST_F(Choisit, FollowsWithTheAceEvenWhenPartnerWins) {
    main(4, {10, 13, 17, 20});
    surletapis({{2, 16}, {3, 11}});
    EXPECT_EQ(carte(4), 17);
}

TEST_F(Choisit, FollowsWithTheTenOnceTheAceHasGone) {
    tombees({17, 21, 22, 30});
    main(4, {10, 13, 16, 20});
    surletapis({{2, 12}, {3, 11}});
    EXPECT_EQ(carte(4), 16);
}

TEST_F(Choisit, SecondToPlayGoesLow) {
    main(3, {10, 13, 15, 20});
    surletapis({{2, 14}});
    EXPECT_EQ(carte(3), 10);
}

TEST_F(Choisit, ThirdToPlayTakesWithTheFirstCardWorthMore) {
    main(4, {10, 13, 15, 20});
    surletapis({{2, 11}, {3, 14}});
    EXPECT_EQ(carte(4), 15); // the Roi (4) over the Dame (3); the Valet (2) is worth less
}

TEST_F(Choisit, PlaysLowUnderAnOpponentsCut) {
    main(1, {10, 17, 20, 30});
    surletapis({{3, 14}, {4, 40}});
    EXPECT_EQ(carte(1), 10);
}

TEST_F(Choisit, TakersSideLeadsTheValet) {
    t.preneur = 1;
    main(3, {17, 20, 42, 43});
    surletapis({});
    EXPECT_EQ(carte(3), 43);
}

TEST_F(Choisit, NoTrumpLeadWhenAllRemainingTrumpsAreOwn) {
    t.preneur = 1;
    tombees({40, 41, 44, 45, 46, 47, 10, 11});
    main(3, {17, 20, 42, 43});
    surletapis({});
    EXPECT_EQ(carte(3), 17);
}

TEST_F(Choisit, NoTrumpLeadWhenBothOpponentsHaveNone) {
    t.preneur = 1;
    t.plusdatout[2] = t.plusdatout[4] = 1;
    main(3, {17, 20, 42, 43});
    surletapis({});
    EXPECT_EQ(carte(3), 17);
    t.plusdatout[4] = 0;
    EXPECT_EQ(carte(3), 43);
}

TEST_F(Choisit, NineLeadWaitsForTheValet) {
    t.preneur = 3;
    main(1, {17, 20, 40, 42});
    surletapis({});
    EXPECT_EQ(carte(1), 40); // the Valet is still out: a small trump
    tombees({43, 10, 11, 12});
    surletapis({});
    EXPECT_EQ(carte(1), 42);
}

TEST_F(Choisit, OvertrumpKeepsValetAndNine) {
    main(1, {20, 42, 43, 47});
    surletapis({{3, 10}, {4, 44}});
    EXPECT_EQ(carte(1), 47);
}

TEST_F(Choisit, CannotOvertrumpPlaysLowestSmallTrump) {
    main(1, {20, 40, 44, 47});
    surletapis({{3, 10}, {4, 42}});
    EXPECT_EQ(carte(1), 40);
}

TEST_F(Choisit, EightOverSevenIsNoOvertrump) {
    main(1, {20, 41, 44});
    surletapis({{3, 10}, {4, 40}});
    EXPECT_EQ(carte(1), 44); // the first trump worth more than 0
    main(1, {20, 41});
    EXPECT_EQ(carte(1), 41); // nothing worth more: the lowest trump, which happens to win
}

TEST_F(Choisit, DiscardUnderOpponentMarksNoTrump) {
    t.atout = 3;
    main(2, {15, 17, 41, 44});
    surletapis({{1, 22}});
    const Choix c = choisitcarte(t, 2, rnd);
    // Signal: the As of Pique asks for Coeur (5 - 1); the lowest Coeur below the 10 is thrown.
    EXPECT_EQ(t.jeu[2][c.slot], 41);
    EXPECT_EQ(t.appel[2], 4);
    EXPECT_EQ(t.plusdatout[2], 1);
    EXPECT_FALSE(c.verifiebelote);
}

TEST_F(Choisit, DiscardUnderPartnerThrowsLoneTen) {
    t.atout = 3;
    main(4, {26, 41, 44, 45});
    surletapis({{1, 12}, {2, 17}, {3, 10}});
    const Choix c = choisitcarte(t, 4, rnd);
    EXPECT_EQ(t.jeu[4][c.slot], 26);
    EXPECT_EQ(t.appel[4], 2);
    EXPECT_EQ(t.plusdatout[4], 0);
    EXPECT_TRUE(c.verifiebelote);
}

TEST_F(Choisit, PartnersSignalIsFollowedTwoTimesInFive) {
    int suivis = 0;
    for (std::uint64_t g = 1; g <= 500; ++g) {
        Rnd temoin(g);
        rnd.graine(g);
        t.appel[1] = 2; // Sud signalled Carreau
        main(3, {17, 21, 25, 30});
        surletapis({});
        const bool suit = static_cast<int>(temoin() * 5) + 1 >= 4;
        EXPECT_EQ(carte(3), suit ? 21 : 17);
        EXPECT_EQ(rnd.etat(), temoin.etat()); // one draw, no more
        suivis += suit;
    }
    EXPECT_GT(suivis, 150);
    EXPECT_LT(suivis, 250);
}

TEST_F(Choisit, NoDrawWithoutSignal) {
    main(3, {17, 21, 25, 30});
    surletapis({});
    const auto avant = rnd.etat();
    EXPECT_EQ(carte(3), 17);
    EXPECT_EQ(rnd.etat(), avant);
}
