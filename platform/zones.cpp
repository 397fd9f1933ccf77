#include "zones.h"

#include <cstdint>
#include <limits>

namespace tlv {

bool proches(const Rect& a, const Rect& b, int marge) {
    return a.x - marge < b.x + b.w && b.x - marge < a.x + a.w && a.y - marge < b.y + b.h &&
           b.y - marge < a.y + a.h;
}

namespace {
std::int64_t aire(const Rect& r) {
    return static_cast<std::int64_t>(r.w) * r.h;
}
} // namespace

void ZonesChangees::ajoute(const Rect& r) {
    if (r.vide()) return;
    Rect z = r;
    // A merged rectangle may now reach others: absorb until none is near.
    for (bool encore = true; encore;) {
        encore = false;
        for (std::size_t i = 0; i < zones_.size(); ++i)
            if (proches(zones_[i], z, Proximite)) {
                z = reunion(z, zones_[i]);
                zones_.erase(zones_.begin() + static_cast<std::ptrdiff_t>(i));
                encore = true;
                break;
            }
    }
    zones_.push_back(z);
    while (zones_.size() > Maximum) {
        std::size_t a = 0, b = 1;
        std::int64_t perte = std::numeric_limits<std::int64_t>::max();
        for (std::size_t i = 0; i < zones_.size(); ++i)
            for (std::size_t j = i + 1; j < zones_.size(); ++j) {
                const std::int64_t p =
                    aire(reunion(zones_[i], zones_[j])) - aire(zones_[i]) - aire(zones_[j]);
                if (p < perte) perte = p, a = i, b = j;
            }
        const Rect u = reunion(zones_[a], zones_[b]);
        zones_.erase(zones_.begin() + static_cast<std::ptrdiff_t>(b));
        zones_.erase(zones_.begin() + static_cast<std::ptrdiff_t>(a));
        // The union may now be near others.
        ajoute(u);
    }
}

} // namespace tlv
