#include "belote/conseil.h"

#include "belote/choix.h"
#include "belote/enchere.h"
#include "belote/raisons.h"

namespace tlv::belote {

namespace {

// The second round's panel lists the three suits other than the turned card's, in order, from line 2.
int lignesecondtour(int proposee, int choisie) {
    int ligne = 2;
    for (int s = 1; s < choisie; ++s)
        if (s != proposee) ++ligne;
    return ligne;
}

Conseil enchere(const TableBelote& t, bool premier) {
    TableBelote copie = t;
    copie.prise = 0;
    const Motif m = premier ? evaluepremiertour(copie, 1, copie.atout) : evaluesecondtour(copie, 1);
    const bool prise = copie.prise == 1;
    const int ligne = !prise ? 1 : premier ? 2 : lignesecondtour(t.atout, copie.atout);
    return {ligne, m, conseilenchere(t, m, copie.atout, premier)};
}

Conseil carte(const TableBelote& t, const Rnd& rnd) {
    TableBelote copie = t;
    Rnd tirage = rnd;
    const Choix ch = choisitcarte(copie, 1, tirage);
    if (ch.slot < 1 || ch.slot > 8 || t.jeu[1][ch.slot] <= 0) return {};
    return {ch.slot, ch.motif, conseilcarte(t, t.jeu[1][ch.slot], ch.motif)};
}

} // namespace

Conseil conseille(const TableBelote& t, EtatClic moment, const Rnd& rnd) {
    switch (moment) {
    case EtatClic::enchere1:
        return enchere(t, true);
    case EtatClic::enchere2:
        return enchere(t, false);
    case EtatClic::carte:
        return carte(t, rnd);
    default:
        return {};
    }
}

} // namespace tlv::belote
