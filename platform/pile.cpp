#include "pile.h"

#include <algorithm>

#include "calque.h"

namespace tlv {

void PileCalques::retire(const Calque& c) {
    std::erase(calques_, &c);
}

bool PileCalques::recouvert(const Calque& c, const Rect& r) const {
    const auto it = std::find(calques_.begin(), calques_.end(), &c);
    if (it == calques_.end()) return false;
    return std::any_of(it + 1, calques_.end(), [&](const Calque* g) {
        return g->visible && g->left <= r.x && g->top <= r.y && g->left + g->largeur() >= r.x + r.w &&
               g->top + g->hauteur() >= r.y + r.h;
    });
}

} // namespace tlv
