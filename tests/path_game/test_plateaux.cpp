// The boards file: counting boards by length, reading a board's fields, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "path_game/plateaux.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(niveaumax_de(1060), 9);
    EXPECT_EQ(niveaumax_de(1059), 8);
    EXPECT_EQ(niveaumax_de(106), 0);
    EXPECT_EQ(niveaumax_de(105), -1);
    EXPECT_EQ(niveaumax_de(0), -1);
    EXPECT_EQ(Premier.size(), 106u);
}

TEST(Plateaux, FieldsGiveFacesEmptyCellsAndObstacles) {
    Grille g;
    ASSERT_TRUE(chargecode_octets(Premier + Second, 0, g));
    EXPECT_EQ(cellule(g, 1, 1), 0);
    EXPECT_EQ(cellule(g, 2, 1), 16);
    EXPECT_EQ(cellule(g, 3, 1), vide); // "  0"
    EXPECT_EQ(cellule(g, 4, 1), vide); // "   "
    EXPECT_EQ(cellule(g, 5, 1), 4);    // "005"
    EXPECT_EQ(cellule(g, 6, 1), 20);   // " 21"
    EXPECT_EQ(cellule(g, 7, 1), 91);   // " 92": an obstacle drawn as a back
    EXPECT_EQ(cellule(g, 8, 1), 90);   // " 91": still an obstacle
    EXPECT_EQ(cellule(g, 1, 4), 31);
    EXPECT_EQ(cellule(g, 2, 4), 15);
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(cellule(g, c, 3), vide);
    for (int c = 0; c <= 9; ++c) {
        EXPECT_EQ(cellule(g, c, 0), vide);
        EXPECT_EQ(cellule(g, c, 5), vide);
    }
    for (int r = 0; r <= 5; ++r) {
        EXPECT_EQ(cellule(g, 0, r), vide);
        EXPECT_EQ(cellule(g, 9, r), vide);
    }
    EXPECT_TRUE(resteunecarte(g));

    ASSERT_TRUE(chargecode_octets(Premier + Second, 1, g));
    EXPECT_EQ(cellule(g, 1, 1), 9);
    EXPECT_EQ(cellule(g, 2, 1), 25);
    EXPECT_EQ(cellule(g, 1, 4), vide);
}

TEST(Plateaux, OnlyObstaclesLeftMeansCleared) {
    Grille g = grillevide();
    g[3][2] = 91;
    g[4][4] = 90;
    EXPECT_FALSE(resteunecarte(g));
    g[8][4] = 89;
    EXPECT_TRUE(resteunecarte(g));
}

struct CasAbime {
    const char* nom;
    std::string octets;
    int tableau;
    bool charge;
    int c, r, valeur; // one cell to check when loaded
};

class Abimes : public ::testing::TestWithParam<CasAbime> {};

TEST_P(Abimes, ReadSoundlyOrRefused) {
    const CasAbime& k = GetParam();
    Grille g;
    EXPECT_EQ(chargecode_octets(k.octets, k.tableau, g), k.charge);
    if (k.charge)
        EXPECT_EQ(cellule(g, k.c, k.r), k.valeur);
    else
        EXPECT_EQ(g, grillevide());
}

INSTANTIATE_TEST_SUITE_P(
    Quadrel, Abimes,
    ::testing::Values(
        CasAbime{"fichier_vide", "", 0, false, 0, 0, 0},
        CasAbime{"tableau_au_dela_du_fichier", Premier, 1, false, 0, 0, 0},
        CasAbime{"tableau_negatif", Premier, -1, false, 0, 0, 0},
        CasAbime{"fiche_coupee_a_trois_lignes", Premier + Second.substr(0, 78), 1, false, 0, 0, 0},
        CasAbime{"derniere_ligne_vide_manquante", Premier + Second.substr(0, 104), 1, true, 2, 1, 25},
        CasAbime{"fins_de_ligne_unix", " 10 26\n\n\n\n\n", 0, true, 2, 1, 25},
        CasAbime{"ligne_courte", fiche({" 10", "", "", ""}), 0, true, 2, 1, vide},
        CasAbime{"lettres", fiche({" 10 2x", "", "", ""}), 0, true, 2, 1, vide},
        CasAbime{"signe", fiche({" 10 -5", "", "", ""}), 0, true, 2, 1, vide},
        CasAbime{"face_hors_feuille", fiche({" 10 40", "", "", ""}), 0, true, 2, 1, vide},
        CasAbime{"grand_nombre", fiche({" 10999", "", "", ""}), 0, true, 2, 1, 998},
        CasAbime{"octets_nuls", fiche({std::string("\0\0\0 10", 6), "", "", ""}), 0, true, 2, 1, 9}),
    [](const auto& info) { return std::string(info.param.nom); });

class FichierPlateaux : public ::testing::Test {
  protected:
    void SetUp() override {
        char modele[] = "/tmp/tlv-plateaux-XXXXXX";
        dossier = mkdtemp(modele);
    }
    void TearDown() override { fs::remove_all(dossier); }
    std::string dossier;
};

TEST_F(FichierPlateaux, MissingFileHasNoBoardAndLoadsNothing) {
    Grille g;
    EXPECT_EQ(recherchemax(dossier + "/absent"), -1);
    EXPECT_FALSE(chargecode(dossier + "/absent", 0, g));
    EXPECT_EQ(recherchemax(dossier), -1); // a folder in its place
    EXPECT_FALSE(chargecode(dossier, 0, g));
}

TEST_F(FichierPlateaux, TenRecordsOnDiskAreTenBoards) {
    std::string tout;
    for (int i = 0; i < 10; ++i) tout += i % 2 ? Second : Premier;
    std::ofstream(dossier + "/cartet00", std::ios::binary) << tout;
    EXPECT_EQ(recherchemax(dossier + "/cartet00"), 9);
    Grille g;
    ASSERT_TRUE(chargecode(dossier + "/cartet00", 9, g));
    EXPECT_EQ(cellule(g, 1, 1), 9);
    EXPECT_FALSE(chargecode(dossier + "/cartet00", 10, g));
}

// The file the game ships: every board it counts loads with cards in pairs.
TEST(PlateauxLivres, EveryBoardCountedLoadsWithWholePairs) {
    const int max = recherchemax(fichierplateaux);
    ASSERT_GE(max, 0) << "cartet00 absent du dossier de test";
    for (int t = 0; t <= max; ++t) {
        Grille g;
        ASSERT_TRUE(chargecode(fichierplateaux, t, g)) << t;
        ASSERT_TRUE(resteunecarte(g)) << t;
        int faces[32] = {};
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 4; ++r)
                if (estcarte(cellule(g, c, r))) ++faces[cellule(g, c, r)];
        for (int k = 0; k < 16; ++k) EXPECT_EQ(faces[k], faces[k + 16]) << "tableau " << t << " face " << k;
    }
}

} // namespace
} // namespace tlv::essai
