// The Memo board: levels, the layout drawn from a seed, the geometry of clicks, pairs and penalties.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "memo/plateau.h"

namespace tlv {
namespace {

struct CasNiveau {
    int niveau;
    int paires;
    int premiere, derniere; // columns used
};

class Niveaux : public ::testing::TestWithParam<CasNiveau> {};

TEST_P(Niveaux, LayoutsUseTheLevelsColumnsAndHoldEachChosenPairOnce) {
    const CasNiveau& n = GetParam();
    for (std::uint64_t graine = 0; graine < 300; ++graine) {
        Rnd rnd(graine);
        Plateau p;
        tirage(p, n.niveau, rnd);
        std::multiset<int> faces;
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 4; ++r) {
                const int k = p.carte({c, r});
                const bool utilisee = c >= n.premiere && c <= n.derniere;
                ASSERT_EQ(k != -1, utilisee) << "graine " << graine << " " << c << "," << r;
                if (k != -1) faces.insert(k);
                EXPECT_FALSE(p.vue({c, r}));
            }
        ASSERT_EQ(static_cast<int>(faces.size()), 2 * n.paires);
        int tirees = 0;
        for (int k = 0; k < 16; ++k) {
            const auto bas = faces.count(k), haut = faces.count(k + 16);
            EXPECT_LE(bas, 1u);
            EXPECT_EQ(bas, haut) << k;
            EXPECT_EQ(p.tirees[static_cast<std::size_t>(k)], bas == 1);
            tirees += static_cast<int>(bas);
        }
        EXPECT_EQ(tirees, n.paires);
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, Niveaux,
                         ::testing::Values(CasNiveau{0, 8, 3, 6}, CasNiveau{1, 12, 2, 7},
                                           CasNiveau{2, 16, 1, 8}));

TEST(Tirage, DrawsFaceThenFirstPlaceThenSecondPlace) {
    // On an empty board the first draws cannot be refused: their order shows directly.
    Rnd temoin(7);
    const double v[5] = {temoin(), temoin(), temoin(), temoin(), temoin()};
    Rnd rnd(7);
    Plateau p;
    tirage(p, 0, rnd);
    const int k = static_cast<int>(v[0] * 16);
    const Place a{static_cast<int>(v[1] * 4) + 3, static_cast<int>(v[2] * 4) + 1};
    const Place b{static_cast<int>(v[3] * 4) + 3, static_cast<int>(v[4] * 4) + 1};
    EXPECT_EQ(p.carte(a), k);
    ASSERT_NE(b, a) << "this seed redraws the second place: pick another";
    EXPECT_EQ(p.carte(b), k + 16);
}

TEST(Tirage, RecordedLayoutOfSeed2026) {
    // Replays must give the same boards: a change in the draws shows here.
    Rnd rnd(2026);
    Plateau p;
    tirage(p, 0, rnd);
    const int attendu[4][4] = {
        {p.carte({3, 1}), p.carte({4, 1}), p.carte({5, 1}), p.carte({6, 1})},
        {p.carte({3, 2}), p.carte({4, 2}), p.carte({5, 2}), p.carte({6, 2})},
        {p.carte({3, 3}), p.carte({4, 3}), p.carte({5, 3}), p.carte({6, 3})},
        {p.carte({3, 4}), p.carte({4, 4}), p.carte({5, 4}), p.carte({6, 4})},
    };
    const int enregistre[4][4] = {{21, 27, 20, 31}, {8, 6, 10, 5}, {15, 13, 4, 24}, {22, 29, 26, 11}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(attendu[r][c], enregistre[r][c]) << c + 3 << "," << r + 1;
}

TEST(Tirage, ANewLayoutClearsTheSeenMarks) {
    Rnd rnd(3);
    Plateau p;
    tirage(p, 2, rnd);
    marquevues(p, {1, 1}, {8, 4});
    retirepaire(p, {2, 2}, {3, 3});
    tirage(p, 0, rnd);
    EXPECT_FALSE(p.vue({1, 1}));
    EXPECT_FALSE(p.vue({8, 4}));
    EXPECT_EQ(p.carte({1, 1}), -1);
    EXPECT_NE(p.carte({3, 3}), -1);
}

TEST(Paires, OnlyKAndKPlus16) {
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) EXPECT_EQ(estpaire(a, b), std::abs(a - b) == 16) << a << " " << b;
    EXPECT_FALSE(estpaire(-1, 15));
    EXPECT_FALSE(estpaire(-1, -1));
}

struct CasClic {
    int x, y;
    bool dedans;
    int c, r;
};

class Clics : public ::testing::TestWithParam<CasClic> {};

TEST_P(Clics, PlaceUnderThePoint) {
    const CasClic& k = GetParam();
    const auto p = placesous(k.x, k.y);
    ASSERT_EQ(p.has_value(), k.dedans);
    if (p) {
        EXPECT_EQ(*p, (Place{k.c, k.r}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, Clics,
                         ::testing::Values(CasClic{36, 100, false, 0, 0}, CasClic{37, 49, true, 1, 1},
                                           CasClic{106, 143, true, 1, 1}, CasClic{107, 144, true, 2, 2},
                                           CasClic{603, 431, true, 8, 4}, CasClic{604, 300, false, 0, 0},
                                           CasClic{300, 432, false, 0, 0}, CasClic{300, 48, false, 0, 0},
                                           CasClic{320, 240, true, 5, 3}));

struct CasPenalite {
    const char* nom;
    bool vue1, vue2;
    int secondes;
};

class Penalites : public ::testing::TestWithParam<CasPenalite> {};

TEST_P(Penalites, FiftyForEachCardSeenBefore) {
    const CasPenalite& c = GetParam();
    Plateau p;
    Rnd rnd(1);
    tirage(p, 2, rnd);
    const Place a{1, 1}, b{2, 1};
    if (c.vue1) marquevues(p, a, Place{8, 4});
    if (c.vue2) marquevues(p, b, Place{8, 4});
    EXPECT_EQ(penalite(p, a, b), c.secondes);
    marquevues(p, a, b);
    EXPECT_EQ(penalite(p, a, b), 100);
}

INSTANTIATE_TEST_SUITE_P(Cas, Penalites,
                         ::testing::Values(CasPenalite{"BothNew", false, false, 0},
                                           CasPenalite{"FirstSeen", true, false, 50},
                                           CasPenalite{"SecondSeen", false, true, 50},
                                           CasPenalite{"BothSeen", true, true, 100}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
