#include "belote/fort_vue.h"

#include <bit>

#include "belote/carte.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {

constexpr Cartes Toutes = 0xFFFFFFFFu;

constexpr Cartes delacouleur(int coul) {
    return Cartes{0xFF} << ((coul - 1) * 8);
}

// The trumps that beat the winning trump `w`; none when `w` is not a trump.
Cartes atoutsplushauts(int w, int atout) {
    Cartes m = 0;
    if (couleur(w) != atout) return m;
    for (int r = sept; r <= as; ++r) {
        const int c = code(atout, r);
        if (battue(c, valeurcarte(c, atout), w, valeurcarte(w, atout), atout)) m |= bitcarte(c);
    }
    return m;
}

// What the card `c` of `j` tells, the suit `l` led and `w` of `m` winning: the rules of following,
// cutting and overtrumping left it no other card.
void deduit(Vue& v, int atout, int j, int c, int l, int w, int m) {
    const bool plushaut = battue(c, valeurcarte(c, atout), w, valeurcarte(w, atout), atout);
    if (couleur(c) == l) {
        if (l == atout && !plushaut) v.interdites[j] |= atoutsplushauts(w, atout);
        return;
    }
    v.interdites[j] |= delacouleur(l);
    if (l == atout || partenaires(m, j)) return;
    if (couleur(c) != atout)
        v.interdites[j] |= delacouleur(atout);
    else if (!plushaut)
        v.interdites[j] |= atoutsplushauts(w, atout);
}

// Every trick so far in its order of play, from the seat after the dealer.
void liteplis(const TableBelote& t, Vue& v) {
    int meneur = suivant(t.donneur);
    for (int p = 1; p <= t.numpli; ++p) {
        const auto& pli = t.cartesjouees[p];
        int w = pli[meneur], m = meneur;
        if (w == 0) return;
        const int l = couleur(w);
        for (int k = 1, j = meneur; k < 4; ++k) {
            j = suivant(j);
            const int c = pli[j];
            if (c == 0) return;
            deduit(v, t.atout, j, c, l, w, m);
            if (battue(c, valeurcarte(c, t.atout), w, valeurcarte(w, t.atout), t.atout)) {
                w = c;
                m = j;
            }
        }
        meneur = m;
    }
}

// The cards shown after trick 1 by the best announcer and its partner.
void annoncesmontrees(const TableBelote& t, const Annonces& a, Vue& v) {
    if (t.numpli < 2 || a.meilleurannonceur == 0) return;
    for (int j : {static_cast<int>(a.meilleurannonceur), partenaire(a.meilleurannonceur)}) {
        const auto u = j;
        const Main* listes[3] = {&a.annonce1[u], &a.annonce2[u], &a.annoncecarre[u]};
        const int longueurs[3] = {a.longueur1[u], a.longueur2[u], a.nbcarre[u]};
        for (int k = 0; k < 3; ++k)
            for (int i = 1; i <= longueurs[k] && i <= 8; ++i)
                if (estcarte((*listes[k])[i])) v.connues[u] |= bitcarte((*listes[k])[i]);
    }
}

// The belote said: the seat that played the Roi or the Dame of trump holds the other.
void belotedite(const TableBelote& t, Vue& v) {
    if (t.compteurbelote != 2) return;
    const int roi_ = code(t.atout, roi), dame_ = code(t.atout, dame);
    for (int p = 1; p <= t.numpli; ++p)
        for (int j = 1; j <= 4; ++j) {
            const int c = t.cartesjouees[p][j];
            if (c == roi_ || c == dame_) v.connues[j] |= bitcarte(c == roi_ ? dame_ : roi_);
        }
}

} // namespace

Vue vuejeu(const TableBelote& t, const Annonces& a, int joueur) {
    Vue v;
    v.joueur = joueur;
    Cartes jouees = 0;
    for (int j = 1; j <= 4; ++j) {
        int n = 0;
        for (int p = 1; p <= t.numpli; ++p) {
            const int c = t.cartesjouees[p][j];
            if (estcarte(c)) {
                jouees |= bitcarte(c);
                ++n;
            }
        }
        v.taille[j] = 8 - n;
        if (t.plusdatout[j] == 1) v.interdites[j] |= delacouleur(t.atout);
    }
    for (int s = 1; s <= 8; ++s)
        if (estcarte(t.jeu[joueur][s])) v.connues[joueur] |= bitcarte(t.jeu[joueur][s]);
    if (t.preneur >= 1 && t.preneur <= 4 && estcarte(t.liste[6]))
        v.connues[t.preneur] |= bitcarte(t.liste[6]);
    annoncesmontrees(t, a, v);
    belotedite(t, v);
    liteplis(t, v);
    Cartes connues = 0;
    for (int j = 1; j <= 4; ++j) {
        auto& k = v.connues[j];
        k &= ~jouees;
        if (j != joueur) k &= ~v.connues[joueur];
        connues |= k;
    }
    v.libres = Toutes & ~jouees & ~connues;
    return v;
}

