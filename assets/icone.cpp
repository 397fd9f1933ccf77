#include "assets/icone.h"

#include <librsvg/rsvg.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

#include "assets/decor.h"
#include "assets/fichier.h"
#include "assets/formes.h"
#include "assets/png.h"

namespace tlv {

namespace {

std::string hex(const Couleur& c) {
    char b[8];
    auto o = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.f, 1.f) * 255)); };
    std::snprintf(b, sizeof b, "#%02x%02x%02x", o(c.r), o(c.g), o(c.b));
    return b;
}

std::string nombre(float v) {
    char b[24];
    std::snprintf(b, sizeof b, "%.1f", v);
    return b;
}

// The signed distance sampled every `pas` over the shape's box, with a margin of two samples.
struct Champ {
    float x0, y0, pas;
    int W, H;
    std::vector<float> v;
    Champ(const Forme& f, float p)
        : x0(f.x0 - 2 * p), y0(f.y0 - 2 * p), pas(p), W(static_cast<int>((f.x1 - f.x0) / p) + 5),
          H(static_cast<int>((f.y1 - f.y0) / p) + 5), v(static_cast<size_t>(W) * H) {
        for (int j = 0; j < H; ++j)
            for (int i = 0; i < W; ++i) v[static_cast<size_t>(j) * W + i] = f.d(x0 + i * pas, y0 + j * pas);
    }
    float val(int i, int j) const { return v[static_cast<size_t>(j) * W + i]; }
    // An edge is known by its first corner and direction: horizontal 2k, vertical 2k + 1. Its point is
    // where the distance crosses zero along it.
    Pt point(long cle) const {
        const long k = cle / 2;
        const int i = static_cast<int>(k % W), j = static_cast<int>(k / W);
        const int i2 = cle % 2 ? i : i + 1, j2 = cle % 2 ? j + 1 : j;
        const float a = val(i, j), b = val(i2, j2), t = a / (a - b);
        return Pt{x0 + (i + t * (i2 - i)) * pas, y0 + (j + t * (j2 - j)) * pas};
    }
};

// The segments a cell's case (its corners inside, one bit each) draws between its edges: top h, bottom
// bas, left g, right d.
std::vector<std::pair<long, long>> segments(int cas, long h, long bas, long g, long d) {
    switch (cas) {
    case 1:
    case 14:
        return {{g, h}};
    case 2:
    case 13:
        return {{h, d}};
    case 3:
    case 12:
        return {{g, d}};
    case 4:
    case 11:
        return {{d, bas}};
    case 6:
    case 9:
        return {{h, bas}};
    case 7:
    case 8:
        return {{g, bas}};
    case 5:
        return {{g, h}, {d, bas}};
    case 10:
        return {{h, d}, {g, bas}};
    default:
        return {};
    }
}

// Each edge crossed, with the edges it joins in its cells (marching squares).
std::multimap<long, long> voisinages(const Champ& c) {
    const int W = c.W;
    std::multimap<long, long> voisins;
    for (int j = 0; j + 1 < c.H; ++j)
        for (int i = 0; i + 1 < W; ++i) {
            const long h = 2L * (static_cast<long>(j) * W + i), bas = 2L * (static_cast<long>(j + 1) * W + i),
                       g = h + 1, d = 2L * (static_cast<long>(j) * W + i + 1) + 1;
            const int cas = (c.val(i, j) < 0) | (c.val(i + 1, j) < 0) << 1 | (c.val(i + 1, j + 1) < 0) << 2 |
                            (c.val(i, j + 1) < 0) << 3;
            for (auto& [a, b] : segments(cas, h, bas, g, d)) voisins.insert({a, b}), voisins.insert({b, a});
        }
    return voisins;
}

// The outline of a shape's zero level (marching squares on a fine grid), as closed loops in its units.
std::vector<std::vector<Pt>> contours(const Forme& f, float pas) {
    const Champ champ(f, pas);
    std::multimap<long, long> voisins = voisinages(champ);
    std::vector<std::vector<Pt>> r;
    while (!voisins.empty()) {
        const long debut = voisins.begin()->first;
        long ici = debut, avant = -1;
        std::vector<Pt> boucle;
        for (;;) {
            boucle.push_back(champ.point(ici));
            auto [a, b] = voisins.equal_range(ici);
            auto suivant = voisins.end();
            for (auto it = a; it != b; ++it)
                if (it->second != avant || std::next(it) == b) suivant = it;
            if (suivant == voisins.end()) break;
            const long prochain = suivant->second;
            voisins.erase(suivant);
            auto [c, e] = voisins.equal_range(prochain);
            for (auto it = c; it != e; ++it)
                if (it->second == ici) {
                    voisins.erase(it);
                    break;
                }
            avant = ici, ici = prochain;
            if (ici == debut) break;
        }
        if (boucle.size() > 2) r.push_back(std::move(boucle));
    }
    return r;
}

