#include "assets/decor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tlv {

void feutre(Image& img, int x0, int y0, int x1, int y1, Couleur base, uint32_t graine, float vignette) {
    float cx = (x0 + x1) / 2.f, cy = (y0 + y1) / 2.f;
    float rx = (x1 - x0) / 2.f, ry = (y1 - y0) / 2.f;
    const int n = img.k;
    for (int py = std::max(0, y0 * n); py < std::min(img.h, y1 * n); ++py)
        for (int px = std::max(0, x0 * n); px < std::min(img.w, x1 * n); ++px) {
            // The weave is one field sampled finer at higher scales; the grain between its knots is smooth.
            float x = unite(px, n), y = unite(py, n);
            float nx = (x + 0.5f - cx) / rx, ny = (y + 0.5f - cy) / ry;
            float v = 1 - vignette * std::min(1.f, 0.55f * (nx * nx + ny * ny));
            // Cloudy light, then fine fibres slanted both ways, then grain.
            float nuage = bruitfractal(x, y, 90, 4, graine) - 0.5f;
            float fibre = bruit(x * 0.9f + y * 0.35f, y * 0.12f - x * 0.05f, graine + 7) - 0.5f;
            float fibre2 = bruit(x * 0.12f + y * 0.04f, y * 0.9f - x * 0.3f, graine + 11) - 0.5f;
            float grain = bruit(x, y, graine + 3) - 0.5f;
            float k = v * (1 + nuage * 0.16f + fibre * 0.07f + fibre2 * 0.06f + grain * 0.05f);
            img.at(px, py) = {base.r * k, base.g * k, base.b * k, 1};
        }
}

void ombre(Image& img, const Masque& m, int ox, int oy, float dx, float dy, float rayon, float opacite) {
    dx *= img.k, dy *= img.k;
    // Only the shape's own box is blurred: zeros around it add nothing, and large pictures stay fast.
    int x0 = m.w, y0 = m.h, x1 = -1, y1 = -1;
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            if (m.at(x, y) > 0)
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    if (x1 < 0) return;
    Masque boite(x1 - x0 + 1, y1 - y0 + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) boite.at(x - x0, y - y0) = m.at(x, y);
    ox += x0, oy += y0;
    int marge = static_cast<int>(rayon * img.k * 2) + 2;
    Masque f = flou(elargi(boite, marge), rayon, img.k);
    compose(img, f, ox - marge + static_cast<int>(std::lround(dx)),
            oy - marge + static_cast<int>(std::lround(dy)), Couleur{0, 0.02f, 0.01f, opacite});
}

Couleur dore(float y, float y0, float y1) {
    float t = std::clamp((y - y0) / std::max(1.f, y1 - y0), 0.f, 1.f);
    // Light at the top, a bright band just above the middle, deep at the bottom: a metallic look.
    if (t < 0.42f) return melange(rgb(255, 244, 196), rgb(236, 196, 104), t / 0.42f);
    if (t < 0.5f) return melange(rgb(236, 196, 104), rgb(170, 120, 40), (t - 0.42f) / 0.08f);
    return melange(rgb(176, 126, 46), rgb(238, 200, 110), (t - 0.5f) / 0.5f);
}

void cadredore(Image& img, float x0, float y0, float x1, float y1, float rayon, float e) {
    Forme ext = rectarrondi(x0, y0, x1, y1, rayon);
    Forme filet = contour(ext, e);
    remplit(img, contour(rectarrondi(x0 + e, y0 + e, x1 - e, y1 - e, std::max(0.f, rayon - e)), 1.f), {},
            Couleur{0, 0, 0, 0.45f});
    remplit(img, filet, {}, [=](float, float y) { return dore(y, y0, y1); });
}

