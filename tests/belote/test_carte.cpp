// Card model: points, trick comparison and the small queries over the tables.
#include <gtest/gtest.h>

#include "belote/carte.h"
#include "belote/requetes.h"

using namespace tlv;

TEST(Valeur, PackTotalsAndTrumpShare) {
    for (int atout = 1; atout <= 4; ++atout) {
        int total = 0, enatout = 0;
        for (int c = 1; c <= 4; ++c)
            for (int r = 0; r <= 7; ++r) {
                total += valeurcarte(code(c, r), atout);
                if (c == atout) enatout += valeurcarte(code(c, r), atout);
            }
        EXPECT_EQ(total, 152);
        EXPECT_EQ(enatout, 62);
    }
}

TEST(Valeur, ValetAndNineDependOnTrump) {
    EXPECT_EQ(valeurcarte(23, 2), 20);
    EXPECT_EQ(valeurcarte(23, 1), 2);
    EXPECT_EQ(valeurcarte(22, 2), 14);
    EXPECT_EQ(valeurcarte(22, 1), 0);
    EXPECT_EQ(valeurcarte(27, 1), 11);
    EXPECT_EQ(valeurcarte(26, 1), 10);
    EXPECT_EQ(valeurcarte(25, 1), 4);
    EXPECT_EQ(valeurcarte(24, 1), 3);
}

TEST(Sieges, TurnAndPartners) {
    EXPECT_EQ(suivant(4), 1);
    EXPECT_EQ(precedent(1), 4);
    EXPECT_EQ(partenaire(1), 3);
    EXPECT_EQ(partenaire(4), 2);
    EXPECT_TRUE(partenaires(1, 3));
    EXPECT_TRUE(partenaires(2, 4));
    EXPECT_FALSE(partenaires(1, 2));
    EXPECT_FALSE(partenaires(3, 4));
}

// One trick comparison case: a card against the winning card, trump Coeur (4).
struct CasPli {
    int carte, gagnante;
    bool prend;
};
class Comparaison : public ::testing::TestWithParam<CasPli> {};

TEST_P(Comparaison, AgainstWinningCard) {
    const auto c = GetParam();
    TableBelote t;
    t.atout = 4;
    t.numpli = 3;
    t.jeu[1][2] = static_cast<std::int16_t>(c.gagnante);
    t.jeu[2][5] = static_cast<std::int16_t>(c.carte);
    calculevaleurs(t);
    t.cartesjouees[3][1] = t.jeu[1][2];
    t.cartesjouees[3][2] = t.jeu[2][5];
    t.maitre = 1;
    t.cartemaitre = 2;
    comparepli(t, 2, 5);
    EXPECT_EQ(t.maitre, c.prend ? 2 : 1);
    EXPECT_EQ(t.cartemaitre, c.prend ? 5 : 2);
}

INSTANTIATE_TEST_SUITE_P(Pli, Comparaison,
                         ::testing::Values(CasPli{41, 40, true},  // trump 8 over trump 7 (both worth 0)
                                           CasPli{40, 41, false}, // and not the other way
                                           CasPli{43, 42, true},  // Valet over 9 in trump
                                           CasPli{42, 47, true},  // 9 over As in trump
                                           CasPli{44, 41, true},  // Dame over 8
                                           CasPli{46, 47, false}, // 10 under As
                                           CasPli{40, 17, true},  // any trump cuts
                                           CasPli{17, 40, false}, // a plain As never beats a trump
                                           CasPli{13, 12, true},  // plain Valet above the 9
                                           CasPli{13, 14, false}, // and under the Dame
                                           CasPli{16, 15, true},  // plain 10 above the Roi
                                           CasPli{27, 10, false}  // a discard never wins
                                           ));

class Requetes : public ::testing::Test {
  protected:
    TableBelote t;
    Annonces a;
    Paquet p;
    void SetUp() override {
        t.atout = 1;
        const Main sud{0, 10, 11, 13, 17, 21, 26, 31, 45};
        t.jeu[1] = sud;
        calculevaleurs(t);
    }
};

