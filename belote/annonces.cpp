#include "belote/annonces.h"

#include <array>

#include "belote/carte.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {
constexpr int ordresequence[8] = {sept, huit, neuf, dix, valet, dame, roi, as};
constexpr int ordrecarre[6] = {valet, neuf, as, dix, roi, dame};
} // namespace

int pointssequence(int longueur) {
    switch (longueur) {
    case 3:
        return 20;
    case 4:
        return 50;
    case 5:
        return 100;
    default:
        return 0;
    }
}

int hauteur(int r) {
    constexpr int h[8] = {0, 0, 1, 3, 4, 5, 2, 6};
    return (r >= 0 && r <= 7) ? h[r] : 0;
}

void chercheannonces(const TableBelote& t, Annonces& a) {
    for (int j = 1; j <= 4; ++j) {
        std::array<bool, 48> tenue{};
        for (int slot = 1; slot <= 8; ++slot)
            if (estcarte(t.jeu[j][slot])) tenue[static_cast<std::size_t>(t.jeu[j][slot])] = true;
        int trouvees = 0;
        for (int s = pique; s <= coeur; ++s) {
            int suite[8] = {};
            int n = 0;
            for (int i = 0; i < 8; ++i) {
                const int c = code(s, ordresequence[i]);
                const bool la = tenue[static_cast<std::size_t>(c)];
                if (la) suite[n++] = c;
                if (la && i < 7) continue;
                if (n >= 3 && trouvees < 2) {
                    auto& dest = trouvees == 0 ? a.annonce1[j] : a.annonce2[j];
                    const int garde = n > 5 ? 5 : n;
                    for (int k = 0; k < garde; ++k)
                        dest[k + 1] = static_cast<std::int16_t>(suite[n - garde + k]);
                    (trouvees == 0 ? a.longueur1 : a.longueur2)[j] = static_cast<std::int16_t>(garde);
                    ++trouvees;
                }
                n = 0;
            }
        }
        // A carré: the first slot whose rank the hand holds four times, in slot order.
        for (int i = 1; i <= 8; ++i) {
            const int r = rang(t.jeu[j][i]);
            if (r <= huit) continue;
            int n = 0;
            for (int c = pique; c <= coeur; ++c) n += tenue[static_cast<std::size_t>(code(c, r))];
            if (n < 4) continue;
            int k = 1;
            for (int slot = 1; slot <= 8; ++slot)
                if (t.jeu[j][slot] != 0 && rang(t.jeu[j][slot]) == r) a.annoncecarre[j][k++] = t.jeu[j][slot];
            a.nbcarre[j] = 4;
            break;
        }
    }
}

void compareannonces(const TableBelote& t, Annonces& a) {
    a.meilleurannonceur = 0;
    for (int r : ordrecarre)
        for (int j = 1; j <= 4; ++j)
            if (a.nbcarre[j] == 4 && rang(a.annoncecarre[j][1]) == r) {
                a.meilleurannonceur = static_cast<std::int16_t>(j);
                return;
            }
    for (int l = 5; l >= 3; --l) {
        int force[5] = {};
        bool enatout[5] = {};
        for (int j = 1; j <= 4; ++j) {
            if (a.longueur1[j] == l) {
                const int haut = a.annonce1[j][l];
                force[j] = hauteur(rang(haut));
                enatout[j] = couleur(haut) == t.atout;
            }
            if (a.longueur2[j] == l) {
                const int haut = a.annonce2[j][l];
                const int h = hauteur(rang(haut));
                if (h > force[j]) {
                    force[j] = h;
                    enatout[j] = couleur(haut) == t.atout;
                } else if (h == force[j] && couleur(haut) == t.atout) {
                    enatout[j] = true;
                }
            }
        }
        int gagnant = 0;
        for (int j = 1; j <= 4; ++j)
            if (force[j] > force[gagnant]) gagnant = j;
        if (gagnant == 0) continue;
        bool egalite = false;
        for (int j = 1; j <= 4; ++j) {
            if (j == gagnant || force[j] != force[gagnant]) continue;
            if (partenaires(j, gagnant))
                force[j] = 0;
            else
                egalite = true;
        }
        if (!egalite) {
            a.meilleurannonceur = static_cast<std::int16_t>(gagnant);
            return;
        }
        for (int j = 1; j <= 4; ++j)
            if (force[j] == force[gagnant] && enatout[j]) {
                a.meilleurannonceur = static_cast<std::int16_t>(j);
                return;
            }
        return;
    }
}

void compteannonces(TableBelote& t, const Annonces& a) {
    t.pointsnous = 0;
    t.pointseux = 0;
    if (a.meilleurannonceur == 1 || a.meilleurannonceur == 3)
        t.pointsnous = static_cast<std::int16_t>(a.valannonce[1] + a.valannonce[3]);
    else if (a.meilleurannonceur == 2 || a.meilleurannonceur == 4)
        t.pointseux = static_cast<std::int16_t>(a.valannonce[2] + a.valannonce[4]);
}

void cherchebelote(TableBelote& t) {
    for (int j = 1; j <= 4; ++j)
        if (cherchecarte(t, j, code(t.atout, dame)) > 0 && cherchecarte(t, j, code(t.atout, roi)) > 0)
            t.compteurbelote = 1;
}

} // namespace tlv::belote
