#include "belote/choix.h"

#include <array>

#include "belote/carte.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {

// Trump values (7 and 8: 0, Dame 3, Roi 4, 10: 10, As 11, 9: 14, Valet 20) that bound the choices.
constexpr int PetitAtout = 9;   // up to the Roi: trumps led to draw the others' without risking a master
constexpr int SousLeNeuf = 13;  // below the 9 and the Valet: the trumps a seat gives first
constexpr int AtoutMaitre = 14; // the 9 and the Valet: kept until nothing else will do
constexpr int ToutAtout = 99;   // above every trump value: no upper bound
// Plain-suit values from the cheapest up: a discard gives the fewest points it can.
constexpr int ValeursDefausse[] = {0, 1, 2, 3, 4, 10, 11};
// The partner's signal is followed on a draw of 4 or 5 out of 1..5: two times out of five, so that the
// opponents cannot read the hand from the lead.
constexpr int TirageAppel = 5, SuitAppel = 4;
constexpr int CartesParCouleur = 8;
// From trick 6 on, the last to play gives the partner's trick a 10 the As still threatens: few tricks
// remain to save it otherwise.
constexpr int DernierPliSansDix = 5;

// Slot of each card code in the hand (0 when absent); a hand holds each code once, so the direction of a
// search for one card does not matter.
struct Index {
    std::array<std::int8_t, 48> slot{};
    Index(const TableBelote& t, int joueur) {
        for (int s = 1; s <= 8; ++s)
            if (estcarte(t.jeu[joueur][s]))
                slot[static_cast<std::size_t>(t.jeu[joueur][s])] = static_cast<std::int8_t>(s);
    }
};

int trouve(const Index& ix, int coul, int r) {
    return ix.slot[static_cast<std::size_t>(code(coul, r))];
}

// First slot (ascending) holding a card of suit `coul` with rank in [rmin, rmax].
int plusbasse(const TableBelote& t, int joueur, int coul, int rmin, int rmax) {
    for (int s = 1; s <= 8; ++s) {
        const int c = t.jeu[joueur][s];
        if (delacouleur(c, coul) && rang(c) >= rmin && rang(c) <= rmax) return s;
    }
    return 0;
}

// First trump (ascending) whose value lies in [vmin, vmax].
int atoutentre(const TableBelote& t, int joueur, int vmin, int vmax) {
    for (int s = 1; s <= 8; ++s)
        if (delacouleur(t.jeu[joueur][s], t.atout) && t.valeur[joueur][s] >= vmin &&
            t.valeur[joueur][s] <= vmax)
            return s;
    return 0;
}

bool camppreneur(const TableBelote& t, int joueur) {
    return (joueur + t.preneur) % 2 == 0;
}

// Trump lead of the taker's side; slot 0 sends the seat to the plain lead.
Choix entameatout(const TableBelote& t, int joueur, const Index& ix) {
    const int a = t.atout;
    const int n = comptecouleur(t, joueur, a);
    if (n == 0) return {};
    if (t.plusdatout[precedent(joueur)] == 1 && t.plusdatout[suivant(joueur)] == 1) return {};
    int tombes = 0;
    for (int p = 0; p < t.numpli; ++p)
        for (int j = 1; j <= 4; ++j)
            if (delacouleur(t.cartesjouees[p][j], a)) ++tombes;
    if (n + tombes == CartesParCouleur) return {}; // nobody else holds a trump: nothing to draw
    const auto petitatout = [&] {
        return Choix{atoutentre(t, joueur, 0, PetitAtout), true, Motif::entame_petit_atout};
    };
    if (const int s = trouve(ix, a, valet)) return {s, true, Motif::entame_atout_valet};
    if (const int s = trouve(ix, a, neuf)) {
        if (dejajouee(t, joueur, s, 1)) return {s, true, Motif::entame_atout_neuf};
        if (n == 1) return {};
        return petitatout();
    }
    if (const int s = trouve(ix, a, as)) {
        if (dejajouee(t, joueur, s, -4) && dejajouee(t, joueur, s, -5))
            return {s, true, Motif::entame_atout_as};
        return petitatout();
    }
    if (const int s = trouve(ix, a, dix)) {
        if (!dejajouee(t, joueur, s, -3) || !dejajouee(t, joueur, s, -4)) return petitatout();
        if (dejajouee(t, joueur, s, 1)) return {s, true, Motif::entame_atout_dix};
    }
    return petitatout();
}

