// Tables, menus and the score and name-entry backgrounds: sizes, the boxes the program fills in black, the
// zones it makes clickable, and the Memo/Quadrel grid matching the erase patch.
#include <gtest/gtest.h>

#include <set>

#include "pixels.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

bool noir(const Png& img, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint8_t* p = img.px(x, y);
            if (p[0] | p[1] | p[2]) return false;
        }
    return true;
}

int clairs(const Png& img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += luminance(img.px(x, y)[0], img.px(x, y)[1], img.px(x, y)[2]) > 0.2;
    return n;
}

struct Attendu {
    const char* nom;
    int w, h;
};

class Taille : public ::testing::TestWithParam<Attendu> {};
TEST_P(Taille, Dimensions) {
    Png img;
    ASSERT_TRUE(lispng(GetParam().nom, img)) << GetParam().nom;
    EXPECT_EQ(img.w, GetParam().w);
    EXPECT_EQ(img.h, GetParam().h);
}
INSTANTIATE_TEST_SUITE_P(Images, Taille,
                         ::testing::Values(Attendu{"cartei01", 640, 480}, Attendu{"cartei02", 640, 480},
                                           Attendu{"cartei03", 640, 480}, Attendu{"cartei04", 640, 480},
                                           Attendu{"cartei05", 640, 480}, Attendu{"cartei06", 640, 480},
                                           Attendu{"cartei09", 500, 400}, Attendu{"cartei10", 400, 100}));

TEST(Grilles, CellsMatchTheErasePatch) {
    Png feuille;
    ASSERT_TRUE(lispng("cartei08", feuille));
    for (const char* nom : {"cartei01", "cartei02"}) {
        Png t;
        ASSERT_TRUE(lispng(nom, t));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_TRUE(test::memebloc(t, {36 + c * 71, 48 + r * 96}, feuille, {71, 528}, 71, 96))
                    << nom << " place " << c + 1 << "," << r + 1;
    }
}

TEST(Grilles, EvenShadeOverTheEmptyPlaces) {
    // The score screen darkens the Memo table with AND 64: the felt of the empty places turns to one colour.
    Png memo;
    ASSERT_TRUE(lispng("cartei01", memo));
    std::set<int> vus;
    for (int y = 48 + 8; y < 48 + 88; ++y)
        for (int x = 36 + 8; x < 36 + 63; ++x) {
            const uint8_t* p = memo.px(x, y);
            vus.insert((p[0] & 64) << 16 | (p[1] & 64) << 8 | (p[2] & 64));
        }
    EXPECT_EQ(vus.size(), 1u);
}

TEST(Grilles, BlackClockBoxes) {
    Png memo, quadrel;
    ASSERT_TRUE(lispng("cartei01", memo));
    ASSERT_TRUE(lispng("cartei02", quadrel));
    EXPECT_TRUE(noir(memo, 245, 12, 380, 35));
    EXPECT_TRUE(noir(quadrel, 330, 12, 460, 35));
    EXPECT_TRUE(noir(quadrel, 165, 12, 310, 35));
    // Menu buttons dark under the cyan label.
    for (const Png* t : {&memo, &quadrel}) EXPECT_EQ(clairs(*t, 260, 444, 380, 468), 0);
}

TEST(Menus, BlackBandsAndArrows) {
    Png belote, memo, quadrel;
    ASSERT_TRUE(lispng("cartei06", belote));
    ASSERT_TRUE(lispng("cartei04", memo));
    ASSERT_TRUE(lispng("cartei05", quadrel));
    const int bandes[6] = {35, 105, 175, 245, 315, 385};
    for (const Png* m : {&belote, &memo, &quadrel})
        for (int b : bandes) EXPECT_TRUE(noir(*m, 140, b + 1, 500, b + 59)) << "bande " << b;
    // Boxes the menus fill in black before printing: they must match the picture.
    EXPECT_TRUE(noir(belote, 140, 176, 500, 228));
    EXPECT_TRUE(noir(belote, 140, 246, 500, 298));
    EXPECT_TRUE(noir(memo, 141, 246, 500, 298));
    EXPECT_TRUE(noir(quadrel, 81, 246, 558, 302));
    // Arrows in the two zones of the option line, and nowhere a fill would leave them cut.
    for (const Png* m : {&belote, &memo}) {
        EXPECT_GT(clairs(*m, 80, 245, 140, 305), 150);
        EXPECT_GT(clairs(*m, 500, 245, 560, 305), 150);
    }
    EXPECT_GT(clairs(quadrel, 81, 176, 140, 233), 150);
    EXPECT_GT(clairs(quadrel, 500, 176, 558, 233), 150);
    EXPECT_EQ(clairs(quadrel, 80, 166, 140, 176) + clairs(quadrel, 80, 233, 140, 245) +
                  clairs(quadrel, 500, 166, 560, 176) + clairs(quadrel, 500, 233, 560, 245),
              0)
        << "le sélecteur dépasse de la zone noircie";
}

TEST(Scores, BlackEntryField) {
    Png nom;
    ASSERT_TRUE(lispng("cartei10", nom));
    EXPECT_TRUE(noir(nom, 5, 40, 395, 88));
}

} // namespace
} // namespace tlv::essai
