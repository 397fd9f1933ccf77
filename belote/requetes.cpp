#include "belote/requetes.h"

#include "belote/carte.h"

namespace tlv::belote {

void initdonne(TableBelote& t, Annonces& a, Paquet& p) {
    for (auto& ligne : t.cartesjouees) ligne.fill(0);
    for (auto& m : t.jeu) m.fill(0);
    t.liste.fill(0);
    a.valannonce.fill(0);
    a.longueur1.fill(0);
    a.longueur2.fill(0);
    a.nbcarre.fill(0);
    t.plusdatout.fill(0);
    t.appel.fill(0);
    t.plieux = t.plinous = 0;
    t.compteurbelote = 0;
    t.preneur = 0;
    t.numcarte = 0;
    a.meilleurannonceur = 0;
    t.numpli = 0;
    for (auto& r : p.cartestirees) r.fill(false);
}

void calculevaleurs(TableBelote& t) {
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s)
            t.valeur[j][s] = static_cast<std::int16_t>(valeurcarte(t.jeu[j][s], t.atout));
}

int cherchecarte(const TableBelote& t, int joueur, int carte) {
    for (int s = 8; s >= 1; --s)
        if (t.jeu[joueur][s] == carte) return s;
    return 0;
}

int comptecouleur(const TableBelote& t, int joueur, int coul) {
    int n = 0;
    for (int s = 1; s <= 8; ++s)
        if (delacouleur(t.jeu[joueur][s], coul)) ++n;
    return n;
}

bool dejajouee(const TableBelote& t, int joueur, int slot, int ecart) {
    const int cherchee = t.jeu[joueur][slot] + ecart;
    for (int p = 0; p < t.numpli; ++p)
        for (int j = 1; j <= 4; ++j)
            if (t.cartesjouees[p][j] == cherchee) return true;
    return false;
}

bool peutmonter(const TableBelote& t, int joueur) {
    const int vmaitre = t.valeur[t.maitre][t.cartemaitre];
    bool avechuit = false, plusfort = false;
    for (int s = 1; s <= 8; ++s) {
        const int c = t.jeu[joueur][s];
        if (!delacouleur(c, t.atout)) continue;
        if (rang(c) == huit) avechuit = true;
        if (t.valeur[joueur][s] > vmaitre) plusfort = true;
    }
    return (vmaitre == 0 && avechuit) || plusfort;
}

bool battue(int carte, int val, int gagnante, int valgagnante, int atout) {
    const bool atoutc = couleur(carte) == atout, atoutg = couleur(gagnante) == atout;
    if (atoutc && !atoutg) return true;
    if (atoutc && atoutg) return val > valgagnante || (val == valgagnante && carte > gagnante);
    return !atoutc && couleur(carte) == couleur(gagnante) && carte > gagnante;
}

void comparepli(TableBelote& t, int joueur, int slot) {
    const int c = t.cartesjouees[t.numpli][joueur];
    const int g = t.cartesjouees[t.numpli][t.maitre];
    if (battue(c, t.valeur[joueur][slot], g, t.valeur[t.maitre][t.cartemaitre], t.atout)) {
        t.maitre = static_cast<std::int16_t>(joueur);
        t.cartemaitre = static_cast<std::int16_t>(slot);
    }
}

void metsurlepli(TableBelote& t, int joueur, int slot) {
    const int c = t.jeu[joueur][slot];
    const int s = couleur(c);
    t.cartesjouees[t.numpli][joueur] = static_cast<std::int16_t>(c);
    if (joueur == 1 && s != t.couleurdemandee && s != t.atout)
        t.appel[1] = static_cast<std::int16_t>(couleur_soeur(s) == t.atout ? 0 : couleur_soeur(s));
    if (t.numcarte > 1) return comparepli(t, joueur, slot);
    t.maitre = static_cast<std::int16_t>(joueur);
    t.cartemaitre = static_cast<std::int16_t>(slot);
    t.couleurdemandee = static_cast<std::int16_t>(s);
}

} // namespace tlv::belote
