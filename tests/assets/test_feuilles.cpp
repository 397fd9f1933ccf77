// The sprite and mask sheets, checked cell by cell on the generated files.
#include <gtest/gtest.h>

#include <set>

#include "pixels.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

struct Cellule {
    const char* nom;
    int sx, sy, mx, my, w, h;
};

// Every sprite laid with a mask, at the places the screens use.
std::vector<Cellule> cellules() {
    std::vector<Cellule> r;
    for (int s = 1; s <= 4; ++s)
        for (int k = 0; k < 8; ++k) r.push_back({"face", k * 71, (s - 1) * 96, 0, 0, 71, 96});
    r.push_back({"dos debout", 0, 384, 0, 0, 71, 96});
    r.push_back({"dos couché", 71, 384, 71, 0, 96, 71});
    r.push_back({"boîte", 167, 384, 167, 0, 280, 96});
    for (int s = 1; s <= 4; ++s) {
        r.push_back({"icône allumée", (s - 1) * 44, 480, (s - 1) * 44, 96, 44, 46});
        r.push_back({"icône", 176 + (s - 1) * 44, 480, (s - 1) * 44, 96, 44, 46});
    }
    r.push_back({"marqueur", 536, 384, 176, 96, 32, 32});
    return r;
}

class Feuilles : public ::testing::Test {
  protected:
    static Png sprites, masques, table;
    static void SetUpTestSuite() {
        ASSERT_TRUE(lispng("cartei08", sprites));
        ASSERT_TRUE(lispng("cartei07", masques));
        ASSERT_TRUE(lispng("cartei03", table));
    }
};
Png Feuilles::sprites, Feuilles::masques, Feuilles::table;

// The sheets at 1x and drawn k times finer, every cell at k times its place.
class FeuillesK : public ::testing::TestWithParam<int> {};

TEST_P(FeuillesK, AndThenOrLayWithoutFringeOnAnyBackground) {
    const int n = GetParam();
    const std::string suffixe = n == 1 ? "" : std::string(".") + static_cast<char>('0' + n) + 'x';
    Png sprites, masques;
    ASSERT_TRUE(lispng("cartei08" + suffixe, sprites));
    ASSERT_TRUE(lispng("cartei07" + suffixe, masques));
    // Lay every sprite (mask AND, then sprite OR) on three backgrounds; inside the shape the result must be
    // the sprite whatever lay under it, outside it the background untouched. A mask has two values only:
    // white outside, one dark value inside.
    const uint8_t fonds[3][3] = {{255, 255, 255}, {0, 0, 0}, {37, 201, 118}};
    for (const Cellule& c : cellules()) {
        std::set<uint32_t> valeurs;
        for (int y = 0; y < c.h * n; ++y)
            for (int x = 0; x < c.w * n; ++x) {
                const uint8_t* s = sprites.px(c.sx * n + x, c.sy * n + y);
                const uint8_t* m = masques.px(c.mx * n + x, c.my * n + y);
                valeurs.insert(masques.pixel(c.mx * n + x, c.my * n + y));
                bool dehors = m[0] == 255 && m[1] == 255 && m[2] == 255;
                for (auto& f : fonds)
                    for (int k = 0; k < 3; ++k) {
                        uint8_t r = static_cast<uint8_t>((f[k] & m[k]) | s[k]);
                        if (dehors)
                            ASSERT_EQ(r, f[k]) << c.nom << " frange en " << x << "," << y;
                        else
                            ASSERT_EQ(r, s[k]) << c.nom << " laisse voir le fond en " << x << "," << y;
                    }
            }
        EXPECT_EQ(valeurs.size(), 2u) << c.nom << " à " << c.sx << "," << c.sy;
        EXPECT_EQ(valeurs.count(0xFFFFFF), 1u) << c.nom;
    }
}

INSTANTIATE_TEST_SUITE_P(Echelles, FeuillesK, ::testing::Values(1, 2, 3, 4));