Vue vueenchere(const TableBelote& t, int joueur) {
    Vue v;
    v.joueur = joueur;
    for (int s = 1; s <= 5; ++s)
        if (estcarte(t.jeu[joueur][s])) v.connues[joueur] |= bitcarte(t.jeu[joueur][s]);
    v.taille.fill(5);
    v.libres = Toutes & ~v.connues[joueur] & ~(estcarte(t.liste[6]) ? bitcarte(t.liste[6]) : 0);
    return v;
}

namespace {

// A matching of the hands' empty places with the free cards, by augmenting paths: it finds a deal whenever
// one exists, and the random orders make it a draw.
struct Appariement {
    std::array<int, 32> cartes{}, siege{}, cartedelaplace{}, placedelacarte{};
    std::array<bool, 32> vue{};
    int ncartes = 0, nplaces = 0;
    const Vue* v = nullptr;

    bool permise(int place, int k) const {
        return (v->interdites[siege[place]] & (Cartes{1} << cartes[k])) == 0;
    }
    bool augmente(int place, int depart) {
        for (int i = 0; i < ncartes; ++i) {
            const int k = (depart + i) % ncartes;
            if (vue[k] || !permise(place, k)) continue;
            vue[k] = true;
            const int autre = placedelacarte[k];
            if (autre < 0 || augmente(autre, depart)) {
                placedelacarte[k] = place;
                cartedelaplace[place] = k;
                return true;
            }
        }
        return false;
    }
};

template <typename T> void melange(T& a, int n, Rnd& rnd) {
    for (int i = n - 1; i > 0; --i) std::swap(a[i], a[static_cast<int>(rnd() * (i + 1))]);
}

} // namespace

bool tiredonne(const Vue& v, Rnd& rnd, std::array<Cartes, 5>& mains) {
    Appariement ap;
    ap.v = &v;
    for (int i = 0; i < 32; ++i)
        if (v.libres & (Cartes{1} << i)) ap.cartes[ap.ncartes++] = i;
    for (int j = 1; j <= 4; ++j) {
        if (j == v.joueur) continue;
        const int n = v.taille[j] - std::popcount(v.connues[j]);
        if (n < 0 || ap.nplaces + n > ap.ncartes) return false;
        for (int k = 0; k < n; ++k) ap.siege[ap.nplaces++] = j;
    }
    melange(ap.cartes, ap.ncartes, rnd);
    melange(ap.siege, ap.nplaces, rnd);
    ap.placedelacarte.fill(-1);
    for (int p = 0; p < ap.nplaces; ++p) {
        ap.vue.fill(false);
        if (!ap.augmente(p, static_cast<int>(rnd() * ap.ncartes))) return false;
    }
    mains = v.connues;
    for (int p = 0; p < ap.nplaces; ++p) mains[ap.siege[p]] |= Cartes{1} << ap.cartes[ap.cartedelaplace[p]];
    return true;
}

std::uint64_t empreinte(const Vue& v, const TableBelote& t) {
    std::uint64_t h = 0x243F6A8885A308D3ULL;
    const auto mele = [&h](std::uint64_t x) {
        Rnd r(h ^ x);
        h = r.suivant();
    };
    mele(static_cast<std::uint64_t>(v.joueur));
    mele(v.connues[v.joueur]);
    for (int p = 1; p <= t.numpli && p <= 8; ++p)
        for (int j = 1; j <= 4; ++j) mele(static_cast<std::uint64_t>(t.cartesjouees[p][j]));
    for (int x : {t.numpli, t.numcarte, t.atout, t.preneur, t.donneur, t.liste[6]})
        mele(static_cast<std::uint64_t>(x));
    return h;
}

Main enmain(Cartes c, int garde) {
    Main m{};
    int s = 1;
    for (int i = 0; i < 32 && s <= 8; ++i) {
        if ((c & (Cartes{1} << i)) == 0) continue;
        if (s == garde) ++s;
        if (s <= 8) m[s++] = static_cast<std::int16_t>(cartebit(i));
    }
    return m;
}

} // namespace tlv::belote