int titre(Image& img, const std::string& police, float taille, const std::string& s, float cx, float base,
          bool doree, Couleur c, float approche) {
    const int k = img.k;
    Texte t = ecrit(police, taille * k, s, approche * k);
    int ox = static_cast<int>(std::lround(cx * k - t.encre0 - t.largeurencre / 2.f));
    int oy = static_cast<int>(std::lround(base * k)) - t.oy;
    ombre(img, t.m, ox, oy, taille * 0.035f + 1, taille * 0.05f + 1, taille * 0.05f + 1, 0.75f);
    // A dark rim makes the letters stand off busy backgrounds.
    Masque rim = flou(elargi(t.m, 3 * k), 1.2f, k);
    for (auto& v : rim.v) v = std::min(1.f, v * 2.5f);
    compose(img, rim, ox - 3 * k, oy - 3 * k, Couleur{0.08f, 0.05f, 0.01f, 0.8f});
    float haut = static_cast<float>(oy + t.oy) / k - taille * 0.72f,
          bas = static_cast<float>(oy + t.oy) / k + taille * 0.05f;
    if (doree)
        compose(img, t.m, ox, oy, [=](float, float y) { return dore(y, haut, bas); });
    else
        compose(img, t.m, ox, oy, c);
    return t.largeurencre / k;
}

namespace {

// Corner index: the letter and a small suit below it, laid at (x, y) top-left; `retourne` turns it upside
// down about the card's centre.
void indexcoin(Image& face, int couleur, const std::string& lettre, float x, float y, float h,
               bool retourne) {
    Image calque(face.w, face.h, {0, 0, 0, 0});
    Texte t = ecrit(policeserif, h, lettre);
    int ox = static_cast<int>(std::lround(x + h * 0.32f - t.encre0 - t.largeurencre / 2.f));
    compose(calque, t.m, ox, static_cast<int>(std::lround(y + h * 0.78f)) - t.oy, encre(couleur));
    remplit(calque, enseigne(couleur), {x + h * 0.32f, y + h * 1.25f, h * 0.62f, 0}, encre(couleur));
    for (int j = 0; j < face.h; ++j)
        for (int i = 0; i < face.w; ++i) {
            const Couleur& c = retourne ? calque.at(face.w - 1 - i, face.h - 1 - j) : calque.at(i, j);
            pose(face.at(i, j), {c.r, c.g, c.b, 1}, c.a);
        }
}

// A suit sign with a little relief: darker rim at the bottom, a soft sheen at the top.
void enseignerelief(Image& img, int couleur, float cx, float cy, float taille, float angle = 0) {
    Couleur c = encre(couleur);
    Couleur clair = melange(c, rgb(255, 255, 255), 0.35f), sombre = melange(c, rgb(0, 0, 0), 0.35f);
    float y0 = cy - taille / 2, y1 = cy + taille / 2;
    remplit(img, enseigne(couleur), {cx, cy, taille, angle}, [=](float, float y) {
        float t = std::clamp((y - y0) / (y1 - y0), 0.f, 1.f);
        return t < 0.5f ? melange(clair, c, t * 2) : melange(c, sombre, (t - 0.5f) * 2);
    });
}

const char* lettrerang(int rang) {
    switch (rang) {
    case 1:
        return "A";
    case 11:
        return "V";
    case 12:
        return "D";
    case 13:
        return "R";
    case 10:
        return "10";
    case 9:
        return "9";
    case 8:
        return "8";
    default:
        return "7";
    }
}

// Pip places on the face for 7..10, in units of the pip area (0..1 each way).
std::vector<Pt> places(int rang) {
    std::vector<Pt> p = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 0.5f}, {1, 0.5f}};
    if (rang == 7) p.push_back({0.5f, 0.25f});
    if (rang == 8) p.push_back({0.5f, 0.25f}), p.push_back({0.5f, 0.75f});
    if (rang == 9)
        p = {{0, 0},       {1, 0},       {0, 1},       {1, 1},      {0, 1 / 3.f},
             {1, 1 / 3.f}, {0, 2 / 3.f}, {1, 2 / 3.f}, {0.5f, 0.5f}};
    if (rang == 10)
        p = {{0, 0},       {1, 0},       {0, 1},       {1, 1},          {0, 1 / 3.f},
             {1, 1 / 3.f}, {0, 2 / 3.f}, {1, 2 / 3.f}, {0.5f, 1 / 6.f}, {0.5f, 5 / 6.f}};
    return p;
}

} // namespace

