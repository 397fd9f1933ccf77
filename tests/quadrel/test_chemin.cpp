// The path rule: which pairs go, and the path shown (its corners and the cells the markers cross).
#include <gtest/gtest.h>

#include <type_traits>

#include "grilles.h"
#include "memo/regles/plateau.h"
#include "quadrel/regles/chemin.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

const Case aucun{};

struct CasChemin {
    const char* nom;
    const char* plan; // the four rows, blank apart
    Case a, b;
    bool trouve;
    Chemin attendu;            // when found
    std::vector<Case> marques; // cells given a marker
};

class Chemins : public ::testing::TestWithParam<CasChemin> {};

TEST_P(Chemins, FirstPathFoundAndItsMarkers) {
    const CasChemin& k = GetParam();
    const std::string p = k.plan;
    const Grille g = dessin({p.substr(0, 8), p.substr(9, 8), p.substr(18, 8), p.substr(27, 8)});
    const auto ch = cherchechemin(g, k.a, k.b);
    ASSERT_EQ(ch.has_value(), k.trouve);
    if (!ch) return;
    EXPECT_EQ(ch->coin1, k.attendu.coin1);
    EXPECT_EQ(ch->coin2, k.attendu.coin2);
    EXPECT_EQ(etapes(k.a, k.b, *ch), k.marques);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrel, Chemins,
    // clang-format off
    ::testing::Values(
        CasChemin{"droit_avec_un_ecart", "######## #A..a### ######## ########", {2, 2}, {5, 2}, true,
                  {}, {{3, 2}, {4, 2}}},
        // Up is tried first: the nearest turn above goes through the ring even for diagonal neighbours.
        CasChemin{"voisines_en_diagonale", "A.###### #a###### ######## ########", {1, 1}, {2, 2}, true,
                  {{1, 0}, {2, 0}}, {{1, 0}, {2, 0}, {2, 1}}},
        CasChemin{"un_coude_vers_le_bas", "A.#.#### ..a.#### ######## ########", {1, 1}, {3, 2}, true,
                  {{1, 2}, aucun}, {{1, 2}, {2, 2}}},
        CasChemin{"colonne_gauche_par_l_anneau", "######## A####### ######## a#######", {1, 2}, {1, 4}, true,
                  {{0, 2}, {0, 4}}, {{0, 2}, {0, 3}, {0, 4}}},
        // The right phase comes last: only the ring's column 9 is left.
        CasChemin{"colonne_droite_par_l_anneau", "######## #######A ######## #######a", {8, 2}, {8, 4}, true,
                  {{9, 2}, {9, 4}}, {{9, 2}, {9, 3}, {9, 4}}},
        // Up before down: the path over the top is drawn, though one below has a turn less.
        CasChemin{"le_haut_avant_le_bas", "#...#### #A..#### #..a#### ########", {2, 2}, {4, 3}, true,
                  {{2, 1}, {4, 1}}, {{2, 1}, {3, 1}, {4, 1}, {4, 2}}},
        CasChemin{"rangee_du_bas_par_l_anneau", "######## ######## ######## #a####A#", {7, 4}, {2, 4}, true,
                  {{7, 5}, {2, 5}}, {{7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}, {2, 5}}},
        // Same column, a card between: only around through a free neighbouring column.
        CasChemin{"meme_colonne_par_le_cote", "#.A##### #.###### #.a##### ########", {3, 1}, {3, 3}, true,
                  {{2, 1}, {2, 3}}, {{2, 1}, {2, 2}, {2, 3}}},
        CasChemin{"meme_colonne_bloquee", "##A##### ######## ##a##### ##.#####", {3, 1}, {3, 3}, false,
                  {}, {}},
        CasChemin{"il_faudrait_trois_coudes", "###..a## #A#.#### #...#### ########", {2, 2}, {6, 1}, false,
                  {}, {}},
        // Down then right along row 3: the card at its column 3 stops the first turn short of b.
        CasChemin{"premier_virage_bloque", "######## #A###### #.#a#### ########", {2, 2}, {4, 3}, false,
                  {}, {}},
        CasChemin{"un_obstacle_bloque", "######## #AX.a### ######## ########", {2, 2}, {5, 2}, false, {}, {}}),
    // clang-format on
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Regles, PairsAreAFaceAndItsPartnerAndNeighboursIncludeDiagonals) {
    for (const auto& [a, b] : {std::pair{0, 16}, {16, 0}, {15, 31}})
        EXPECT_TRUE(paire(a, b)) << a << " " << b;
    for (const auto& [a, b] : {std::pair{0, 0}, {3, 20}, {74, 90}, {-1, 15}, {91, 75}})
        EXPECT_FALSE(paire(a, b)) << a << " " << b;
    EXPECT_TRUE(voisines({3, 2}, {4, 3}));
    EXPECT_FALSE(voisines({3, 2}, {5, 2}));
    EXPECT_FALSE(voisines({1, 1}, {1, 3}));
}

// Both grid games place their pictures with one point type, so their headers go together in one program.
static_assert(std::is_same_v<decltype(positionmarqueur(Case{})), decltype(memo::coin(memo::Place{}))>);

TEST(Regles, MarkersOnTheRingCornersAndTheBoard) {
    EXPECT_EQ(positionmarqueur({0, 0}), (Point{4, 16}));
    EXPECT_EQ(positionmarqueur({9, 5}), (Point{604, 432}));
    EXPECT_EQ(positionmarqueur({1, 1}), (Point{55, 80}));
}

} // namespace
} // namespace tlv::essai
