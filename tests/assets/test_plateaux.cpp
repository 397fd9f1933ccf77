// The Quadrel boards file: its exact format, one copy of each face, and every board cleared by the game's own
// path rule (not the generator's search).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "quadrel/regles/chemin.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
using namespace tlv::quadrel;
namespace {

int& at(Grille& g, Case k) {
    return g[static_cast<size_t>(k.c)][static_cast<size_t>(k.r)];
}

const std::vector<Case> cases = [] {
    std::vector<Case> v;
    for (int i = 0; i < 32; ++i) v.push_back({i % 8 + 1, i / 8 + 1});
    return v;
}();

struct Fichier : public ::testing::Test {
    static std::string octets;
    static std::vector<Grille> grilles;
    static void SetUpTestSuite() {
        octets = litfichier(fichierplateaux);
        for (int t = 0; static_cast<size_t>(t) * taillefiche < octets.size(); ++t)
            chargecode_octets(octets, t, grilles.emplace_back());
    }
};
std::string Fichier::octets;
std::vector<Grille> Fichier::grilles;

// Four lines of eight 3-byte fields, each 0 (empty), a face (1..32) or an obstacle, CR LF; then CR LF.
TEST_F(Fichier, RecordsOf106BytesWithOnlyFacesAndObstacles) {
    ASSERT_EQ(octets.size() % taillefiche, 0u);
    EXPECT_GE(octets.size() / taillefiche, 100u);
    for (size_t r = 0; r < octets.size(); r += taillefiche) {
        SCOPED_TRACE("enregistrement " + std::to_string(r / taillefiche));
        for (size_t l = 0; l < 4; ++l) {
            EXPECT_EQ(octets.substr(r + l * 26 + 24, 2), "\r\n");
            for (size_t i = 0; i < 24; i += 3) {
                const std::string champ = octets.substr(r + l * 26 + i, 3);
                ASSERT_EQ(champ.find_first_not_of(" 0123456789"), std::string::npos) << champ;
                const int v = std::stoi(champ) - 1;
                EXPECT_TRUE(v == vide || (v >= 0 && v < 32) || estobstacle(v)) << champ;
            }
        }
        EXPECT_EQ(octets.substr(r + 104, 2), "\r\n");
    }
}

TEST_F(Fichier, EachFaceAtMostOnceAndInPairs) {
    for (size_t b = 0; b < grilles.size(); ++b) {
        std::array<int, 32> vues{};
        for (const Case k : cases)
            if (const int v = at(grilles[b], k); v >= 0 && v < 32) ++vues[static_cast<size_t>(v)];
        for (size_t k = 0; k < 16; ++k) {
            EXPECT_LE(vues[k], 1) << "plateau " << b;
            EXPECT_EQ(vues[k], vues[k + 16]) << "plateau " << b << " paire " << k;
        }
        EXPECT_TRUE(resteunecarte(grilles[b])) << b;
    }
}

// The pairs the path rule lets go now.
std::vector<std::pair<Case, Case>> coups(Grille& g) {
    std::vector<std::pair<Case, Case>> l;
    for (const Case p : cases)
        for (const Case q : cases)
            if (at(g, p) < at(g, q) && paire(at(g, p), at(g, q)) && cherchechemin(g, p, q))
                l.push_back({p, q});
    return l;
}

TEST_F(Fichier, EveryBoardCanBeCleared) {
    for (size_t b = 0; b < grilles.size(); ++b) {
        Grille g = grilles[b];
        for (auto l = coups(g); !l.empty(); l = coups(g)) at(g, l[0].first) = at(g, l[0].second) = vide;
        EXPECT_FALSE(resteunecarte(g)) << "plateau " << b << " bloqué";
    }
}

// Thirds of the file: more cards, more obstacles, fewer free moves.
TEST_F(Fichier, DifficultyRises) {
    const size_t n = grilles.size(), tiers = n / 3;
    auto mesure = [&](size_t a) {
        std::array<double, 3> m{}; // cards, obstacles, free moves
        for (size_t i = a; i < a + tiers; ++i) {
            for (const Case k : cases)
                m[0] += estcarte(at(grilles[i], k)), m[1] += estobstacle(at(grilles[i], k));
            m[2] += static_cast<double>(coups(grilles[i]).size());
        }
        for (double& v : m) v /= static_cast<double>(tiers);
        return m;
    };
    const auto debut = mesure(0), fin = mesure(n - tiers);
    EXPECT_GT(fin[0], debut[0] + 8);
    EXPECT_LT(debut[1], 0.5);
    EXPECT_GE(fin[1], 2);
    EXPECT_LT(fin[2], debut[2] - 2);
}

} // namespace
} // namespace tlv::essai
