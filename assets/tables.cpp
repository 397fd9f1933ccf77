#include "assets/tables.h"

#include <algorithm>
#include <cmath>

#include "assets/decor.h"
#include "socle/carte.h"

namespace tlv {

Couleur bornefeutre(Couleur c) {
    // Green in 64..127, red and blue under 64 (in 0..255 units), so that AND 64 gives (0, 64, 0) everywhere.
    return {std::clamp(c.r, 0.f, 60 / 255.f), std::clamp(c.g, 67 / 255.f, 124 / 255.f),
            std::clamp(c.b, 0.f, 60 / 255.f), 1};
}

namespace {

// Dark panel of the right side, with a leather grain.
void panneau(Image& img, int x0, int y0, int x1, int y1) {
    for (int py = y0 * img.k; py < y1 * img.k; ++py)
        for (int px = x0 * img.k; px < x1 * img.k; ++px) {
            float x = unite(px, img.k), y = unite(py, img.k);
            float n = bruitfractal(x, y, 40, 3, 77) - 0.5f, g = bruit(x, y, 78) - 0.5f;
            float k = 1 + n * 0.25f + g * 0.08f;
            img.at(px, py) = {0.055f * k, 0.1f * k, 0.085f * k, 1};
        }
}

} // namespace

void boitenoire(Image& img, float x0, float y0, float x1, float y1) {
    // A black box (the program clears it in black) set in a thin gold frame just outside it.
    remplit(img, rectarrondi(x0 - 2, y0 - 2, x1 + 2, y1 + 2, 3), {},
            [=](float, float y) { return dore(y, y0 - 2, y1 + 2); });
    remplit(img, rectarrondi(x0 - 1, y0 - 1, x1 + 1, y1 + 1, 2), {}, rgb(30, 22, 8));
    const int k = img.k;
    for (int y = static_cast<int>(y0) * k; y < static_cast<int>(y1) * k; ++y)
        for (int x = static_cast<int>(x0) * k; x < static_cast<int>(x1) * k; ++x) img.at(x, y) = {0, 0, 0, 1};
}

void bouton(Image& img, float x0, float y0, float x1, float y1) {
    Forme f = rectarrondi(x0, y0, x1, y1, 8);
    ombre(img, trace(img, f, {}), 0, 0, 1, 2, 3, 0.6f);
    float h = y1 - y0;
    remplit(img, f, {}, [=](float, float y) {
        float t = (y - y0) / h;
        return t < 0.5f ? melange(rgb(24, 60, 52), rgb(12, 36, 30), t * 2)
                        : melange(rgb(8, 28, 22), rgb(14, 40, 32), (t - 0.5f) * 2);
    });
    remplit(img, contour(rectarrondi(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 7.5f), 1.6f), {},
            [=](float, float y) { return dore(y, y0, y1); });
}

Image tablebelote(int k) {
    Image img = toile(640, 480, k);
    feutre(img, 0, 0, 480, 480, rgb(22, 100, 46), 3, 0.28f);
    // A faint ring and a lozenge at the centre, in the cloth's own tones.
    Forme anneau = contour(cercle(240, 240, 178), 2.5f);
    remplit(img, anneau, {}, Couleur{0, 0, 0, 0.16f});
    remplit(img, contour(cercle(240, 240, 171), 1.f), {}, Couleur{0.5f, 0.8f, 0.5f, 0.07f});
    for (int y = 0; y < 480 * k; ++y)
        for (int x = 0; x < 480 * k; ++x) img.at(x, y) = bornefeutre(img.at(x, y));

    // Right panel.
    panneau(img, 480, 0, 640, 480);
    // Wooden rail between the cloth and the panel.
    for (int py = 0; py < 480 * k; ++py)
        for (int px = 478 * k; px < 486 * k; ++px) {
            float x = unite(px, k), y = unite(py, k);
            float t = (x - 478) / 8.f;
            float grain = bruit(x * 0.3f, y * 0.05f, 91) * 0.2f;
            Couleur bois = melange(rgb(110, 64, 30), rgb(58, 30, 12), std::abs(t - 0.35f) * 1.5f);
            float l = 1 + grain - 0.1f;
            img.at(px, py) = {bois.r * l, bois.g * l, bois.b * l, 1};
        }
    remplit(img, rectarrondi(486, 0, 487, 480, 0.3f), {}, Couleur{or_.r, or_.g, or_.b, 0.6f});
    // Contract strip: stays plain for the cyan contract text; the trump sign is laid at (596, 4).
    remplit(img, rectarrondi(490, 44, 636, 45.2f, 0.5f), {}, Couleur{or_.r, or_.g, or_.b, 0.7f});
    // Heads "Vous" / "Eux": two plates.
    for (float x0 : {489.f, 567.f}) {
        remplit(img, rectarrondi(x0, 47, x0 + 68, 67, 4), {},
                [](float, float y) { return melange(rgb(30, 52, 44), rgb(14, 28, 22), (y - 47) / 20); });
        remplit(img, contour(rectarrondi(x0, 47, x0 + 68, 67, 4), 1), {}, Couleur{or_.r, or_.g, or_.b, 0.8f});
    }
    // The pad: a black slate with a gold divider, for 21 lines from y 70 to 364.
    for (int y = 69 * k; y < 366 * k; ++y)
        for (int x = 483 * k; x < 638 * k; ++x) img.at(x, y) = {0, 0, 0, 1};
    remplit(img, rectarrondi(482, 68, 639, 367, 2), {}, Couleur{0, 0, 0, 0});
    remplit(img, contour(rectarrondi(482.5f, 68.5f, 638.5f, 366.5f, 2), 1), {},
            Couleur{or_.r, or_.g, or_.b, 0.75f});
    remplit(img, rectarrondi(553, 72, 554.2f, 362, 0.5f), {}, Couleur{or_.r, or_.g, or_.b, 0.45f});
    // Totals.
    titre(img, policeserifital, 15, "Total", 560, 404, false, rgb(240, 228, 196));
    boitenoire(img, 490, 416, 552, 436);
    boitenoire(img, 570, 416, 630, 436);
    bouton(img, 484, 442, 636, 476);
    return img;
}

Image placevide(int k) {
    Image p = toile(LargeurCarte, HauteurCarte, k, {0, 0, 0, 1});
    Forme creux = rectarrondi(2, 2, 69, 94, 5);
    remplit(p, creux, {}, [](float x, float y) {
        // Dark felt, a touch lighter in the middle, with a fixed grain so every place is identical.
        float d = std::hypot((x - 35.5f) / 35, (y - 48) / 48);
        float l = 1 - 0.22f * d + (bruit(x - 0.5f, y - 0.5f, 5) - 0.5f) * 0.06f;
        return Couleur{0.055f * l, 0.33f * l, 0.15f * l, 1};
    });
    remplit(p, contour(rectarrondi(2.5f, 2.5f, 68.5f, 93.5f, 4.5f), 1), {}, Couleur{0, 0, 0, 0.6f});
    remplit(p, contour(rectarrondi(3.5f, 3.5f, 67.5f, 92.5f, 3.5f), 0.8f), {},
            Couleur{0.4f, 0.7f, 0.5f, 0.12f});
    remplit(p, enseigne(2), {35.5f, 48, 16, 0}, Couleur{0.6f, 0.8f, 0.6f, 0.07f});
    // Same bounds as the cloth, so that the veil of the score screen darkens the felt of the places evenly.
    for (auto& c : p.p)
        if (c.g > 0.2f) c = bornefeutre(c);
    return p;
}

} // namespace tlv

