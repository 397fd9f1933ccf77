// The Quadrel boards file: its exact format, one copy of each face, and every board solved by the path rule
// as the game applies it (written here on its own, apart from the generator's search).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

using Grille = std::array<std::array<int, 6>, 10>; // [column 0..9][row 0..5]

bool libre(const Grille& g, int x, int y) {
    return g[static_cast<size_t>(x)][static_cast<size_t>(y)] == -1;
}

// The game's search: up, down, left, right; first segment cell by cell, a turn toward the second card's
// column (or row), then straight to it.
bool bonchemin(const Grille& g, int x1, int y1, int x2, int y2) {
    const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
    for (int phase = 0; phase < 4; ++phase) {
        bool vertical = phase < 2;
        for (int x = x1 + dx[phase], y = y1 + dy[phase];; x += dx[phase], y += dy[phase]) {
            if (x == x2 && y == y2) return true;
            if (x < 0 || x > 9 || y < 0 || y > 5 || !libre(g, x, y)) break;
            if (vertical ? x2 == x1 : y2 == y1) continue;
            bool ok = true;
            int cx = x, cy = y;
            // Second segment toward column x2 (vertical phases) or row y2 (horizontal phases).
            while (ok && (vertical ? cx != x2 : cy != y2)) {
                if (vertical)
                    cx += x2 > cx ? 1 : -1;
                else
                    cy += y2 > cy ? 1 : -1;
                if (cx == x2 && cy == y2) return true;
                ok = libre(g, cx, cy);
            }
            // Third segment to the second card.
            while (ok) {
                if (vertical)
                    cy += y2 > cy ? 1 : -1;
                else
                    cx += x2 > cx ? 1 : -1;
                if (cx == x2 && cy == y2) return true;
                ok = libre(g, cx, cy);
            }
        }
    }
    return false;
}

struct Fichier : public ::testing::Test {
    static std::string octets;
    static std::vector<Grille> grilles;
    static void SetUpTestSuite() {
        octets = litfichier("cartet00");
        for (size_t r = 0; r + 106 <= octets.size(); r += 106) {
            Grille g;
            for (auto& c : g) c.fill(-1);
            for (int y = 1; y <= 4; ++y)
                for (int x = 1; x <= 8; ++x) {
                    std::string champ = octets.substr(r + static_cast<size_t>((y - 1) * 26 + (x - 1) * 3), 3);
                    g[static_cast<size_t>(x)][static_cast<size_t>(y)] = std::stoi(champ) - 1;
                }
            grilles.push_back(g);
        }
    }
};
std::string Fichier::octets;
std::vector<Grille> Fichier::grilles;

TEST_F(Fichier, RecordsOf106Bytes) {
    ASSERT_EQ(octets.size() % 106, 0u);
    EXPECT_GE(octets.size() / 106, 100u);
    for (size_t r = 0; r < octets.size(); r += 106) {
        for (int l = 0; l < 4; ++l) {
            std::string ligne = octets.substr(r + static_cast<size_t>(l) * 26, 26);
            EXPECT_EQ(ligne.substr(24), "\r\n") << "enregistrement " << r / 106;
            for (int i = 0; i < 24; ++i)
                EXPECT_TRUE(ligne[static_cast<size_t>(i)] == ' ' ||
                            std::isdigit(ligne[static_cast<size_t>(i)]));
        }
        EXPECT_EQ(octets.substr(r + 104, 2), "\r\n");
    }
}

TEST_F(Fichier, EachFaceAtMostOnceAndInPairs) {
    for (size_t b = 0; b < grilles.size(); ++b) {
        std::array<int, 32> vues{};
        int cartes = 0;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 4; ++y) {
                int v = grilles[b][static_cast<size_t>(x)][static_cast<size_t>(y)];
                ASSERT_TRUE(v == -1 || (v >= 0 && v < 32) || v > 90) << "plateau " << b << " valeur " << v;
                if (v >= 0 && v < 32) ++vues[static_cast<size_t>(v)], ++cartes;
            }
        EXPECT_GT(cartes, 0) << b;
        for (int k = 0; k < 16; ++k) {
            EXPECT_LE(vues[static_cast<size_t>(k)], 1) << "plateau " << b;
            EXPECT_EQ(vues[static_cast<size_t>(k)], vues[static_cast<size_t>(k + 16)])
                << "plateau " << b << " paire " << k;
        }
    }
}

