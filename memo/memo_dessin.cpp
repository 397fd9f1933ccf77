// What the Memo table draws: the cloth, the Menu label, the clock, the backs and the flips.
#include <algorithm>
#include <cmath>

#include "memo.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/retouche.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv::memo {

namespace {
constexpr Point Dos{0, 384}, Efface{71, 528};
// The clock box and the band under the grid where the Menu label lies.
constexpr Rect BoiteHorloge{245, 12, 136, 24};
constexpr Rect BandeMenu{236, 432, 168, 48};
// The flip: drawn width and left offset of each of the nine frames; the first four show the side that
// leaves, the next four the side that comes.
constexpr int Largeurs[8] = {64, 50, 28, 2, 2, 28, 50, 64};
constexpr int Decalages[8] = {3, 10, 21, 34, 34, 21, 10, 3};

// The first and last rows that `texte` inks in its line box.
struct Encre {
    int haut = 0, bas = -1;
};
Encre encre(Polices& po, const std::string& texte, int points) {
    // Measured at one stored pixel per pixel: the places it gives are the play area's.
    Surface s(po.largeur(texte, points) + 2, po.hauteur(points) + 2, 0, 1);
    po.imprime(s, 1, 0, texte, points, Cyan);
    Encre e{s.hauteur(), -1};
    for (int y = 0; y < s.hauteur(); ++y)
        for (int x = 0; x < s.largeur(); ++x)
            if (s.pixel(x, y) != 0) {
                e.haut = std::min(e.haut, y), e.bas = y;
                break;
            }
    return e.bas < 0 ? Encre{} : e;
}

// The line box of the clock's font is taller than the clock box, whose clearing each tick would then
// leave the lowest rows of the digits' shadow on the frame. So the digits are placed by their ink: the
// top of the line box that centres them, shadow included, in the box, and a smaller size only for a
// font whose digits could not fit.
struct PlaceHorloge {
    int points, y;
};
PlaceHorloge placehorloge(Polices& po, int points) {
    for (;; --points) {
        const Encre e = encre(po, "0123456789", points);
        const int h = e.bas - e.haut + 2;
        if (h <= BoiteHorloge.h || points <= 1)
            return {points, BoiteHorloge.y + (BoiteHorloge.h - h) / 2 - e.haut};
    }
}

// Prints the clock's text raised, from the x of its bright print, clipped to the box as a last guard.
void imprimehorloge(Surface& fond, Polices& po, int x, const std::string& texte, const PlaceHorloge& p) {
    fond.decoupe(BoiteHorloge);
    po.imprime_releve(fond, x, p.y, texte, p.points, Cyan, CyanProfond);
    fond.sans_decoupe();
}
} // namespace

void Memo::affichetapis() {
    bitblt(image, 0, 0, 640, 480, tapis_, 0, 0);
    survol = false;
    affichepetit(false);
    fill(image, BoiteHorloge.x, BoiteHorloge.y, BoiteHorloge.w, BoiteHorloge.h, 0);
    Polices& po = pf.polices();
    const PlaceHorloge p = placehorloge(po, ctx.r.taille6);
    imprimehorloge(image, po, (152 - po.largeur("0", p.points)) / 2 + 243, "0", p);
    pf.invalide();
}

void Memo::affichepetit(bool surligne) {
    // Laid again on the clean cloth, so a highlight leaves no trace once gone.
    bitblt(image, BandeMenu.x, BandeMenu.y, BandeMenu.w, BandeMenu.h, tapis_, BandeMenu.x, BandeMenu.y);
    Polices& po = pf.polices();
    const int t = ctx.r.taille6;
    const std::string& s = ctx.r.textes[Texte::Menu];
    const int x = (152 - po.largeur(s, t)) / 2 + 243, y = (34 - po.hauteur(t)) / 2 + 437;
    image.decoupe(BandeMenu);
    po.imprime_releve(image, x, y, s, t, Cyan, CyanProfond);
    if (surligne) po.imprime_releve(image, x, y, s, t, CyanProfond, Cyan);
    image.sans_decoupe();
    pf.invalide(Rect{left + BandeMenu.x, top + BandeMenu.y, BandeMenu.w, BandeMenu.h});
}

void Memo::affichetemps() {
    // Only the digits that moved go to the screen.
    const Rect change = retouche(image, BoiteHorloge, [this] {
        fill(image, BoiteHorloge.x, BoiteHorloge.y, BoiteHorloge.w, BoiteHorloge.h, 0);
        Polices& po = pf.polices();
        const PlaceHorloge p = placehorloge(po, ctx.r.taille6);
        const std::string chiffres = std::to_string(temps);
        // Numbers print with the blank of their sign; the centring counts the digits only.
        imprimehorloge(image, po, (140 - po.largeur(chiffres, p.points)) / 2 + 243, " " + chiffres, p);
    });
    pf.invalide(Rect{left + change.x, top + change.y, change.w, change.h});
}

void Memo::depose() {
    for (int r = 1; r <= lignesmemo_grille; ++r)
        for (int c = 1; c <= colonnesmemo; ++c) {
            if (plateau.carte({c, r}) == -1) continue;
            const Point p = coin({c, r});
            bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tampon_, Dos.x, Dos.y);
            pf.invalide(Rect{left + p.x, top + p.y, LargeurCarte, HauteurCarte});
            pf.doevents();
        }
}

void Memo::monrefresh(int x, int y, int w, int h) {
    pf.invalide(Rect{left + x, top + y, w, h});
    pf.monrefresh();
}

void Memo::retourne(Place p, Point de, Point vers) {
    const Point o = coin(p);
    for (int i = 0; i < 8; ++i) {
        const Point src = i < 4 ? de : vers;
        bitblt(image, o.x, o.y, LargeurCarte, HauteurCarte, tampon_, Efface.x, Efface.y);
        stretchblt(image, o.x + Decalages[i], o.y, Largeurs[i], HauteurCarte, tampon_, src.x, src.y,
                   LargeurCarte, HauteurCarte);
        monrefresh(o.x, o.y, LargeurCarte, HauteurCarte);
    }
    bitblt(image, o.x, o.y, LargeurCarte, HauteurCarte, tampon_, vers.x, vers.y);
    monrefresh(o.x, o.y, LargeurCarte, HauteurCarte);
}

void Memo::retourneoui(Place p) {
    retourne(p, Dos, cellule(plateau.carte(p)));
}

void Memo::retournenon(Place p) {
    retourne(p, cellule(plateau.carte(p)), Dos);
}

void Memo::pause(float secondes) {
    const float attente = secondes * ctx.r.tempomemo;
    pf.attend_pendant(static_cast<int>(std::lround(attente * 1000.f)));
}

void Memo::chargeimages() {
    image.redimensionne(640, 480);
    tapis_ = chargeimage(ctx.r.repertoire, "cartei01", pf.facteur());
    masque_ = chargeimage(ctx.r.repertoire, "cartei07", pf.facteur());
    tampon_ = chargeimage(ctx.r.repertoire, "cartei08", pf.facteur());
}

} // namespace tlv::memo
