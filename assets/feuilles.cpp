#include "assets/feuilles.h"

#include <algorithm>
#include <cmath>

#include "assets/decor.h"
#include "assets/jeu.h"
#include "assets/tables.h"
#include "socle/carte.h"

namespace tlv {

namespace {

// Lays a picture with straight alpha as a sprite (sx, sy) and its mask (mx, my): pixels at least half covered
// are inside; `dedans` is the mask's value inside (0 black, or the veil grey). Places are in units.
void sprite(Feuilles& f, const Image& img, int sx, int sy, int mx, int my, int dedans = 0) {
    float g = dedans / 255.f;
    const int k = f.sprites.k;
    sx *= k, sy *= k, mx *= k, my *= k;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const Couleur& c = img.at(x, y);
            bool in = c.a >= 0.5f;
            f.sprites.at(sx + x, sy + y) = in ? Couleur{c.r, c.g, c.b, 1} : Couleur{0, 0, 0, 1};
            f.masques.at(mx + x, my + y) = in ? Couleur{g, g, g, 1} : Couleur{1, 1, 1, 1};
        }
}

// Nearest channel value with the 64 bit set, so that (anything AND 64) OR value = value.
float avecbit6(float v) {
    int n = std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
    if (!(n & 64)) n = n < 64 ? 64 : n < 160 ? 127 : 192;
    return n / 255.f;
}

Image boitemessage(int k) {
    const float w = 280, h = 96;
    Image b = toile(280, 96, k, {0, 0, 0, 0});
    Forme corps = rectarrondi(0, 0, w, h, 3);
    remplit(b, corps, {}, [=](float x, float y) {
        float t = y / h;
        float lueur =
            std::exp(-std::pow((x - w / 2) / (w * 0.45f), 2.f) - std::pow((y - h * 0.3f) / (h * 0.6f), 2.f));
        Couleur c = melange(rgb(74, 100, 92), rgb(64, 70, 66), t);
        return melange(c, rgb(96, 124, 116), 0.35f * lueur);
    });
    remplit(b, contour(rectarrondi(1.5f, 1.5f, w - 1.5f, h - 1.5f, 2.5f), 2.4f), {},
            [=](float, float y) { return dore(y, 0, h); });
    remplit(b, contour(rectarrondi(5, 5, w - 5, h - 5, 2), 0.8f), {}, Couleur{0.75f, 0.65f, 0.4f, 0.6f});
    for (auto& c : b.p)
        if (c.a >= 0.5f) c = {avecbit6(c.r), avecbit6(c.g), avecbit6(c.b), 1};
    return b;
}

Image signeatout(int couleur, const Image& table) {
    const int k = table.k;
    Image s = decoupe(table, 596 * k, 4 * k, 40 * k, 40 * k);
    Forme disque = cercle(20, 20, 17);
    ombre(s, trace(s, disque, {}), 0, 0, 1, 1.5f, 2, 0.6f);
    remplit(s, disque, {}, [](float x, float y) {
        float d = std::hypot(x - 15, y - 14) / 26;
        return melange(rgb(255, 252, 240), rgb(222, 208, 176), std::min(1.f, d));
    });
    remplit(s, contour(cercle(20, 20, 16.5f), 2), {}, [](float, float y) { return dore(y, 3, 37); });
    Couleur e = encre(couleur);
    remplit(s, enseigne(couleur), {20, 20.5f, 20, 0}, [=](float, float y) {
        return melange(melange(e, rgb(255, 255, 255), 0.2f), melange(e, rgb(0, 0, 0), 0.3f), (y - 10) / 20);
    });
    return s;
}

Image icone(int couleur, bool allumee, int k) {
    Image i = toile(44, 46, k, {0, 0, 0, 0});
    Forme tuile = rectarrondi(2, 2, 42, 44, 6);
    if (allumee) {
        remplit(i, tuile, {},
                [](float, float y) { return melange(rgb(255, 255, 250), rgb(236, 246, 244), y / 46); });
        remplit(i, contour(rectarrondi(3, 3, 41, 43, 5), 2.4f), {}, rgb(0, 255, 255));
    } else {
        remplit(i, tuile, {},
                [](float, float y) { return melange(rgb(232, 224, 204), rgb(196, 186, 160), y / 46); });
        remplit(i, contour(rectarrondi(2.5f, 2.5f, 41.5f, 43.5f, 5.5f), 1.2f), {}, rgb(120, 100, 60));
    }
    Couleur e = encre(couleur);
    remplit(i, enseigne(couleur), {22, 23, allumee ? 28.f : 25.f, 0}, [=](float, float y) {
        return melange(melange(e, rgb(255, 255, 255), 0.2f), melange(e, rgb(0, 0, 0), 0.3f), (y - 10) / 26);
    });
    return i;
}

Image marqueur(int k) {
    Image m = toile(32, 32, k, {0, 0, 0, 0});
    remplit(m, cercle(16, 16, 12.5f), {}, [](float x, float y) {
        float d = std::hypot(x - 13, y - 12) / 14;
        return melange(rgb(230, 255, 255), rgb(0, 150, 160), std::min(1.f, d));
    });
    remplit(m, contour(cercle(16, 16, 12.5f), 2), {}, [](float, float y) { return dore(y, 3, 29); });
    remplit(m, cercle(12.5f, 11.5f, 3.2f), {}, Couleur{1, 1, 1, 0.85f});
    return m;
}

// Two sprites laid with one mask keep only the pixels inside both: finer drawing can set their edges a
// pixel apart, and a sprite pixel outside its mask would show as a fringe.
void memeforme(Image& a, Image& b) {
    for (size_t i = 0; i < a.p.size(); ++i)
        if (a.p[i].a < 0.5f || b.p[i].a < 0.5f) a.p[i].a = b.p[i].a = 0;
}

Image tourne(const Image& src) {
    // A quarter turn clockwise.
    Image r(src.h, src.w);
    r.k = src.k;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) r.at(x, y) = src.at(y, src.h - 1 - x);
    return r;
}

} // namespace

