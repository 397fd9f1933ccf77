#include "belote_table/fmenu.h"

#include <algorithm>

#include "belote_table/fniveaux.h"
#include "belote_table/special.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::belote {

// Its own picture is never shown: kept at one stored pixel per pixel, it only gives the form its size.
Fmenu::Fmenu(Contexte& ctx, const Surface& fond, bool partieencours, Paquet& paquet)
    : MenuJeu(ctx.pf, 640, 480, 1), ctx_(ctx), fond_(fond), partieencours_(partieencours), paquet_(paquet) {
    Reglages& r = ctx.r;
    const auto toujours = [] { return true; };
    lignes_[1] = {[this] { return partieencours_; }, [this] { repond(ReponseMenu::continuer); }, {}};
    lignes_[2] = {toujours, [this] { repond(ReponseMenu::nouvelle); }, {}};
    lignes_[3] = {toujours,
                  [this, &r] {
                      joueson(pf, r, "cartew00");
                      r.avecannonces = !r.avecannonces;
                      affmenu(survol);
                  },
                  {}};
    // The match's points, 500 to 2000.
    lignes_[4] = {toujours, {}, [this, &r](int sens) {
                      joueson(pf, r, "cartew00");
                      r.partieen = std::clamp(r.partieen + 500 * sens, 500, 2000);
                      affmenu(survol);
                  }};
    // Line 5: the computer's levels; Shift+Alt+click opens the deal editor instead (MouseDown).
    lignes_[5] = {toujours, [this] { niveaux(); }, {}};
    lignes_[6] = {toujours, [this] { repond(ReponseMenu::quitter); }, {}};
}

int Fmenu::ligne_sous(int x, int y) {
    if (x < 80 || x >= 560) return 0;
    for (int l = 1; l <= 6; ++l)
        if (y >= Haut[l] && y < Haut[l] + 60) return l;
    return 0;
}

void Fmenu::affmenu(int ligne) {
    allumee_ = ligne;
    image.marque(Rect{0, 0, 640, 480});
    pf.invalide();
}

void dessinecadre(Surface& ecran, Rect zone, const Surface& fond, const std::function<void()>& lignes) {
    // Everything is drawn inside the form's area, as onto a picture of its own.
    const Rect avant = ecran.zone();
    const int x0 = std::max(avant.x, zone.x), y0 = std::max(avant.y, zone.y);
    const int x1 = std::min(avant.x + avant.w, zone.x + zone.w),
              y1 = std::min(avant.y + avant.h, zone.y + zone.h);
    if (x0 >= x1 || y0 >= y1) return;
    ecran.decoupe(Rect{x0, y0, x1 - x0, y1 - y0});
    bitblt(ecran, zone.x, zone.y, zone.w, zone.h, fond, 0, 0);
    lignes();
    ecran.decoupe(avant);
}

void Fmenu::dessine(Surface& ecran) {
    dessinecadre(ecran, Rect{left, top, 640, 480}, fond_, [&] { dessinelignes(ecran); });
}

void Fmenu::dessinelignes(Surface& ecran) {
    const Textes& tx = ctx_.r.textes;
    Polices& po = pf.polices();
    const int t = ctx_.r.taille8;
    const std::string lignes[7] = {"",
                                   partieencours_ ? tx[Texte::ContinuerLaPartie] : std::string(),
                                   tx[Texte::NouvellePartie],
                                   ctx_.r.avecannonces ? tx[Texte::AvecAnnonces] : tx[Texte::SansAnnonces],
                                   tx[Texte::PartieEn] + " " + std::to_string(ctx_.r.partieen),
                                   "Niveaux de l'ordinateur",
                                   tx[Texte::MenuPrincipal]};
    fill(ecran, left + 140, top + 176, 361, 53, 0);
    fill(ecran, left + 140, top + 246, 361, 53, 0);
    for (int l = 1; l <= 6; ++l) {
        const std::string& s = lignes[l];
        if (s.empty()) continue;
        // The first band starts right under the picture's frame: a long line there is made smaller and
        // lowered a little, so that it keeps clear of it.
        int tl = t;
        while ((l == 1 || l == 5) && tl > 8 && po.largeur(s, tl) > 420) --tl;
        const int x = left + (480 - po.largeur(s, tl)) / 2 + 80, y = top + Haut[l] + (l == 1 ? 4 : 0);
        const bool allume = l == allumee_;
        po.imprime_releve(ecran, x, y, s, tl, allume ? CyanSombre : Cyan, allume ? Cyan : CyanSombre);
    }
}

void Fmenu::Form_Activate() {
    survol = 0;
    affmenu(0);
}

void Fmenu::MouseDown(int button, int shift, int x, int y) {
    if (survol != 5 || shift == 0) return MenuJeu::MouseDown(button, shift, x, y);
    if (shift == (maj::Shift | maj::Alt)) editeur();
}

void Fmenu::repond(ReponseMenu r) {
    reponse = r;
    ferme(ctx_.r);
}

void Fmenu::editeur() {
    Special s(pf, paquet_);
    s.place(left, top);
    pf.montre_modal(s);
    const ReponseSpecial r = s.reponse;
    s.unload();
    paquet_.avecfauxjeu = r == ReponseSpecial::valider;
}

void Fmenu::niveaux() {
    Fniveaux f(ctx_, fond_);
    f.place(left, top);
    pf.montre_modal(f);
    f.unload();
    affmenu(survol);
}

} // namespace tlv::belote
