#include "belote/debutant.h"

#include <cstdint>

#include "belote/carte.h"
#include "belote/legalite.h"
#include "belote/requetes.h"

namespace tlv::belote {

namespace {

// A decision is open to a second idea one time in three: with the decisions where the second idea is
// illegal or absurd, a seat plays about two of them per deal.
constexpr double ChanceSeconde = 0.45;
// A card worth this much or more (the 10 and the As, in trump the 9 and the Valet too) is not given away.
constexpr int Grosse = 10;

std::uint64_t melange(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h * 0xBF58476D1CE4E5B9ULL;
}

// The seed of the seat's draws: what it sees (its hand, the trump, every card played in the deal, the trick
// and its place in it), so that the same situation always gives the same decision.
std::uint64_t graine(const TableBelote& t, int joueur) {
    std::uint64_t h = melange(0, static_cast<std::uint64_t>(joueur));
    for (int s = 1; s <= 8; ++s) h = melange(h, static_cast<std::uint64_t>(t.jeu[joueur][s]));
    h = melange(h, static_cast<std::uint64_t>(t.atout * 8 + t.preneur));
    for (int p = 0; p <= t.numpli && p <= 8; ++p)
        for (int j = 1; j <= 4; ++j)
            h = melange(h, static_cast<std::uint64_t>(t.cartesjouees[static_cast<std::size_t>(p)][j]));
    return melange(h, static_cast<std::uint64_t>(t.numpli * 8 + t.numcarte));
}

// The card in the slot takes the trick from the card now winning.
bool prend(const TableBelote& t, int joueur, int slot) {
    if (t.numcarte <= 1) return true;
    return battue(t.jeu[joueur][slot], t.valeur[joueur][slot], t.cartesjouees[t.numpli][t.maitre],
                  t.valeur[t.maitre][t.cartemaitre], t.atout);
}

// The seat could put down a legal card worth less than `Grosse` instead.
bool petitepermise(const TableBelote& t, int joueur) {
    for (int s = 1; s <= 8; ++s)
        if (t.valeur[joueur][s] < Grosse && permise(cartelegale(t, joueur, s))) return true;
    return false;
}

// What no player, even a beginner, would do instead of the first choice: trump (or overtrump) the trick
// its partner holds on a plain suit, or give a 10, an As or a big trump to the opponents' trick when a
// smaller card would do.
bool absurde(const TableBelote& t, int joueur, int premiere, int seconde) {
    if (t.numcarte <= 1) return false;
    const int c1 = t.jeu[joueur][premiere], c2 = t.jeu[joueur][seconde];
    const bool atout1 = couleur(c1) == t.atout, atout2 = couleur(c2) == t.atout;
    if (partenaires(t.maitre, joueur)) {
        if (t.couleurdemandee == t.atout || !atout2) return false;
        return !atout1 || (prend(t, joueur, seconde) && !prend(t, joueur, premiere));
    }
    return t.valeur[joueur][seconde] >= Grosse && !prend(t, joueur, seconde) && petitepermise(t, joueur);
}

} // namespace

Choix cartedebutant(Belote& b, int joueur) {
    TableBelote& t = b.table;
    Rnd rnd(graine(t, joueur));
    TableBelote premiere = t;
    const Choix c1 = choisitcarte(premiere, joueur, rnd);
    Choix garde = c1;
    const TableBelote* source = &premiere;
    TableBelote autre = t;
    if (c1.slot != 0 && rnd() < ChanceSeconde) {
        autre.jeu[joueur][c1.slot] = 0;
        const Choix c2 = choisitcarte(autre, joueur, rnd);
        if (c2.slot != 0 && permise(cartelegale(t, joueur, c2.slot)) &&
            !absurde(t, joueur, c1.slot, c2.slot)) {
            garde = {c2.slot, couleur(t.jeu[joueur][c2.slot]) == t.atout, Motif::debutant};
            source = &autre;
        }
    }
    t.appel[joueur] = source->appel[joueur];
    t.plusdatout[joueur] = source->plusdatout[joueur];
    return garde;
}

} // namespace tlv::belote
