// The pictures drawn k times finer ("NAME.2x" .. "NAME.4x"): the same picture as the 1x file, k times
// the size, every part in its place.
#include <gtest/gtest.h>

#include <algorithm>
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

// The variant reduced by k (box average): 3 floats a pixel.
std::vector<float> reduite(const Png& var, int k) {
    const int w = var.w / k;
    std::vector<float> r(static_cast<size_t>(w) * (var.h / k) * 3);
    for (int y = 0; y < var.h; ++y)
        for (int x = 0; x < var.w; ++x)
            for (int c = 0; c < 3; ++c)
                r[(static_cast<size_t>(y / k) * w + x / k) * 3 + c] +=
                    var.px(x, y)[c] / static_cast<float>(k * k);
    return r;
}

// The reduced variant against the 1x picture. Pixel by pixel the finer drawing (smoother grain, sharper
// edges, letters placed to a finer pixel) differs by about one level on average; a picture moved by a pixel
// differs everywhere its grain does. In squares of 8 x 8 a sprite or a box drawn elsewhere, or the edges of
// one part moved, shows even when the picture's mean barely moves. A part moved by two pixels or more over a
// quiet background (a place in its tray, a box on the cloth) barely changes a square's mean: matched square
// by square, the reduced variant lines up best unmoved. Letters may settle a pixel apart: one is allowed.
TEST_P(Variante, KTimesTheSizeTheSamePictureReducedAndNoPartMoved) {
    auto [nom, k] = GetParam();
    const std::string nomvar = std::string(nom) + "." + std::to_string(k) + "x";
    SCOPED_TRACE(nomvar);
    Png un, var;
    ASSERT_TRUE(lispng(nom, un) && lispng(nomvar, var));
    ASSERT_EQ((std::pair{var.w, var.h}), (std::pair{un.w * k, un.h * k}));
    const std::vector<float> r = reduite(var, k);
    // Per channel, the sum over the square of `cote` at (x0, y0) of the 1x picture minus the reduced one
    // moved by (dx, dy): signed, `absolu` summing the absolute differences instead.
    auto ecarts = [&](int x0, int y0, int cote, int dx, int dy, bool absolu) {
        std::array<double, 3> e{};
        for (int y = y0; y < y0 + cote; ++y)
            for (int x = x0; x < x0 + cote; ++x)
                for (int c = 0; c < 3; ++c) {
                    const double d =
                        un.px(x, y)[c] - r[(static_cast<size_t>(y + dy) * un.w + x + dx) * 3 + c];
                    e[c] += absolu ? std::abs(d) : d;
                }
        return e;
    };
    auto somme = [](const std::array<double, 3>& e) {
        return std::abs(e[0]) + std::abs(e[1]) + std::abs(e[2]);
    };
    double total = 0;
    for (int y = 0; y < un.h; ++y)
        for (int x = 0; x < un.w; ++x) total += somme(ecarts(x, y, 1, 0, 0, true));
    EXPECT_LT(total / (3.0 * un.w * un.h), 3.0);
    for (int y = 0; y + 8 <= un.h; y += 8)
        for (int x = 0; x + 8 <= un.w; x += 8)
            ASSERT_LT(somme(ecarts(x, y, 8, 0, 0, false)) / (3 * 64), 28.0)
                << "carré (" << x << ", " << y << ") loin de l'image 1x";
    const int cote = 16, portee = 3;
    for (int by = portee; by + cote + portee <= un.h; by += cote)
        for (int bx = portee; bx + cote + portee <= un.w; bx += cote) {
            // The best match two pixels or more away must beat every match within one pixel clearly (along a
            // plain rule all shifts match alike), where even those differ by more than a few levels (on a
            // plain black box every shift matches).
            double proche = 1e300, loin = 1e300;
            int mx = 0, my = 0;
            for (int dy = -portee; dy <= portee; ++dy)
                for (int dx = -portee; dx <= portee; ++dx) {
                    const double e = somme(ecarts(bx, by, cote, dx, dy, true));
                    if (std::max(std::abs(dx), std::abs(dy)) <= 1)
                        proche = std::min(proche, e);
                    else if (e < loin)
                        loin = e, mx = dx, my = dy;
                }
            ASSERT_FALSE(proche / (cote * cote * 3) > 3 && loin < 0.6 * proche)
                << "le carré (" << bx << ", " << by << ") est décalé de (" << mx << ", " << my << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(Images, Variante,
                         ::testing::Combine(::testing::Values("cartei00", "cartei01", "cartei02", "cartei03",
                                                              "cartei04", "cartei05", "cartei06", "cartei07",
                                                              "cartei08", "cartei09", "cartei10", "cartef00"),
                                            ::testing::Values(2, 3, 4)));

} // namespace
} // namespace tlv::essai
