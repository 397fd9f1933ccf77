#include "belote/deroule.h"

#include "belote/carte.h"
#include "belote/choix.h"
#include "belote/legalite.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {

// The belote and rebelote, as the flow tells them: only the seat holding both trumps counts.
void belote(Deroule& d, int joueur, int carte) {
    auto& t = d.t;
    if (carte != code(t.atout, roi) && carte != code(t.atout, dame)) return;
    if (t.compteurbelote < 1 || t.compteurbelote > 2) return;
    if (++t.compteurbelote != 3) return;
    if (cotenous(joueur)) {
        t.pointsnous = static_cast<std::int16_t>(t.pointsnous + 20);
        d.belotenous = 20;
        d.beloteeux = 0;
    } else {
        t.pointseux = static_cast<std::int16_t>(t.pointseux + 20);
        d.beloteeux = 20;
        d.belotenous = 0;
    }
}

void ramasse(Deroule& d) {
    auto& t = d.t;
    int points = 0;
    for (int j = 1; j <= 4; ++j) points += valeurcarte(t.cartesjouees[t.numpli][j], t.atout);
    if (cotenous(t.maitre)) {
        t.pointsnous = static_cast<std::int16_t>(t.pointsnous + points);
        t.plinous = 1;
    } else {
        t.pointseux = static_cast<std::int16_t>(t.pointseux + points);
        t.plieux = 1;
    }
    t.couleurdemandee = 0;
    if (t.numpli >= 8) {
        d.fini = true;
        return;
    }
    ++t.numpli;
    t.numcarte = 1;
    d.prochain = t.maitre;
}

} // namespace

void commencejeu(Deroule& d) {
    auto& t = d.t;
    t.numpli = 1;
    t.numcarte = 1;
    t.couleurdemandee = 0;
    t.maitre = static_cast<std::int16_t>(suivant(t.donneur));
    d.prochain = t.maitre;
    d.fini = false;
}

void posecarte(Deroule& d, int slot) {
    auto& t = d.t;
    const int j = d.prochain;
    const int c = t.jeu[j][slot];
    metsurlepli(t, j, slot);
    belote(d, j, c);
    t.jeu[j][slot] = 0;
    if (t.numcarte == 4) {
        ramasse(d);
        return;
    }
    ++t.numcarte;
    d.prochain = suivant(j);
}

void joueregles(Deroule& d, Rnd& rnd) {
    while (!d.fini) {
        const int j = d.prochain;
        int slot = choisitcarte(d.t, j, rnd).slot;
        if (slot < 1 || slot > 8 || !permise(cartelegale(d.t, j, slot))) {
            slot = 0; // never expected of the rule list; the first legal card keeps the deal whole
            for (int s = 1; s <= 8 && slot == 0; ++s)
                if (permise(cartelegale(d.t, j, s))) slot = s;
        }
        if (slot == 0) return;
        if (j == 1 && cartelegale(d.t, j, slot) == Legalite::permise_sansatout) d.t.plusdatout[j] = 1;
        posecarte(d, slot);
    }
}

} // namespace tlv::belote
