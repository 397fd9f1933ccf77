// The Memo board: levels, the layout drawn from a seed, the geometry of clicks, pairs, penalties and a
// pair taken away.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "memo/regles/plateau.h"

namespace tlv {
using namespace tlv::memo;
namespace {

struct CasNiveau {
    int niveau, paires;
    int premiere, derniere; // columns used
};

class Niveaux : public ::testing::TestWithParam<CasNiveau> {};

TEST_P(Niveaux, LayoutsUseTheLevelsColumnsAndHoldEachChosenPairOnce) {
    const CasNiveau& n = GetParam();
    Plateau p;
    for (std::uint64_t graine = 0; graine < 300; ++graine) {
        Rnd rnd(graine), avant(graine + 1000);
        tirage(p, 2, avant); // a new layout forgets the last one's cards and what it showed
        marquevues(p, {1, 1}, {8, 4});
        tirage(p, n.niveau, rnd);
        std::multiset<int> faces;
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 4; ++r) {
                const int k = p.carte({c, r});
                ASSERT_EQ(k != -1, c >= n.premiere && c <= n.derniere) << graine << " " << c << "," << r;
                if (k != -1) faces.insert(k);
                ASSERT_FALSE(p.vue({c, r}));
            }
        ASSERT_EQ(static_cast<int>(faces.size()), 2 * n.paires);
        for (int k = 0; k < 16; ++k) {
            ASSERT_LE(faces.count(k), 1u);
            ASSERT_EQ(faces.count(k), faces.count(k + 16)) << k;
            ASSERT_EQ(p.tirees[static_cast<std::size_t>(k)], faces.count(k) == 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, Niveaux,
                         ::testing::Values(CasNiveau{0, 8, 3, 6}, CasNiveau{1, 12, 2, 7},
                                           CasNiveau{2, 16, 1, 8}));

TEST(Tirage, RecordedLayoutOfSeed2026) {
    // Replays must give the same boards: a change in the draws shows here.
    Rnd rnd(2026);
    Plateau p;
    tirage(p, 0, rnd);
    const int enregistre[4][4] = {{21, 27, 20, 31}, {8, 6, 10, 5}, {15, 13, 4, 24}, {22, 29, 26, 11}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(p.carte({c + 3, r + 1}), enregistre[r][c]) << c + 3 << "," << r + 1;
}

TEST(Paires, OnlyKAndKPlus16) {
    for (const auto& [a, b] : {std::pair{0, 16}, {16, 0}, {15, 31}}) EXPECT_TRUE(estpaire(a, b)) << a << b;
    for (const auto& [a, b] : {std::pair{0, 0}, {1, 16}, {15, -1}, {-1, 15}})
        EXPECT_FALSE(estpaire(a, b)) << a << " " << b;
}

// A pair found leaves the board, both its places (on neither the same row nor column), and only them.
TEST(Paires, AFoundPairLeavesExactlyItsTwoPlaces) {
    Plateau p;
    Rnd rnd(1);
    tirage(p, 2, rnd);
    const Plateau avant = p;
    retirepaire(p, {2, 1}, {5, 3});
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 4; ++r) {
            const bool otee = Place{c, r} == Place{2, 1} || Place{c, r} == Place{5, 3};
            EXPECT_EQ(p.carte({c, r}), otee ? -1 : avant.carte({c, r})) << c << "," << r;
        }
    EXPECT_TRUE(restedescartes(p));
}

TEST(Clics, PlaceUnderThePointEdgesIncluded) {
    for (const auto& [x, y, c, r] :
         {std::tuple{37, 49, 1, 1}, {106, 143, 1, 1}, {107, 144, 2, 2}, {603, 431, 8, 4}})
        EXPECT_EQ(placesous(x, y), (Place{c, r})) << x << "," << y;
    for (const auto& [x, y] : {std::pair{36, 100}, {604, 300}, {300, 432}, {300, 48}})
        EXPECT_FALSE(placesous(x, y).has_value()) << x << "," << y;
}

TEST(Penalites, FiftyForEachCardSeenBefore) {
    Plateau p;
    Rnd rnd(1);
    tirage(p, 2, rnd);
    const Place a{1, 1}, b{2, 1}, c{3, 1};
    EXPECT_EQ(penalite(p, a, b), 0);
    marquevues(p, a, c);
    EXPECT_EQ(penalite(p, a, b), 50);
    EXPECT_EQ(penalite(p, b, a), 50);
    marquevues(p, a, b);
    EXPECT_EQ(penalite(p, a, b), 100);
}

} // namespace
} // namespace tlv
