// Trick rules: which card wins a trick, and which card a seat may play (for every seat, without side effect).
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::essai;

// A card against the winning card, trump Coeur.
class Comparaison : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(Comparaison, AgainstWinningCard) {
    const auto [carte, gagnante, prend] = GetParam();
    TableBelote t;
    t.atout = 4;
    t.numpli = 3;
    t.cartesjouees[3][1] = t.jeu[1][2] = static_cast<std::int16_t>(gagnante);
    t.cartesjouees[3][2] = t.jeu[2][5] = static_cast<std::int16_t>(carte);
    calculevaleurs(t);
    t.maitre = 1;
    t.cartemaitre = 2;
    comparepli(t, 2, 5);
    EXPECT_EQ(t.maitre, prend ? 2 : 1);
    EXPECT_EQ(t.cartemaitre, prend ? 5 : 2);
}

// Trump runs V 9 As 10 R D 8 7, other suits 7 8 9 V D R 10 As: the 8 over the 7 though both are worth 0.
INSTANTIATE_TEST_SUITE_P(Pli, Comparaison,
                         ::testing::Values(std::tuple{41, 40, true}, std::tuple{40, 41, false},
                                           std::tuple{43, 42, true}, std::tuple{42, 47, true},
                                           std::tuple{45, 44, true}, std::tuple{44, 41, true},
                                           std::tuple{46, 47, false}, std::tuple{40, 17, true},
                                           std::tuple{17, 40, false}, std::tuple{11, 10, true},
                                           std::tuple{13, 12, true}, std::tuple{13, 14, false},
                                           std::tuple{16, 15, true}, std::tuple{27, 10, false}));

// Seats as seen from Sud (1 the seat to play, 3 its partner); rotated to test every seat.
struct CasLegalite {
    const char* nom;
    int maitre;   // 0: the seat leads
    int gagnante; // card winning the trick, trump Coeur
    int demandee; // suit led
    std::array<int, 4> main;
    int slot;
    Legalite attendu;
};

class Legal : public ::testing::TestWithParam<std::tuple<CasLegalite, int>> {};

TEST_P(Legal, SameRuleForEverySeat) {
    const auto& [c, rotation] = GetParam();
    const auto siege = [r = rotation](int s) { return (s - 1 + r) % 4 + 1; };
    TableBelote t;
    t.atout = 4;
    t.numpli = 1;
    const int joueur = siege(1);
    for (int i = 0; i < 4; ++i)
        t.jeu[joueur][i + 1] = static_cast<std::int16_t>(c.main[static_cast<std::size_t>(i)]);
    if (c.maitre) {
        const int m = siege(c.maitre);
        t.cartesjouees[1][m] = t.jeu[m][1] = static_cast<std::int16_t>(c.gagnante);
        t.maitre = static_cast<std::int16_t>(m);
        t.cartemaitre = 1;
        t.couleurdemandee = static_cast<std::int16_t>(c.demandee);
    }
    calculevaleurs(t);
    const TableBelote avant = t;
    EXPECT_EQ(cartelegale(t, joueur, c.slot), c.attendu);
    EXPECT_TRUE(t == avant);
}

using L = Legalite;
INSTANTIATE_TEST_SUITE_P(
    Sud, Legal,
    ::testing::Combine(
        ::testing::Values(
            // Trump led: climb when possible, even over the partner; the 8 climbs over the 7. Plain cases the
            // computer plays all the time are left to the property run.
            CasLegalite{"MonterSurPartenaire", 3, 44, 4, {40, 47, 10, 0}, 1, L::refusee},
            CasLegalite{"SansPouvoirMonter", 2, 43, 4, {40, 47, 10, 0}, 1, L::permise},
            CasLegalite{"HuitSurSept", 2, 40, 4, {41, 44, 10, 0}, 1, L::permise},
            CasLegalite{"SeptSousHuit", 2, 41, 4, {40, 44, 10, 0}, 1, L::refusee},
            // Pique led; a trump winning it cut the Pique.
            CasLegalite{"Fournir", 2, 17, 1, {10, 40, 20, 0}, 2, L::refusee},
            CasLegalite{"PartenaireMaitre", 3, 17, 1, {20, 40, 30, 0}, 1, L::permise},
            CasLegalite{"CouperObligatoire", 2, 17, 1, {20, 40, 30, 0}, 1, L::refusee},
            CasLegalite{"SousCoupeRefusee", 4, 45, 1, {20, 41, 47, 0}, 2, L::refusee},
            CasLegalite{"Surcoupe", 4, 45, 1, {20, 41, 47, 0}, 3, L::permise},
            CasLegalite{"SousCoupeForcee", 4, 43, 1, {20, 41, 47, 0}, 2, L::permise},
            CasLegalite{"SousCoupeSurPartenaire", 3, 45, 1, {20, 41, 47, 0}, 2, L::permise},
            CasLegalite{"SansAtoutNiCouleur", 2, 17, 1, {20, 30, 36, 0}, 3, L::permise_sansatout},
            CasLegalite{"CaseVide", 2, 17, 1, {20, 30, 36, 0}, 4, L::refusee},
            CasLegalite{"Entame", 0, 0, 0, {10, 20, 41, 0}, 1, L::permise}),
        ::testing::Values(0, 1, 2, 3)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + "_siege" +
               std::to_string(std::get<1>(info.param) + 1);
    });
