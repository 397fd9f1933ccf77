#include "base.h"

#include <cmath>

#include "avis.h"
#include "chargeimage.h"
#include "claviercommun.h"
#include "platform/chrono.h"
#include "platform/couleurs.h"
#include "platform/menuclavier.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "reglages.h"
#include "sons.h"
#include "tlvutil.h"
#include "tlvweb.h"

namespace tlv {

namespace {
constexpr int LigneX0 = 328, LigneX1 = 628;
constexpr int BandeHauteur = 60;

} // namespace

Base::Base(Contexte& ctx, const Jeux& jeux)
    : Form(ctx.pf, 0, 0), anim(ctx.pf), ctx_(ctx), jeux_(jeux), avis_(ctx.r.scores->enmemoire()) {
    boutonsite.caption = "Accès au site web";
    boutonsite.points = ctx.r.taille3;
    boutonsite.Click = [this] { ouvre_site(); };
    controles = {&anim, &boutonsite};
    // The whole screen; its own picture is never shown (the screen is black around the picture box), so it
    // is kept at one stored pixel per pixel.
    image = Surface(ctx.pf.ecran_largeur(), ctx.pf.ecran_hauteur(), 0, 1);
    anim.sur(*this);
    place_controles();
    charge_image_menu();
    jalon("image du lanceur");
}

void Base::place_controles() {
    const int dx = ctx_.r.decalagex, dy = ctx_.r.decalagey;
    anim.x = dx + 1, anim.y = dy + 216, anim.w = 310, anim.h = 48;
    boutonsite.x = dx + 350, boutonsite.y = dy + 235, boutonsite.w = 260, boutonsite.h = 80;
}

void Base::charge_image_menu() {
    picture_ = chargeimage(ctx_.r.repertoire, "cartei00", pf.facteur());
    // Its picture is laid by `choix`, which always comes before it shows.
    basemenu_ = Surface(640, 480, 0, pf.facteur());
    // The button's face lies under the screen part of the picture.
    if (picture_.hauteur() >= 540 && picture_.largeur() >= 250) {
        boutonsite.image = &picture_;
        boutonsite.source = Rect{0, 480, 250, 60};
        boutonsite.decalage_texte = 44; // clear of the globe at the face's left end
    } else {
        boutonsite.image = nullptr;
    }
}

int Base::ligne_sous(int x, int y) {
    if (x <= LigneX0 || x >= LigneX1) return 0;
    for (int l = 1; l <= 5; ++l)
        if (y > BandeY[l] && y < BandeY[l] + BandeHauteur) return l;
    return 0;
}

void Base::choix(int ligne) {
    bitblt(basemenu_, 0, 0, 640, 480, picture_, 0, 0);
    const Textes& t = ctx_.r.textes;
    const Texte libelles[5] = {Texte::JeuBelote, Texte::JeuMemo, Texte::JeuQuadrel, Texte::Aide,
                               Texte::Quitter};
    Polices& po = pf.polices();
    const int taille = ctx_.r.taille8;
    for (int l = 1; l <= 5; ++l) {
        const std::string& s = t[libelles[l - 1]];
        const int x = static_cast<int>(std::floor((300 - po.largeur(s, taille)) / 2.0)) + LigneX0;
        const int y = BandeY[l];
        const bool h = l == ligne;
        po.imprime_releve(basemenu_, x, y, s, taille, h ? CyanSombre : Cyan, h ? Cyan : CyanSombre);
    }
    if (avis_) dessine_avis_scores(basemenu_, po, pf.polices_texte(), ctx_.r.scores->dossier());
    pf.invalide();
}

void Base::ligne() {
    joueson(pf, ctx_.r, "cartew00");
    avis_ = false; // said once, on the launcher's first display
    basemenu_visible_ = false;
    // The launcher's pictures are made again on the way back: a game has the memory meanwhile.
    picture_ = Surface();
    basemenu_ = Surface();
    boutonsite.image = nullptr;
    boutonsite.visible = false;
    anim.visible = false;
    anim.Close();
    pf.invalide(Rect{left + ctx_.r.decalagex, top + ctx_.r.decalagey, 640, 480});
    pf.invalide();
}

void Base::recharge() {
    charge_image_menu();
    survol_ = 0;
    choix(0);
    anim.w = 310, anim.h = 48;
    if (!anim.Open(ctx_.r.repertoire + "cartef00")) donneemanquante(ctx_.r.repertoire, "cartef00");
    pf.doevents();
    anim.Play();
    basemenu_visible_ = true;
    boutonsite.visible = true;
    anim.visible = true;
    pf.invalide();
}

void Base::jouemusik(const std::string& nom) {
    tlv::jouemusik(pf, ctx_.util, ctx_.r, nom);
}

void Base::basemenu_MouseMove(int, int, int x, int y) {
    const int l = ligne_sous(x, y);
    if (l == survol_) return;
    survol_ = l;
    choix(survol_);
}

void Base::basemenu_MouseDown(int button, int, int, int) {
    if (button == bouton::Gauche) lance_ligne(survol_);
}

void Base::lance_ligne(int choisie) {
    switch (choisie) {
    case 1:
    case 2:
    case 3: {
        const auto& jeu = choisie == 1 ? jeux_.belote : choisie == 2 ? jeux_.memo : jeux_.quadrel;
        if (!jeu) return;
        ligne();
        jeu(ctx_);
        recharge();
        break;
    }
    case 4:
        joueson(pf, ctx_.r, "cartew00");
        ctx_.util.met(Tlvutil::Propriete::FichierAide, ctx_.r.repertoire + "tolvanex.hlp");
        ctx_.util.action(Tlvutil::Action::MontreAide);
        ctx_.util.action(Tlvutil::Action::Termine);
        break;
    case 5:
        ligne();
        hide();
        break;
    default:
        break;
    }
}

void Base::ouvre_site() {
    Tlvutil& u = ctx_.util;
    using P = Tlvutil::Propriete;
    u.met(P::FichierReglages, std::string("tlvweb.ini"));
    u.met(P::CleReglage, std::string("url"));
    u.met(P::SectionReglage, std::string("siteconf"));
    u.action(Tlvutil::Action::LitReglage);
    u.met(P::AdressePage, adresseweb(u.lit(P::ValeurLue), ctx_.r.repertoire));
    u.action(Tlvutil::Action::OuvrePage);
    u.action(Tlvutil::Action::Termine);
}

void Base::Form_Activate() {
    if (!deja_active_) {
        deja_active_ = true;
        survol_ = 0;
        choix(0);
        jalon("lignes du menu");
        anim.visible = true;
        anim.Play();
    }
    jouemusik("cartem00");
}

void Base::focus_bouton(bool sur_bouton) {
    if (sur_bouton) {
        // Around the button's face, clear of its gold edge.
        const int fw = boutonsite.image ? boutonsite.source.w : boutonsite.w,
                  fh = boutonsite.image ? boutonsite.source.h : boutonsite.h;
        montre_focus(Rect{boutonsite.x + (boutonsite.w - fw) / 2 - 3, boutonsite.y + (boutonsite.h - fh) / 2 - 3,
                          fw + 6, fh + 6});
    } else {
        cache_focus();
    }
    // Back from the button, the keys start again from the first line.
    survol_ = sur_bouton ? 0 : 1;
    choix(survol_);
}

void Base::Form_KeyDown(Touche code, int) {
    if (!basemenu_visible_) return;
    // Tab goes between the lines and the web button; Haut and Bas come back to the lines as well, where
    // they start from no line.
    if (code == Touche::Tab) {
        focus_bouton(!focus_visible());
        return;
    }
    if (focus_visible()) {
        if (code == Touche::Entree) ouvre_site();
        if (code != Touche::Haut && code != Touche::Bas) return;
        cache_focus();
    }
    // Échap has nowhere to go back to here: it does nothing, as the arrows sideways do.
    static constexpr int lignes[] = {1, 2, 3, 4, 5};
    switch (geste_menu(code, survol_, lignes)) {
    case GesteMenu::Deplace:
        choix(survol_);
        break;
    case GesteMenu::Choisit:
        lance_ligne(survol_);
        break;
    default:
        break;
    }
}

void Base::Form_Unload() {
    anim.Stop();
    arretemusik(ctx_.util);
}

void Base::MouseMove(int button, int shift, int x, int y) {
    const int bx = x - ctx_.r.decalagex, by = y - ctx_.r.decalagey;
    if (basemenu_visible_ && bx >= 0 && by >= 0 && bx < 640 && by < 480)
        basemenu_MouseMove(button, shift, bx, by);
}

void Base::MouseDown(int button, int shift, int x, int y) {
    const int bx = x - ctx_.r.decalagex, by = y - ctx_.r.decalagey;
    if (basemenu_visible_ && bx >= 0 && by >= 0 && bx < 640 && by < 480)
        basemenu_MouseDown(button, shift, bx, by);
}

void Base::dessine(Surface& ecran) {
    // The form itself is black (the screen is cleared before composing): only the picture box and controls.
    if (basemenu_visible_)
        bitblt(ecran, left + ctx_.r.decalagex, top + ctx_.r.decalagey, 640, 480, basemenu_, 0, 0);
    for (Controle* c : controles)
        if (c->visible) c->dessine(ecran, left, top, pf.polices());
}

void Base::modifiees(std::vector<Rect>& zones) const {
    Form::modifiees(zones);
    // Shown or hidden since the last frame, the picture box changed whole, whatever was drawn on it while
    // hidden (the way back from a game draws it before it shows).
    const Rect m = basemenu_visible_ != basemenu_montre_ ? Rect{0, 0, 640, 480} : basemenu_.modifiee();
    zones.push_back(Rect{left + ctx_.r.decalagex + m.x, top + ctx_.r.decalagey + m.y, m.w, m.h});
}

void Base::oublie_modifications() {
    Form::oublie_modifications();
    basemenu_.oublie_modifications();
    basemenu_montre_ = basemenu_visible_;
}

void lancemenu(Contexte& ctx, const Jeux& jeux) {
    ClavierCommun clavier(ctx, "cartem00");
    Base base(ctx, jeux);
    base.load();
    base.place(0, 0);
    // The clip is opened here so that a missing file stops the program before the launcher shows.
    if (!base.anim.Open(ctx.r.repertoire + "cartef00")) donneemanquante(ctx.r.repertoire, "cartef00");
    jalon("clip");
    ctx.pf.montre_modal(base);
    base.unload();
}

} // namespace tlv
