#include "assets/planche.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "assets/decor.h"
#include "assets/png.h"
#include "assets/texte.h"
#include "socle/carte.h"

namespace tlv {

namespace {

Image charge(const std::string& dossier, const std::string& nom) {
    Image i;
    if (!lispng(dossier + "/" + nom, i)) throw std::runtime_error("image absente: " + nom);
    return i;
}

// Raster operations on 8-bit channels, as the game does them.
uint8_t octet(float v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255));
}
void operation(Image& d, int x, int y, int w, int h, const Image& s, int sx, int sy, char op) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            Couleur& a = d.at(x + i, y + j);
            const Couleur& b = s.at(sx + i, sy + j);
            auto f = [&](float u, float v) {
                uint8_t p = octet(u), q = octet(v);
                return (op == '&' ? p & q : op == '|' ? p | q : q) / 255.f;
            };
            a = {f(a.r, b.r), f(a.g, b.g), f(a.b, b.b), 1};
        }
}
void sprite(Image& f, const Image& sp, const Image& m, int x, int y, int sx, int sy, int mx, int my, int w,
            int h) {
    operation(f, x, y, w, h, m, mx, my, '&');
    operation(f, x, y, w, h, sp, sx, sy, '|');
}

Image scenebelote(const std::string& dossier) {
    Image f = charge(dossier, "cartei03"), sp = charge(dossier, "cartei08"), m = charge(dossier, "cartei07");
    const int main[8] = {13, 15, 22, 27, 31, 36, 44, 47};
    for (int i = 0; i < 8; ++i)
        sprite(f, sp, m, 99 + 30 * i, 384, main[i] % 10 * LargeurCarte, (main[i] / 10 - 1) * HauteurCarte, 0,
               0, LargeurCarte, HauteurCarte);
    for (int i = 0; i < 6; ++i) {
        sprite(f, sp, m, 167 + 15 * i, 0, 0, 384, 0, 0, LargeurCarte, HauteurCarte);
        sprite(f, sp, m, 384, 167 + 15 * i, 71, 384, 71, 0, 96, 71);
        sprite(f, sp, m, 0, 167 + 15 * i, 71, 384, 71, 0, 96, 71);
    }
    sprite(f, sp, m, 204, 96, 4 * LargeurCarte, 3 * HauteurCarte, 0, 0, LargeurCarte, HauteurCarte);
    sprite(f, sp, m, 276, 192, 7 * LargeurCarte, 3 * HauteurCarte, 0, 0, LargeurCarte, HauteurCarte);
    sprite(f, sp, m, 132, 192, 2 * LargeurCarte, 3 * HauteurCarte, 0, 0, LargeurCarte, HauteurCarte);
    sprite(f, sp, m, 100, 192, 167, 384, 167, 0, 280, 96);
    for (int i = 0; i < 3; ++i)
        sprite(f, sp, m, 247 + 44 * i, 240, (i == 1 ? 0 : 176) + (i + 1) * 44, 480, (i + 1) * 44, 96, 44, 46);
    operation(f, 596, 4, 40, 40, sp, 487, 424, '=');
    auto ecrit2 = [&](const char* s, float taille, int x, int y, Couleur c1, Couleur c2) {
        Texte t = ecrit(policesans, taille, s);
        compose(f, t.m, x - t.ox, y, c1);
        compose(f, t.m, x + 1 - t.ox, y + 1, c2);
    };
    ecrit2("Deuxième tour", 30, 128, 196, rgb(0, 255, 255), rgb(0, 153, 153));
    ecrit2("Vous prenez", 16, 104, 250, rgb(0, 255, 255), rgb(0, 153, 153));
    ecrit2("Menu", 26, 526, 442, rgb(0, 255, 255), rgb(0, 144, 144));
    ecrit2("Vous", 14, 508, 48, rgb(0, 192, 192), rgb(0, 192, 192));
    ecrit2("Eux", 14, 588, 48, rgb(0, 192, 192), rgb(0, 192, 192));
    ecrit2("Nord,atout", 15, 486, 12, rgb(0, 255, 255), rgb(0, 255, 255));
    return f;
}

} // namespace

void planchecontact(const std::string& dossier, const std::string& sortie) {
    struct Vignette {
        std::string nom;
        Image img;
    };
    std::vector<Vignette> v;
    v.push_back({"table de Belote posée (cartei03 + cartei07/08)", scenebelote(dossier)});
    for (const char* n : {"cartei00", "cartei01", "cartei02", "cartei03", "cartei04", "cartei05", "cartei06",
                          "cartei07", "cartei08", "cartei09", "cartei10"})
        v.push_back({n, charge(dossier, n)});
    Image clip = charge(dossier, "cartef00");
    v.push_back({"cartef00 (8 premières images)", decoupe(clip, 0, 0, clip.w, std::min(clip.h, 48 * 8))});
    const int colonnes = 3, largeur = 660;
    std::vector<int> hauteurs;
    for (size_t i = 0; i < v.size(); i += colonnes) {
        int h = 0;
        for (size_t j = i; j < std::min(v.size(), i + colonnes); ++j) h = std::max(h, v[j].img.h);
        hauteurs.push_back(h + 40);
    }
    int total = 0;
    for (int h : hauteurs) total += h;
    Image p(colonnes * largeur, total, rgb(40, 40, 44));
    int y = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        int ligne = static_cast<int>(i) / colonnes, x = static_cast<int>(i) % colonnes * largeur + 10;
        if (i % colonnes == 0 && i) y += hauteurs[static_cast<size_t>(ligne - 1)];
        Texte t = ecrit(policesans, 16, v[i].nom);
        compose(p, t.m, x - t.ox + t.ox, y + 8, rgb(240, 232, 210));
        copie(p, x, y + 32, v[i].img, 0, 0, v[i].img.w, v[i].img.h);
    }
    ecritpng(sortie, p);
}

} // namespace tlv
