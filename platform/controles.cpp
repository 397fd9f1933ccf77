#include "controles.h"

#include <algorithm>
#include <cctype>

#include "couleurs.h"
#include "texte.h"
#include "trace_fin.h"

namespace tlv {

namespace {
const std::uint32_t Piste = rgb(232, 230, 224);

void relief(Surface& s, int x, int y, int w, int h, bool enfonce) {
    fill(s, x, y, w, h, Face);
    const std::uint32_t haut = enfonce ? Ombre : Blanc, bas = enfonce ? Blanc : Noir;
    fill(s, x, y, w, 1, haut);
    fill(s, x, y, 1, h, haut);
    fill(s, x, y + h - 1, w, 1, bas);
    fill(s, x + w - 1, y, 1, h, bas);
    if (!enfonce) {
        fill(s, x + 1, y + h - 2, w - 2, 1, Ombre);
        fill(s, x + w - 2, y + 1, 1, h - 2, Ombre);
    }
}

// A scroll arrow's sign: its point towards `sens` (-1 left, 1 right), drawn as fine as the screen.
void signe_fleche(Surface& s, int cx, int cy, int sens, std::uint32_t c) {
    const double x = cx + 0.5, y = cy + 0.5;
    triangle(s, {x + 2.5 * sens, y}, {x - 1.5 * sens, y - 4}, {x - 1.5 * sens, y + 4}, c);
}
} // namespace

std::string Bouton::texte_affiche() const {
    std::string t;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
        t += caption[i];
    }
    return t;
}

char Bouton::accelerateur() const {
    const auto i = caption.find('&');
    if (i == std::string::npos || i + 1 >= caption.size()) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
}

void Bouton::dessine(Surface& s, int ox, int oy, Polices& p) {
    if (!visible) return;
    const bool bas = enfonce_ && dedans_;
    const int X = ox + x, Y = oy + y;
    if (image) {
        bitblt(s, X + (w - source.w) / 2 + bas, Y + (h - source.h) / 2 + bas, source.w, source.h, *image,
               source.x, source.y);
    } else {
        relief(s, X, Y, w, h, bas);
    }
    const std::string t = texte_affiche();
    const int tw = p.largeur(t, points), th = p.hauteur(points);
    const int tx = X + (w - tw + decalage_texte) / 2 + bas, ty = Y + (h - th) / 2 + bas;
    if (image) {
        p.imprime(s, tx + 1, ty + 1, t, points, rgb(0, 60, 60));
        p.imprime(s, tx, ty, t, points, rgb(0, 255, 255));
    } else {
        p.imprime(s, tx, ty, t, points, Noir);
        // Underline the accelerator letter, as the classic buttons do.
        const auto i = caption.find('&');
        if (i != std::string::npos && i + 1 < caption.size()) {
            const int avant = p.largeur(caption.substr(0, i), points);
            const int lw = p.largeur(caption.substr(i + 1, 1), points);
            fill(s, tx + avant, ty + th - 2, lw, 1, Noir);
        }
    }
    if (focus) {
        // Every other pixel of a frame four pixels inside the edge.
        const int fx = X + 4 + bas, fy = Y + 4 + bas, fw = w - 8, fh = h - 8;
        for (int i = 0; i < fw; i += 2)
            fill(s, fx + i, fy, 1, 1, Noir), fill(s, fx + i, fy + fh - 1, 1, 1, Noir);
        for (int j = 0; j < fh; j += 2)
            fill(s, fx, fy + j, 1, 1, Noir), fill(s, fx + fw - 1, fy + j, 1, 1, Noir);
    }
}

void Bouton::souris_bas(int px, int py) {
    enfonce_ = true;
    dedans_ = contient(px, py);
}
void Bouton::souris_bouge(int px, int py) {
    dedans_ = contient(px, py);
}
void Bouton::souris_haut(int px, int py) {
    const bool clic = enfonce_ && contient(px, py);
    enfonce_ = dedans_ = false;
    if (clic && Click) Click();
}

void BarreHorizontale::valeur(int v) {
    valeur_ = std::clamp(v, Min, std::max(Min, Max));
}

Rect BarreHorizontale::curseur() const {
    const int piste = w - 2 * fleche();
    const int taille = std::max(8, std::min(piste, h));
    const int etendue = std::max(1, Max - Min);
    const int pos = (piste - taille) * (valeur_ - Min) / etendue;
    return Rect{x + fleche() + pos, y, taille, h};
}

void BarreHorizontale::dessine(Surface& s, int ox, int oy, Polices&) {
    if (!visible) return;
    fill(s, ox + x, oy + y, w, h, Piste);
    relief(s, ox + x, oy + y, fleche(), h, false);
    relief(s, ox + x + w - fleche(), oy + y, fleche(), h, false);
    signe_fleche(s, ox + x + fleche() / 2, oy + y + h / 2, -1, Noir);
    signe_fleche(s, ox + x + w - fleche() / 2, oy + y + h / 2, 1, Noir);
    const Rect c = curseur();
    relief(s, ox + c.x, oy + c.y, c.w, c.h, false);
}

void BarreHorizontale::souris_bas(int px, int py) {
    (void)py;
    const Rect c = curseur();
    if (px < x + fleche())
        valeur(valeur_ - SmallChange);
    else if (px >= x + w - fleche())
        valeur(valeur_ + SmallChange);
    else if (px < c.x)
        valeur(valeur_ - LargeChange);
    else if (px >= c.x + c.w)
        valeur(valeur_ + LargeChange);
    else {
        glisse_ = true;
        prise_ = px - c.x;
    }
}

void BarreHorizontale::souris_bouge(int px, int py) {
    (void)py;
    if (!glisse_) return;
    const Rect c = curseur();
    const int piste = w - 2 * fleche() - c.w;
    if (piste <= 0) return;
    const int pos = px - prise_ - (x + fleche());
    const int etendue = Max - Min;
    // Nearest value to where the thumb is dragged.
    valeur(Min + (pos * etendue * 2 + piste) / (2 * piste));
}

void BarreHorizontale::souris_haut(int, int) {
    glisse_ = false;
}

void BarreHorizontale::touche(Touche code) {
    if (code == Touche::Gauche)
        valeur(valeur_ - SmallChange);
    else if (code == Touche::Droite)
        valeur(valeur_ + SmallChange);
    else if (code == Touche::Debut)
        valeur(Min);
    else if (code == Touche::Fin)
        valeur(Max);
}

} // namespace tlv