Choix entamesimple(const TableBelote& t, int joueur, Rnd& rnd, const Index& ix) {
    const int a = t.atout;
    const int x = t.appel[partenaire(joueur)];
    if (x != 0) {
        const int r = static_cast<int>(rnd() * TirageAppel) + 1;
        if (r >= SuitAppel && x != a) {
            if (const int s = plusbasse(t, joueur, x, sept, neuf)) return {s, false, Motif::entame_appel};
            if (const int s = trouve(ix, x, valet)) return {s, false, Motif::entame_appel};
            if (const int s = trouve(ix, x, dame)) return {s, false, Motif::entame_appel};
            if (const int s = trouve(ix, x, roi)) return {s, false, Motif::entame_appel};
        }
    }
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = trouve(ix, c, as)) return {s, false, Motif::entame_as};
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = trouve(ix, c, dix); s && dejajouee(t, joueur, s, 1))
                return {s, false, Motif::entame_dix};
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = plusbasse(t, joueur, c, sept, neuf)) return {s, false, Motif::entame_petite};
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = trouve(ix, c, valet)) return {s, false, Motif::entame_valet};
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = trouve(ix, c, dame)) return {s, false, Motif::entame_dame};
    for (int c = pique; c <= coeur; ++c)
        if (c != a)
            if (const int s = trouve(ix, c, roi)) return {s, false, Motif::entame_roi};
    for (int s = 1; s <= 8; ++s)
        if (t.jeu[joueur][s] != 0 && couleur(t.jeu[joueur][s]) != a) return {s, false, Motif::entame_couleur};
    for (int s = 1; s <= 8; ++s)
        if (t.jeu[joueur][s] != 0) return {s, true, Motif::entame_atout};
    return {};
}

// The seat cannot follow and does not trump.
Choix defausse(TableBelote& t, int joueur, const Index& ix) {
    const int a = t.atout, l = t.couleurdemandee;
    const bool partenairemaitre = partenaires(t.maitre, joueur);
    const bool drapeau = partenairemaitre && l != a;
    const auto marque = [&](Choix c) {
        if (!partenairemaitre || l == a) t.plusdatout[joueur] = 1;
        return c;
    };
    if (partenairemaitre) {
        for (int x = pique; x <= coeur; ++x) {
            if (x == l || x == a) continue;
            const int s = trouve(ix, x, dix);
            if (s == 0 || dejajouee(t, joueur, s, 1)) continue;
            const bool tard = t.numpli > DernierPliSansDix && t.numcarte == 4;
            if (tard || comptecouleur(t, joueur, x) == 1) {
                t.appel[joueur] = static_cast<std::int16_t>(x);
                return marque({s, drapeau, Motif::defausse_dix});
            }
        }
    }
    int x = 0;
    for (int c = pique; c <= coeur && x == 0; ++c)
        if (c != l && c != a && couleur_soeur(c) != a && trouve(ix, c, as)) x = c;
    for (int c = pique; c <= coeur && x == 0; ++c)
        if (c != l && c != a && couleur_soeur(c) != a && trouve(ix, c, dix)) x = c;
    if (x != 0) {
        const int y = couleur_soeur(x);
        int s = 0;
        if (partenairemaitre) {
            for (int i = 8; i >= 1 && s == 0; --i)
                if (delacouleur(t.jeu[joueur][i], y) && rang(t.jeu[joueur][i]) < dix) s = i;
        } else {
            s = plusbasse(t, joueur, y, sept, roi);
        }
        if (s != 0) {
            t.appel[joueur] = static_cast<std::int16_t>(y);
            return marque({s, drapeau, Motif::defausse_appel});
        }
    }
    for (int v : ValeursDefausse)
        for (int s = 1; s <= 8; ++s) {
            const int c = t.jeu[joueur][s];
            if (c != 0 && couleur(c) != a && t.valeur[joueur][s] == v)
                return marque({s, drapeau, Motif::defausse_moins_chere});
        }
    const int s = atoutentre(t, joueur, 0, SousLeNeuf);
    return marque({s != 0 ? s : atoutentre(t, joueur, AtoutMaitre, ToutAtout), true, Motif::defausse_atout});
}