TEST_F(Requetes, CherchecarteFindsSlotAndMissesPlayedCards) {
    EXPECT_EQ(cherchecarte(t, 1, 26), 6);
    t.jeu[1][6] = 0;
    EXPECT_EQ(cherchecarte(t, 1, 26), 0);
    EXPECT_EQ(cherchecarte(t, 1, 47), 0);
}

TEST_F(Requetes, ComptecouleurCopiesWithoutClearing) {
    t.liste.fill(-7);
    EXPECT_EQ(comptecouleur(t, 1, 1), 4);
    EXPECT_EQ(t.liste[1], 10);
    EXPECT_EQ(t.liste[4], 17);
    EXPECT_EQ(t.liste[5], -7); // not of the suit: left as it was
    EXPECT_EQ(comptecouleur(t, 1, 3), 1);
    EXPECT_EQ(t.liste[7], 31);
    EXPECT_EQ(t.liste[1], 10);
}

TEST_F(Requetes, DejajoueeLooksOnlyAtCompletedTricks) {
    t.numpli = 2;
    t.cartesjouees[1][3] = 27;            // As of Carreau went in trick 1
    t.cartesjouees[2][2] = 12;            // 9 of Pique is on the table now (trick 2)
    EXPECT_TRUE(dejajouee(t, 1, 6, 1));   // 10 of Carreau (26) + 1
    EXPECT_FALSE(dejajouee(t, 1, 2, 1));  // 8 of Pique (11) + 1 is on the current trick only
    EXPECT_FALSE(dejajouee(t, 1, 6, -1)); // Roi of Carreau never played
    t.numpli = 3;
    EXPECT_TRUE(dejajouee(t, 1, 2, 1));
}

TEST_F(Requetes, PeutmonterEightOverSeven) {
    t.jeu[2][1] = 10; // trump 7 winning
    calculevaleurs(t);
    t.jeu[1][1] = 0; // Sud no longer holds the 7 (the same card cannot be in two hands)
    t.maitre = 2;
    t.cartemaitre = 1;
    EXPECT_TRUE(peutmonter(t, 1)); // the 8 of trump beats the 7
    EXPECT_EQ(t.liste[2], 0);      // trump values left in liste
    EXPECT_EQ(t.liste[3], 20);
    EXPECT_EQ(t.liste[5], -1);
}

TEST_F(Requetes, PeutmonterAgainstValet) {
    t.jeu[2][1] = 13;
    t.jeu[1][3] = 0;
    calculevaleurs(t);
    t.maitre = 2;
    t.cartemaitre = 1;
    EXPECT_FALSE(peutmonter(t, 1));
    EXPECT_FALSE(peutmonter_sanstrace(t, 1));
    t.jeu[2][1] = 17; // As of trump: the Valet... is gone, nothing else beats 11
    calculevaleurs(t);
    EXPECT_FALSE(peutmonter(t, 1));
}

TEST_F(Requetes, InitdonneKeepsPointsAndTotals) {
    t.pointsnous = 50;
    t.totaleux = 300;
    t.preneur = 2;
    t.numpli = 8;
    t.appel[3] = 2;
    a.longueur1[2] = 3;
    a.meilleurannonceur = 2;
    p.cartestirees[3][2] = true;
    initdonne(t, a, p);
    EXPECT_EQ(t.pointsnous, 50);
    EXPECT_EQ(t.totaleux, 300);
    EXPECT_EQ(t.preneur, 0);
    EXPECT_EQ(t.numpli, 0);
    EXPECT_EQ(t.jeu[1][1], 0);
    EXPECT_EQ(t.appel[3], 0);
    EXPECT_EQ(a.longueur1[2], 0);
    EXPECT_EQ(a.meilleurannonceur, 0);
    EXPECT_FALSE(p.cartestirees[3][2]);
}