// Removable pairs now, by the game's rule.
int coups(const Grille& g, std::vector<std::array<int, 4>>* liste = nullptr) {
    std::array<std::vector<std::pair<int, int>>, 16> places;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 4; ++y) {
            int v = g[static_cast<size_t>(x)][static_cast<size_t>(y)];
            if (v >= 0 && v < 32) places[static_cast<size_t>(v % 16)].push_back({x, y});
        }
    int n = 0;
    for (auto& p : places)
        if (p.size() == 2 && bonchemin(g, p[0].first, p[0].second, p[1].first, p[1].second)) {
            ++n;
            if (liste) liste->push_back({p[0].first, p[0].second, p[1].first, p[1].second});
        }
    return n;
}

TEST_F(Fichier, EveryBoardCanBeCleared) {
    for (size_t b = 0; b < grilles.size(); ++b) {
        Grille g = grilles[b];
        for (;;) {
            std::vector<std::array<int, 4>> l;
            if (!coups(g, &l)) break;
            auto [x1, y1, x2, y2] = l.front();
            g[static_cast<size_t>(x1)][static_cast<size_t>(y1)] = -1;
            g[static_cast<size_t>(x2)][static_cast<size_t>(y2)] = -1;
        }
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 4; ++y) {
                int v = g[static_cast<size_t>(x)][static_cast<size_t>(y)];
                EXPECT_TRUE(v == -1 || v > 90) << "plateau " << b << " bloqué en " << x << "," << y;
            }
    }
}

TEST_F(Fichier, DifficultyRises) {
    // Thirds of the file: more cards, more obstacles, fewer free moves.
    size_t n = grilles.size(), tiers = n / 3;
    auto mesure = [&](size_t a, size_t b, double& cartes, double& obstacles, double& libres) {
        cartes = obstacles = libres = 0;
        for (size_t i = a; i < b; ++i) {
            for (int x = 1; x <= 8; ++x)
                for (int y = 1; y <= 4; ++y) {
                    int v = grilles[i][static_cast<size_t>(x)][static_cast<size_t>(y)];
                    cartes += v >= 0 && v < 32;
                    obstacles += v > 90;
                }
            libres += coups(grilles[i]);
        }
        cartes /= static_cast<double>(b - a), obstacles /= static_cast<double>(b - a),
            libres /= static_cast<double>(b - a);
    };
    double c1, o1, l1, c3, o3, l3;
    mesure(0, tiers, c1, o1, l1);
    mesure(n - tiers, n, c3, o3, l3);
    EXPECT_GT(c3, c1 + 8);
    EXPECT_LT(o1, 0.5);
    EXPECT_GE(o3, 2);
    EXPECT_LT(l3, l1 - 2);
}

// The rule's own cases, so that the solver above is the game's.
TEST(Chemin, CasesFromTheGame) {
    Grille g;
    for (auto& c : g) c.fill(-1);
    auto pose = [&](int x, int y, int v) { g[static_cast<size_t>(x)][static_cast<size_t>(y)] = v; };
    // Two cards of the top row with the row full between them: through the ring.
    for (int x = 1; x <= 8; ++x) pose(x, 1, 20 + x % 3);
    pose(2, 1, 0), pose(6, 1, 16);
    EXPECT_TRUE(bonchemin(g, 2, 1, 6, 1));
    // Same column with a card between and the columns beside blocked: only around the side.
    for (auto& c : g) c.fill(-1);
    pose(4, 2, 0), pose(4, 3, 5), pose(4, 4, 16);
    for (int y = 1; y <= 4; ++y) pose(3, y, 9), pose(5, y, 9);
    EXPECT_FALSE(bonchemin(g, 4, 2, 4, 4));
    pose(5, 2, -1), pose(5, 3, -1), pose(5, 4, -1);
    EXPECT_TRUE(bonchemin(g, 4, 2, 4, 4));
    // A path needing three turns is refused.
    for (auto& c : g) c.fill(-1);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 4; ++y) pose(x, y, 9);
    // A staircase: right, down, right, down, right.
    pose(2, 2, 0), pose(3, 2, -1), pose(3, 3, -1), pose(4, 3, -1), pose(4, 4, -1), pose(5, 4, 16);
    EXPECT_FALSE(bonchemin(g, 2, 2, 5, 4));
    pose(3, 4, -1);
    EXPECT_TRUE(bonchemin(g, 2, 2, 5, 4)); // right, down column 3, right along row 4
    // Obstacles block like cards.
    for (auto& c : g) c.fill(-1);
    pose(1, 2, 0), pose(3, 2, 92), pose(5, 2, 16);
    for (int x = 0; x <= 9; ++x)
        if (x != 1 && x != 5) pose(x, 1, 9), pose(x, 3, 9);
    pose(1, 1, 9), pose(5, 1, 9), pose(1, 3, 9), pose(5, 3, 9);
    EXPECT_FALSE(bonchemin(g, 1, 2, 5, 2));
}

} // namespace
} // namespace tlv::essai
