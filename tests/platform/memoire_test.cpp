// Pictures read straight into their surfaces: every kind of PNG as SDL_image reads it, finer variants taken
// or refused whole (a damaged one too, read at once or a part at a time), a trimmed mask that masks alike,
// and large pixel buffers that leave the process once freed.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "dossiertemp.h"
#include "platform/image.h"
#include "platform/surface.h"

namespace tlv {
namespace {

using Octets = std::string;

void be32(Octets& o, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) o += static_cast<char>(v >> s);
}

void bloc(Octets& o, const char* type, const Octets& d) {
    be32(o, static_cast<std::uint32_t>(d.size()));
    const Octets t = type + d;
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char v : t) {
        c ^= v;
        for (int b = 0; b < 8; ++b) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    o += t;
    be32(o, ~c);
}

// The kinds of PNG our generator never writes, written by hand (deflate's stored blocks). Samples vary enough
// that a swapped channel or a lost alpha shows.
struct Genre {
    const char* nom;
    int type, profondeur;
    bool entrelace;
    Octets plte, trns;
};

Octets ligne_brute(const Genre& g, int w, int y, int x0, int dx) {
    static constexpr int canaux[7] = {1, 0, 3, 1, 2, 0, 4};
    const int max = (1 << g.profondeur) - 1;
    Octets l(1, '\0'); // no filter
    int acc = 0, bits = 0;
    for (int x = x0; x < w; x += dx)
        for (int c = 0; c < canaux[g.type]; ++c) {
            const bool alpha = (g.type == 4 && c == 1) || (g.type == 6 && c == 3);
            const int v = g.type == 3 ? (x * 3 + y) % 4
                          : alpha     ? std::array{0, max, max / 3, max}[(x + 2 * y) % 4]
                                      : (x * 37 + y * 11 + c * 71) * (max / 15 + 1) % (max + 1);
            acc = (acc << g.profondeur) | v, bits += g.profondeur;
            for (; bits >= 8; acc &= (1 << bits) - 1) l += static_cast<char>(acc >> (bits -= 8));
        }
    if (bits) l += static_cast<char>(acc << (8 - bits));
    return l;
}

Octets fichier_png(const Genre& g, int w, int h) {
    static constexpr int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                         {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    Octets brut;
    if (!g.entrelace)
        for (int y = 0; y < h; ++y) brut += ligne_brute(g, w, y, 0, 1);
    for (const auto& p : passes)
        for (int y = p[1]; g.entrelace && y < h && p[0] < w; y += p[3])
            brut += ligne_brute(g, w, y, p[0], p[2]);
    Octets z = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char v : brut) a = (a + v) % 65521, b = (b + a) % 65521;
    for (std::size_t i = 0; i < brut.size(); i += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, brut.size() - i);
        z += {static_cast<char>(i + n >= brut.size()), static_cast<char>(n), static_cast<char>(n >> 8),
              static_cast<char>(~n), static_cast<char>(~n >> 8)};
        z += brut.substr(i, n);
    }
    be32(z, (b << 16) | a);
    Octets o = "\x89PNG\r\n\x1A\n", ihdr;
    be32(ihdr, static_cast<std::uint32_t>(w));
    be32(ihdr, static_cast<std::uint32_t>(h));
    ihdr +=
        {static_cast<char>(g.profondeur), static_cast<char>(g.type), 0, 0, static_cast<char>(g.entrelace)};
    bloc(o, "IHDR", ihdr);
    if (!g.plte.empty()) bloc(o, "PLTE", g.plte);
    if (!g.trns.empty()) bloc(o, "tRNS", g.trns);
    bloc(o, "IDAT", z);
    bloc(o, "IEND", {});
    return o;
}

