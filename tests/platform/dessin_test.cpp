// Pictures: raster operations, clipping, fills and frames, stretches; drawing at a render factor, where every
// operation touches whole k x k blocks, text is drawn at k times its size in the same place and fine shapes
// are traced on the stored pixels; pictures read straight into their surfaces
// (every kind of PNG as SDL_image reads it, finer variants taken or refused whole, read at once or a part at
// a time), and the window's icon.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dossiertemp.h"
#include "pixels.h"
#include "platform/fenetre.h"
#include "platform/icone.h"
#include "platform/image.h"
#include "platform/surface.h"
#include "platform/texte.h"
#include "platform/trace_fin.h"

namespace tlv {
namespace {

constexpr std::uint32_t Blanc = 0xFFFFFF, Noir = 0, Rouge = 0xFF0000, Vert = 0x00FF00;

// Source filled with distinct values so that a misaligned copy shows.
Surface motif(int w, int h, int k = 1, int graine = 1) {
    Surface s(w, h, 0, k);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.metpixel(x, y, static_cast<std::uint32_t>(y * 4099 + x * 97 + graine));
    return s;
}

// 0x0F0F0F under 0x00FFF0, by a copy of the same factor, one across factors and a stretch (pixel by pixel).
TEST(Rop, CombinesBitwiseOnEveryPath) {
    const Surface s(1, 1, 0x00FFF0, 1);
    for (const auto& [rop, attendu] : {std::pair{Rop::SrcAnd, 0x000F00u}, std::pair{Rop::SrcPaint, 0x0FFFFFu},
                                       std::pair{Rop::SrcCopy, 0x00FFF0u}}) {
        Surface meme(1, 1, 0x0F0F0F, 1), autre(1, 1, 0x0F0F0F, 2), etire(2, 1, 0x0F0F0F, 1);
        bitblt(meme, 0, 0, 1, 1, s, 0, 0, rop);
        bitblt(autre, 0, 0, 1, 1, s, 0, 0, rop);
        stretchblt(etire, 0, 0, 2, 1, s, 0, 0, 1, 1, rop);
        EXPECT_EQ((std::tuple{meme.pixel(0, 0), autre.pixel(0, 0), etire.pixel(0, 0), etire.pixel(1, 0)}),
                  (std::tuple{attendu, attendu, attendu, attendu}))
            << static_cast<int>(rop);
    }
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
    const Surface avant = motif(8, 8);
    Surface s = avant, t = avant;
    bitblt(s, 2, 3, 5, 4, s, 1, 1);
    EXPECT_TRUE(test::memebloc(s, {2, 3}, avant, {1, 1}, 5, 4));
    bitblt(t, 0, 0, 5, 4, t, 2, 1);
    EXPECT_TRUE(test::memebloc(t, {0, 0}, avant, {2, 1}, 5, 4));
}

TEST(Stretch, DoublesShrinksMirrorsClipsAndNarrowsToNothing) {
    const Surface src = motif(4, 2), carre = motif(4, 4);
    Surface d(8, 4, 0, 1), e(2, 1, 0, 1), m(4, 1, 0, 1), c(4, 4, Blanc, 1), z(4, 4, Blanc, 1);
    stretchblt(d, 0, 0, 8, 4, src, 0, 0, 4, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(d.pixel(x, y), src.pixel(x / 2, y / 2));
    stretchblt(e, 0, 0, 2, 1, src, 0, 0, 4, 2);
    EXPECT_EQ((std::pair{e.pixel(0, 0), e.pixel(1, 0)}), (std::pair{src.pixel(0, 0), src.pixel(2, 0)}));
    stretchblt(m, 0, 0, 4, 1, src, 4, 0, -4, 1);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(m.pixel(x, 0), src.pixel(3 - x, 0));
    stretchblt(c, -4, -4, 8, 8, carre, 0, 0, 4, 4);
    EXPECT_EQ((std::pair{c.pixel(0, 0), c.pixel(3, 3)}), (std::pair{carre.pixel(2, 2), carre.pixel(3, 3)}));
    stretchblt(z, 0, 0, 0, 4, carre, 0, 0, 4, 4);
    EXPECT_EQ(z.pixels(), Surface(4, 4, Blanc, 1).pixels());
}

struct CasRect {
    Rect r;
    Rect reste; // the part of r inside the 9 x 9 surface
};
class Rectangle : public ::testing::TestWithParam<CasRect> {};

// Every pixel of a 9 x 9 surface: a fill colours the rectangle's part inside it, a frame its four edges, and
// pixels written one by one inside it as a clip change; nothing else, not one row or column beyond.
TEST_P(Rectangle, FillFrameAndClipTouchExactlyTheRectangle) {
    const Rect c = GetParam().r, k = GetParam().reste;
    Surface plein(9, 9, Noir, 1), bord(9, 9, Noir, 1), decoupe(9, 9, Noir, 1);
    fill(plein, c.x, c.y, c.w, c.h, Rouge);
    cadre(bord, c.x, c.y, c.w, c.h, Vert);
    decoupe.decoupe(c);
    for (int y = -1; y <= 9; ++y)
        for (int x = -1; x <= 9; ++x) decoupe.metpixel(x, y, Vert);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool dedans = x >= k.x && x < k.x + k.w && y >= k.y && y < k.y + k.h;
            const bool cote = dedans && (x == c.x || x == c.x + c.w - 1 || y == c.y || y == c.y + c.h - 1);
            EXPECT_EQ(plein.pixel(x, y), dedans ? Rouge : Noir) << x << "," << y;
            EXPECT_EQ(bord.pixel(x, y), cote ? Vert : Noir) << x << "," << y;
            EXPECT_EQ(decoupe.pixel(x, y), dedans ? Vert : Noir) << x << "," << y;
        }
}
INSTANTIATE_TEST_SUITE_P(
    Tailles, Rectangle,
    ::testing::Values(CasRect{{2, 1, 5, 4}, {2, 1, 5, 4}}, CasRect{{1, 2, 1, 1}, {1, 2, 1, 1}},
                      CasRect{{3, 3, 2, 6}, {3, 3, 2, 6}}, CasRect{{0, 0, 9, 9}, {0, 0, 9, 9}},
                      CasRect{{4, 0, 0, 3}, {4, 0, 0, 3}}, CasRect{{-2, 3, 4, 10}, {0, 3, 2, 6}},
                      CasRect{{-3, -2, 6, 5}, {0, 0, 3, 3}}, CasRect{{6, 7, 10, 10}, {6, 7, 3, 2}}));

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
    const Rect r = m.modifiee();
    EXPECT_EQ((std::tuple{r.x, r.y, r.w, r.h}), (std::tuple{2, 3, 28, 19}));
}

INSTANTIATE_TEST_SUITE_P(Facteurs, Facteur, ::testing::Values(2, 3, 4));

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

// Fine shapes are traced on the stored pixels: at factor 3 their edges cut through play-area pixels and
// blend, where whole blocks would show as steps; and they stay inside the clip.
TEST(TraceFin, EdgesAreAsFineAsTheStoredPixelsAndKeepToTheClip) {
    Surface s(20, 20, Blanc, 3);
    s.decoupe(Rect{0, 0, 20, 10});
    disque(s, 5.5, 5.5, 4.5, 0);
    triangle(s, {12, 2}, {18, 5}, {12, 8}, 0);
    triangle(s, {2, 12}, {8, 12}, {5, 18}, 0);
    int marches = 0, gris = 0;
    for (int y = 0; y < s.hauteur_px(); ++y)
        for (int x = 0; x < s.largeur_px(); ++x) {
            const std::uint32_t p = s.ligne(y)[x];
            gris += p != 0 && p != Blanc;
            // A stored pixel unlike the first of its play-area pixel: the edge went through the block.
            marches += p != s.ligne(y - y % 3)[x - x % 3];
        }
    EXPECT_GT(marches, 20);
    EXPECT_GT(gris, 10) << "smoothed edges";
    EXPECT_EQ((std::tuple{s.pixel(5, 15), s.pixel(5, 5), s.pixel(14, 5)}), (std::tuple{Blanc, Noir, Noir}));
}

// A mask sheet without its white foot masks exactly as the whole sheet, straight or stretched, where the
// blocks cross the cut or lie beyond it.
TEST(MasqueRogne, AndsAsTheWholeSheet) {
    for (int k : {1, 3}) {
        Surface masque(20, 30, Blanc, k);
        fill(masque, 2, 3, 9, 14, 0);
        fill(masque, 12, 17, 3, 1, rgb(0, 40, 0)); // the last row that is not white
        Surface rogne = masque;
        rogne_bas(rogne, Blanc);
        EXPECT_EQ(rogne.hauteur(), 18) << k;
        const Surface fond = motif(20, 30, k);
        for (int sy : {0, 10, 16, 17, 18, 25}) {
            Surface a = fond, b = fond;
            bitblt(a, 1, 2, 15, 9, masque, 3, sy, Rop::SrcAnd);
            bitblt(b, 1, 2, 15, 9, rogne, 3, sy, Rop::SrcAnd);
            stretchblt(a, 4, 12, 11, 16, masque, 1, sy, 17, 12, Rop::SrcAnd);
            stretchblt(b, 4, 12, 11, 16, rogne, 1, sy, 17, 12, Rop::SrcAnd);
            EXPECT_TRUE(a.pixels() == b.pixels()) << "k " << k << " from row " << sy;
        }
    }
}

// What SDL_image makes of a file (as the icon is read), laid over black: how pictures were read before they
// were decoded in place.
std::vector<std::uint32_t> selon_sdl(const std::string& chemin) {
    const SurfaceSdl s = charge_icone(chemin);
    std::vector<std::uint32_t> v;
    for (int y = 0; s && y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const std::uint32_t p = static_cast<const std::uint32_t*>(s->pixels)[y * s->pitch / 4 + x],
                                a = p >> 24;
            v.push_back((((p >> 16) & 255) * a / 255) << 16 | (((p >> 8) & 255) * a / 255) << 8 |
                        (p & 255) * a / 255);
        }
    return v;
}

// The kinds of PNG our generator never writes (tests/platform/png/README.md).
class GenrePng : public ::testing::TestWithParam<const char*> {};

TEST_P(GenrePng, ReadAsSdlImageReadsIt) {
    const std::string nom = std::string(TLV_PNG) + "/" + GetParam() + ".png";
    const auto attendu = selon_sdl(nom);
    ASSERT_EQ(attendu.size(), 13u * 11u);
    const auto s = charge_image(nom, 1);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(std::vector<std::uint32_t>(s->pixels().begin(), s->pixels().end()), attendu);
}

INSTANTIATE_TEST_SUITE_P(Genres, GenrePng,
                         ::testing::Values("Rgb", "RgbAlpha", "Rgb16", "RgbInterlaced", "RgbAlphaInterlaced",
                                           "Gray2", "GrayAlpha", "RgbKey", "PaletteAlpha"),
                         [](const auto& i) { return std::string(i.param); });

bool memes(const Surface& a, const Surface& b, int lignes) {
    if (a.largeur_px() != b.largeur_px() || a.facteur() != b.facteur()) return false;
    const std::size_t n = static_cast<std::size_t>(a.largeur_px()) * lignes * a.facteur();
    return std::equal(a.pixels().begin(), a.pixels().begin() + static_cast<std::ptrdiff_t>(n),
                      b.pixels().begin());
}

// The finer file beside the picture, sound or in a state that has it refused whole (cut short, damaged,
// another size, missing, not a PNG): read at once or a part at a time, the finer picture or the enlarged one.
TEST(Variantes, TakenWholeOrTheEnlargedPictureWholeReadAtOnceOrByParts) {
    enum Etat { saine, coupee, abimee, autretaille, absente, pasunpng };
    const std::pair<Etat, int> cas[] = {{saine, 2},       {saine, 4},   {coupee, 3},  {abimee, 4},
                                        {autretaille, 2}, {absente, 3}, {pasunpng, 4}};
    for (const auto& [etat, k] : cas) {
        SCOPED_TRACE(testing::Message() << "state " << etat << ", factor " << k);
        test::DossierTemp d;
        const std::string nom = d / "cartef99", v = nom + "." + std::to_string(k) + "x";
        const int w = 9, h = 40;
        ASSERT_TRUE(sauve_png(motif(w, h), nom));
        const Surface fine = motif(w * k, h * k, 1, 5);
        if (etat != absente) {
            ASSERT_TRUE(sauve_png(etat == autretaille ? motif(w * k, h, 1, 5) : fine, v));
        }
        std::string o = test::litbrut(v).value_or("");
        if (etat == coupee) o.resize(o.size() * 2 / 3);
        if (etat == abimee) o[o.size() / 2] ^= 0x5A;
        if (etat == pasunpng) o.assign(200, 'x');
        if (!o.empty()) test::ecritbrut(v, o);
        // What is expected: the finer picture, or each pixel of the picture made a k x k block.
        Surface attendu(w, h, 0, k);
        if (etat == saine) {
            for (int y = 0; y < h * k; ++y) std::copy_n(fine.ligne(y), w * k, attendu.ligne(y));
        } else {
            bitblt(attendu, 0, 0, w, h, motif(w, h), 0, 0);
        }
        const auto entiere = charge_image(nom, k);
        ASSERT_TRUE(entiere.has_value());
        EXPECT_TRUE(memes(*entiere, attendu, h)) << "read at once";
        for (int pas : {1, 7, h}) {
            ImageProgressive p;
            ASSERT_TRUE(p.ouvre(nom, k));
            for (int fin = pas; fin < h + pas; fin += pas) {
                p.prepare(fin);
                ASSERT_GE(p.pretes(), std::min(fin, h));
                if (etat == saine) {
                    EXPECT_EQ(p.pretes(), std::min(fin, h)) << "only what was asked is decoded";
                    EXPECT_TRUE(memes(p.surface(), attendu, p.pretes())) << "step " << pas << " row " << fin;
                }
            }
            EXPECT_TRUE(memes(p.surface(), attendu, h)) << "read by " << pas;
        }
    }
}

// The window's icon keeps its colours and its transparency (the desktop icon of 16 pixels: transparent
// corners, a red medallion); a missing or damaged file leaves the window as it is.
TEST(IconeFenetre, KeepsItsTransparencyAndABadFileIsRefusedQuietly) {
    const SurfaceSdl lue = charge_icone("icones/tolvanex-16.png");
    ASSERT_TRUE(lue);
    ASSERT_EQ(lue->pitch, 16 * 4);
    const auto* px = static_cast<const std::uint32_t*>(lue->pixels);
    const std::uint32_t coeur = px[4 * 16 + 11]; // the red suit's medallion
    EXPECT_EQ((std::pair{px[0] >> 24, coeur >> 24}), (std::pair{0u, 255u}));
    EXPECT_GT((coeur >> 16) & 255, 2 * ((coeur >> 8) & 255)) << "red";
    test::DossierTemp t;
    test::ecritbrut(t / "abime.png", "\x89PNG\r\n\x1a\n pas une image");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        Fenetre f(true);
        EXPECT_TRUE(pose_icone(f.sdl(), "icones/tolvanex-16.png"));
        EXPECT_FALSE(pose_icone(f.sdl(), t / "abime.png"));
        EXPECT_FALSE(pose_icone(f.sdl(), t / "absent.png"));
    }
    SDL_Quit();
}

} // namespace
} // namespace tlv