namespace tlv {

namespace {

Image tablegrille(bool quadrel, int k) {
    Image img = toile(640, 480, k);
    feutre(img, 0, 0, 640, 480, rgb(22, 100, 46), quadrel ? 17 : 13, 0.3f);
    for (auto& c : img.p) c = bornefeutre(c);
    // The tray: a black frame round the grid with a gold rim, then the places.
    Forme plateau = rectarrondi(30, 42, 610, 438, 6);
    ombre(img, trace(img, plateau, {}), 0, 0, 2, 3, 5, 0.7f);
    remplit(img, plateau, {}, rgb(0, 0, 0));
    remplit(img, contour(rectarrondi(31, 43, 609, 437, 5.5f), 1.6f), {},
            [](float, float y) { return dore(y, 42, 438); });
    Image place = placevide(k);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c)
            copie(img, (36 + c * LargeurCarte) * k, (48 + r * HauteurCarte) * k, place, 0, 0,
                  LargeurCarte * k, HauteurCarte * k);
    if (quadrel) {
        boitenoire(img, 165, 12, 310, 35);
        boitenoire(img, 330, 12, 460, 35);
    } else {
        boitenoire(img, 245, 12, 380, 35);
    }
    bouton(img, 243, 437, 397, 474);
    // The title in the corners of the top band.
    titre(img, policetitre, 26, quadrel ? "Quadrel" : "Memo", quadrel ? 80 : 120, 32);
    return img;
}

} // namespace

Image tablememo(int k) {
    return tablegrille(false, k);
}
Image tablequadrel(int k) {
    return tablegrille(true, k);
}

} // namespace tlv