// Drops the points that a straight line between their neighbours passes within `tol` of.
void simplifie(const std::vector<Pt>& p, size_t a, size_t b, float tol, std::vector<Pt>& sortie) {
    float pire = -1;
    size_t k = a;
    const float dx = p[b].x - p[a].x, dy = p[b].y - p[a].y, l = std::max(1e-6f, std::hypot(dx, dy));
    for (size_t i = a + 1; i < b; ++i) {
        const float d = std::abs((p[i].x - p[a].x) * dy - (p[i].y - p[a].y) * dx) / l;
        if (d > pire) pire = d, k = i;
    }
    if (pire > tol) {
        simplifie(p, a, k, tol, sortie);
        simplifie(p, k, b, tol, sortie);
    } else {
        sortie.push_back(p[b]);
    }
}

// A suit as an SVG path, centred on (cx, cy), `h` units high.
std::string chemin(int couleur, float cx, float cy, float h) {
    std::string d;
    for (auto& boucle : contours(enseigne(couleur), 1.f / 400)) {
        std::vector<Pt> p = {boucle.front()};
        const size_t moitie = boucle.size() / 2;
        boucle.push_back(boucle.front());
        simplifie(boucle, 0, moitie, 0.4f / h, p);
        simplifie(boucle, moitie, boucle.size() - 1, 0.4f / h, p);
        for (size_t i = 0; i < p.size(); ++i)
            d += (i ? " L" : "M") + nombre(cx + p[i].x * h) + " " + nombre(cy + p[i].y * h);
        d += " Z ";
    }
    return d;
}

std::string degrade(const char* id, const std::vector<std::pair<float, Couleur>>& arrets, bool radial) {
    std::string s =
        radial ? "<radialGradient id=\"" + std::string(id) + "\" cx=\"0.38\" cy=\"0.32\" r=\"0.8\">"
               : "<linearGradient id=\"" + std::string(id) + "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">";
    for (auto& [t, c] : arrets)
        s += "<stop offset=\"" + nombre(t * 100) + "%\" stop-color=\"" + hex(c) + "\"/>";
    return s + (radial ? "</radialGradient>\n" : "</linearGradient>\n");
}

} // namespace

const std::vector<int>& taillesicone() {
    static const std::vector<int> t = {16, 24, 32, 48, 64, 128, 256, 512};
    return t;
}

