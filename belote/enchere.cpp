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

Motif motifevalue(const TableBelote& t, int joueur, int s) {
    const auto& m = t.jeu[joueur];
    const Six six{m[1], m[2], m[3], m[4], m[5], t.liste[6]};
    int n = 0;
    for (int c : six)
        if (delacouleur(c, s)) ++n;
    const bool avecvalet = danslasix(six, code(s, valet));
    const bool avecneuf = danslasix(six, code(s, neuf));
    bool avecas = false;
    for (int c = pique; c <= coeur && !avecas; ++c) avecas = danslasix(six, code(c, as));
    if (n <= 1) return Motif::passe_seule;
    if (n == 2) return avecvalet && avecneuf ? Motif::prend_valet_neuf : Motif::passe_deux;
    if (n == 3) {
        if (avecvalet && avecneuf) return Motif::prend_valet_neuf;
        if (avecvalet && avecas) return Motif::prend_valet_as;
        if (avecneuf && avecas) return Motif::prend_neuf_as;
        return Motif::passe_trois;
    }
    return Motif::prend_quatre;
}

bool prend(Motif m) {
    return m == Motif::prend_quatre || m == Motif::prend_valet_neuf || m == Motif::prend_valet_as ||
           m == Motif::prend_neuf_as || m == Motif::fort_prend;
}

bool evalue(const TableBelote& t, int joueur, int s) {
    return prend(motifevalue(t, joueur, s));
}

Motif evaluepremiertour(TableBelote& t, int joueur, int couleur) {
    const Motif m = motifevalue(t, joueur, couleur);
    t.prise = prend(m) ? 1 : 0;
    return m;
}

Motif evaluesecondtour(TableBelote& t, int joueur) {
    const int retournee = t.liste[6] / 10;
    for (int s = pique; s <= coeur; ++s) {
        if (s == retournee) continue;
        if (const Motif m = motifevalue(t, joueur, s); prend(m)) {
            t.prise = 1;
            t.atout = static_cast<std::int16_t>(s);
            return m;
        }
    }
    return Motif::passe_second;
}

} // namespace tlv::belote