// Every face is laid through the mask's first cell: rounded, its corners let the table through.
TEST_F(Feuilles, CardCornersAreTransparent) {
    for (auto [x, y] : {std::pair{0, 0}, {70, 0}, {0, 95}, {70, 95}})
        EXPECT_EQ(masques.pixel(x, y), 0xFFFFFFu);
    EXPECT_EQ(masques.pixel(35, 48), 0u);
}

TEST_F(Feuilles, ThirtyTwoDifferentFaces) {
    const auto coin = [](int i) { return Point{i % 8 * 71, i / 8 * 96}; };
    for (int i = 0; i < 32; ++i) {
        int blanc = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                const uint8_t* p = sprites.px(coin(i).x + x, coin(i).y + y);
                blanc += p[0] > 240 && p[1] > 240 && p[2] > 240;
            }
        EXPECT_GT(blanc, 71 * 96 / 5) << "face " << i << " sans fond clair";
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(test::memebloc(sprites, coin(i), sprites, coin(j), 71, 96)) << i << " = " << j;
    }
}

TEST_F(Feuilles, EvenGreyUnderTheDarkenedZones) {
    // Quadrel's selected card (169, 1) 69 x 94, Memo's score (170, 1) 210 x 94, Belote's last trick 120 x 80:
    // one even grey keeps the darkening even.
    std::set<uint32_t> gris;
    for (int y = 1; y < 95; ++y)
        for (int x = 169; x < 380; ++x) gris.insert(masques.pixel(x, y));
    ASSERT_EQ(gris.size(), 1u);
    const uint32_t g = *gris.begin();
    EXPECT_EQ(g, (g & 255) * 0x010101u);
    EXPECT_GT(g & 255, 0u);
    EXPECT_LT(g & 255, 128u);
    // The Belote cloth darkens to a single colour.
    std::set<uint32_t> voile;
    for (int y = 0; y < 480; y += 3)
        for (int x = 0; x < 480; x += 3) voile.insert(table.pixel(x, y) & g);
    EXPECT_EQ(voile.size(), 1u);
}

TEST_F(Feuilles, DarkBoxWhereCyanReads) {
    const double fond = luminance(sprites, 167 + 8, 384 + 8, 167 + 272, 384 + 88);
    EXPECT_GT(contraste(luminance(0, 255, 255), fond), 4.5);
    EXPECT_GT(contraste(luminance(0, 153, 153), fond), 1.8);
}

TEST_F(Feuilles, TrumpSignsMatchThePanel) {
    // Copied as they are to (596, 4) of the table: their edges continue the panel.
    const int places[4][2] = {{447, 384}, {487, 384}, {447, 424}, {487, 424}};
    for (int i = 0; i < 4; ++i) {
        for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}})
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(sprites.px(places[i][0] + x, places[i][1] + y)[k], table.px(596 + x, 4 + y)[k],
                            3);
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(test::memebloc(sprites, {places[i][0], places[i][1]}, sprites,
                                        {places[j][0], places[j][1]}, 40, 40))
                << "signes " << i << " et " << j << " identiques";
    }
}

TEST_F(Feuilles, LitIconStandsApart) {
    for (int s = 0; s < 4; ++s) {
        int diff = 0;
        for (int y = 0; y < 46; ++y)
            for (int x = 0; x < 44; ++x)
                for (int k = 0; k < 3; ++k)
                    diff += std::abs(sprites.px(s * 44 + x, 480 + y)[k] -
                                     sprites.px(176 + s * 44 + x, 480 + y)[k]) > 40;
        EXPECT_GT(diff, 300) << "couleur " << s + 1;
    }
}

TEST_F(Feuilles, TheBeloteTablesRightPanelForTheTexts) {
    const Png& t = table;
    // The pad and the totals are black: the program clears them in black.
    for (auto [x, y] : {std::pair{486, 72}, {620, 360}, {500, 420}, {600, 430}})
        EXPECT_EQ(t.pixel(x, y), 0u) << x << "," << y;
    // The Menu button and the heads are dark enough for their cyan labels.
    EXPECT_GT(contraste(luminance(0, 255, 255), luminance(t, 500, 459, 620, 460)), 7.0);
}

} // namespace
} // namespace tlv::essai
