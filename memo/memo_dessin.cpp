// What the Memo table draws: the cloth, the Menu label, the clock, the backs and the flips.
#include "memo.h"
#include "platform/plateforme.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv {

namespace {
constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 144, 144);
constexpr Point Dos{0, 384}, Efface{71, 528};
// The clock box and the band under the grid where the Menu label lies.
constexpr Rect BoiteHorloge{245, 12, 136, 24};
constexpr Rect BandeMenu{236, 432, 168, 48};
// The flip: drawn width and left offset of each of the nine frames; the first four show the side that
// leaves, the next four the side that comes.
constexpr int Largeurs[8] = {64, 50, 28, 2, 2, 28, 50, 64};
constexpr int Decalages[8] = {3, 10, 21, 34, 34, 21, 10, 3};
} // namespace

void Memo::affichetapis() {
    bitblt(image, 0, 0, 640, 480, tapis_, 0, 0);
    survol = false;
    affichepetit(false);
    fill(image, BoiteHorloge.x, BoiteHorloge.y, BoiteHorloge.w, BoiteHorloge.h, 0);
    Polices& po = pf.polices();
    const int t = ctx.r.taille6;
    const int x = (152 - po.largeur("0", t)) / 2, y = (34 - po.hauteur(t)) / 2;
    po.imprime(image, x + 243, y + 8, "0", t, Clair);
    po.imprime(image, x + 244, y + 9, "0", t, Sombre);
    pf.invalide();
}

void Memo::affichepetit(bool surligne) {
    // Laid again on the clean cloth, so a highlight leaves no trace once gone.
    bitblt(image, BandeMenu.x, BandeMenu.y, BandeMenu.w, BandeMenu.h, tapis_, BandeMenu.x, BandeMenu.y);
    Polices& po = pf.polices();
    const int t = ctx.r.taille6;
    const std::string& s = ctx.r.textes[1];
    const int x = (152 - po.largeur(s, t)) / 2 + 243, y = (34 - po.hauteur(t)) / 2 + 437;
    po.imprime(image, x, y, s, t, Clair);
    po.imprime(image, x + 1, y + 1, s, t, Sombre);
    if (surligne) {
        po.imprime(image, x, y, s, t, Sombre);
        po.imprime(image, x + 1, y + 1, s, t, Clair);
    }
    pf.invalide(Rect{left + BandeMenu.x, top + BandeMenu.y, BandeMenu.w, BandeMenu.h});
}

void Memo::affichetemps() {
    fill(image, BoiteHorloge.x, BoiteHorloge.y, BoiteHorloge.w, BoiteHorloge.h, 0);
    Polices& po = pf.polices();
    const int t = ctx.r.taille6;
    const std::string chiffres = std::to_string(temps);
    // Numbers print with the blank of their sign; the centring counts the digits only.
    const std::string s = " " + chiffres;
    const int x = (140 - po.largeur(chiffres, t)) / 2, y = (34 - po.hauteur(t)) / 2;
    po.imprime(image, x + 243, y + 8, s, t, Clair);
    po.imprime(image, x + 244, y + 9, s, t, Sombre);
    pf.invalide(Rect{left + BoiteHorloge.x, top + BoiteHorloge.y, BoiteHorloge.w, BoiteHorloge.h});
}

void Memo::depose() {
    for (int r = 1; r <= lignesmemo_grille; ++r)
        for (int c = 1; c <= colonnesmemo; ++c) {
            if (plateau.carte({c, r}) == -1) continue;
            const Point p = coin({c, r});
            bitblt(image, p.x, p.y, largeurcarte, hauteurcarte, tampon_, Dos.x, Dos.y);
            pf.invalide(Rect{left + p.x, top + p.y, largeurcarte, hauteurcarte});
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
        bitblt(image, o.x, o.y, largeurcarte, hauteurcarte, tampon_, Efface.x, Efface.y);
        stretchblt(image, o.x + Decalages[i], o.y, Largeurs[i], hauteurcarte, tampon_, src.x, src.y,
                   largeurcarte, hauteurcarte);
        monrefresh(o.x, o.y, largeurcarte, hauteurcarte);
    }
    bitblt(image, o.x, o.y, largeurcarte, hauteurcarte, tampon_, vers.x, vers.y);
    monrefresh(o.x, o.y, largeurcarte, hauteurcarte);
}

void Memo::retourneoui(Place p) {
    retourne(p, Dos, cellule(plateau.carte(p)));
}

void Memo::retournenon(Place p) {
    retourne(p, cellule(plateau.carte(p)), Dos);
}

void Memo::pause(float& secondes) {
    secondes *= ctx.r.tempomemo;
    pf.attend_jusqua(pf.ms() + static_cast<std::int64_t>(secondes * 1000.f));
}

void Memo::chargeimages() {
    image.redimensionne(640, 480);
    tapis_ = chargeimage(ctx.r.repertoire, "cartei01");
    masque_ = chargeimage(ctx.r.repertoire, "cartei07");
    tampon_ = chargeimage(ctx.r.repertoire, "cartei08");
}

} // namespace tlv
