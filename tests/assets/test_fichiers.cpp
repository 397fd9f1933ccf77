// The generated data files, read as the game reads them, from the build's bin folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

// The spread of the luminance over a rectangle.
double ecart(const Png& img, int x0, int y0, int x1, int y1) {
    const double m = luminance(img, x0, y0, x1, y1);
    double s2 = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) s2 += std::pow(luminance(img, x, y, x + 1, y + 1) - m, 2);
    return std::sqrt(s2 / ((x1 - x0) * (y1 - y0)));
}

// The menu lines read in cyan; the web button's face fills its 250 x 60 place below the play area: its
// middle differs from the black around it.
TEST(Lanceur, MenuLinesReadableInCyanAndTheWebButtonBelow) {
    Png img;
    ASSERT_TRUE(lispng("cartei00", img));
    const uint8_t* milieu = img.px(125, 510);
    EXPECT_GT(milieu[0] + milieu[1] + milieu[2], 60);
    EXPECT_EQ(img.pixel(400, 510), 0u);
    const double cyan = luminance(0, 255, 255), ombre = luminance(0, 153, 153);
    const int bandes[5][2] = {{9, 69}, {79, 139}, {149, 209}, {340, 400}, {410, 470}};
    for (auto& b : bandes) {
        const double fond = luminance(img, 329, b[0] + 1, 628, b[1]);
        EXPECT_GT(contraste(cyan, fond), 7.0) << "bande " << b[0];
        // The shadow must still show against the panel.
        EXPECT_GT(contraste(ombre, fond), 3.0) << "bande " << b[0];
        EXPECT_LT(ecart(img, 329, b[0] + 1, 628, b[1]), 0.02) << "bande " << b[0] << " trop chargée";
    }
}

TEST(Lanceur, ClipIn310By48FramesThatLoop) {
    Png clip;
    ASSERT_TRUE(lispng("cartef00", clip));
    ASSERT_EQ(clip.w, 310);
    ASSERT_EQ(clip.h % 48, 0);
    int n = clip.h / 48;
    EXPECT_GE(n, 20);
    EXPECT_LE(n, 40);
    auto ecart = [&](int a, int b) {
        double s = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 310; ++x)
                for (int c = 0; c < 3; ++c)
                    s += std::abs(clip.px(x, a * 48 + y)[c] - clip.px(x, b * 48 + y)[c]);
        return s / (310 * 48 * 3);
    };
    double plusgrand = 0, total = 0;
    for (int i = 0; i + 1 < n; ++i) {
        double e = ecart(i, i + 1);
        EXPECT_GT(e, 0.2) << "images " << i << " et " << i + 1 << " identiques: le clip ne bouge pas";
        plusgrand = std::max(plusgrand, e), total += e;
    }
    // Going from the last frame back to the first is a step like the others, not a jump.
    EXPECT_LE(ecart(n - 1, 0), plusgrand * 1.25);
    EXPECT_GT(ecart(n - 1, 0), 0.5 * total / (n - 1));
}

class Effet : public ::testing::TestWithParam<const char*> {};

TEST_P(Effet, ShortCleanAndNormalised) {
    Wav s;
    ASSERT_TRUE(liswav(GetParam(), s)) << GetParam();
    EXPECT_TRUE(s.canaux == 1 || s.canaux == 2);
    son_propre(s, 0.03, 2.5, GetParam());
    // Peaks under -1 dB.
    int crete = 0;
    for (int16_t v : s.echantillons) crete = std::max(crete, std::abs(static_cast<int>(v)));
    EXPECT_GT(crete, 11000) << "trop faible";
    EXPECT_LE(crete, 29300) << "trop fort";
}

INSTANTIATE_TEST_SUITE_P(Effets, Effet,
                         ::testing::Values("cartew00", "cartew01", "cartew02", "cartew03", "cartew04",
                                           "cartew05", "cartew06", "cartew07", "cartew08", "cartew09"));

class Musique : public ::testing::TestWithParam<const char*> {};

TEST_P(Musique, OggOver30sThatLoopsWithoutAJump) {
    std::string octets = litfichier(GetParam());
    ASSERT_GE(octets.size(), 4u);
    EXPECT_EQ(octets.substr(0, 4), "OggS");
    EXPECT_LT(octets.size(), 1000000u);
    Ogg s;
    ASSERT_TRUE(lisogg(GetParam(), s));
    ASSERT_GT(s.frequence, 0);
    EXPECT_GE(static_cast<double>(s.gauche.size()) / s.frequence, 30.0);
    // The step from the last sample to the first is no larger than the music's own steps.
    std::vector<float> pas;
    for (size_t i = 1; i < s.gauche.size(); ++i) pas.push_back(std::abs(s.gauche[i] - s.gauche[i - 1]));
    std::sort(pas.begin(), pas.end());
    float p999 = pas[pas.size() * 999 / 1000];
    EXPECT_LE(std::abs(s.gauche.front() - s.gauche.back()), p999);
}

INSTANTIATE_TEST_SUITE_P(Airs, Musique, ::testing::Values("cartem00", "cartem01", "cartem02", "cartem03"));

TEST(Textes, WebFileWithoutAnAddressInCrlf) {
    // No address: the web button opens the offline page; the comments are Windows-1252 like every text file.
    const std::string s = litfichier("tlvweb.ini");
    EXPECT_TRUE(s.ends_with("\r\n[siteconf]\r\nurl=\r\n")) << s;
    EXPECT_NE(s.find("Acc\xE8s au site web"), std::string::npos) << s;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n') {
            EXPECT_TRUE(i > 0 && s[i - 1] == '\r') << "octet " << i;
        }
    }
}

} // namespace
} // namespace tlv::essai