Choix regleatout(TableBelote& t, int joueur, const Index& ix) {
    const int a = t.atout, l = t.couleurdemandee;
    const int w = t.cartesjouees[t.numpli][t.maitre];
    const int vw = t.valeur[t.maitre][t.cartemaitre];
    bool avecatout = false;
    for (int s = 1; s <= 8; ++s) avecatout = avecatout || delacouleur(t.jeu[joueur][s], a);
    if (l != a) {
        if (!avecatout || partenaires(t.maitre, joueur)) return defausse(t, joueur, ix);
    } else if (camppreneur(t, joueur)) {
        constexpr Motif m = Motif::atout_maitre;
        if (const int s = trouve(ix, a, valet)) return {s, true, m};
        if (const int s = trouve(ix, a, neuf); s && dejajouee(t, joueur, s, 1)) return {s, true, m};
        if (const int s = trouve(ix, a, as); s && dejajouee(t, joueur, s, -4) && dejajouee(t, joueur, s, -5))
            return {s, true, m};
        if (const int s = trouve(ix, a, dix); s && dejajouee(t, joueur, s, -3) && dejajouee(t, joueur, s, -4))
            return {s, true, m};
    }
    if (couleur(w) == a) {
        if (const int s = atoutentre(t, joueur, vw + 1, SousLeNeuf))
            return {s, true, Motif::surcoupe_econome};
        if (const int s = atoutentre(t, joueur, vw + 1, ToutAtout)) return {s, true, Motif::surcoupe};
    }
    if (const int s = atoutentre(t, joueur, 0, SousLeNeuf)) return {s, true, Motif::atout_petit};
    if (const int s = atoutentre(t, joueur, AtoutMaitre, ToutAtout)) return {s, true, Motif::atout_gros};
    return defausse(t, joueur, ix);
}

Choix fournit(TableBelote& t, int joueur, const Index& ix) {
    const int l = t.couleurdemandee;
    const int w = t.cartesjouees[t.numpli][t.maitre];
    const int vw = t.valeur[t.maitre][t.cartemaitre];
    if (l == t.atout) return regleatout(t, joueur, ix);
    int premiere = 0;
    for (int s = 1; s <= 8 && premiere == 0; ++s)
        if (delacouleur(t.jeu[joueur][s], l)) premiere = s;
    if (premiere == 0) return regleatout(t, joueur, ix);
    if (couleur(w) == t.atout && !partenaires(t.maitre, joueur))
        return {premiere, false, Motif::fournit_sous_coupe};
    if (const int s = trouve(ix, l, as)) return {s, false, Motif::fournit_as};
    if (const int s = trouve(ix, l, dix); s && dejajouee(t, joueur, s, 1))
        return {s, false, Motif::fournit_dix};
    if (t.numcarte == 2) return {premiere, false, Motif::fournit_second};
    for (int s = 1; s <= 8; ++s)
        if (delacouleur(t.jeu[joueur][s], l) && t.valeur[joueur][s] > vw)
            return {s, false, Motif::fournit_monte};
    return {premiere, false, Motif::fournit_petite};
}

} // namespace

Choix choisitcarte(TableBelote& t, int joueur, Rnd& rnd) {
    const Index ix(t, joueur);
    if (t.numcarte > 1) return fournit(t, joueur, ix);
    if (camppreneur(t, joueur))
        if (const Choix c = entameatout(t, joueur, ix); c.slot != 0) return c;
    return entamesimple(t, joueur, rnd, ix);
}

} // namespace tlv::belote
