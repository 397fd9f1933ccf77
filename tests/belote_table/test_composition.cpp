// The deal editor's rules: the "NON" slot of the seat after the dealer, the deal order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "belote/carte.h"
#include "belote_table/composition.h"

namespace tlv {
using namespace tlv::belote;
namespace {

// Puts every card of the pack in the first group that still has room, the way a user fills the form.
void remplit(Composition& c) {
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r)
            for (int k = 0; k <= 8 && !c.placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
                 ++k) {
                c.joueurchoix = k;
                c.place(s, r);
            }
}

TEST(Composition, AFullGroupOrANewNonSlotLeavesTheCardInThePack) {
    Composition c;
    c.charge("", 1); // Est follows the dealer: its rest has two usable slots
    c.joueurchoix = 6;
    c.place(1, 0);
    c.place(1, 1);
    c.place(1, 2);
    EXPECT_EQ(c.carte[24], code(pique, sept));
    EXPECT_EQ(c.carte[25], code(pique, huit));
    EXPECT_EQ(c.carte[26], Composition::Non);
    EXPECT_FALSE(c.placee[1][2]);
    c.place(1, 0); // already placed: nothing
    EXPECT_EQ(std::count(c.carte.begin(), c.carte.end(), 0), 33 - 3);
    // A new dealer sends the card of the new NON slot back to the pack.
    c.videtout();
    c.joueurchoix = 7; // rest of Nord
    for (int r = 0; r < 3; ++r) c.place(4, r);
    EXPECT_EQ(c.carte[29], code(coeur, neuf));
    c.changedonneur(1); // Est deals: Nord follows
    EXPECT_EQ(c.carte[29], Composition::Non);
    EXPECT_EQ(c.carte[26], 0);
    EXPECT_FALSE(c.placee[4][2]);
    EXPECT_TRUE(c.placee[4][1]);
}

TEST(Composition, RemovingACardBlocksValiderAndStartingAgainEmptiesAllButNon) {
    Composition c;
    c.charge("", 2);
    remplit(c);
    c.retire(0);
    EXPECT_EQ(c.carte[0], 0);
    EXPECT_EQ(c.valide(), "");
    c.retire(29); // the NON slot of Nord does not move
    EXPECT_EQ(c.carte[29], Composition::Non);
    remplit(c);
    EXPECT_EQ(c.valide().size(), 64u);
    c.videtout();
    EXPECT_FALSE(c.complete());
    EXPECT_EQ(std::count(c.carte.begin(), c.carte.end(), 0), 32);
    EXPECT_EQ(c.carte[29], Composition::Non);
}

class Dealers : public ::testing::TestWithParam<int> {};

TEST_P(Dealers, NonOnTheThirdRestSlotAfterTheDealerAndAValidatedDealComesBackInTheSameSlots) {
    const int d = GetParam();
    Composition c;
    c.charge("", d);
    for (int i = 21; i <= 32; ++i)
        EXPECT_EQ(c.carte[static_cast<std::size_t>(i)] == Composition::Non, i == 23 + 3 * (d % 4)) << i;
    remplit(c);
    const std::string f = c.valide();
    ASSERT_EQ(f.size(), 64u);
    std::set<std::string> cartes;
    for (std::size_t i = 0; i < 64; i += 2) cartes.insert(f.substr(i, 2));
    EXPECT_EQ(cartes.size(), 32u);
    Composition r;
    r.charge(f, d);
    EXPECT_EQ(r.carte, c.carte);
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.donneur, d - 1);
    EXPECT_EQ(r.fabriquefauxjeu(d), f);
}

INSTANTIATE_TEST_SUITE_P(Donneurs, Dealers, ::testing::Values(1, 2, 3, 4));

TEST(Composition, ADamagedDealReopensWithoutLosingTheNonSlot) {
    Composition c;
    c.charge("1011xx", 3);
    EXPECT_EQ(c.carte[23 + 3 * 3], Composition::Non);
    EXPECT_FALSE(c.complete());
    EXPECT_TRUE(c.placee[1][0]);
}

} // namespace
} // namespace tlv
