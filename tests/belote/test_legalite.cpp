// The legality rule: Sud's cases, the same cases for every seat with its own partner, and no side effect.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::essai;

// Seats as seen from Sud (1 the seat to play, 3 its partner); rotated to test every seat.
struct CasLegalite {
    const char* nom;
    int atout;
    int maitre;   // 0: the seat leads
    int gagnante; // card winning the trick
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
    t.atout = static_cast<std::int16_t>(c.atout);
    t.numpli = 1;
    const int joueur = siege(1);
    for (int i = 0; i < 4; ++i)
        t.jeu[joueur][i + 1] = static_cast<std::int16_t>(c.main[static_cast<std::size_t>(i)]);
    if (c.maitre) {
        const int m = siege(c.maitre);
        t.jeu[m][1] = static_cast<std::int16_t>(c.gagnante);
        t.maitre = static_cast<std::int16_t>(m);
        t.cartemaitre = 1;
        t.cartesjouees[1][m] = static_cast<std::int16_t>(c.gagnante);
        t.couleurdemandee = static_cast<std::int16_t>(c.demandee);
    }
    calculevaleurs(t);
    const TableBelote avant = t;
    EXPECT_EQ(cartelegale(t, joueur, c.slot), c.attendu);
    EXPECT_TRUE(t == avant);
}

INSTANTIATE_TEST_SUITE_P(
    Sud, Legal,
    ::testing::Combine(
        ::testing::Values(
            CasLegalite{"EntameLibre", 4, 0, 0, 0, {10, 20, 41, 0}, 1, Legalite::permise},
            CasLegalite{"AtoutDemandeMonterMemeSiPartenaireMaitre",
                        4,
                        3,
                        44,
                        4,
                        {40, 47, 10, 0},
                        1,
                        Legalite::refusee},
            CasLegalite{"AtoutDemandeMonte", 4, 3, 44, 4, {40, 47, 10, 0}, 2, Legalite::permise},
            CasLegalite{"AtoutDemandeSansPouvoirMonter", 4, 2, 43, 4, {40, 47, 10, 0}, 1, Legalite::permise},
            CasLegalite{"HuitSurSept", 4, 2, 40, 4, {41, 44, 10, 0}, 1, Legalite::permise},
            CasLegalite{"SeptSousHuit", 4, 2, 41, 4, {40, 44, 10, 0}, 1, Legalite::refusee},
            CasLegalite{"FournirObligatoire", 4, 2, 17, 1, {10, 40, 20, 0}, 2, Legalite::refusee},
            CasLegalite{"FournirPetite", 4, 2, 17, 1, {10, 40, 20, 0}, 1, Legalite::permise},
            CasLegalite{"PartenaireMaitreDefausseLibre", 4, 3, 17, 1, {20, 40, 30, 0}, 1, Legalite::permise},
            CasLegalite{
                "AdversaireMaitreCouperObligatoire", 4, 2, 17, 1, {20, 40, 30, 0}, 1, Legalite::refusee},
            CasLegalite{"AdversaireMaitreCoupe", 4, 2, 17, 1, {20, 40, 30, 0}, 2, Legalite::permise},
            CasLegalite{
                "SousCoupeRefuseeSiSurcoupePossible", 4, 4, 45, 1, {20, 41, 47, 0}, 2, Legalite::refusee},
            CasLegalite{"Surcoupe", 4, 4, 45, 1, {20, 41, 47, 0}, 3, Legalite::permise},
            CasLegalite{"SousCoupeAcceptee", 4, 4, 43, 1, {20, 41, 47, 0}, 2, Legalite::permise},
            CasLegalite{"SousCoupeSurPartenaire", 4, 3, 45, 1, {20, 41, 47, 0}, 2, Legalite::permise},
            CasLegalite{"SansAtoutNiCouleur", 4, 2, 17, 1, {20, 30, 36, 0}, 3, Legalite::permise_sansatout},
            CasLegalite{"CaseVide", 4, 2, 17, 1, {20, 30, 36, 0}, 4, Legalite::refusee}),
        ::testing::Values(0, 1, 2, 3)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + "_siege" +
               std::to_string(std::get<1>(info.param) + 1);
    });
