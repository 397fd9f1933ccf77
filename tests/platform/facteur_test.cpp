// Drawing at a render factor: every raster operation touches whole k x k blocks, pictures come finer when a
// finer file exists, and text is drawn at k times its size in the same place.
#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "platform/image.h"
#include "platform/surface.h"
#include "platform/texte.h"

namespace tlv {
namespace {

// Whether `fin` (factor k) is `grossier` (factor 1) with each pixel made a k x k block.
::testing::AssertionResult agrandie(const Surface& fin, const Surface& grossier) {
    const int k = fin.facteur();
    if (fin.largeur() != grossier.largeur() || fin.hauteur() != grossier.hauteur())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int py = 0; py < fin.hauteur_px(); ++py)
        for (int px = 0; px < fin.largeur_px(); ++px)
            if (fin.ligne(py)[px] != grossier.pixel(px / k, py / k))
                return ::testing::AssertionFailure() << "stored pixel " << px << "," << py;
    return ::testing::AssertionSuccess();
}

Surface motif(int w, int h, int k) {
    Surface s(w, h, 0, k);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.metpixel(x, y, static_cast<std::uint32_t>(y * 4099 + x * 97 + 1));
    return s;
}

// A scene drawn with every operation whose result is blocks: sprites (mask AND, image OR) clipped at the
// edges, an overlapping move, fills and frames inside a clip, pixels, a doubling and a mirrored stretch.
void scene(Surface& d, int k) {
    const Surface src = motif(12, 9, k);
    Surface masque(12, 9, 0xFFFFFF, k);
    fill(masque, 3, 2, 6, 5, 0);
    bitblt(d, -4, 3, 12, 9, masque, 0, 0, Rop::SrcAnd);
    bitblt(d, -4, 3, 12, 9, src, 0, 0, Rop::SrcPaint);
    bitblt(d, 25, 17, 12, 9, src, 2, 1);
    bitblt(d, 5, 6, 10, 8, d, 3, 4);
    d.decoupe(Rect{2, 2, 20, 15});
    fill(d, 0, 10, 30, 3, 0x00FF00);
    cadre(d, 1, 1, 9, 7, 0xFF0000);
    d.metpixel(21, 16, 0x0000FF);
    d.metpixel(22, 16, 0x0000FF);
    d.sans_decoupe();
    stretchblt(d, 10, 0, 8, 6, src, 0, 0, 4, 3);
    stretchblt(d, 20, 0, 6, 3, src, 6, 0, -6, 3, Rop::SrcPaint);
}

class Facteur : public ::testing::TestWithParam<int> {};

TEST_P(Facteur, EveryOperationDrawsTheFactorOnePictureInBlocks) {
    const int k = GetParam();
    Surface un(30, 22, 0x405060, 1), fin(30, 22, 0x405060, k);
    scene(un, 1);
    scene(fin, k);
    EXPECT_TRUE(agrandie(fin, un));
    // A picture of factor 1 laid on one of factor k lands in blocks too.
    Surface melange(30, 22, 0x405060, k);
    bitblt(melange, 0, 0, 30, 22, un, 0, 0);
    EXPECT_TRUE(agrandie(melange, un));
    // The screen recomposes only what was drawn.
    Surface m(30, 22, 0, k);
    m.oublie_modifications();
    bitblt(m, 25, 17, 12, 9, motif(12, 9, k), 2, 1);
    fill(m, 2, 3, 1, 1, 0);
    EXPECT_EQ((std::tuple{m.modifiee().x, m.modifiee().y, m.modifiee().w, m.modifiee().h}),
              (std::tuple{2, 3, 28, 19}));
}

INSTANTIATE_TEST_SUITE_P(Facteurs, Facteur, ::testing::Values(2, 3, 4));

// The file NAME.<k>x is taken when it is the same picture k times larger; otherwise the picture is enlarged.
TEST(ImageFine, AVariantKTimesTheSizeIsTakenAsItIsAnyOtherIsIgnored) {
    test::DossierTemp d;
    const std::string nom = d.chemin() + "cartei99";
    const Surface un = motif(8, 6, 1);
    ASSERT_TRUE(sauve_png(un, nom));
    Surface fine = motif(16, 12, 1); // a different picture, so that taking it shows
    ASSERT_TRUE(sauve_png(fine, nom + ".2x"));
    ASSERT_TRUE(sauve_png(motif(21, 21, 1), nom + ".3x")); // 7 x 7 at factor 3: another picture
    const auto deux = charge_image(nom, 2), trois = charge_image(nom, 3), quatre = charge_image(nom, 4);
    ASSERT_TRUE(deux && trois && quatre);
    EXPECT_EQ((std::tuple{deux->largeur(), deux->hauteur(), deux->facteur()}), (std::tuple{8, 6, 2}));
    EXPECT_TRUE(std::equal(fine.pixels().begin(), fine.pixels().end(), deux->pixels().begin()));
    EXPECT_TRUE(agrandie(*trois, un));
    EXPECT_TRUE(agrandie(*quatre, un));
    EXPECT_FALSE(charge_image(d.chemin() + "absent", 2).has_value());
}

// The ink's box, in play-area pixels.
Rect encre(const Surface& s) {
    int x0 = s.largeur_px(), y0 = s.hauteur_px(), x1 = -1, y1 = -1;
    for (int y = 0; y < s.hauteur_px(); ++y)
        for (int x = 0; x < s.largeur_px(); ++x)
            if (s.ligne(y)[x] != 0) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = y;
    const int k = s.facteur();
    return Rect{x0 / k, y0 / k, x1 / k - x0 / k + 1, y1 / k - y0 / k + 1};
}

TEST(TexteFin, IsDrawnAtKTimesItsSizeInTheSamePlaceNotEnlarged) {
    Polices po(police_par_defaut());
    ASSERT_TRUE(po.valide());
    Surface un(120, 40, 0, 1), fin(120, 40, 0, 3);
    po.imprime(un, 10, 5, "Quadrel", 18, 0x00FFFF);
    po.imprime(fin, 10, 5, "Quadrel", 18, 0x00FFFF);
    const Rect a = encre(un), b = encre(fin);
    EXPECT_NEAR(a.x, b.x, 1);
    EXPECT_NEAR(a.y, b.y, 1);
    EXPECT_NEAR(a.w, b.w, 2);
    EXPECT_NEAR(a.h, b.h, 1);
    EXPECT_FALSE(agrandie(fin, un));
}

} // namespace
} // namespace tlv
