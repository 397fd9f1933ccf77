#include "belote_table/fmenu.h"

#include <algorithm>
#include <span>

#include "belote_table/special.h"
#include "platform/menuclavier.h"
#include "platform/plateforme.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {
constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 153, 153);
constexpr int Haut[7] = {0, 35, 105, 175, 245, 315, 385};
} // namespace

Fmenu::Fmenu(Contexte& ctx, const Surface& fond, bool partieencours, Paquet& paquet)
    : Form(ctx.pf, 640, 480), ctx_(ctx), fond_(fond), partieencours_(partieencours), paquet_(paquet) {}

int Fmenu::ligne_sous(int x, int y) {
    if (x < 80 || x >= 560) return 0;
    for (int l = 1; l <= 6; ++l)
        if (y >= Haut[l] && y < Haut[l] + 60) return l;
    return 0;
}

void Fmenu::affmenu(int ligne) {
    bitblt(image, 0, 0, 640, 480, fond_, 0, 0);
    const Textes& tx = ctx_.r.textes;
    Polices& po = pf.polices();
    const int t = ctx_.r.taille8;
    const std::string lignes[7] = {"",
                                   partieencours_ ? tx[Texte::ContinuerLaPartie] : std::string(),
                                   tx[Texte::NouvellePartie],
                                   ctx_.r.avecannonces ? tx[Texte::AvecAnnonces] : tx[Texte::SansAnnonces],
                                   tx[Texte::PartieEn] + " " + std::to_string(ctx_.r.partieen),
                                   "",
                                   tx[Texte::MenuPrincipal]};
    fill(image, 140, 176, 361, 53, 0);
    fill(image, 140, 246, 361, 53, 0);
    for (int l = 1; l <= 6; ++l) {
        const std::string& s = lignes[l];
        if (s.empty()) continue;
        const int x = (480 - po.largeur(s, t)) / 2 + 80;
        const bool allume = l == ligne;
        po.imprime(image, x, Haut[l], s, t, allume ? Sombre : Clair);
        po.imprime(image, x + 1, Haut[l] + 1, s, t, allume ? Clair : Sombre);
    }
    pf.invalide();
}

void Fmenu::Form_Activate() {
    survol = 0;
    affmenu(0);
}

void Fmenu::MouseMove(int, int, int x, int y) {
    const int l = ligne_sous(x, y);
    if (l == survol) return;
    survol = l;
    affmenu(l);
}

void Fmenu::MouseDown(int, int shift, int x, int) {
    Reglages& r = ctx_.r;
    switch (survol) {
    case 1:
        if (!partieencours_) return;
        joueson(pf, r, "cartew00");
        reponse = ReponseMenu::continuer;
        hide();
        return;
    case 2:
        joueson(pf, r, "cartew00");
        reponse = ReponseMenu::nouvelle;
        hide();
        return;
    case 6:
        joueson(pf, r, "cartew00");
        reponse = ReponseMenu::quitter;
        hide();
        return;
    case 3:
        joueson(pf, r, "cartew00");
        r.avecannonces = !r.avecannonces;
        affmenu(survol);
        return;
    case 4:
        if (x >= 80 && x < 140) {
            joueson(pf, r, "cartew00");
            r.partieen = std::max(500, r.partieen - 500);
        } else if (x >= 500 && x < 560) {
            joueson(pf, r, "cartew00");
            r.partieen = std::min(2000, r.partieen + 500);
        } else {
            return;
        }
        affmenu(survol);
        return;
    case 5: {
        if (shift != (maj::Shift | maj::Alt)) return;
        Special s(pf, paquet_);
        s.place(left, top);
        pf.montre_modal(s);
        const ReponseSpecial r = s.reponse;
        s.unload();
        paquet_.avecfauxjeu = r == ReponseSpecial::valider;
        return;
    }
    default:
        return;
    }
}

void Fmenu::Form_KeyDown(Touche code, int) {
    if (touche_son(pf, ctx_.util, ctx_.r, code, "cartem01")) return;
    // The keys work the lines a click works; line 5 (the deal editor) stays the mouse's secret.
    static constexpr int lignes[] = {1, 2, 3, 4, 6};
    // Line 4's arrows set the match's points.
    clavier_menu_jeu(*this, code, survol, std::span(lignes).subspan(partieencours_ ? 0 : 1), 4,
                     [this](int l) { affmenu(l); });
}

} // namespace tlv
