// The replay's keys, mouse and steps; its pictures are drawn in revue_dessin.cpp.
#include <algorithm>

#include "belote_table/revue.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "shell/sons.h"

namespace tlv::belote {

Revue::Revue(Contexte& ctx, const Tapis& tapis, const Recit& recit)
    : Form(ctx.pf, 640, 480), ctx_(ctx), tapis_(tapis), relecture_(recit) {
    const std::string f = fauxjeudurecit(recit);
    if (!f.empty()) fiche_ = partage(f, recit.donneur);
}

void Revue::Form_Load() {
    etape_ = 0;
    reponse = ReponseRevue::aucune;
    survol_ = Label::aucun;
    copiee_ = false;
    dessine_tout(true);
}

void Revue::avance(int pas) {
    va(etape_ + pas);
}

void Revue::va(int etape) {
    etape = std::clamp(etape, 0, relecture_.etapes() - 1);
    if (etape == etape_) return;
    etape_ = etape;
    joueson(pf, ctx_.r, "cartew01");
    dessine_tout(true);
}

void Revue::copie() {
    if (fiche_.empty()) return;
    pf.copie(fiche_);
    copiee_ = true;
    dessine_tout(false);
}

void Revue::quitte(ReponseRevue r) {
    reponse = r;
    hide();
}

bool Revue::label_actif(Label l) const {
    switch (l) {
    case Label::precedent:
        return etape_ > 0;
    case Label::suivant:
        return etape_ < relecture_.etapes() - 1;
    case Label::copier:
    case Label::rejouer:
        return !fiche_.empty();
    case Label::retour:
        return true;
    default:
        return false;
    }
}

Rect Revue::zone(Label l) {
    switch (l) {
    case Label::precedent:
        return Rect{490, 336, 40, 24};
    case Label::suivant:
        return Rect{596, 336, 40, 24};
    case Label::rejouer:
        return Rect{490, 418, 146, 27};
    case Label::copier:
        return Rect{490, 449, 71, 27};
    case Label::retour:
        return Rect{565, 449, 71, 27};
    default:
        return Rect{};
    }
}

Revue::Label Revue::label_sous(int x, int y) {
    for (Label l : {Label::precedent, Label::suivant, Label::rejouer, Label::copier, Label::retour}) {
        const Rect r = zone(l);
        if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return l;
    }
    return Label::aucun;
}

void Revue::Form_KeyDown(Touche code, int shift) {
    switch (code) {
    case Touche::Droite:
    case Touche::Bas:
    case Touche::Espace:
        return avance(1);
    case Touche::Gauche:
    case Touche::Haut:
        return avance(-1);
    case Touche::Debut:
        return va(0);
    case Touche::Fin:
        return va(relecture_.etapes() - 1);
    case Touche::Echap:
        return quitte(ReponseRevue::retour);
    default:
        break;
    }
    if (code == touche_caractere('K') || (code == touche_caractere('C') && (shift & maj::Ctrl))) copie();
}

void Revue::MouseDown(int button, int, int x, int y) {
    if (button == bouton::Droit) return avance(-1);
    if (button != bouton::Gauche) return;
    const Label l = label_sous(x, y);
    if (l != Label::aucun && !label_actif(l)) return;
    switch (l) {
    case Label::precedent:
        return avance(-1);
    case Label::copier:
        return copie();
    case Label::rejouer:
        return quitte(ReponseRevue::rejouer);
    case Label::retour:
        return quitte(ReponseRevue::retour);
    default:
        return avance(1);
    }
}

void Revue::MouseMove(int, int, int x, int y) {
    const Label l = label_sous(x, y);
    if (l == survol_) return;
    survol_ = l;
    dessine_tout(false);
}

} // namespace tlv::belote
