#include "routage.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calque.h"
#include "pile.h"
#include "presentation.h"
#include "quitter.h"

namespace tlv {

TouchesCommunes Routage::installe_touches_communes(TouchesCommunes t) {
    return std::exchange(touches_communes_, std::move(t));
}

bool Routage::touche_fenetre(const Entree& e) {
    if (e.type != Entree::Type::Touche) return false;
    if (e.code != Touche::F11 && !(e.code == Touche::Entree && (e.maj & maj::Alt))) return false;
    presentation_.bascule_plein_ecran();
    return true;
}

void Routage::fenetre(bool active) {
    fenetre_active_ = active;
    // A copy: a screen told may show another above it, modally, before the next is told; one gone meanwhile
    // is not told.
    const std::vector<Calque*> calques = pile_.calques();
    for (Calque* c : calques)
        if (std::ranges::find(pile_.calques(), c) != pile_.calques().end() && c->visible) c->fenetre(active);
    presentation_.invalide();
}

void Routage::recoit(const Entree& e) {
    if (e.type == Entree::Type::Quitter) throw Quitter{};
    if (e.type == Entree::Type::Fenetre) return fenetre(e.active);
    if (touche_fenetre(e)) return;
    if (e.type == Entree::Type::Touche && touches_communes_) {
        // Called from a copy: they may open a screen, and others may be installed before it closes.
        const TouchesCommunes t = touches_communes_;
        if (t(e.code, e.maj)) {
            presentation_.invalide();
            return;
        }
    }
    Calque* f = pile_.dessus();
    // Typing a name says nothing of how the player moves about.
    if (e.type == Entree::Type::Touche && !(f && f->saisit_texte()))
        clavier_ = true;
    else if (e.type == Entree::Type::SourisBouge || e.type == Entree::Type::SourisBas)
        clavier_ = false;
    if (f && f->visible) f->route(e);
    presentation_.invalide();
}

bool Routage::vide_file() {
    bool une = false;
    while (!file_.empty()) {
        const Entree e = file_.front();
        file_.pop_front();
        recoit(e);
        une = true;
    }
    return une;
}

} // namespace tlv
