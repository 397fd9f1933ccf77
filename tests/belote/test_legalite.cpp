// Trick rules: which card wins a trick, and which card a seat may play (for every seat, without side effect).
#include <gtest/gtest.h>

#include <algorithm>

#include "aide.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

// Trump Coeur runs V 9 As 10 R D 8 7, other suits 7 8 9 V D R 10 As: the 8 over the 7 though both are worth
// 0.
TEST(Pli, CardAgainstTheWinningOne) {
    using C = std::tuple<int, int, bool>; // card, winning card, whether it takes
    for (auto [carte, gagnante, prend] :
         {C{41, 40, true}, C{40, 41, false}, C{43, 42, true}, C{42, 47, true}, C{45, 44, true},
          C{44, 41, true}, C{46, 47, false}, C{40, 17, true}, C{17, 40, false}, C{11, 10, true},
          C{13, 12, true}, C{13, 14, false}, C{16, 15, true}, C{27, 10, false}})
        EXPECT_EQ(battue(carte, valeurcarte(carte, 4), gagnante, valeurcarte(gagnante, 4), 4), prend)
            << carte;
}

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
    std::copy(c.main.begin(), c.main.end(), t.jeu[joueur].begin() + 1);
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
    ::testing::Combine(::testing::Values(
                           // Trump led: climb when possible, even over the partner; the 8 climbs over the 7.
                           // Plain cases the computer plays all the time are left to the property run.
                           CasLegalite{"MonterSurPartenaire", 3, 44, 4, {40, 47, 10, 0}, 1, L::monter},
                           CasLegalite{"SansPouvoirMonter", 2, 43, 4, {40, 47, 10, 0}, 1, L::permise},
                           CasLegalite{"HuitSurSept", 2, 40, 4, {41, 44, 10, 0}, 1, L::permise},
                           CasLegalite{"SeptSousHuit", 2, 41, 4, {40, 44, 10, 0}, 1, L::monter},
                           // Pique led; a trump winning it cut the Pique.
                           CasLegalite{"Fournir", 2, 17, 1, {10, 40, 20, 0}, 2, L::fournir},
                           CasLegalite{"PartenaireMaitre", 3, 17, 1, {20, 40, 30, 0}, 1, L::permise},
                           CasLegalite{"CouperObligatoire", 2, 17, 1, {20, 40, 30, 0}, 1, L::couper},
                           CasLegalite{"SousCoupeRefusee", 4, 45, 1, {20, 41, 47, 0}, 2, L::surcouper},
                           CasLegalite{"Surcoupe", 4, 45, 1, {20, 41, 47, 0}, 3, L::permise},
                           CasLegalite{"SousCoupeForcee", 4, 43, 1, {20, 41, 47, 0}, 2, L::permise},
                           CasLegalite{"SousCoupeSurPartenaire", 3, 45, 1, {20, 41, 47, 0}, 2, L::permise},
                           CasLegalite{
                               "SansAtoutNiCouleur", 2, 17, 1, {20, 30, 36, 0}, 3, L::permise_sansatout},
                           CasLegalite{"CaseVide", 2, 17, 1, {20, 30, 36, 0}, 4, L::refusee},
                           CasLegalite{"Entame", 0, 0, 0, {10, 20, 41, 0}, 1, L::permise}),
                       ::testing::Values(0, 1, 2, 3)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + "_siege" +
               std::to_string(std::get<1>(info.param) + 1);
    });
