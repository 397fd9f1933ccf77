#include "assets/menus.h"

#include <cmath>

#include "assets/decor.h"
#include "assets/tables.h"

namespace tlv {

namespace {

// Gold ornament between two bands: two tapering rules and a small lozenge.
void filet(Image& img, float cx, float y, float demi) {
    for (int s : {-1, 1}) {
        std::vector<Pt> p = {{cx + s * 9.f, y - 0.8f}, {cx + s * demi, y}, {cx + s * 9.f, y + 0.8f}};
        remplit(img, polygone(p), {}, [=](float x, float) {
            float t = std::abs(x - cx) / demi;
            return Couleur{or_.r, or_.g, or_.b, 0.85f * (1 - t)};
        });
    }
    remplit(img, enseigne(2), {cx, y, 11, 0}, [=](float, float yy) { return dore(yy, y - 5, y + 5); });
}

// A round gold button with a cream arrow pointing left (sens -1) or right (1).
void fleche(Image& img, float cx, float cy, int sens) {
    float r = 22;
    Forme disque = cercle(cx, cy, r);
    remplit(img, disque, {}, [=](float x, float y) {
        float d = std::hypot(x - cx + 6, y - cy + 7) / (r * 1.7f);
        return melange(rgb(60, 90, 78), rgb(8, 26, 20), std::min(1.f, d));
    });
    remplit(img, contour(cercle(cx, cy, r - 1), 2.4f), {},
            [=](float, float y) { return dore(y, cy - r, cy + r); });
    std::vector<Pt> tri = {{cx + sens * 10.f, cy}, {cx - sens * 7.f, cy - 11}, {cx - sens * 7.f, cy + 11}};
    remplit(img, polygone(tri), {}, [=](float, float y) { return dore(y, cy - 11, cy + 11); });
}

void medaillons(Image& img, float cx) {
    for (int c = 1; c <= 4; ++c) {
        float cy = 96 + (c - 1) * 96;
        Forme d = cercle(cx, cy, 20);
        ombre(img, trace(img, d, {}), 0, 0, 1.5f, 2.5f, 3, 0.5f);
        remplit(img, d, {}, [=](float x, float y) {
            return melange(rgb(255, 252, 240), rgb(222, 208, 176),
                           std::min(1.f, std::hypot(x - cx + 5, y - cy + 6) / 30));
        });
        remplit(img, contour(cercle(cx, cy, 20), 2.4f), {},
                [=](float, float y) { return dore(y, cy - 20, cy + 20); });
        Couleur e = encre(c);
        remplit(img, enseigne(c), {cx, cy, 23, 0}, [=](float, float y) {
            return melange(melange(e, rgb(255, 255, 255), 0.2f), melange(e, rgb(0, 0, 0), 0.3f),
                           (y - cy + 11) / 23);
        });
    }
}

} // namespace

Image fondmenu(Menu m, int k) {
    Image img = toile(640, 480, k);
    feutre(img, 0, 0, 640, 480, vertfeutre, m == Menu::belote ? 41 : m == Menu::memo ? 43 : 47, 0.4f);
    Forme panneau = rectarrondi(68, 27, 572, 453, 12);
    ombre(img, trace(img, panneau, {}), 0, 0, 2, 4, 7, 0.75f);
    remplit(img, panneau, {}, rgb(0, 0, 0));
    cadredore(img, 68, 27, 572, 453, 12, 2.4f);
    remplit(img, contour(rectarrondi(73.5f, 31.5f, 566.5f, 448.5f, 8), 0.8f), {},
            Couleur{or_.r, or_.g, or_.b, 0.3f});
    for (float y : {100.f, 170.f, 240.f, 310.f, 380.f}) filet(img, 320, y, 150);
    const char* nom = m == Menu::belote ? "Belote" : m == Menu::memo ? "Memo" : "Quadrel";
    titre(img, policetitre, 30, nom, 320, 24);
    if (m == Menu::quadrel) {
        fleche(img, 110, 205, -1);
        fleche(img, 530, 205, 1);
    } else {
        fleche(img, 110, 275, -1);
        fleche(img, 530, 275, 1);
    }
    medaillons(img, 34);
    medaillons(img, 606);
    return img;
}

Image fondscore(int k) {
    Image img = toile(500, 400, k);
    feutre(img, 0, 0, 500, 400, rgb(10, 44, 30), 53, 0.3f);
    cadredore(img, 1, 1, 499, 399, 10, 2.4f);
    // Title band and a rule under it; the rows sit on the dark cloth; two buttons at the bottom.
    remplit(img, rectarrondi(40, 45, 460, 46.4f, 0.6f), {}, Couleur{or_.r, or_.g, or_.b, 0.8f});
    bouton(img, 10, 354, 240, 394);
    bouton(img, 260, 354, 490, 394);
    return img;
}

Image fondnom(int k) {
    Image img = toile(400, 100, k);
    feutre(img, 0, 0, 400, 100, rgb(10, 44, 30), 59, 0.3f);
    cadredore(img, 1, 1, 399, 99, 8, 2.2f);
    boitenoire(img, 5, 40, 395, 88);
    return img;
}

} // namespace tlv