// What SDL_image makes of a file, laid over black: how pictures were read before they were decoded in place.
std::vector<std::uint32_t> selon_sdl(const std::string& chemin) {
    SDL_Surface* brute = IMG_Load(chemin.c_str());
    if (!brute) return {};
    SDL_Surface* s = SDL_ConvertSurfaceFormat(brute, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(brute);
    std::vector<std::uint32_t> v;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch)[x];
            const std::uint32_t al = p >> 24;
            v.push_back(((((p >> 16) & 255) * al / 255) << 16) | ((((p >> 8) & 255) * al / 255) << 8) |
                        ((p & 255) * al / 255));
        }
    SDL_FreeSurface(s);
    return v;
}

class GenrePng : public ::testing::TestWithParam<Genre> {};

TEST_P(GenrePng, ReadAsSdlImageReadsIt) {
    test::DossierTemp d;
    const std::string nom = d.chemin() + "cartei98";
    test::ecritbrut(nom, fichier_png(GetParam(), 13, 11));
    const auto attendu = selon_sdl(nom);
    ASSERT_EQ(attendu.size(), 13u * 11u);
    const auto s = charge_image(nom, 1);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(std::vector<std::uint32_t>(s->pixels().begin(), s->pixels().end()), attendu);
}

const Octets Palette("\0\0\0\xFF\0\0\0\xC8\x28\x0A\x14\xFA", 12);
INSTANTIATE_TEST_SUITE_P(
    Genres, GenrePng,
    ::testing::Values(Genre{"Rgb", 2, 8, false, {}, {}}, Genre{"RgbAlpha", 6, 8, false, {}, {}},
                      Genre{"Rgb16", 2, 16, false, {}, {}}, Genre{"RgbInterlaced", 2, 8, true, {}, {}},
                      Genre{"RgbAlphaInterlaced", 6, 8, true, {}, {}}, Genre{"Gray2", 0, 2, false, {}, {}},
                      Genre{"GrayAlpha", 4, 8, false, {}, {}},
                      Genre{"RgbKey", 2, 8, false, {}, Octets("\0\0\0\xFE\0\xFC", 6)},
                      Genre{"PaletteAlpha", 3, 4, false, Palette, Octets("\xFF\0\x80", 3)}),
    [](const auto& i) { return std::string(i.param.nom); });

