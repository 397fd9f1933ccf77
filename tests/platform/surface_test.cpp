#include <gtest/gtest.h>

#include "pixels.h"
#include "platform/presentation.h"
#include "platform/surface.h"
#include "platform/trace_fin.h"

namespace tlv {
namespace {

constexpr std::uint32_t Blanc = 0xFFFFFF, Noir = 0, Rouge = 0xFF0000, Vert = 0x00FF00;

// A 4 x 4 sprite: a 2 x 2 red square in the middle, black outside; its mask white outside, black inside.
struct Sprite {
    Surface image{4, 4, Noir, 1}, masque{4, 4, Blanc, 1};
    Sprite() {
        fill(image, 1, 1, 2, 2, Rouge);
        fill(masque, 1, 1, 2, 2, Noir);
    }
};

TEST(Sprite, MaskAndThenPaintLaysTheShapeWithNoFringeOnAnyBackground) {
    for (std::uint32_t fond : {Blanc, Noir, Vert, 0x123456u}) {
        Sprite s;
        Surface d(6, 6, fond, 1);
        bitblt(d, 1, 1, 4, 4, s.masque, 0, 0, Rop::SrcAnd);
        bitblt(d, 1, 1, 4, 4, s.image, 0, 0, Rop::SrcPaint);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool dedans = x >= 2 && x <= 3 && y >= 2 && y <= 3;
                EXPECT_EQ(d.pixel(x, y), dedans ? Rouge : fond) << x << "," << y << " fond " << fond;
            }
    }
}

TEST(Sprite, RasterOpsCombineBitwise) {
    Surface d(1, 1, 0x0F0F0F, 1), s(1, 1, 0x00FFF0, 1);
    bitblt(d, 0, 0, 1, 1, s, 0, 0, Rop::SrcAnd);
    EXPECT_EQ(d.pixel(0, 0), 0x000F00u);
    bitblt(d, 0, 0, 1, 1, s, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(d.pixel(0, 0), 0x00FFF0u);
    bitblt(d, 0, 0, 1, 1, Surface(1, 1, Rouge, 1), 0, 0, Rop::SrcCopy);
    EXPECT_EQ(d.pixel(0, 0), Rouge);
}

// Source filled with distinct values so that a misaligned copy shows.
Surface motif(int w, int h) {
    Surface s(w, h, 0, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.metpixel(x, y, static_cast<std::uint32_t>(y * 100 + x + 1));
    return s;
}

struct CasClip {
    int x, y, w, h, sx, sy;
};

class Clipping : public ::testing::TestWithParam<CasClip> {};

TEST_P(Clipping, CopiesExactlyThePixelsInsideBothSurfacesKeepingThemAligned) {
    const CasClip c = GetParam();
    const Surface src = motif(8, 6);
    Surface d(10, 7, Blanc, 1);
    bitblt(d, c.x, c.y, c.w, c.h, src, c.sx, c.sy);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x) {
            const int u = x - c.x + c.sx, v = y - c.y + c.sy;
            const bool copie =
                x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h && u >= 0 && v >= 0 && u < 8 && v < 6;
            EXPECT_EQ(d.pixel(x, y), copie ? src.pixel(u, v) : Blanc) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Bords, Clipping,
                         ::testing::Values(CasClip{0, 0, 8, 6, 0, 0}, CasClip{-3, -2, 8, 6, 0, 0},
                                           CasClip{7, 4, 8, 6, 0, 0}, CasClip{2, 1, 8, 6, -2, -3},
                                           CasClip{1, 1, 20, 20, 5, 4}, CasClip{0, 0, 0, 5, 0, 0},
                                           CasClip{12, 0, 3, 3, 0, 0}, CasClip{3, 2, 4, 3, 7, 5}));

TEST(Blit, OverlappingCopyWithinOneSurfaceMovesTheBlockIntact) {
    Surface s = motif(8, 8);
    const Surface avant = s;
    bitblt(s, 2, 3, 5, 4, s, 1, 1);
    EXPECT_TRUE(test::memebloc(s, {2, 3}, avant, {1, 1}, 5, 4));
    Surface t = motif(8, 8);
    bitblt(t, 0, 0, 5, 4, t, 2, 1);
    EXPECT_TRUE(test::memebloc(t, {0, 0}, avant, {2, 1}, 5, 4));
}

TEST(Stretch, DoublesShrinksAndMirrors) {
    const Surface src = motif(4, 2);
    Surface d(8, 4, 0, 1);
    stretchblt(d, 0, 0, 8, 4, src, 0, 0, 4, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(d.pixel(x, y), src.pixel(x / 2, y / 2));

    Surface e(2, 1, 0, 1);
    stretchblt(e, 0, 0, 2, 1, src, 0, 0, 4, 2);
    EXPECT_EQ(e.pixel(0, 0), src.pixel(0, 0));
    EXPECT_EQ(e.pixel(1, 0), src.pixel(2, 0));

    Surface m(4, 1, 0, 1);
    stretchblt(m, 0, 0, 4, 1, src, 4, 0, -4, 1);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(m.pixel(x, 0), src.pixel(3 - x, 0));
}

TEST(Stretch, ClipsToTheDestinationAndNarrowsToNothing) {
    const Surface src = motif(4, 4);
    Surface d(4, 4, Blanc, 1);
    stretchblt(d, -4, -4, 8, 8, src, 0, 0, 4, 4);
    EXPECT_EQ(d.pixel(0, 0), src.pixel(2, 2));
    EXPECT_EQ(d.pixel(3, 3), src.pixel(3, 3));
    Surface z(4, 4, Blanc, 1);
    stretchblt(z, 0, 0, 0, 4, src, 0, 0, 4, 4);
    EXPECT_EQ(z.pixels(), Surface(4, 4, Blanc, 1).pixels());
}

struct CasCadre {
    int x, y, w, h;
};
class Cadre : public ::testing::TestWithParam<CasCadre> {};

// Every pixel of a 9 x 9 surface: a fill colours the rectangle's part inside it, a frame its four edges, and
// nothing else, not one row or column beyond.
TEST_P(Cadre, FillColoursTheRectangleAndFrameExactlyItsOutermostRowsAndColumns) {
    const CasCadre c = GetParam();
    Surface plein(9, 9, Noir, 1), bord(9, 9, Noir, 1);
    fill(plein, c.x, c.y, c.w, c.h, Rouge);
    cadre(bord, c.x, c.y, c.w, c.h, Vert);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool dedans = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
            const bool cote = dedans && (x == c.x || x == c.x + c.w - 1 || y == c.y || y == c.y + c.h - 1);
            EXPECT_EQ(plein.pixel(x, y), dedans ? Rouge : Noir) << x << "," << y;
            EXPECT_EQ(bord.pixel(x, y), cote ? Vert : Noir) << x << "," << y;
        }
}
INSTANTIATE_TEST_SUITE_P(Tailles, Cadre,
                         ::testing::Values(CasCadre{2, 1, 5, 4}, CasCadre{1, 2, 1, 1}, CasCadre{3, 3, 2, 6},
                                           CasCadre{0, 0, 9, 9}, CasCadre{4, 0, 0, 3},
                                           CasCadre{-2, 3, 4, 10}));

struct CasDecoupe {
    Rect r;
    Rect reste; // the part of r inside the 9 x 9 surface
};
class Decoupe : public ::testing::TestWithParam<CasDecoupe> {};

// Every pixel of the surface written one by one: those inside the clip change, not one row or column more.
TEST_P(Decoupe, PixelsAreWrittenExactlyInsideTheClip) {
    const CasDecoupe c = GetParam();
    Surface d(9, 9, Noir, 1);
    d.decoupe(c.r);
    for (int y = -1; y <= 9; ++y)
        for (int x = -1; x <= 9; ++x) d.metpixel(x, y, Vert);
    const Rect& k = c.reste;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool dedans = x >= k.x && x < k.x + k.w && y >= k.y && y < k.y + k.h;
            EXPECT_EQ(d.pixel(x, y), dedans ? Vert : Noir) << x << "," << y;
        }
}
INSTANTIATE_TEST_SUITE_P(
    Rectangles, Decoupe,
    ::testing::Values(CasDecoupe{{2, 1, 5, 4}, {2, 1, 5, 4}}, CasDecoupe{{-3, -2, 6, 5}, {0, 0, 3, 3}},
                      CasDecoupe{{6, 7, 10, 10}, {6, 7, 3, 2}}, CasDecoupe{{0, 0, 9, 9}, {0, 0, 9, 9}},
                      CasDecoupe{{4, 4, 1, 1}, {4, 4, 1, 1}}, CasDecoupe{{3, 3, 0, 2}, {3, 3, 0, 2}}));

struct CasDecalage {
    int ecran, aire, attendu;
};
class Decalage : public ::testing::TestWithParam<CasDecalage> {};
TEST_P(Decalage, CentresThePlayAreaRoundingDown) {
    EXPECT_EQ(decalage(GetParam().ecran, GetParam().aire), GetParam().attendu);
}
INSTANTIATE_TEST_SUITE_P(Ecrans, Decalage,
                         ::testing::Values(CasDecalage{640, 640, 0}, CasDecalage{800, 640, 80},
                                           CasDecalage{600, 480, 60}, CasDecalage{1023, 640, 191},
                                           CasDecalage{639, 640, -1}, CasDecalage{600, 640, -20}));

// Fine shapes are traced on the stored pixels: at factor 3 their edges cut through play-area pixels and
// blend, where whole blocks would show as steps; and they stay inside the clip.
TEST(TraceFin, EdgesAreAsFineAsTheStoredPixelsAndKeepToTheClip) {
    Surface s(20, 20, rgb(255, 255, 255), 3);
    s.decoupe(Rect{0, 0, 20, 10});
    disque(s, 5.5, 5.5, 4.5, 0);
    triangle(s, {12, 2}, {18, 5}, {12, 8}, 0);
    triangle(s, {2, 12}, {8, 12}, {5, 18}, 0);
    int marches = 0, gris = 0;
    for (int y = 0; y < s.hauteur_px(); ++y)
        for (int x = 0; x < s.largeur_px(); ++x) {
            const std::uint32_t p = s.ligne(y)[x];
            gris += p != 0 && p != rgb(255, 255, 255);
            // A stored pixel unlike the first of its play-area pixel: the edge went through the block.
            marches += p != s.ligne(y - y % 3)[x - x % 3];
        }
    EXPECT_GT(marches, 20);
    EXPECT_GT(gris, 10) << "smoothed edges";
    EXPECT_EQ(s.pixel(5, 15), rgb(255, 255, 255)) << "outside the clip";
    EXPECT_EQ(s.pixel(5, 5), 0u);
    EXPECT_EQ(s.pixel(14, 5), 0u);
}

} // namespace
} // namespace tlv
