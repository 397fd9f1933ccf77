#include "belote/enchere.h"

#include <algorithm>
#include <array>

#include "belote/carte.h"

namespace tlv::belote {

namespace {

// The six cards a seat bids on: its first five and the turned card.
using Six = std::array<int, 6>;

bool danslasix(const Six& six, int carte) {
    return std::find(six.begin(), six.end(), carte) != six.end();
}

} // namespace

bool evalue(const TableBelote& t, int joueur, int s) {
    const auto& m = t.jeu[joueur];
    const Six six{m[1], m[2], m[3], m[4], m[5], t.liste[6]};
    int n = 0;
    for (int c : six)
        if (delacouleur(c, s)) ++n;
    const bool avecvalet = danslasix(six, code(s, valet));
    const bool avecneuf = danslasix(six, code(s, neuf));
    bool avecas = false;
    for (int c = pique; c <= coeur && !avecas; ++c) avecas = danslasix(six, code(c, as));
    if (n <= 1) return false;
    if (n == 2) return avecvalet && avecneuf;
    if (n == 3) return (avecvalet && avecneuf) || (avecvalet && avecas) || (avecneuf && avecas);
    return true;
}

void evaluepremiertour(TableBelote& t, int joueur, int couleur) {
    t.prise = evalue(t, joueur, couleur) ? 1 : 0;
}

void evaluesecondtour(TableBelote& t, int joueur) {
    const int retournee = t.liste[6] / 10;
    for (int s = pique; s <= coeur; ++s) {
        if (s == retournee) continue;
        if (evalue(t, joueur, s)) {
            t.prise = 1;
            t.atout = static_cast<std::int16_t>(s);
            return;
        }
    }
}

} // namespace tlv::belote
