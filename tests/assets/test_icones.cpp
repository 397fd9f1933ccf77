// The desktop icons: every size square, transparent around its rounded frame, the four suits in place.
#include <gtest/gtest.h>

#include <string>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

class Icone : public ::testing::TestWithParam<int> {};

TEST_P(Icone, SquareTransparentCornersAndTheSuitsInkedInTheirPlaces) {
    const int n = GetParam();
    Png p;
    ASSERT_TRUE(lispng("icones/tolvanex-" + std::to_string(n) + ".png", p));
    ASSERT_EQ(p.w, n);
    ASSERT_EQ(p.h, n);
    // Outside the rounded frame the desktop's background shows.
    for (const auto& [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}})
        EXPECT_EQ(p.px(x, y)[3], 0) << x << "," << y;
    // Between the medallions, the green cloth.
    const uint8_t* milieu = p.px(n / 2, n / 2);
    EXPECT_EQ(milieu[3], 255);
    EXPECT_GT(milieu[1], milieu[0] + 20);
    // The medallions' centres (158 and 354 of 512): pique and trefle in black, coeur and carreau in red.
    const auto encre = [&](int x, int y) { return p.px(x * n / 512, y * n / 512); };
    for (const auto& [x, y] : {std::pair{158, 158}, {354, 354}}) {
        const uint8_t* c = encre(x, y);
        EXPECT_LT(c[0] + c[1] + c[2], 3 * 110) << "noir attendu en " << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{354, 158}, {158, 354}}) {
        const uint8_t* c = encre(x, y);
        EXPECT_GT(c[0], 2 * c[1]) << "rouge attendu en " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Tailles, Icone, ::testing::Values(16, 24, 32, 48, 64, 128, 256, 512));

} // namespace
} // namespace tlv::essai
