#include "menumemo.h"

#include <algorithm>
#include <span>

#include "memo.h"
#include "platform/menuclavier.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "scores/ajuste.h"
#include "scores/fichierscores.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {
constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 144, 144);
// Top of each entry's band; every band is 60 pixels high, between x 80 and 560.
constexpr int Haut[7] = {0, 35, 105, 175, 245, 315, 385};
constexpr int Bande = 60;
} // namespace

Menumemo::Menumemo(Memo& memo) : Form(memo.pf, 640, 480), memo_(memo) {
    fond_ = chargeimage(memo.ctx.r.repertoire, "cartei04", pf.facteur());
    bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
}

int Menumemo::entreesous(int x, int y) {
    if (x <= 80 || x >= 560) return 0;
    for (int e = 1; e <= 6; ++e)
        if (y > Haut[e] && y < Haut[e] + Bande) return e;
    return 0;
}

std::string Menumemo::texteentree(int e) const {
    const Textes& t = memo_.ctx.r.textes;
    switch (e) {
    case 1:
        return t[Texte::ContinuerLaPartie];
    case 2:
        return t[Texte::NouvellePartie];
    case 3:
        return t[Texte::Scores];
    // A blank between the word and the label, so they do not run together.
    case 4:
        return t[Texte::Niveau] + " " + libelleniveau(memo_.ctx.r.niveaumemo);
    case 6:
        return t[Texte::MenuPrincipal];
    default:
        return "";
    }
}

void Menumemo::afmenumemo(int h) {
    // Drawn from the clean picture each time, so a highlight leaves no trace once gone.
    bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
    Polices& po = pf.polices();
    auto imprime = [&](int e, bool surligne) {
        const std::string s = texteentree(e);
        // Kept inside the band (and clear of the level arrows) in our wide font.
        const int t = tailleajustee(po, s, memo_.ctx.r.taille8, e == 4 ? 356 : 476);
        const int x = (480 - po.largeur(s, t)) / 2 + 80;
        po.imprime(image, x, Haut[e], s, t, surligne ? Sombre : Clair);
        po.imprime(image, x + 1, Haut[e] + 1, s, t, surligne ? Clair : Sombre);
    };
    if (memo_.partieencours) imprime(1, false);
    imprime(2, false);
    imprime(3, false);
    fill(image, 140, 246, 361, 53, 0);
    imprime(4, false);
    imprime(6, false);
    if ((h == 1 && memo_.partieencours) || h == 2 || h == 3 || h == 6) imprime(h, true);
    if (h == 4) {
        fill(image, 141, 246, 360, 53, 0);
        imprime(4, true);
    }
    pf.invalide();
}

void Menumemo::Form_Activate() {
    afmenumemo(survol);
}

void Menumemo::MouseMove(int, int, int x, int y) {
    const int e = entreesous(x, y);
    if (e == survol) return;
    survol = e;
    afmenumemo(survol);
}

void Menumemo::MouseDown(int, int, int x, int) {
    if (survol != 4)
        choisit(survol);
    else if (x > 80 && x < 140)
        fleche(4, -1);
    else if (x > 500 && x < 560)
        fleche(4, 1);
}

void Menumemo::repond(ReponseMemo r) {
    joueson(pf, memo_.ctx.r, "cartew00");
    reponse = r;
    hide();
}

void Menumemo::choisit(int entree) {
    switch (entree) {
    case 1:
        if (memo_.partieencours) repond(ReponseMemo::Continuer);
        break;
    case 2:
        repond(ReponseMemo::Nouvelle);
        break;
    case 3:
        joueson(pf, memo_.ctx.r, "cartew00");
        // The last line's descenders would peek under the score screen: only the picture stays behind it.
        bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
        pf.invalide();
        memo_.affichelesscores();
        afmenumemo(survol);
        break;
    case 6:
        repond(ReponseMemo::Quitter);
        break;
    default:
        break;
    }
}

void Menumemo::fleche(int entree, int sens) {
    if (entree != 4) return;
    Reglages& r = memo_.ctx.r;
    joueson(pf, r, "cartew00");
    r.niveaumemo = std::clamp(r.niveaumemo + sens, 0, 2);
    afmenumemo(survol);
}

void Menumemo::retour() {
    choisit(memo_.partieencours ? 1 : 6);
}

void Menumemo::Form_KeyDown(Touche code, int) {
    static constexpr int lignes[] = {1, 2, 3, 4, 6};
    clavier_menu_jeu(code, survol, std::span(lignes).subspan(memo_.partieencours ? 0 : 1),
                     {.surligne = [this](int e) { afmenumemo(e); },
                      .choisit = [this](int e) { choisit(e); },
                      .fleche = [this](int e, int sens) { fleche(e, sens); },
                      .retour = [this] { retour(); }});
}

} // namespace tlv
