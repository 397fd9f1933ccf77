// The Fort level's card: every legal card played out over deals drawn from the seat's view.
#include "belote/fort.h"

#include "belote/carte.h"
#include "belote/deroule.h"
#include "belote/fort_vue.h"
#include "belote/legalite.h"

namespace tlv::belote {

namespace {

int pourlecamp(int joueur, Score s) {
    return cotenous(joueur) ? s.nous - s.eux : s.eux - s.nous;
}

// The belote as the drawn hands have it: said or given up in the play, or held by one seat.
void compteurbelote(TableBelote& t) {
    if (t.compteurbelote >= 2) return;
    const int r = code(t.atout, roi), d = code(t.atout, dame);
    t.compteurbelote = 0;
    for (int p = 1; p <= t.numpli; ++p)
        for (int j = 1; j <= 4; ++j)
            if (t.cartesjouees[p][j] == r || t.cartesjouees[p][j] == d) return;
    for (int j = 1; j <= 4; ++j) {
        bool avecroi = false, avecdame = false;
        for (int s = 1; s <= 8; ++s) {
            avecroi = avecroi || t.jeu[j][s] == r;
            avecdame = avecdame || t.jeu[j][s] == d;
        }
        if (avecroi && avecdame) t.compteurbelote = 1;
    }
}

// The deal as the seat imagines it: the tables as they stand, the other hands as drawn. The winning card of
// the trick keeps its empty slot and its value, which the trick's comparisons read.
Deroule imagine(const Belote& b, int joueur, const std::array<Cartes, 5>& mains) {
    Deroule d;
    d.t = b.table;
    auto& t = d.t;
    for (int j = 1; j <= 4; ++j) {
        if (j == joueur) continue;
        const int garde = t.numcarte > 1 && j == t.maitre ? t.cartemaitre : 0;
        t.jeu[j] = enmain(mains[j], garde);
        for (int s = 1; s <= 8; ++s)
            t.valeur[j][s] = static_cast<std::int16_t>(valeurcarte(t.jeu[j][s], t.atout));
        if (garde != 0)
            t.valeur[j][garde] = static_cast<std::int16_t>(valeurcarte(t.cartesjouees[t.numpli][j], t.atout));
    }
    compteurbelote(t);
    d.prochain = joueur;
    d.belotenous = b.ecran.belotenous;
    d.beloteeux = b.ecran.beloteeux;
    return d;
}

// The legal card with the best total over the drawn deals; `defaut` (the rule list's) on equal totals.
int meilleure(const Belote& b, int joueur, const std::array<int, 8>& legales, int n, int defaut,
              int tirages) {
    const Vue v = vuejeu(b.table, b.annonces, joueur);
    Rnd rnd(empreinte(v, b.table));
    std::array<long, 9> somme{};
    std::array<Cartes, 5> mains{};
    for (int k = 0; k < tirages; ++k) {
        if (!tiredonne(v, rnd, mains)) continue;
        const Deroule base = imagine(b, joueur, mains);
        const std::uint64_t graine = rnd.suivant();
        for (int i = 0; i < n; ++i) {
            Deroule d = base;
            Rnd suite(graine); // the same rest of the draws for every card
            posecarte(d, legales[i]);
            joueregles(d, suite);
            int reserve = b.ecran.reserve;
            somme[legales[i]] += pourlecamp(joueur, comptedonne(d.t, d.belotenous, d.beloteeux, reserve));
        }
    }
    int meilleur = defaut;
    for (int i = 0; i < n; ++i)
        if (somme[legales[i]] > somme[meilleur]) meilleur = legales[i];
    return meilleur;
}

} // namespace

Choix cartefort(Belote& b, int joueur, const BudgetFort& budget) {
    auto& t = b.table;
    std::array<int, 8> legales{};
    int n = 0;
    for (int s = 1; s <= 8; ++s)
        if (permise(cartelegale(t, joueur, s))) legales[n++] = s;
    // The rule list's card, on copies: its signal and no-trump mark are kept when the seat plays it.
    TableBelote copie = t;
    Rnd tirage(empreinte(vuejeu(t, b.annonces, joueur), t) ^ 0x5851F42D4C957F2DULL);
    const Choix regle = choisitcarte(copie, joueur, tirage);
    const bool reglelegale =
        regle.slot >= 1 && regle.slot <= 8 && permise(cartelegale(t, joueur, regle.slot));
    if (n == 0) return regle;
    const int defaut = reglelegale ? regle.slot : legales[0];
    const int choisi = n > 1 ? meilleure(b, joueur, legales, n, defaut, budget.carte) : defaut;
    const int carte = t.jeu[joueur][choisi];
    if (choisi == regle.slot) {
        t.appel[joueur] = copie.appel[joueur];
        t.plusdatout[joueur] = copie.plusdatout[joueur];
        if (n == 1) return regle;
    } else if (cartelegale(t, joueur, choisi) == Legalite::permise_sansatout ||
               (t.couleurdemandee == t.atout && couleur(carte) != t.atout)) {
        t.plusdatout[joueur] = 1;
    }
    return {choisi, couleur(carte) == t.atout, Motif::fort_carte};
}

} // namespace tlv::belote
