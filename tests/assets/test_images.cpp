// The generated pictures: sizes, the boxes the program fills in black, the zones it makes clickable, the
// sprite and mask sheets cell by cell, the launcher's panel and clip, the desktop icons.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

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

TEST(Images, Sizes) {
    const std::tuple<const char*, int, int> tailles[] = {
        {"cartei00", 640, 540}, {"cartei01", 640, 480}, {"cartei02", 640, 480}, {"cartei03", 640, 480},
        {"cartei04", 640, 480}, {"cartei05", 640, 480}, {"cartei06", 640, 480}, {"cartei07", 568, 624},
        {"cartei08", 568, 624}, {"cartei09", 500, 400}, {"cartei10", 400, 100}};
    for (const auto& [nom, w, h] : tailles)
        EXPECT_EQ((std::pair{image(nom).w, image(nom).h}), (std::pair{w, h})) << nom;
}

TEST(Grilles, CellsMatchTheErasePatch) {
    for (const char* nom : {"cartei01", "cartei02"}) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_TRUE(test::memebloc(image(nom), {36 + c * 71, 48 + r * 96}, image("cartei08"),
                                           {71, 528}, 71, 96))
                    << nom << " place " << c + 1 << "," << r + 1;
    }
}

TEST(Grilles, EvenShadeOverTheEmptyPlaces) {
    // The score screen darkens the Memo table with AND 64: the felt of the empty places turns to one colour.
    const Png& memo = image("cartei01");
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
        const Png& img = image(z.nom);
        for (int y = z.y0; y < z.y1; ++y)
            for (int x = z.x0; x < z.x1; ++x) ASSERT_EQ(img.pixel(x, y), 0u) << z.nom << " " << x << "," << y;
    }
    for (const char* table : {"cartei01", "cartei02"})
        EXPECT_EQ(clairs(image(table), 260, 444, 380, 468), 0) << table;
}

// Arrows in the two zones of the option line, and nowhere a fill would leave them cut.
TEST(Menus, ArrowsInsideTheBlackenedZones) {
    const Png& quadrel = image("cartei05");
    for (const char* m : {"cartei06", "cartei04"}) {
        EXPECT_GT(clairs(image(m), 80, 245, 140, 305), 150) << m;
        EXPECT_GT(clairs(image(m), 500, 245, 560, 305), 150) << m;
    }
    EXPECT_GT(clairs(quadrel, 81, 176, 140, 233), 150);
    EXPECT_GT(clairs(quadrel, 500, 176, 558, 233), 150);
    EXPECT_EQ(clairs(quadrel, 80, 166, 140, 176) + clairs(quadrel, 80, 233, 140, 245) +
                  clairs(quadrel, 500, 166, 560, 176) + clairs(quadrel, 500, 233, 560, 245),
              0)
        << "le sélecteur dépasse de la zone noircie";
}

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
    const Png &sprites = image("cartei08"), &masques = image("cartei07"), &table = image("cartei03");
};

// The sheets at 1x and drawn k times finer, every cell at k times its place.
class FeuillesK : public ::testing::TestWithParam<int> {};

TEST_P(FeuillesK, AndThenOrLayWithoutFringeOnAnyBackground) {
    const int n = GetParam();
    const std::string suffixe = n == 1 ? "" : std::string(".") + static_cast<char>('0' + n) + 'x';
    const Png &sprites = image("cartei08" + suffixe), &masques = image("cartei07" + suffixe);
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
    // The pad and the totals are black: the program clears them in black.
    for (auto [x, y] : {std::pair{486, 72}, {620, 360}, {500, 420}, {600, 430}})
        EXPECT_EQ(table.pixel(x, y), 0u) << x << "," << y;
    // The Menu button and the heads are dark enough for their cyan labels.
    EXPECT_GT(contraste(luminance(0, 255, 255), luminance(table, 500, 459, 620, 460)), 7.0);
}

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
    const Png& img = image("cartei00");
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
    const Png& clip = image("cartef00");
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

class Icone : public ::testing::TestWithParam<int> {};

TEST_P(Icone, SquareTransparentCornersAndTheSuitsInkedInTheirPlaces) {
    const int n = GetParam();
    const Png& p = image("icones/tolvanex-" + std::to_string(n) + ".png");
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