Surface motif(int w, int h, int graine) {
    Surface s(w, h, 0, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.metpixel(x, y, static_cast<std::uint32_t>(y * 4099 + x * 97 + graine));
    return s;
}

bool memes(const Surface& a, const Surface& b, int lignes) {
    if (a.largeur_px() != b.largeur_px() || a.facteur() != b.facteur()) return false;
    const std::size_t n = static_cast<std::size_t>(a.largeur_px()) * lignes * a.facteur();
    return std::equal(a.pixels().begin(), a.pixels().begin() + static_cast<std::ptrdiff_t>(n),
                      b.pixels().begin());
}

// The finer file beside the picture, in every state it may be found in.
enum class Variante { saine, coupee, abimee, autretaille, absente, pasunpng };
struct CasVariante {
    const char* nom;
    Variante v;
    int k;
};

class Variantes : public ::testing::TestWithParam<CasVariante> {};

TEST_P(Variantes, TakenWholeOrTheEnlargedPictureWholeReadAtOnceOrByParts) {
    const CasVariante& c = GetParam();
    test::DossierTemp d;
    const std::string nom = d.chemin() + "cartef99";
    const int w = 9, h = 40, k = c.k;
    ASSERT_TRUE(sauve_png(motif(w, h, 1), nom));
    const Surface fine = motif(w * k, h * k, 5);
    const std::string v = nom + "." + std::to_string(k) + "x";
    if (c.v != Variante::absente) {
        ASSERT_TRUE(sauve_png(c.v == Variante::autretaille ? motif(w * k, h, 5) : fine, v));
    }
    if (c.v == Variante::coupee || c.v == Variante::abimee || c.v == Variante::pasunpng) {
        Octets o = test::litbrut(v).value_or("");
        if (c.v == Variante::coupee) o.resize(o.size() * 2 / 3);
        if (c.v == Variante::abimee) o[o.size() / 2] ^= 0x5A;
        if (c.v == Variante::pasunpng) o.assign(200, 'x');
        test::ecritbrut(v, o);
    }
    // What is expected: the finer picture, or each pixel of the picture made a k x k block.
    Surface attendu(w, h, 0, k);
    if (c.v == Variante::saine)
        for (int y = 0; y < h * k; ++y) std::copy_n(fine.ligne(y), w * k, attendu.ligne(y));
    else
        bitblt(attendu, 0, 0, w, h, motif(w, h, 1), 0, 0);

    const auto entiere = charge_image(nom, k);
    ASSERT_TRUE(entiere.has_value());
    EXPECT_TRUE(memes(*entiere, attendu, h)) << "read at once";

    for (int pas : {1, 7, h}) {
        ImageProgressive p;
        ASSERT_TRUE(p.ouvre(nom, k));
        for (int fin = pas; fin < h + pas; fin += pas) {
            p.prepare(fin);
            ASSERT_GE(p.pretes(), std::min(fin, h));
            if (c.v == Variante::saine) {
                EXPECT_EQ(p.pretes(), std::min(fin, h)) << "only what was asked is decoded";
                EXPECT_TRUE(memes(p.surface(), attendu, p.pretes())) << "step " << pas << " row " << fin;
            }
        }
        EXPECT_TRUE(memes(p.surface(), attendu, h)) << "read by " << pas;
    }
}

INSTANTIATE_TEST_SUITE_P(Etats, Variantes,
                         ::testing::Values(CasVariante{"Sound2", Variante::saine, 2},
                                           CasVariante{"Sound4", Variante::saine, 4},
                                           CasVariante{"CutShort3", Variante::coupee, 3},
                                           CasVariante{"Damaged4", Variante::abimee, 4},
                                           CasVariante{"OtherSize2", Variante::autretaille, 2},
                                           CasVariante{"Missing3", Variante::absente, 3},
                                           CasVariante{"NotAPng4", Variante::pasunpng, 4}),
                         [](const auto& i) { return std::string(i.param.nom); });

// A mask sheet without its white foot masks exactly as the whole sheet, straight or stretched, where the
// blocks cross the cut or lie beyond it.
TEST(MasqueRogne, AndsAsTheWholeSheet) {
    for (int k : {1, 3}) {
        Surface masque(20, 30, rgb(255, 255, 255), k);
        fill(masque, 2, 3, 9, 14, 0);
        fill(masque, 12, 17, 3, 1, rgb(0, 40, 0)); // the last row that is not white
        Surface rogne = masque;
        rogne_bas(rogne, rgb(255, 255, 255));
        EXPECT_EQ(rogne.hauteur(), 18) << k;
        const Surface fond = [&] {
            Surface f(20, 30, 0, k);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 20; ++x)
                    f.metpixel(x, y, static_cast<std::uint32_t>(x * 7919 + y * 104729));
            return f;
        }();
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

long rss_kio() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char l[256];
    long v = -1;
    while (f && std::fgets(l, sizeof l, f))
        if (std::sscanf(l, "VmRSS: %ld", &v) == 1) break;
    if (f) std::fclose(f);
    return v;
}

// A closed screen's pictures stop counting: freed pixels go back to the system, the first time as every
// time after (a general-purpose heap keeps a freed block of this size for later, still resident).
TEST(MemoirePixels, AFreedPictureLeavesTheProcess) {
    for (int tour = 0; tour < 3; ++tour) {
        const long avant = rss_kio();
        long vivante = 0;
        {
            Surface s(640, 480, rgb(1, 2, 3), 4);
            vivante = rss_kio() - avant;
            ASSERT_GT(vivante, 16 * 1024) << "the picture is resident while it lives";
        }
        // A sanitizer's own bookkeeping of the freed memory may stay: a small part of it.
        EXPECT_LT(rss_kio() - avant, vivante / 4) << "round " << tour;
    }
}

} // namespace
} // namespace tlv