std::string iconesvg(bool petite) {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" "
                    "viewBox=\"0 0 512 512\">\n<defs>\n";
    // The launcher's palette: its cloth, the gold of its frames, ivory medallions, the suits' inks.
    s += degrade(
        "feutre",
        {{0, melange(vertfeutre, rgb(255, 255, 255), 0.12f)}, {1, melange(vertfeutre, rgb(0, 0, 0), 0.5f)}},
        true);
    s += degrade("or",
                 {{0, dore(0, 0, 1)},
                  {0.42f, dore(0.42f, 0, 1)},
                  {0.5f, dore(0.49f, 0, 1)},
                  {0.5f, dore(0.5f, 0, 1)},
                  {1, dore(1, 0, 1)}},
                 false);
    s += degrade("ivoire", {{0, rgb(255, 252, 240)}, {1, rgb(226, 214, 186)}}, true);
    for (int c : {1, 2}) {
        const Couleur e = encre(c);
        s +=
            degrade(c == 1 ? "noir" : "rouge",
                    {{0, melange(e, rgb(255, 255, 255), 0.25f)}, {1, melange(e, rgb(0, 0, 0), 0.3f)}}, false);
    }
    s += "</defs>\n";
    const float cadre = petite ? 28 : 14;
    s += "<rect x=\"16\" y=\"16\" width=\"480\" height=\"480\" rx=\"96\" fill=\"url(#feutre)\"/>\n";
    s += "<rect x=\"" + nombre(16 + cadre / 2) + "\" y=\"" + nombre(16 + cadre / 2) + "\" width=\"" +
         nombre(480 - cadre) + "\" height=\"" + nombre(480 - cadre) + "\" rx=\"" + nombre(96 - cadre / 2) +
         "\" fill=\"none\" stroke=\"url(#or)\" stroke-width=\"" + nombre(cadre) + "\"/>\n";
    if (!petite)
        s += "<rect x=\"34\" y=\"34\" width=\"444\" height=\"444\" rx=\"80\" fill=\"none\" stroke=\"#000\" "
             "stroke-opacity=\"0.45\" stroke-width=\"4\"/>\n";
    // Pique and coeur above, carreau and trefle below: black and red alternate.
    const int ordre[4] = {1, 4, 2, 3};
    const float r = petite ? 92 : 80;
    for (int k = 0; k < 4; ++k) {
        const float cx = k % 2 ? 354 : 158, cy = k / 2 ? 354 : 158;
        if (!petite)
            s += "<circle cx=\"" + nombre(cx + 4) + "\" cy=\"" + nombre(cy + 7) + "\" r=\"" + nombre(r) +
                 "\" fill=\"#000\" fill-opacity=\"0.35\"/>\n";
        s += "<circle cx=\"" + nombre(cx) + "\" cy=\"" + nombre(cy) + "\" r=\"" + nombre(r) +
             "\" fill=\"url(#ivoire)\"/>\n";
        if (!petite)
            s += "<circle cx=\"" + nombre(cx) + "\" cy=\"" + nombre(cy) + "\" r=\"" + nombre(r - 5) +
                 "\" fill=\"none\" stroke=\"url(#or)\" stroke-width=\"10\"/>\n";
        const int c = ordre[k];
        s += "<path fill-rule=\"evenodd\" fill=\"url(#" + std::string(c == 1 || c == 3 ? "noir" : "rouge") +
             ")\" d=\"" + chemin(c, cx, cy, r * (petite ? 1.32f : 1.16f)) + "\"/>\n";
    }
    return s + "</svg>\n";
}

Image rendsvg(const std::string& svg, int taille) {
    GError* err = nullptr;
    std::unique_ptr<RsvgHandle, void (*)(gpointer)> h(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &err),
        g_object_unref);
    if (!h) {
        if (err) g_error_free(err);
        throw std::runtime_error("icône SVG illisible");
    }
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surf(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, taille, taille), cairo_surface_destroy);
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surf.get()), cairo_destroy);
    RsvgRectangle vp{0, 0, static_cast<double>(taille), static_cast<double>(taille)};
    if (!rsvg_handle_render_document(h.get(), cr.get(), &vp, &err)) {
        if (err) g_error_free(err);
        throw std::runtime_error("rendu de l'icône impossible");
    }
    cairo_surface_flush(surf.get());
    const unsigned char* d = cairo_image_surface_get_data(surf.get());
    const int pas = cairo_image_surface_get_stride(surf.get());
    Image img(taille, taille, {0, 0, 0, 0});
    for (int y = 0; y < taille; ++y)
        for (int x = 0; x < taille; ++x) {
            // Cairo keeps premultiplied BGRA.
            const unsigned char* p = d + static_cast<size_t>(y) * pas + static_cast<size_t>(x) * 4;
            const float a = p[3] / 255.f;
            if (a > 0) img.at(x, y) = {p[2] / 255.f / a, p[1] / 255.f / a, p[0] / 255.f / a, a};
        }
    return img;
}

void ecriticones(const std::string& dossier) {
    const std::string d = dossier + "/icones/";
    std::filesystem::create_directories(d);
    const std::string svg = iconesvg(), petite = iconesvg(true);
    for (int t : taillesicone())
        ecritpng(d + "tolvanex-" + std::to_string(t) + ".png", rendsvg(t < 32 ? petite : svg, t), true);
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(provisoire(d + "tolvanex.svg").c_str(), "wb"),
                                            std::fclose);
    if (!f || std::fwrite(svg.data(), 1, svg.size(), f.get()) != svg.size() || std::fclose(f.release()) != 0)
        throw std::runtime_error("impossible d'écrire " + d + "tolvanex.svg");
    valide(d + "tolvanex.svg");
}

} // namespace tlv
