#include "belote/relecture.h"

#include <algorithm>

namespace tlv::belote {

namespace {

// Takes the card out of the seat's hand; a card it does not hold changes nothing.
void retire(Main& m, int carte) {
    for (std::size_t s = 1; s <= 8; ++s)
        if (m[s] == carte) {
            m[s] = 0;
            return;
        }
}

} // namespace

int Relecture::premiertour() const {
    const int n = static_cast<int>(r_.encheres.size());
    for (int k = 0; k < n && k < 4; ++k)
        if (r_.encheres[static_cast<std::size_t>(k)].couleur != 0) return k + 1;
    return std::min(n, 4);
}

Position Relecture::position(int i) const {
    i = std::clamp(i, 0, etapes() - 1);
    Position p;
    if (i < tours()) {
        p.moment = Moment::encheres;
        p.retournee = r_.retournee;
        p.tour = i + 1;
        p.premiere = i == 0 ? 0 : premiertour();
        p.nombre = i == 0 ? premiertour() : static_cast<int>(r_.encheres.size()) - premiertour();
        // The first five only: the turned card lies in the middle, not yet in a hand.
        for (std::size_t j = 1; j <= 4; ++j)
            for (std::size_t s = 1; s <= 5; ++s) p.mains[j][s] = r_.premiere[j][s];
        return p;
    }
    p.mains = r_.mains;
    if (i == tours()) {
        p.moment = Moment::mains;
        return p;
    }
    const int k = i - tours() - 1; // the card just played, counted from 0
    p.moment = Moment::carte;
    for (int n = 0; n <= k; ++n) {
        const Jouee& c = r_.cartes[static_cast<std::size_t>(n)];
        if (c.joueur >= 1 && c.joueur <= 4) retire(p.mains[static_cast<std::size_t>(c.joueur)], c.carte);
    }
    const Jouee& c = r_.cartes[static_cast<std::size_t>(k)];
    p.joueur = c.joueur, p.carte = c.carte, p.raison = &c.raison;
    p.numpli = k / 4 + 1, p.numcarte = k % 4 + 1;
    for (int n = k - k % 4; n <= k; ++n) {
        const Jouee& d = r_.cartes[static_cast<std::size_t>(n)];
        if (d.joueur >= 1 && d.joueur <= 4) p.pli[static_cast<std::size_t>(d.joueur)] = d.carte;
    }
    if (p.numcarte == 4 && static_cast<std::size_t>(p.numpli) <= r_.gagnants.size())
        p.gagnant = r_.gagnants[static_cast<std::size_t>(p.numpli - 1)];
    return p;
}

} // namespace tlv::belote