Image facedessinee(int couleur, int rang, int w, int h) {
    Image face(w, h, {0, 0, 0, 0});
    float r = w * 0.07f;
    Forme bord = rectarrondi(0, 0, static_cast<float>(w), static_cast<float>(h), r);
    remplit(face, bord, {}, [=](float x, float y) {
        float t = (x / w + y / h) / 2;
        return melange(rgb(255, 253, 246), rgb(238, 232, 214), t);
    });
    remplit(face, contour(rectarrondi(0.5f, 0.5f, w - 0.5f, h - 0.5f, r), 1.f), {},
            Couleur{0.35f, 0.33f, 0.3f, 0.9f});
    float hi = h * 0.16f;
    indexcoin(face, couleur, lettrerang(rang), w * 0.04f, h * 0.035f, hi, false);
    indexcoin(face, couleur, lettrerang(rang), w * 0.04f, h * 0.035f, hi, true);
    if (rang == 1) {
        enseignerelief(face, couleur, w / 2.f, h / 2.f, h * 0.42f);
    } else if (rang >= 11) {
        // A framed panel with the crowned initial: simple and readable at small sizes.
        float x0 = w * 0.24f, y0 = h * 0.2f, x1 = w * 0.76f, y1 = h * 0.8f;
        remplit(face, rectarrondi(x0, y0, x1, y1, w * 0.04f), {}, [=](float, float y) {
            return melange(rgb(250, 236, 196), rgb(232, 206, 150), (y - y0) / (y1 - y0));
        });
        remplit(face, contour(rectarrondi(x0, y0, x1, y1, w * 0.04f), std::max(1.f, w * 0.015f)), {}, or_);
        Texte t = ecrit(policeserif, h * 0.3f, lettrerang(rang));
        compose(face, t.m, static_cast<int>(std::lround(w / 2.f - t.encre0 - t.largeurencre / 2.f)),
                static_cast<int>(std::lround(h * 0.62f)) - t.oy, encre(couleur));
        enseignerelief(face, couleur, w / 2.f, h * 0.71f, h * 0.1f);
    } else {
        float ax = w * 0.3f, bx = w * 0.7f, ay = h * 0.2f, by = h * 0.8f;
        for (Pt p : places(rang)) {
            float y = ay + (by - ay) * p.y;
            enseignerelief(face, couleur, ax + (bx - ax) * p.x, y, h * 0.15f,
                           p.y > 0.55f ? std::numbers::pi_v<float> : 0);
        }
    }
    return face;
}

