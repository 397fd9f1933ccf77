#include "form.h"

#include <string>

#include "controles.h"
#include "entrees.h"
#include "focus.h"
#include "plateforme.h"
#include "texte.h"

namespace tlv {

Form::Form(Plateforme& p, int largeur, int hauteur)
    : pf(p), image(largeur, hauteur, 0, p.facteur()), caption_(new std::string) {}

Form::Form(Plateforme& p, int largeur, int hauteur, int facteur)
    : pf(p), image(largeur, hauteur, 0, facteur), caption_(new std::string) {}

Form::~Form() {
    delete caption_;
}

const std::string& Form::caption() const {
    return *caption_;
}

void Form::caption(const std::string& titre) {
    *caption_ = titre;
}

void Form::centre_sur_aire() {
    const int cadre = caption_->empty() ? 0 : Barre;
    left = pf.decalagex() + (640 - largeur()) / 2;
    top = pf.decalagey() + (480 - hauteur() - cadre) / 2 + cadre;
}

void Form::load() {
    if (charge_) return;
    charge_ = true;
    Form_Load();
}

void Form::unload() {
    if (!charge_) return;
    charge_ = false;
    visible = false;
    Form_Unload();
}

void Form::dessine(Surface& ecran) {
    if (!caption_->empty()) {
        // A dialog frame: a dark border, a blue title bar with the caption and a close box.
        const int x = left - 3, y = top - Barre - 3, w = largeur() + 6, h = hauteur() + Barre + 6;
        fill(ecran, x, y, w, h, rgb(212, 208, 200));
        cadre(ecran, x, y, w, h, rgb(64, 64, 64));
        for (int j = 0; j < Barre - 2; ++j) {
            const int t = j * 40 / Barre;
            fill(ecran, left, top - Barre + 1 + j, largeur(), 1, rgb(10 + t, 36 + t, 106 + t));
        }
        pf.polices().imprime(ecran, left + 6, top - Barre + 3, *caption_, 10, rgb(255, 255, 255));
        const int cx = left + largeur() - 20, cy = top - Barre + 3;
        fill(ecran, cx, cy, 16, 14, croix_enfoncee_ ? rgb(160, 160, 160) : rgb(212, 208, 200));
        cadre(ecran, cx, cy, 16, 14, rgb(64, 64, 64));
        for (int i = 0; i < 7; ++i) {
            fill(ecran, cx + 4 + i, cy + 3 + i, 2, 1, rgb(0, 0, 0));
            fill(ecran, cx + 10 - i, cy + 3 + i, 2, 1, rgb(0, 0, 0));
        }
    }
    bitblt(ecran, left, top, largeur(), hauteur(), image, 0, 0);
    for (Controle* c : controles)
        if (c->visible) {
            // Controls draw on the screen so that the form's picture stays clean.
            c->dessine(ecran, left, top, pf.polices());
        }
}

void Form::modifiees(std::vector<Rect>& zones) const {
    const Rect& m = image.modifiee();
    zones.push_back(Rect{m.x + left, m.y + top, m.w, m.h});
    if (!caption_->empty()) zones.push_back(Rect{left - 3, top - Barre - 3, largeur() + 6, Barre + 3});
    for (const Controle* c : controles) c->modifiee(left, top, zones);
    const Rect f = focus_ecran();
    if (f.x != focus_envoye_.x || f.y != focus_envoye_.y || f.w != focus_envoye_.w ||
        f.h != focus_envoye_.h) {
        zones.push_back(focus_envoye_);
        zones.push_back(f);
    }
}

void Form::oublie_modifications() {
    image.oublie_modifications();
    for (Controle* c : controles) c->oublie_modifications();
    focus_envoye_ = focus_ecran();
}

void Form::montre_focus(const Rect& r) {
    focus_ = r;
    focus_visible_ = true;
}

Rect Form::focus_ecran() const {
    if (!focus_visible_ || focus_.vide()) return Rect{};
    return Rect{left + focus_.x - DebordFocus, top + focus_.y - DebordFocus, focus_.w + 2 * DebordFocus,
                focus_.h + 2 * DebordFocus};
}

void Form::dessine_focus(Surface& ecran) const {
    if (focus_visible_) trace_focus(ecran, Rect{left + focus_.x, top + focus_.y, focus_.w, focus_.h});
}

bool Form::sur_croix(int x, int y) const {
    return y < 0 && y >= -Barre && x >= largeur() - 20 && x < largeur() - 4;
}

void Form::route(const Entree& e) {
    const int x = e.x - left, y = e.y - top;
    switch (e.type) {
    case Entree::Type::SourisBas:
        route_bas(e, x, y);
        return;
    case Entree::Type::SourisBouge:
        survol_clavier_ = false;
        focus_visible_ = false;
        if (capture_) {
            capture_->souris_bouge(x, y);
            return;
        }
        MouseMove(bouton_bas_, e.maj, x, y);
        return;
    case Entree::Type::SourisHaut:
        route_haut(e, x, y);
        return;
    case Entree::Type::Touche:
        route_touche(e);
        return;
    case Entree::Type::Caractere:
        Form_KeyPress(e.texte);
        return;
    case Entree::Type::Fenetre: // told to every screen by `fenetre`
    case Entree::Type::Quitter:
        return;
    }
}

void Form::route_bas(const Entree& e, int x, int y) {
    if (!caption_->empty() && e.bouton == bouton::Gauche && sur_croix(x, y)) {
        croix_enfoncee_ = true;
        return;
    }
    // After the keys moved a highlight, a click acts on what lies under the pointer, not on the line the
    // keys chose: the menu is told first where the pointer is.
    if (survol_clavier_) {
        survol_clavier_ = false;
        MouseMove(bouton_bas_, e.maj, x, y);
    }
    bouton_bas_ |= e.bouton;
    if (e.bouton == bouton::Gauche)
        for (auto it = controles.rbegin(); it != controles.rend(); ++it)
            if ((*it)->contient(x, y)) {
                capture_ = *it;
                capture_->souris_bas(x, y);
                return;
            }
    MouseDown(e.bouton, e.maj, x, y);
}

void Form::route_haut(const Entree& e, int x, int y) {
    if (croix_enfoncee_) {
        croix_enfoncee_ = false;
        if (sur_croix(x, y)) ferme_par_croix();
        return;
    }
    bouton_bas_ &= ~e.bouton;
    if (capture_ && e.bouton == bouton::Gauche) {
        Controle* c = capture_;
        capture_ = nullptr;
        c->souris_haut(x, y);
        return;
    }
    MouseUp(e.bouton, e.maj, x, y);
}

void Form::route_touche(const Entree& e) {
    if (const std::optional<char> l = lettre(e.code); (e.maj & maj::Alt) && l) {
        for (Controle* c : controles)
            if (c->visible && c->accelerateur() == *l) {
                c->active();
                return;
            }
    }
    if (e.code == Touche::Haut || e.code == Touche::Bas) survol_clavier_ = true;
    Form_KeyDown(e.code, e.maj);
    if (e.code == Touche::Entree || e.code == Touche::Echap || e.code == Touche::Effacement ||
        e.code == Touche::Tab)
        Form_KeyPress(std::string(1, static_cast<char>(e.code)));
}

} // namespace tlv
