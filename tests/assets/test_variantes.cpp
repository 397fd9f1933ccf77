// The pictures drawn k times finer ("NAME.2x" .. "NAME.4x"): the same picture as the 1x file, k times
// the size, every part in its place.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

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

// A part moved by two pixels or more over a quiet background (a place in its tray, a box on the cloth)
// barely changes a square's mean; matched square by square, the reduced variant lines up best with the 1x
// picture unmoved. Letters may settle a pixel apart, being placed to a finer pixel: one pixel is allowed.
TEST_P(Variante, NoPartMovedByAFewPixels) {
    auto [nom, k] = GetParam();
    Png un, var;
    std::string nomvar = std::string(nom) + "." + std::to_string(k) + "x";
    ASSERT_TRUE(lispng(nom, un) && lispng(nomvar, var)) << nomvar;
    ASSERT_EQ(var.w, un.w * k) << nomvar;
    std::vector<float> reduite(static_cast<size_t>(un.w) * un.h * 3);
    for (int y = 0; y < un.h; ++y)
        for (int x = 0; x < un.w; ++x) {
            auto m = moyenne(var, x * k, y * k, k);
            for (int c = 0; c < 3; ++c)
                reduite[(static_cast<size_t>(y) * un.w + x) * 3 + c] = static_cast<float>(m[c]);
        }
    const int cote = 16, portee = 3;
    for (int by = portee; by + cote + portee <= un.h; by += cote)
        for (int bx = portee; bx + cote + portee <= un.w; bx += cote) {
            double sad[2 * portee + 1][2 * portee + 1];
            for (int dy = -portee; dy <= portee; ++dy)
                for (int dx = -portee; dx <= portee; ++dx) {
                    double e = 0;
                    for (int y = by; y < by + cote; ++y)
                        for (int x = bx; x < bx + cote; ++x)
                            for (int c = 0; c < 3; ++c)
                                e += std::abs(reduite[(static_cast<size_t>(y + dy) * un.w + x + dx) * 3 + c] -
                                              un.px(x, y)[c]);
                    sad[dy + portee][dx + portee] = e;
                }
            // The best match two pixels or more away must beat every match within one pixel clearly (along a
            // plain rule shifts all match alike), where even those differ by more than a few levels (on a
            // plain black box every shift matches).
            int mx = 0, my = 0;
            double proche = sad[portee][portee];
            for (int dy = -portee; dy <= portee; ++dy)
                for (int dx = -portee; dx <= portee; ++dx) {
                    double e = sad[dy + portee][dx + portee];
                    if (std::max(std::abs(dx), std::abs(dy)) <= 1)
                        proche = std::min(proche, e);
                    else if (e < sad[my + portee][mx + portee] || (mx == 0 && my == 0))
                        mx = dx, my = dy;
                }
            const double n = cote * cote * 3;
            ASSERT_FALSE(proche / n > 3 && sad[my + portee][mx + portee] < 0.6 * proche)
                << nomvar << ": le carré (" << bx << ", " << by << ") est décalé de (" << mx << ", " << my
                << ")";
        }
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
