#include "minuteries.h"

#include <algorithm>

namespace tlv {

void Minuteries::retire(Declenchable* m) {
    std::erase(liste_, m);
}

std::int64_t Minuteries::prochaine() const {
    std::int64_t t = -1;
    for (const Declenchable* m : liste_)
        if (m->active() && (t < 0 || m->echeance() < t) && !m->inutile()) t = m->echeance();
    return t;
}

bool Minuteries::declenche(std::int64_t maintenant) {
    bool une = false;
    // A handler may enable, disable or destroy timers: collect the due ones first, then recheck each.
    std::vector<Declenchable*> dues;
    for (Declenchable* m : liste_)
        if (m->active() && m->echeance() <= maintenant && !m->inutile()) dues.push_back(m);
    std::sort(dues.begin(), dues.end(), [](auto* a, auto* b) { return a->echeance() < b->echeance(); });
    for (Declenchable* m : dues) {
        if (std::find(liste_.begin(), liste_.end(), m) == liste_.end()) continue;
        if (!m->active() || m->echeance() > maintenant) continue;
        m->declenche(maintenant);
        if (!m->interne()) une = true;
    }
    return une;
}

} // namespace tlv
