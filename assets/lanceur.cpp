#include "assets/lanceur.h"

#include <cmath>
#include <numbers>

#include "assets/decor.h"
#include "assets/jeu.h"

namespace tlv {

namespace {
constexpr float pi = std::numbers::pi_v<float>;

// A slim ornament: a lozenge between two lines that fade out, for separating menu lines.
void fleuron(Image& img, float cx, float y, float demi) {
    for (int s : {-1, 1}) {
        std::vector<Pt> p = {{cx + s * 7.f, y - 0.6f}, {cx + s * demi, y}, {cx + s * 7.f, y + 0.6f}};
        remplit(img, polygone(p), {}, [=](float x, float) {
            float t = std::abs(x - cx) / demi;
            return Couleur{or_.r, or_.g, or_.b, 0.9f * (1 - t)};
        });
    }
    remplit(img, enseigne(2), {cx, y, 9, 0}, [=](float, float yy) { return dore(yy, y - 4, y + 4); });
}

// The web button's face. The program centres it in its 260 x 80 button at (350, 235) of the screen, so
// around the rounded body it shows the launcher as it lies under that place.
void boutonweb(Image& img, int ox, int oy, const Image& ecran) {
    const float w = 250, h = 60;
    const int k = img.k;
    Image b = toile(250, 60, k, {0, 0, 0, 1});
    copie(b, 0, 0, ecran, (350 + (260 - 250) / 2) * k, (235 + (80 - 60) / 2) * k, 250 * k, 60 * k);
    Forme corps = rectarrondi(1, 1, w - 1, h - 1, 13);
    remplit(b, corps, {}, [=](float, float y) {
        float t = y / h;
        return t < 0.5f ? melange(rgb(38, 112, 84), rgb(20, 78, 56), t * 2)
                        : melange(rgb(14, 62, 44), rgb(20, 74, 52), (t - 0.5f) * 2);
    });
    // Glossy upper half.
    remplit(b, rectarrondi(5, 4, w - 5, h / 2, 10), {}, [=](float, float y) {
        return Couleur{1, 1, 1, 0.16f * (1 - (y - 4) / (h / 2 - 4))};
    });
    remplit(b, contour(rectarrondi(2, 2, w - 2, h - 2, 12), 2.2f), {},
            [=](float, float y) { return dore(y, 0, h); });
    // Globe at the left end.
    float gx = 32, gy = h / 2, gr = 17;
    remplit(b, cercle(gx, gy, gr), {}, [=](float x, float y) {
        float d = std::hypot(x - gx + 6, y - gy + 6) / (gr * 1.6f);
        return melange(rgb(120, 200, 220), rgb(18, 70, 100), std::min(1.f, d));
    });
    Couleur filet{orclair.r, orclair.g, orclair.b, 0.9f};
    remplit(b, contour(cercle(gx, gy, gr), 1.6f), {}, filet);
    for (float f : {0.35f, 0.75f}) {
        float rx = gr * f;
        Forme ell{[=](float x, float y) {
                      float u = (x - gx) / rx, v = (y - gy) / gr;
                      return (std::sqrt(u * u + v * v) - 1) * rx;
                  },
                  gx - rx, gy - gr, gx + rx, gy + gr};
        remplit(b, contour(ell, 1.1f), {}, filet);
    }
    remplit(b, rectarrondi(gx - gr, gy - 0.55f, gx + gr, gy + 0.55f, 0.5f), {}, filet);
    for (float dy : {-8.f, 8.f}) {
        float demi = std::sqrt(gr * gr - dy * dy);
        remplit(b, rectarrondi(gx - demi, gy + dy - 0.5f, gx + demi, gy + dy + 0.5f, 0.5f), {}, filet);
    }
    copie(img, ox * k, oy * k, b, 0, 0, 250 * k, 60 * k);
}

} // namespace

Image imagelanceur(int k) {
    Image img = toile(640, 540, k, {0, 0, 0, 1});
    Image ecran = toile(640, 480, k);
    feutre(ecran, 0, 0, 640, 480, vertfeutre, 11, 0.45f);

    // Right panel: darker and calm under the cyan menu lines.
    Forme panneau = rectarrondi(322, 4, 635, 476, 14);
    ombre(ecran, trace(ecran, panneau, {}), 0, 0, 2, 3, 6, 0.5f);
    remplit(ecran, panneau, {}, [](float, float y) {
        return Couleur{0.02f, 0.09f, 0.06f, 0.62f + 0.1f * (y / 480)};
    });
    cadredore(ecran, 322, 4, 635, 476, 14, 2.2f);
    remplit(ecran, contour(rectarrondi(328, 10, 629, 470, 10), 0.8f), {},
            Couleur{or_.r, or_.g, or_.b, 0.35f});
    fleuron(ecran, 478, 74, 110);
    fleuron(ecran, 478, 144, 110);
    fleuron(ecran, 478, 405, 110);

    // Title and subtitle.
    titre(ecran, policetitre, 72, "Tolva'nexes", 160, 86);
    titre(ecran, policeserifital, 19, "Belote  ·  Memo  ·  Quadrel", 160, 124, false, rgb(246, 236, 208));
    // A row of the four suits in gold-rimmed medallions.
    for (int c = 1; c <= 4; ++c) {
        float cx = 160 + (c - 2.5f) * 52, cy = 168;
        Forme disque = cercle(cx, cy, 19);
        ombre(ecran, trace(ecran, disque, {}), 0, 0, 1.5f, 2.5f, 3, 0.5f);
        remplit(ecran, disque, {}, [=](float x, float y) {
            float d = std::hypot(x - cx + 5, y - cy + 6) / 30;
            return melange(rgb(255, 252, 240), rgb(226, 214, 186), std::min(1.f, d));
        });
        remplit(ecran, contour(cercle(cx, cy, 19), 2.4f), {},
                [=](float, float y) { return dore(y, cy - 19, cy + 19); });
        Couleur e = encre(c);
        remplit(ecran, enseigne(c), {cx, cy, 22, 0}, [=](float, float y) {
            return melange(melange(e, rgb(255, 255, 255), 0.25f), melange(e, rgb(0, 0, 0), 0.3f),
                           (y - cy + 11) / 22);
        });
    }

    // Recess around the clip's place so the clip sits in a frame.
    Forme niche = rectarrondi(-4, 213, 314, 267, 4);
    remplit(ecran, niche, {}, Couleur{0, 0.03f, 0.02f, 0.55f});
    cadredore(ecran, -4, 212, 315, 268, 5, 1.8f);

    // A fan of the deck's cards over a card back: the ace of spades and the three heads.
    auto faces = facesdujeu(92, 124, jeuparis, k);
    Image dos = dosdecarte(92, 124, k);
    posecarte(ecran, dos, 62, 380, -0.62f, 1.f);
    const int fan[4] = {0 * 8 + 7, 3 * 8 + 5, 2 * 8 + 4, 1 * 8 + 3}; // A pique, R coeur, D trefle, V carreau
    for (int i = 0; i < 4; ++i) {
        float a = -0.36f + i * 0.24f;
        float px = 160 + std::sin(a) * 220, py = 592 - std::cos(a) * 220;
        posecarte(ecran, faces[static_cast<size_t>(fan[i])], px, py, a, 1.f);
    }
    copie(img, 0, 0, ecran, 0, 0, 640 * k, 480 * k);
    boutonweb(img, 0, 480, ecran);
    return img;
}

namespace {

// A two-sided medallion (suit on the front, another suit on the back) seen at turn angle `theta`.
void medaillon(Image& img, float cx, float cy, float theta, int avant, int arriere) {
    float sx = std::cos(theta);
    int face = sx >= 0 ? avant : arriere;
    float kx = std::max(0.04f, std::abs(sx));
    const float r = 17;
    auto aplati = [=](const Forme& f) {
        return Forme{[=](float x, float y) { return f.d(x / kx, y) * std::min(1.f, kx * 1.5f); }, f.x0 * kx,
                     f.y0, f.x1 * kx, f.y1};
    };
    Forme disque = aplati(cercle(0, 0, r));
    ombre(img, trace(img, disque, {cx, cy, 1, 0}), 0, 0, 2, 3, 3, 0.55f);
    // Shading follows the turn: the face darkens as it goes edge-on.
    float lum = 0.55f + 0.45f * kx;
    remplit(img, disque, {cx, cy, 1, 0}, [=](float, float y) {
        Couleur c = melange(rgb(255, 252, 240), rgb(222, 208, 176), (y - cy + r) / (2 * r));
        return Couleur{c.r * lum, c.g * lum, c.b * lum, 1};
    });
    remplit(img, aplati(contour(cercle(0, 0, r - 1), 3)), {cx, cy, 1, 0},
            [=](float, float y) { return dore(y, cy - r, cy + r); });
    Couleur e = encre(face);
    Forme s = enseigne(face);
    Forme petite{[=](float x, float y) { return s.d(x / 20, y / 20) * 20; }, s.x0 * 20, s.y0 * 20, s.x1 * 20,
                 s.y1 * 20};
    remplit(img, aplati(petite), {cx, cy, 1, 0}, [=](float, float y) {
        Couleur c = melange(melange(e, rgb(255, 255, 255), 0.25f), melange(e, rgb(0, 0, 0), 0.3f),
                            (y - cy + 10) / 20);
        return Couleur{c.r * lum, c.g * lum, c.b * lum, 1};
    });
}

} // namespace

Image cliplanceur(int k) {
    const int w = 310, h = 48;
    Image fond = toile(w, h, k);
    feutre(fond, 0, 0, w, h, rgb(16, 78, 44), 29, 0.5f);
    // Darker band with gold rules at top and bottom.
    for (int py = 0; py < h * k; ++py)
        for (int px = 0; px < w * k; ++px) {
            float t = std::abs(unite(py, k) - 23.5f) / 24;
            Couleur& c = fond.at(px, py);
            float l = 0.8f - 0.3f * t * t;
            c = {c.r * l, c.g * l, c.b * l, 1};
        }
    remplit(fond, rectarrondi(0, 1, w, 2.4f, 0.5f), {}, Couleur{or_.r, or_.g, or_.b, 0.85f});
    remplit(fond, rectarrondi(0, h - 2.4f, w, h - 1, 0.5f), {}, Couleur{or_.r, or_.g, or_.b, 0.85f});

    Image clip = toile(w, h * imagesclip, k);
    const int n = 5;
    for (int f = 0; f < imagesclip; ++f) {
        Image im = fond;
        float temps = static_cast<float>(f) / imagesclip; // one full cycle per loop
        for (int i = 0; i < n; ++i) {
            // A wave of half turns running from left to right; each medallion shows two suits.
            float phase = temps - static_cast<float>(i) / n;
            phase -= std::floor(phase);
            float theta = 2 * pi * phase;
            float cy = 24 + 3 * std::sin(2 * pi * (temps - static_cast<float>(i) / n) + 1.f);
            medaillon(im, 31 + 62 * i, cy, theta, 1 + i % 4, 1 + (i + 2) % 4);
        }
        // A soft glint sweeping across once per loop.
        float gx = -60 + (w + 120) * temps;
        for (int py = 0; py < h * k; ++py)
            for (int px = 0; px < w * k; ++px) {
                float d = (unite(px, k) - gx + (unite(py, k) - 24) * 0.5f) / 26;
                float l = std::exp(-d * d) * 0.12f;
                Couleur& c = im.at(px, py);
                c = melange(c, rgb(255, 240, 200), l);
            }
        copie(clip, 0, f * h * k, im, 0, 0, w * k, h * k);
    }
    return clip;
}

} // namespace tlv
