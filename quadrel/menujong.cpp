#include "menujong.h"

#include <cmath>

#include "platform/boite_message.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/echec.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::quadrel {

Menujong::Menujong(Contexte& ctx, bool partieencours, std::function<void()> montrescores)
    : MenuJeu(ctx.pf), ctx_(ctx), partieencours_(partieencours), scores_(std::move(montrescores)),
      parties_(*ctx.r.scores) {
    fond_ = Surface(640, 480, 0, pf.facteur());
    bitblt(fond_, 0, 0, 640, 480, chargeimage(ctx.r.repertoire, "cartei05", pf.facteur()), 0, 0);
    image = fond_;
    const auto toujours = [] { return true; };
    lignes_[1] = {[this] { return partieencours_; }, [this] { repond(ReponseJong::Continuer); }, {}};
    lignes_[2] = {toujours, [this] { repond(ReponseJong::Nouvelle); }, {}};
    // With no saved game the selector is blank and does nothing.
    lignes_[3] = {[this] { return index >= 0 && !nom.empty(); }, [this] { charge(); },
                  [this](int sens) { parcourt(sens); }};
    lignes_[4] = {[this] { return effacable(); }, [this] { efface(); }, {}};
    lignes_[5] = {toujours, [this] { scores(); }, {}};
    lignes_[6] = {toujours, [this] { repond(ReponseJong::Quitter); }, {}};
}

int Menujong::entreesous(int x, int y) {
    if (!(x > 80 && x < 560)) return 0;
    for (int e = 1; e <= 6; ++e)
        if (y > Haut[e] && y < Haut[e] + Bande) return e == 3 && x > 140 && x < 500 ? 7 : e;
    return 0;
}

bool Menujong::effacable() const {
    return index >= 0 && !nom.empty() && !partieencours_;
}

void Menujong::premier() {
    survol = 0;
    index = -1;
    nom = rendlepremiernom();
    if (!nom.empty()) index = 0;
}

void Menujong::afmenujong(int h) {
    image = fond_;
    Polices& po = pf.polices();
    const int t8 = ctx_.r.taille8;
    const Textes& t = ctx_.r.textes;
    auto imprime = [&](int entree, const std::string& s, bool inverse) {
        const int x = static_cast<int>(std::floor((480 - po.largeur(s, t8)) / 2.0)) + 80;
        const int y = Haut[entree];
        po.imprime_releve(image, x, y, s, t8, inverse ? CyanProfond : Cyan, inverse ? Cyan : CyanProfond);
    };
    const bool avecnom = index >= 0 && !nom.empty();
    if (partieencours_) imprime(1, t[Texte::ContinuerLaPartie], h == 1);
    imprime(2, t[Texte::NouvellePartie], h == 2);
    if (!avecnom) {
        fill(image, 81, 176, 478, 58, 0);
    } else {
        fill(image, 140, 176, 361, 55, 0);
        imprime(3, nom, h == 3 || h == 7);
    }
    if (effacable())
        imprime(4, t[Texte::EffacerLaPartie], h == 4);
    else
        fill(image, 81, 246, 478, 57, 0);
    imprime(5, t[Texte::Scores], h == 5);
    imprime(6, t[Texte::MenuPrincipal], h == 6);
    pf.invalide();
}

void Menujong::Form_Activate() {
    premier();
    afmenujong(0);
}

void Menujong::effacelapartie() {
    signale_echec(pf, ctx_.r, "l'effacement de la partie", parties_.effacelapartie(nom));
}

void Menujong::repond(ReponseJong r) {
    reponse = r;
    ferme(ctx_.r);
}

void Menujong::charge() {
    repond(ReponseJong::Charger);
}

void Menujong::efface() {
    joueson(pf, ctx_.r, "cartew00");
    const Textes& t = ctx_.r.textes;
    if (boite_message(pf,
                      t[Texte::ConfirmezLEffacementDe] + ctx_.r.sautligne + t[Texte::LaPartie] + " : " + nom,
                      "Quadrel", true)) {
        effacelapartie();
        premier();
        afmenujong(0);
    }
}

void Menujong::scores() {
    joueson(pf, ctx_.r, "cartew00");
    // The last line's descenders would peek under the score screen: only the picture stays behind it.
    image = fond_;
    pf.invalide();
    scores_();
    afmenujong(survol);
}

void Menujong::parcourt(int sens) {
    if (sens < 0) {
        if (index > 0) {
            --index;
            joueson(pf, ctx_.r, "cartew00");
            nom = rendlenom(index);
            if (nom.empty()) nom = rendlenom(++index);
        }
    } else {
        nom = rendlenom(++index);
        if (nom.empty())
            nom = rendlenom(--index);
        else
            joueson(pf, ctx_.r, "cartew00");
    }
    afmenujong(survol);
}

} // namespace tlv::quadrel
