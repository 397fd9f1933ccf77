// The Fort level's bids: taking and passing weighed over deals drawn from the seat's five cards.
#include "belote/annonces.h"
#include "belote/carte.h"
#include "belote/deroule.h"
#include "belote/enchere.h"
#include "belote/fort.h"
#include "belote/fort_vue.h"

namespace tlv::belote {

namespace {

// The five cards of each seat as the seat imagines them, and the eleven still in the pack.
struct Tirage {
    std::array<Cartes, 5> cinq{};
    Cartes reste = 0;
};

// The announcements' points, as the flow counts them before comparing the seats'.
void valeurannonces(Annonces& a) {
    for (int j = 1; j <= 4; ++j) {
        int v = 0;
        if (a.longueur1[j] > 0) v = pointssequence(a.longueur1[j]);
        if (a.longueur1[j] > 0 && a.longueur2[j] > 0) v += pointssequence(a.longueur2[j]);
        if (a.nbcarre[j] == 4) {
            const int r = rang(a.annoncecarre[j][4]);
            v += 100 + (r == neuf ? 50 : 0) + (r == valet ? 100 : 0);
        }
        a.valannonce[j] = static_cast<std::int16_t>(v);
    }
}

// The deal taken by `preneur` at `atout`, the rest dealt from the pack (the turned card and two to the
// taker, three to the others), played out by the rule list: the value for the seat's side.
int joue(const Belote& b, int joueur, const Tirage& ti, int preneur, int atout, Rnd& rnd) {
    std::array<int, 12> reste{};
    int n = 0;
    for (int i = 0; i < 32; ++i)
        if (ti.reste & (Cartes{1} << i)) reste[n++] = cartebit(i);
    for (int i = n - 1; i > 0; --i) std::swap(reste[i], reste[static_cast<int>(rnd() * (i + 1))]);
    auto mains = ti.cinq;
    mains[preneur] |= bitcarte(b.table.liste[6]);
    for (int j = 1, k = 0; j <= 4; ++j)
        for (int m = j == preneur ? 2 : 3; m > 0 && k < n; --m) mains[j] |= bitcarte(reste[k++]);
    Deroule d;
    auto& t = d.t;
    t.donneur = b.table.donneur;
    t.liste[6] = b.table.liste[6];
    t.atout = static_cast<std::int16_t>(atout);
    t.preneur = static_cast<std::int16_t>(preneur);
    for (int j = 1; j <= 4; ++j) t.jeu[j] = enmain(mains[j]);
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s)
            t.valeur[j][s] = static_cast<std::int16_t>(valeurcarte(t.jeu[j][s], atout));
    if (b.reglages.avecannonces) {
        Annonces a;
        chercheannonces(t, a);
        valeurannonces(a);
        compareannonces(t, a);
        compteannonces(t, a);
    }
    cherchebelote(t);
    commencejeu(d);
    joueregles(d, rnd);
    int reserve = b.ecran.reserve;
    const Score s = comptedonne(d.t, d.belotenous, d.beloteeux, reserve);
    return cotenous(joueur) ? s.nous - s.eux : s.eux - s.nous;
}

// The five-card hands, on which the rule list bids.
TableBelote cinqcartes(const Belote& b, const Tirage& ti) {
    TableBelote t;
    t.liste[6] = b.table.liste[6];
    t.atout = b.table.atout;
    t.donneur = b.table.donneur;
    for (int j = 1; j <= 4; ++j) t.jeu[j] = enmain(ti.cinq[j]);
    return t;
}

// The seats after `joueur` up to the dealer bid the second round by the rule list: the deal the first
// taker plays, or nothing when all pass.
int secondtourdesautres(const Belote& b, int joueur, const Tirage& ti, int depuis, Rnd& rnd) {
    TableBelote t = cinqcartes(b, ti);
    for (int j = depuis;; j = suivant(j)) {
        t.prise = 0;
        evaluesecondtour(t, j);
        if (t.prise == 1) return joue(b, joueur, ti, j, t.atout, rnd);
        if (j == b.table.donneur) break;
    }
    return 0;
}

// Passing in the first round: the seats after it bid by the rule list, then the second round.
int passepremier(const Belote& b, int joueur, const Tirage& ti, Rnd& rnd) {
    const TableBelote t = cinqcartes(b, ti);
    for (int j = joueur; j != b.table.donneur;) {
        j = suivant(j);
        if (evalue(t, j, b.table.atout)) return joue(b, joueur, ti, j, b.table.atout, rnd);
    }
    return secondtourdesautres(b, joueur, ti, suivant(b.table.donneur), rnd);
}

bool tire(const Vue& v, Rnd& rnd, Tirage& ti) {
    if (!tiredonne(v, rnd, ti.cinq)) return false;
    Cartes pris = 0;
    for (int j = 1; j <= 4; ++j)
        if (j != v.joueur) pris |= ti.cinq[j];
    ti.reste = v.libres & ~pris;
    return true;
}

} // namespace

Motif premiertourfort(Belote& b, int joueur, const BudgetFort& budget) {
    auto& t = b.table;
    const Vue v = vueenchere(t, joueur);
    Rnd rnd(empreinte(v, t));
    long prendre = 0, passer = 0;
    Tirage ti;
    for (int k = 0; k < budget.enchere; ++k) {
        if (!tire(v, rnd, ti)) continue;
        const std::uint64_t graine = rnd.suivant();
        Rnd r1(graine), r2(graine);
        prendre += joue(b, joueur, ti, joueur, t.atout, r1);
        passer += passepremier(b, joueur, ti, r2);
    }
    t.prise = prendre > passer ? 1 : 0;
    return t.prise == 1 ? Motif::fort_prend : Motif::fort_passe;
}

Motif secondtourfort(Belote& b, int joueur, const BudgetFort& budget) {
    auto& t = b.table;
    const Vue v = vueenchere(t, joueur);
    Rnd rnd(empreinte(v, t) ^ 0x2545F4914F6CDD1DULL);
    const int retournee = t.liste[6] / 10;
    std::array<long, 5> prendre{};
    long passer = 0;
    Tirage ti;
    for (int k = 0; k < budget.enchere; ++k) {
        if (!tire(v, rnd, ti)) continue;
        const std::uint64_t graine = rnd.suivant();
        for (int s = pique; s <= coeur; ++s) {
            Rnd r(graine);
            if (s != retournee) prendre[s] += joue(b, joueur, ti, joueur, s, r);
        }
        Rnd r(graine);
        if (joueur != t.donneur) passer += secondtourdesautres(b, joueur, ti, suivant(joueur), r);
    }
    int choisie = 0;
    for (int s = pique; s <= coeur; ++s)
        if (s != retournee && prendre[s] > passer && (choisie == 0 || prendre[s] > prendre[choisie]))
            choisie = s;
    if (choisie == 0) return Motif::fort_passe;
    t.prise = 1;
    t.atout = static_cast<std::int16_t>(choisie);
    return Motif::fort_prend;
}

} // namespace tlv::belote
