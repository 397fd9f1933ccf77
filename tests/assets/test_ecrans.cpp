// Tables, menus and the score and name-entry backgrounds: sizes, the boxes the program fills in black, the
// zones it makes clickable, and the Memo/Quadrel grid matching the erase patch.
#include <gtest/gtest.h>

#include <set>

#include "pixels.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

int clairs(const Png& img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += luminance(img, x, y, x + 1, y + 1) > 0.2;
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
    EXPECT_EQ((std::pair{img.w, img.h}), (std::pair{GetParam().w, GetParam().h}));
}
INSTANTIATE_TEST_SUITE_P(Images, Taille,
                         ::testing::Values(Attendu{"cartei00", 640, 540}, Attendu{"cartei01", 640, 480},
                                           Attendu{"cartei02", 640, 480}, Attendu{"cartei03", 640, 480},
                                           Attendu{"cartei04", 640, 480}, Attendu{"cartei05", 640, 480},
                                           Attendu{"cartei06", 640, 480}, Attendu{"cartei07", 568, 624},
                                           Attendu{"cartei08", 568, 624}, Attendu{"cartei09", 500, 400},
                                           Attendu{"cartei10", 400, 100}));

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
    std::set<uint32_t> vus;
    for (int y = 48 + 8; y < 48 + 88; ++y)
        for (int x = 36 + 8; x < 36 + 63; ++x) vus.insert(memo.pixel(x, y) & 0x404040);
    EXPECT_EQ(vus.size(), 1u);
}

// The boxes the program fills in black before printing (the clocks, the menus' bands and option lines, the
// name field) must be black in the picture, and the Menu buttons dark under their cyan label.
TEST(Fonds, BlackWhereTheProgramPrints) {
    struct Zone {
        const char* nom;
        int x0, y0, x1, y1;
    };
    std::vector<Zone> noires = {{"cartei01", 245, 12, 380, 35},   {"cartei02", 330, 12, 460, 35},
                                {"cartei02", 165, 12, 310, 35},   {"cartei06", 140, 176, 500, 228},
                                {"cartei06", 140, 246, 500, 298}, {"cartei04", 141, 246, 500, 298},
                                {"cartei05", 81, 246, 558, 302},  {"cartei10", 5, 40, 395, 88}};
    for (const char* menu : {"cartei04", "cartei05", "cartei06"})
        for (int b = 35; b <= 385; b += 70) noires.push_back({menu, 140, b + 1, 500, b + 59});
    for (const Zone& z : noires) {
        Png img;
        ASSERT_TRUE(lispng(z.nom, img));
        for (int y = z.y0; y < z.y1; ++y)
            for (int x = z.x0; x < z.x1; ++x) ASSERT_EQ(img.pixel(x, y), 0u) << z.nom << " " << x << "," << y;
    }
    for (const char* table : {"cartei01", "cartei02"}) {
        Png t;
        ASSERT_TRUE(lispng(table, t));
        EXPECT_EQ(clairs(t, 260, 444, 380, 468), 0) << table;
    }
}

// Arrows in the two zones of the option line, and nowhere a fill would leave them cut.
TEST(Menus, ArrowsInsideTheBlackenedZones) {
    Png belote, memo, quadrel;
    ASSERT_TRUE(lispng("cartei06", belote) && lispng("cartei04", memo) && lispng("cartei05", quadrel));
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

} // namespace
} // namespace tlv::essai
