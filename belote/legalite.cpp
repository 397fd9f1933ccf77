#include "belote/legalite.h"

#include "belote/carte.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {

bool tient(const TableBelote& t, int joueur, int coul) {
    for (int s = 1; s <= 8; ++s)
        if (delacouleur(t.jeu[joueur][s], coul)) return true;
    return false;
}

// A trump beats the winning trump: higher value, or the 8 over the 7 (both worth 0).
bool surcoupe(const TableBelote& t, int joueur, int slot) {
    const int v = t.valeur[joueur][slot];
    const int vmaitre = t.valeur[t.maitre][t.cartemaitre];
    return v > vmaitre || (vmaitre == 0 && rang(t.jeu[joueur][slot]) == huit);
}

Legalite montesipossible(const TableBelote& t, int joueur, int slot, Legalite sinon) {
    if (surcoupe(t, joueur, slot)) return Legalite::permise;
    return peutmonter(t, joueur) ? sinon : Legalite::permise;
}

} // namespace

Legalite cartelegale(const TableBelote& t, int joueur, int slot) {
    const int carte = t.jeu[joueur][slot];
    if (carte == 0) return Legalite::refusee;
    const int s = couleur(carte), l = t.couleurdemandee;
    const bool partenairemaitre = t.maitre == partenaire(joueur);
    if (l == 0) return Legalite::permise;
    if (s == l && s != t.atout) return Legalite::permise;
    if (s == l) return montesipossible(t, joueur, slot, Legalite::monter);
    if (tient(t, joueur, l)) return Legalite::fournir;
    if (s == t.atout) {
        if (partenairemaitre || couleur(t.cartesjouees[t.numpli][t.maitre]) != t.atout)
            return Legalite::permise;
        return montesipossible(t, joueur, slot, Legalite::surcouper);
    }
    if (partenairemaitre) return Legalite::permise;
    if (tient(t, joueur, t.atout)) return Legalite::couper;
    return Legalite::permise_sansatout;
}

} // namespace tlv::belote