Image dosdecarte(int w, int h, int k) {
    Image dos = toile(w, h, k, {0, 0, 0, 0});
    float r = w * 0.07f;
    remplit(dos, rectarrondi(0, 0, static_cast<float>(w), static_cast<float>(h), r), {}, rgb(250, 246, 234));
    remplit(dos, contour(rectarrondi(0.5f, 0.5f, w - 0.5f, h - 0.5f, r), 1.f), {},
            Couleur{0.35f, 0.33f, 0.3f, 0.9f});
    float m = std::max(3.f, w * 0.075f);
    float x0 = m, y0 = m, x1 = w - m, y1 = h - m;
    // Burgundy field with a gold lattice of lozenges.
    float pas = std::max(6.f, w / 7.f);
    Forme champ = rectarrondi(x0, y0, x1, y1, r * 0.5f);
    remplit(dos, champ, {}, [=](float x, float y) {
        float u = (x - w / 2.f) / pas, v = (y - h / 2.f) / pas;
        float a = std::abs(u + v - std::round(u + v)), b = std::abs(u - v - std::round(u - v));
        float ligne = std::min(a, b) * pas;
        // The lattice keeps its width at every scale, its edge one pixel soft.
        float l = k == 1 ? std::clamp(1.2f - ligne / 1.1f, 0.f, 1.f)
                         : std::clamp(0.5f + (0.77f - ligne) * k / 1.1f, 0.f, 1.f);
        float grad = 0.85f + 0.3f * (1 - y / h);
        Couleur fondc{0.47f * grad, 0.07f * grad, 0.1f * grad, 1};
        return melange(fondc, melange(or_, orfonce, 0.3f), l * 0.75f);
    });
    remplit(dos, contour(rectarrondi(x0, y0, x1, y1, r * 0.5f), std::max(1.f, w * 0.02f)), {}, or_);
    // Central medallion.
    float rm = w * 0.24f;
    remplit(dos, cercle(w / 2.f, h / 2.f, rm), {}, [=](float, float y) {
        return melange(rgb(120, 18, 28), rgb(70, 8, 14), (y - (h / 2.f - rm)) / (2 * rm));
    });
    remplit(dos, contour(cercle(w / 2.f, h / 2.f, rm), std::max(1.f, w * 0.025f)), {},
            [=](float, float y) { return dore(y, h / 2.f - rm, h / 2.f + rm); });
    Texte t = ecrit(policetitre, rm * 1.7f * k, "T");
    compose(dos, t.m, static_cast<int>(std::lround(w / 2.f * k - t.encre0 - t.largeurencre / 2.f)),
            static_cast<int>(std::lround((h / 2.f + rm * 0.5f) * k)) - t.oy,
            [=](float, float y) { return dore(y, h / 2.f - rm * 0.7f, h / 2.f + rm * 0.6f); });
    return dos;
}

void posecarte(Image& dst, const Image& carte, float cx, float cy, float angle, float echelle,
               float ombrage) {
    cx *= dst.k, cy *= dst.k;
    float co = std::cos(angle), si = std::sin(angle);
    float hw = carte.w * echelle / 2, hh = carte.h * echelle / 2;
    float ext = std::abs(hw * co) + std::abs(hh * si) + 2, exty = std::abs(hw * si) + std::abs(hh * co) + 2;
    int xa = std::max(0, static_cast<int>(cx - ext)), xb = std::min(dst.w, static_cast<int>(cx + ext) + 1);
    int ya = std::max(0, static_cast<int>(cy - exty)), yb = std::min(dst.h, static_cast<int>(cy + exty) + 1);
    Image calque(xb - xa > 0 ? xb - xa : 0, yb - ya > 0 ? yb - ya : 0, {0, 0, 0, 0});
    // Supersample 2 x 2 so the turned edges and details stay smooth.
    for (int y = ya; y < yb; ++y)
        for (int x = xa; x < xb; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < 2; ++sy)
                for (int sx = 0; sx < 2; ++sx) {
                    float dx = x + 0.25f + 0.5f * sx - cx, dy = y + 0.25f + 0.5f * sy - cy;
                    float u = (dx * co + dy * si) / echelle + carte.w / 2.f;
                    float v = (-dx * si + dy * co) / echelle + carte.h / 2.f;
                    Couleur c = carte.echantillon(u, v);
                    r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
                }
            if (a > 0) calque.at(x - xa, y - ya) = {r / a, g / a, b / a, a / 4};
        }
    if (ombrage > 0) {
        Masque m(calque.w, calque.h);
        for (size_t i = 0; i < m.v.size(); ++i) m.v[i] = calque.p[i].a;
        ombre(dst, m, xa, ya, 1.5f * echelle + 1, 2.5f * echelle + 1, 3.5f * echelle + 1, ombrage);
    }
    colle(dst, calque, xa, ya);
}

} // namespace tlv
