// The score pad of the right panel: one line per deal, the match totals under it.
#include <algorithm>
#include <cstdio>

#include "belote_table/tapis.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/reglages.h"

namespace tlv::belote {

namespace {

// Numbers as the pad prints them: a blank before a non-negative number.
std::string nombre(int n) {
    char texte[16];
    std::snprintf(texte, sizeof texte, n >= 0 ? " %d" : "%d", n);
    return texte;
}

} // namespace

void Tapis::ecritscore(int nous, int eux) {
    const int l = std::clamp(lignescore_, 0, 20);
    const int y = 70 + 14 * l;
    restaure(485, y, 58, 15);
    restaure(565, y, 56, 15);
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille1;
    const std::uint32_t c = rgb(0, 192, 192);
    const std::string a = nombre(nous), e = nombre(eux);
    po.imprime(fond_, 541 - po.largeur(a, t), y - 1, a, t, c);
    po.imprime(fond_, 621 - po.largeur(e, t), y - 1, e, t, c);
    pf_.invalide();
}

void Tapis::ecrittotal(int nous, int eux) {
    restaure(490, 416, 63, 21);
    restaure(570, 416, 61, 21);
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille3;
    const std::string a = nombre(nous), e = nombre(eux);
    const int la = po.largeur(a, t), le = po.largeur(e, t);
    po.imprime(fond_, 545 - la, 415, a, t, rgb(0, 128, 128));
    po.imprime(fond_, 625 - le, 415, e, t, rgb(0, 128, 128));
    po.imprime(fond_, 546 - la, 416, a, t, rgb(0, 255, 255));
    po.imprime(fond_, 626 - le, 416, e, t, rgb(0, 255, 255));
    lignescore_ = std::min(lignescore_ + 1, 20);
    ecritreserve();
    pf_.invalide();
}

void Tapis::ecritreserve() {
    // Under the pad, above the totals' heading of the picture.
    restaure(480, 367, 160, 21);
    if (b_.ecran.reserve <= 0) return;
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille1;
    const std::string r = "Réserve\u00a0:" + nombre(b_.ecran.reserve);
    po.imprime(fond_, 480 + (160 - po.largeur(r, t)) / 2, 367 + (21 - po.hauteur(t)) / 2, r, t,
               rgb(0, 192, 192));
}

} // namespace tlv::belote
