#include "assets/jeu.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "assets/formes.h"
#include "assets/texte.h"

namespace tlv {

namespace {

// Whole-document render scale: the deck's cards come out about 500 pixels wide, more than the largest face.
constexpr double echelle = 3;

const char* nomcouleur(int s) {
    static const char* n[5] = {"", "spade", "diamond", "club", "heart"};
    return n[s];
}
const char* nomrang(int r) {
    static const char* n[8] = {"7", "8", "9", "jack", "queen", "king", "10", "1"};
    return n[r];
}

// Cuts a rectangle of the cairo surface (premultiplied BGRA) into a straight-alpha picture.
Image extrait(cairo_surface_t* s, int x0, int y0, int w, int h) {
    const unsigned char* d = cairo_image_surface_get_data(s);
    int pas = cairo_image_surface_get_stride(s), sw = cairo_image_surface_get_width(s),
        sh = cairo_image_surface_get_height(s);
    Image r(w, h, {0, 0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sx = x0 + x, sy = y0 + y;
            if (sx < 0 || sy < 0 || sx >= sw || sy >= sh) continue;
            const unsigned char* p = d + static_cast<size_t>(sy) * pas + static_cast<size_t>(sx) * 4;
            float a = p[3] / 255.f;
            if (a <= 0) continue;
            r.at(x, y) = {p[2] / 255.f / a, p[1] / 255.f / a, p[0] / 255.f / a, a};
        }
    return r;
}

// Samples `src` (its rectangle u0..u1, v0..v1) into the box x0..x1, y0..y1 of `dst` with bilinear filtering.
void etire(Image& dst, const Image& src, float u0, float v0, float u1, float v1, float x0, float y0, float x1,
           float y1) {
    for (int y = std::max(0, static_cast<int>(y0)); y < std::min<int>(dst.h, static_cast<int>(std::ceil(y1)));
         ++y)
        for (int x = std::max(0, static_cast<int>(x0));
             x < std::min<int>(dst.w, static_cast<int>(std::ceil(x1))); ++x) {
            float u = u0 + (x + 0.5f - x0) / (x1 - x0) * (u1 - u0),
                  v = v0 + (y + 0.5f - y0) / (y1 - y0) * (v1 - v0);
            Couleur c = src.echantillon(u, v);
            pose(dst.at(x, y), {c.r, c.g, c.b, 1}, c.a);
        }
}

// Replaces the deck's English corner letter (J, Q, K) by the French one, in both corners.
void lettrefrancaise(Image& carte, const char* lettre) {
    // The index letter occupies this box of the deck's card (measured on the Paris deck).
    const float bx0 = 0.035f, bx1 = 0.165f, by0 = 0.022f, by1 = 0.147f;
    for (bool bas : {false, true}) {
        auto lit = [&](int x, int y) -> Couleur& {
            return bas ? carte.at(carte.w - 1 - x, carte.h - 1 - y) : carte.at(x, y);
        };
        int x0 = static_cast<int>(bx0 * carte.w), x1 = static_cast<int>(bx1 * carte.w);
        int y0 = static_cast<int>(by0 * carte.h), y1 = static_cast<int>(by1 * carte.h);
        // Ink colour of the old letter: its darkest pixel.
        Couleur encrec{0, 0, 0, 1};
        float mini = 9;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                Couleur c = lit(x, y);
                float l = c.r + c.g + c.b;
                if (c.a > 0.9f && l < mini) mini = l, encrec = c;
            }
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) lit(x, y) = {1, 1, 1, 1};
        Image calque(x1 - x0, y1 - y0, {0, 0, 0, 0});
        Texte t = ecrit(policeserif, (y1 - y0) * 1.3f, lettre);
        int ox = static_cast<int>(std::lround(calque.w / 2.f - t.encre0 - t.largeurencre / 2.f));
        int base = static_cast<int>(std::lround(calque.h * 0.96f)); // the old letters' baseline
        compose(calque, t.m, ox, base - t.oy, encrec);
        for (int y = 0; y < calque.h; ++y)
            for (int x = 0; x < calque.w; ++x) {
                // lit() already turns the lower corner by half a turn.
                Couleur c = calque.at(x, y);
                pose(lit(x0 + x, y0 + y), {c.r, c.g, c.b, 1}, c.a);
            }
    }
}

struct Document {
    RsvgHandle* h = nullptr;
    ~Document() {
        if (h) g_object_unref(h);
    }
};

using SurfaceCairo = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;

// The deck read and drawn at `echelle`; (w, h) its own size. One render of the whole document: rendering
// the cards one by one loses parts of the heads.
SurfaceCairo rendsjeu(Document& doc, const std::string& chemin, double& w, double& h) {
    GError* err = nullptr;
    doc.h = rsvg_handle_new_from_file(chemin.c_str(), &err);
    if (!doc.h) {
        if (err) g_error_free(err);
        throw std::runtime_error("jeu de cartes illisible: " + chemin + " (paquet kdegames-card-data-kf5)");
    }
    if (!rsvg_handle_get_intrinsic_size_in_pixels(doc.h, &w, &h))
        throw std::runtime_error("jeu sans dimensions");
    int W = static_cast<int>(w * echelle), H = static_cast<int>(h * echelle);
    SurfaceCairo surf(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H), cairo_surface_destroy);
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surf.get()), cairo_destroy);
    RsvgRectangle vp{0, 0, static_cast<double>(W), static_cast<double>(H)};
    if (!rsvg_handle_render_document(doc.h, cr.get(), &vp, &err)) {
        if (err) g_error_free(err);
        throw std::runtime_error("rendu du jeu impossible: " + chemin);
    }
    cairo_surface_flush(surf.get());
    return surf;
}

