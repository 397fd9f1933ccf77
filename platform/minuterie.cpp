#include "minuterie.h"

#include <algorithm>

#include "plateforme.h"

namespace tlv {

Minuterie::Minuterie(Plateforme& pf, int intervalle_ms, std::function<void()> action)
    : pf_(pf), intervalle_(intervalle_ms > 0 ? intervalle_ms : 1), action_(std::move(action)) {
    pf_.minuteries().enregistre(this);
}

Minuterie::~Minuterie() {
    pf_.minuteries().retire(this);
}

void Minuterie::active(bool oui) {
    if (oui && !actif_) echeance_ = pf_.ms() + intervalle_, reste_ = intervalle_;
    actif_ = oui;
}

void Minuterie::suspend(bool oui) {
    if (oui == suspendue_) return;
    suspendue_ = oui;
    if (oui)
        reste_ = std::max<std::int64_t>(0, echeance_ - pf_.ms());
    else
        echeance_ = pf_.ms() + reste_;
}

void Minuterie::declenche(std::int64_t maintenant) {
    echeance_ += intervalle_;
    // After a long block (a voice, a suspended machine) the timer does not fire in a burst.
    if (echeance_ <= maintenant) echeance_ = maintenant + intervalle_;
    // A handler that gives way to events must not be re-entered by its own timer.
    if (en_cours_ || !action_) return;
    en_cours_ = true;
    struct Fin {
        bool& b;
        ~Fin() { b = false; }
    } fin{en_cours_};
    action_();
}

} // namespace tlv
