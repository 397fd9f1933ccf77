#include "belote/enchere.h"

#include "belote/carte.h"

namespace tlv {

bool danslasix(const TableBelote& t, int carte) {
    for (int i = 1; i <= 6; ++i)
        if (t.liste[i] == carte) return true;
    return false;
}

bool evalue(TableBelote& t, int joueur, int s) {
    for (int i = 1; i <= 5; ++i) t.liste[i] = t.jeu[joueur][i];
    int n = 0;
    for (int i = 1; i <= 6; ++i)
        if (delacouleur(t.liste[i], s)) ++n;
    const bool avecvalet = danslasix(t, code(s, valet));
    const bool avecneuf = danslasix(t, code(s, neuf));
    bool avecas = false;
    for (int c = 1; c <= 4 && !avecas; ++c) avecas = danslasix(t, code(c, as));
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
    for (int s = 1; s <= 4; ++s) {
        if (s == retournee) continue;
        if (evalue(t, joueur, s)) {
            t.prise = 1;
            t.atout = static_cast<std::int16_t>(s);
            return;
        }
    }
}

} // namespace tlv