Feuilles feuillesdecartes(int k) {
    Feuilles f{toile(568, 624, k, {0, 0, 0, 1}), toile(568, 624, k, {1, 1, 1, 1})};
    auto faces = facesdujeu(LargeurCarte, HauteurCarte, jeuparis, k);
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r) {
            const Image& face = faces[static_cast<size_t>((s - 1) * 8 + r)];
            // The faces share the upright card mask at (0, 0); the sheet holds them with black corners.
            sprite(f, face, r * LargeurCarte, (s - 1) * HauteurCarte, 0, 0);
        }
    Image dos = dosdecarte(LargeurCarte, HauteurCarte, k);
    sprite(f, dos, 0, 384, 0, 0);
    sprite(f, tourne(dos), LargeurCarte, 384, LargeurCarte, 0);
    Image boite = boitemessage(k);
    sprite(f, boite, 167, 384, 167, 0, grisvoile);
    Image table = tablebelote(k);
    const int places[4][2] = {{447, 384}, {487, 384}, {447, 424}, {487, 424}};
    for (int s = 1; s <= 4; ++s)
        copie(f.sprites, places[s - 1][0] * k, places[s - 1][1] * k, signeatout(s, table), 0, 0, 40 * k,
              40 * k);
    for (int s = 1; s <= 4; ++s) {
        Image allumee = icone(s, true, k), eteinte = icone(s, false, k);
        memeforme(allumee, eteinte);
        sprite(f, allumee, (s - 1) * 44, 480, (s - 1) * 44, 96);
        sprite(f, eteinte, 176 + (s - 1) * 44, 480, (s - 1) * 44, 96);
    }
    sprite(f, marqueur(k), 536, 384, 176, 96);
    copie(f.sprites, LargeurCarte * k, 528 * k, placevide(k), 0, 0, LargeurCarte * k, HauteurCarte * k);
    return f;
}

} // namespace tlv
