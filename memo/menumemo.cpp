#include "menumemo.h"

#include <algorithm>

#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "scores/ajuste.h"
#include "scores/fichierscores.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::memo {

Menumemo::Menumemo(Contexte& ctx, bool partieencours, std::function<void()> montrescores)
    : MenuJeu(ctx.pf, 640, 480), ctx_(ctx), partieencours_(partieencours), scores_(std::move(montrescores)) {
    fond_ = chargeimage(ctx.r.repertoire, "cartei04", pf.facteur());
    bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
    const auto toujours = [] { return true; };
    lignes_[1] = {[this] { return partieencours_; }, [this] { repond(ReponseMemo::Continuer); }, {}};
    lignes_[2] = {toujours, [this] { repond(ReponseMemo::Nouvelle); }, {}};
    lignes_[3] = {toujours, [this] { scores(); }, {}};
    // The level, 0 to 2.
    lignes_[4] = {toujours, {}, [this](int sens) {
                      Reglages& r = ctx_.r;
                      joueson(pf, r, "cartew00");
                      r.niveaumemo = std::clamp(r.niveaumemo + sens, 0, 2);
                      afmenumemo(survol);
                  }};
    lignes_[6] = {toujours, [this] { repond(ReponseMemo::Quitter); }, {}};
}

int Menumemo::entreesous(int x, int y) {
    if (x <= 80 || x >= 560) return 0;
    for (int e = 1; e <= 6; ++e)
        if (y > Haut[e] && y < Haut[e] + Bande) return e;
    return 0;
}

std::string Menumemo::texteentree(int e) const {
    const Textes& t = ctx_.r.textes;
    switch (e) {
    case 1:
        return t[Texte::ContinuerLaPartie];
    case 2:
        return t[Texte::NouvellePartie];
    case 3:
        return t[Texte::Scores];
    // A blank between the word and the label, so they do not run together.
    case 4:
        return t[Texte::Niveau] + " " + libelleniveau(ctx_.r.niveaumemo);
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
        const int t = tailleajustee(po, s, ctx_.r.taille8, e == 4 ? 356 : 476);
        const int x = (480 - po.largeur(s, t)) / 2 + 80;
        po.imprime_releve(image, x, Haut[e], s, t, surligne ? CyanProfond : Cyan,
                          surligne ? Cyan : CyanProfond);
    };
    if (partieencours_) imprime(1, false);
    imprime(2, false);
    imprime(3, false);
    fill(image, 140, 246, 361, 53, 0);
    imprime(4, false);
    imprime(6, false);
    if ((h == 1 && partieencours_) || h == 2 || h == 3 || h == 6) imprime(h, true);
    if (h == 4) {
        fill(image, 141, 246, 360, 53, 0);
        imprime(4, true);
    }
    pf.invalide();
}

void Menumemo::Form_Activate() {
    afmenumemo(survol);
}

void Menumemo::repond(ReponseMemo r) {
    reponse = r;
    ferme(ctx_.r);
}

void Menumemo::scores() {
    joueson(pf, ctx_.r, "cartew00");
    // The last line's descenders would peek under the score screen: only the picture stays behind it.
    bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
    pf.invalide();
    scores_();
    afmenumemo(survol);
}

} // namespace tlv::memo
