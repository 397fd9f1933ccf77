// The pictures drawn k times finer ("NAME.2x" .. "NAME.4x"): the same picture as the 1x file, k times
// the size, every part in its place.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

using Cas = std::tuple<const char*, int>;

class Variante : public ::testing::TestWithParam<Cas> {};

// Mean of each channel over the square of `cote` pixels at (x, y).
std::array<double, 3> moyenne(const Png& img, int x, int y, int cote) {
    std::array<double, 3> m{};
    for (int j = y; j < y + cote; ++j)
        for (int i = x; i < x + cote; ++i)
            for (int c = 0; c < 3; ++c) m[c] += img.px(i, j)[c];
    for (double& v : m) v /= cote * cote;
    return m;
}

// The variant reduced by k (box average) against the 1x picture. Pixel by pixel the finer drawing (smoother
// grain, sharper edges, letters placed to a finer pixel) differs by about one level on average; a picture
// moved by a pixel differs everywhere its grain does. In squares of 8 x 8 pixels a sprite or a box drawn
// elsewhere, or the edges of one part moved, shows even when the picture's mean barely moves.
TEST_P(Variante, KTimesTheSizeAndTheSamePictureReduced) {
    auto [nom, k] = GetParam();
    Png un, var;
    ASSERT_TRUE(lispng(nom, un)) << nom;
    std::string nomvar = std::string(nom) + "." + std::to_string(k) + "x";
    ASSERT_TRUE(lispng(nomvar, var)) << nomvar;
    ASSERT_EQ(var.w, un.w * k) << nomvar;
    ASSERT_EQ(var.h, un.h * k) << nomvar;
    double total = 0;
    for (int y = 0; y < un.h; ++y)
        for (int x = 0; x < un.w; ++x) {
            auto a = moyenne(var, x * k, y * k, k);
            for (int c = 0; c < 3; ++c) total += std::abs(a[c] - un.px(x, y)[c]);
        }
    EXPECT_LT(total / (3.0 * un.w * un.h), 3.0) << nomvar;
    const int cote = 8;
    double pire = 0;
    int px = 0, py = 0;
    for (int y = 0; y + cote <= un.h; y += cote)
        for (int x = 0; x + cote <= un.w; x += cote) {
            auto a = moyenne(un, x, y, cote), b = moyenne(var, x * k, y * k, cote * k);
            double ecart = (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2])) / 3;
            if (ecart > pire) pire = ecart, px = x, py = y;
        }
    EXPECT_LT(pire, 28.0) << nomvar << ": carré (" << px << ", " << py << ") loin de l'image 1x";
}

INSTANTIATE_TEST_SUITE_P(Images, Variante,
                         ::testing::Combine(::testing::Values("cartei00", "cartei01", "cartei02", "cartei03",
                                                              "cartei04", "cartei05", "cartei06", "cartei07",
                                                              "cartei08", "cartei09", "cartei10", "cartef00"),
                                            ::testing::Values(2, 3, 4)),
                         [](const ::testing::TestParamInfo<Cas>& i) {
                             return std::string(std::get<0>(i.param)) + "_" +
                                    std::to_string(std::get<1>(i.param)) + "x";
                         });

} // namespace
} // namespace tlv::essai
