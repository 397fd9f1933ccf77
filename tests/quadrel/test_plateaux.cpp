// The boards file: counting boards by length, reading a board's fields, and damaged files.
#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "grilles.h"
#include "quadrel/regles/plateaux.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

int cellule(const Grille& g, int c, int r) {
    return g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
}

// One record: four lines of eight fields, CR LF, then the empty line.
std::string fiche(const std::array<std::string, 4>& lignes) {
    std::string s;
    for (const auto& l : lignes) s += l + "\r\n";
    return s + "\r\n";
}

const std::string Premier = fiche({"  1 17  0   005 21 92 91", "  2 18                  ",
                                   "000000000000000000000000", " 32 16                  "});
const std::string Second = fiche({" 10 26  0  0  0  0  0  0", "  0  0  0  0  0  0  0  0",
                                  "  0  0  0  0  0  0  0  0", "  0  0  0  0  0  0  0  0"});

TEST(Plateaux, BoardsCountedByWholeRecords) {
    for (auto [octets, max] : {std::pair{1060, 9}, {1059, 8}, {106, 0}, {105, -1}})
        EXPECT_EQ(niveaumax_de(octets), max) << octets;
}

TEST(Plateaux, FieldsGiveFacesEmptyCellsAndObstacles) {
    Grille g;
    ASSERT_TRUE(chargecode_octets(Premier + Second, 0, g));
    // "  1", " 17", "  0", "   ", "005", " 21", " 92" (an obstacle drawn as a back), " 91"
    const int rang1[] = {0, 16, vide, vide, 4, 20, 91, 90};
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(cellule(g, c, 1), rang1[c - 1]) << c;
    EXPECT_EQ(cellule(g, 1, 4), 31);
    EXPECT_TRUE(resteunecarte(g));
    for (std::size_t c = 1; c <= 6; ++c) g[c] = grillevide()[0]; // only the obstacles of row 1 are left
    EXPECT_FALSE(resteunecarte(g));
    g[8][4] = 89;
    EXPECT_TRUE(resteunecarte(g));
}

struct CasAbime {
    const char* nom;
    std::string octets;
    int tableau;
    bool charge;
    int valeur; // cell (2, 1) when loaded
};

class Abimes : public ::testing::TestWithParam<CasAbime> {};

TEST_P(Abimes, ReadSoundlyOrRefused) {
    const CasAbime& k = GetParam();
    Grille g;
    EXPECT_EQ(chargecode_octets(k.octets, k.tableau, g), k.charge);
    if (k.charge)
        EXPECT_EQ(cellule(g, 2, 1), k.valeur);
    else
        EXPECT_EQ(g, grillevide());
}

INSTANTIATE_TEST_SUITE_P(
    Quadrel, Abimes,
    ::testing::Values(CasAbime{"fichier_vide", "", 0, false, 0},
                      CasAbime{"tableau_au_dela_du_fichier", Premier, 1, false, 0},
                      CasAbime{"fiche_coupee_a_trois_lignes", Premier + Second.substr(0, 78), 1, false, 0},
                      CasAbime{"derniere_ligne_vide_manquante", Premier + Second.substr(0, 104), 1, true, 25},
                      CasAbime{"fiche_blanche_comptee", fiche({"", "", "", ""}) + Premier, 1, true, 16},
                      CasAbime{"fins_de_ligne_unix", " 10 26\n\n\n\n\n", 0, true, 25},
                      CasAbime{"lettres", fiche({" 10 2x", "", "", ""}), 0, true, vide},
                      CasAbime{"signe", fiche({" 10 -5", "", "", ""}), 0, true, vide},
                      CasAbime{"face_hors_feuille", fiche({" 10 40", "", "", ""}), 0, true, vide},
                      CasAbime{"grand_nombre", fiche({" 10999", "", "", ""}), 0, true, 998},
                      CasAbime{"octets_nuls", fiche({std::string("\0\0\0 10", 6), "", "", ""}), 0, true, 9}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(FichierPlateaux, AMissingFileOrAFolderHasNoBoard) {
    const test::DossierTemp temp;
    Grille g;
    for (const std::string& p : {temp / "cartet00", temp.racine()}) {
        EXPECT_EQ(recherchemax(p), -1) << p;
        EXPECT_FALSE(chargecode(p, 0, g)) << p;
    }
}

struct CasJouable {
    const char* nom;
    std::array<std::string, 4> dessin;
    bool jouable;
};

class Jouables : public ::testing::TestWithParam<CasJouable> {};

TEST_P(Jouables, OnlyBoardsWithCardsAllPairedArePlayed) {
    EXPECT_EQ(tableaujouable(dessin(GetParam().dessin)), GetParam().jouable);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrel, Jouables,
    ::testing::Values(
        CasJouable{"vide", {"........", "........", "........", "........"}, false},
        CasJouable{"obstacles_seuls", {"XXXXXXXX", "........", "........", "X......X"}, false},
        CasJouable{"une_paire_et_des_obstacles", {"XXXXXXXX", "Aa......", "........", "XXX....X"}, true},
        CasJouable{"carte_sans_partenaire", {"Aa......", "B.......", "........", "........"}, false},
        CasJouable{"partenaire_seul", {"Aa......", "........", "........", ".......p"}, false},
        CasJouable{"deux_copies_un_partenaire", {"AaA.....", "........", "........", "........"}, false},
        CasJouable{"deux_paires_de_meme_face", {"AaAa....", "........", "........", "........"}, true},
        CasJouable{"paires_croisees", {"A.B.....", "........", "........", "b.a....."}, true}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Jouables, AFaceOffTheSheetIsNoCardToPlay) {
    Grille g = dessin({"Aa......", "........", "........", "........"});
    g[5][1] = 40;
    g[6][1] = 24; // they would pass the pair test, yet neither can be drawn
    EXPECT_FALSE(tableaujouable(g));
}

// The file the game ships: every board it counts loads and can be played.
TEST(PlateauxLivres, EveryBoardCountedLoadsWithWholePairs) {
    const int max = recherchemax(fichierplateaux);
    ASSERT_GE(max, 0) << "cartet00 absent du dossier de test";
    for (int t = 0; t <= max; ++t) {
        Grille g;
        ASSERT_TRUE(chargecode(fichierplateaux, t, g)) << t;
        EXPECT_TRUE(tableaujouable(g)) << "tableau " << t;
    }
}

} // namespace
} // namespace tlv::essai
