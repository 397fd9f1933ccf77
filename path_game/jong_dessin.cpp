// The Quadrel table's pictures: the empty table and its labels, the cards, the shading of a selected card,
// the path's markers and the closing screen.
#include <cmath>

#include "jong.h"
#include "libelles.h"
#include "parties.h"
#include "platform/plateforme.h"
#include "shell/reglages.h"

namespace tlv {

namespace {

constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 144, 144);
constexpr int LargeurCarte = 71, HauteurCarte = 96;

int centre(int largeur_zone, int largeur, int base) {
    return static_cast<int>(std::floor((largeur_zone - largeur) / 2.0)) + base;
}

std::size_t ix(int v) {
    return static_cast<std::size_t>(v);
}

Point coin(Case k) {
    return {36 + (k.c - 1) * LargeurCarte, 48 + (k.r - 1) * HauteurCarte};
}

// A raised text: bright at (x, y), dark one pixel right and down; `inverse` swaps the two (highlight).
void releve(Polices& po, Surface& s, int x, int y, const std::string& t, int points, bool inverse = false) {
    po.imprime(s, x, y, t, points, inverse ? Sombre : Clair);
    po.imprime(s, x + 1, y + 1, t, points, inverse ? Clair : Sombre);
}

} // namespace

Case Jong::casesous(int x, int y) {
    if (!(x > 36 && y > 48 && x < 604 && y < 432)) return {};
    return {(x - 36) / LargeurCarte + 1, (y - 48) / HauteurCarte + 1};
}

void Jong::affichepetit(bool surligne) {
    // The label always starts from the table under it, so the highlighted and normal looks never pile up.
    bitblt(image, 243, 437, 154, 38, table_, 243, 437);
    Polices& po = pf.polices();
    const std::string& t = r_.textes[1];
    const int x = centre(152, po.largeur(t, r_.taille6), 243);
    const int y = static_cast<int>(std::floor((34 - po.hauteur(r_.taille6)) / 2.0)) + 437;
    releve(po, image, x, y, t, r_.taille6, surligne);
    pf.invalide();
}

void Jong::affichetapis() {
    image = table_;
    survol_ = false;
    affichepetit(false);
    Polices& po = pf.polices();
    const int t6 = r_.taille6;

    fill(image, 330, 12, 131, 24, 0);
    const std::string modele = " 2:30";
    releve(po, image, centre(180, po.largeur(modele, t6), 330),
           static_cast<int>(std::floor((34 - po.hauteur(t6)) / 2.0)) + 8, textechrono(dureetableau), t6);

    fill(image, 165, 12, 146, 24, 0);
    // The board label is kept inside its box: at the clock's size it would spill over the title.
    const std::string& tableau = r_.textes[55];
    int taille = t6;
    while (taille > 8 && po.largeur(tableau + " 000", taille) > 140) --taille;
    releve(po, image, centre(146, po.largeur(tableau + " 000", taille), 165),
           static_cast<int>(std::floor((34 - po.hauteur(taille)) / 2.0)) + 8,
           libelletableau(tableau, numtableau), taille);
    // The clean table to restore from keeps the labels.
    tapis_ = image;
    pf.invalide();
}

void Jong::copiecarte(Case k) {
    const int v = grille[ix(k.c)][ix(k.r)];
    const Point p = coin(k);
    // Every obstacle shows the back: no face lies on the sheet past the 32 cards.
    if (estobstacle(v))
        bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tampon_, 0, 384);
    else if (estcarte(v))
        bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tampon_, LargeurCarte * (v % 8),
               HauteurCarte * (v / 8));
}

void Jong::depose() {
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 8; ++c)
            if (grille[ix(c)][ix(r)] != vide) copiecarte({c, r});
    pf.invalide();
}

void Jong::retourneoui(Case k) {
    const Point p = coin(k);
    bitblt(image, p.x, p.y, 69, 94, masque_, 169, 1, Rop::SrcAnd);
    monrefresh(p.x, p.y, 69, 94);
}

void Jong::retournenon(Case k) {
    const Point p = coin(k);
    copiecarte(k);
    monrefresh(p.x, p.y, LargeurCarte, HauteurCarte);
}

void Jong::retourneout(Case k) {
    const Point p = coin(k);
    bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tapis_, p.x, p.y);
    monrefresh(p.x, p.y, LargeurCarte, HauteurCarte);
}

bool Jong::bonchemin() {
    const auto ch = cherchechemin(grille, carte1, carte2);
    if (!ch) return false;
    grille[ix(carte1.c)][ix(carte1.r)] = vide;
    grille[ix(carte2.c)][ix(carte2.r)] = vide;
    if (!voisines(carte1, carte2)) chemine(*ch);
    retourneout(carte1);
    retourneout(carte2);
    return true;
}

void Jong::chemine(const Chemin& ch) {
    animation_ = true;
    const auto cases = etapes(carte1, carte2, ch);
    for (const Case k : cases) {
        const Point p = positionmarqueur(k);
        bitblt(image, p.x, p.y, 32, 32, masque_, 176, 96, Rop::SrcAnd);
        bitblt(image, p.x, p.y, 32, 32, tampon_, 536, 384, Rop::SrcPaint);
        monrefresh(p.x, p.y, 32, 32);
        pause(0.05f);
    }
    for (const Case k : cases) {
        const Point p = positionmarqueur(k);
        bitblt(image, p.x, p.y, 32, 32, tapis_, p.x, p.y);
        monrefresh(p.x, p.y, 32, 32);
    }
    animation_ = false;
}

void Jong::afficheheure() {
    fill(image, 330, 12, 131, 24, 0);
    Polices& po = pf.polices();
    const std::string t = textechrono(chrono);
    const int t6 = r_.taille6;
    releve(po, image, centre(180, po.largeur(t, t6), 330),
           static_cast<int>(std::floor((34 - po.hauteur(t6)) / 2.0)) + 8, t, t6);
    // The clean table keeps the clock, so erasing a marker over it puts the time back.
    bitblt(tapis_, 330, 12, 131, 24, image, 330, 12);
    pf.invalide(Rect{left + 330, top + 12, 131, 24});
}

void Jong::ecranfinal() {
    bitblt(image, 20, 80, 601, 201, tapis_, 20, 80);
    Polices& po = pf.polices();
    const int ids[3] = {59, 60, 61}, ys[3] = {80, 140, 200};
    // The three lines share one size, the largest at which the longest fits over the board.
    int t8 = r_.taille8;
    for (bool large = true; large && t8 > 8;) {
        large = false;
        for (int id : ids) large = large || po.largeur(r_.textes[ix(id)], t8) > 560;
        if (large) --t8;
    }
    for (int i = 0; i < 3; ++i) {
        const std::string& t = r_.textes[ix(ids[i])];
        releve(po, image, centre(560, po.largeur(t, t8), 40), ys[i], t, t8);
    }
    pf.invalide();
}

void Jong::pause(float secondes) {
    pf.attend_jusqua(pf.ms() + static_cast<std::int64_t>(std::lround(secondes * 1000.0f)));
}

void Jong::monrefresh(int x, int y, int w, int h) {
    pf.invalide(Rect{left + x, top + y, w, h});
    pf.monrefresh();
}

} // namespace tlv