// A face's size before it is reduced: lh x hh, `sur` times finer than its k times finer pixels; its
// corners' radius, and `f` for the edges and corners that follow the card's size.
struct Gabarit {
    int sur, k, lh, hh;
    float f, rayon;
};

// The deck's card laid in our blank: its own border dropped, its art at full height a little widened to
// our proportions, the round corners kept clean, then our edge.
Image habille(const Image& carte, const Image& blanc, const Gabarit& g) {
    const int sur = g.sur, k = g.k, lh = g.lh, hh = g.hh;
    float mx = carte.w * 0.028f, my = carte.h * 0.02f;
    Image face = blanc;
    float haut = 1.5f * sur * g.f * k,
          larg = (hh - 2 * haut) * (carte.w - 2 * mx) / (carte.h - 2 * my) * 1.1f;
    float gauche = (lh - larg) / 2;
    etire(face, carte, mx, my, carte.w - mx, carte.h - my, gauche, haut, gauche + larg, hh - haut);
    Masque coins = trace(lh, hh, rectarrondi(0, 0, lh, hh, g.rayon), {});
    for (size_t i = 0; i < face.p.size(); ++i) face.p[i].a = std::min(face.p[i].a, coins.v[i]);
    remplit(face,
            contour(rectarrondi(sur * 0.5f * k, sur * 0.5f * k, lh - sur * 0.5f * k, hh - sur * 0.5f * k,
                                g.rayon),
                    sur * 1.1f * g.f * k),
            {}, rgb(70, 66, 60));
    return reduit(face, sur);
}

} // namespace

std::array<Image, 32> facesdujeu(int largeur, int hauteur, const std::string& chemin, int k) {
    // Built four times larger at 1x, then reduced; twice above, where a face is large enough for smooth
    // edges.
    const int sur = k == 1 ? 4 : 2;
    const float f =
        largeur / static_cast<float>(LargeurCarte); // edge and corner sizes follow the card's size
    const Gabarit g{sur, k, largeur * k * sur, hauteur * k * sur, f, 5.5f * sur * f * k};
    Document doc;
    double w, h;
    const SurfaceCairo surf = rendsjeu(doc, chemin, w, h);
    RsvgRectangle vp1{0, 0, w, h};

    // Our card blank: white with a fine dark edge; the deck's art is laid inside it.
    Image blanc(g.lh, g.hh, {0, 0, 0, 0});
    remplit(blanc, rectarrondi(0, 0, g.lh, g.hh, g.rayon), {}, rgb(255, 255, 255));
    std::array<Image, 32> r;
    GError* err = nullptr;
    for (int s = 1; s <= 4; ++s)
        for (int n = 0; n < 8; ++n) {
            std::string id = std::string("#") + nomrang(n) + "_" + nomcouleur(s);
            RsvgRectangle ink, log;
            if (!rsvg_handle_get_geometry_for_layer(doc.h, id.c_str(), &vp1, &ink, &log, &err)) {
                if (err) g_error_free(err);
                throw std::runtime_error("carte absente du jeu: " + id);
            }
            Image carte =
                extrait(surf.get(), static_cast<int>(log.x * echelle), static_cast<int>(log.y * echelle),
                        static_cast<int>(log.width * echelle), static_cast<int>(log.height * echelle));
            if (n >= 3 && n <= 5) lettrefrancaise(carte, n == 3 ? "V" : n == 4 ? "D" : "R");
            r[static_cast<size_t>((s - 1) * 8 + n)] = habille(carte, blanc, g);
        }
    return r;
}

} // namespace tlv
