#pragma once
// What one seat may know of a deal, and the complete deals that agree with it: the Fort level's whole view
// of the hidden cards. A view is built from the seat's own hand and what the table showed; the deals are
// drawn from the view alone, so that no hidden card can reach a decision.
#include <array>
#include <cstdint>

#include "belote/etat.h"
#include "shell/rnd.h"

namespace tlv::belote {

// Sets of cards as 32 bits: bit (suit - 1) * 8 + rank.
using Cartes = std::uint32_t;
constexpr Cartes bitcarte(int carte) {
    return Cartes{1} << ((carte / 10 - 1) * 8 + carte % 10);
}
constexpr int cartebit(int i) {
    return (i / 8 + 1) * 10 + i % 8;
}

struct Vue {
    int joueur = 0;
    std::array<Cartes, 5> connues{};    // cards known to be in a seat's hand (the seat's own hand whole)
    std::array<Cartes, 5> interdites{}; // cards a seat is known not to hold
    std::array<int, 5> taille{};        // how many cards each seat holds now
    Cartes libres = 0;                  // cards neither played nor known to be in a hand
};

// The card play: the seat's hand, the cards played, the turned card in the taker's hand, the announcements
// shown after trick 1, the belote said, and what the play has shown (a suit not followed, a trump not
// overtrumped when it had to be, no trump on a trump lead or on an opponent's trick, the no-trump marks).
Vue vuejeu(const TableBelote& t, const Annonces& a, int joueur);
// The bidding: the seat's five cards and the turned card; the three others hold five unknown cards each.
Vue vueenchere(const TableBelote& t, int joueur);
// One hand per seat that agrees with the view (the seat's own as known, the others drawn from `libres`);
// false when none can be made.
bool tiredonne(const Vue& v, Rnd& rnd, std::array<Cartes, 5>& mains);
// The seed of a decision's draws: what the seat sees (its view, the cards played in their order, the trick,
// the contract, the dealer and the turned card), nothing else.
std::uint64_t empreinte(const Vue& v, const TableBelote& t);
// The cards of a set in slots 1.. of a hand, ascending as the deal sorts them, the slot `garde` left empty.
Main enmain(Cartes c, int garde = 0);

} // namespace tlv::belote
