#pragma once
// Whether a seat may put down a card, and why not: the one rule that checks Sud's clicks and every computer
// card.
#include "belote/etat.h"

namespace tlv::belote {

enum class Legalite {
    permise,
    permise_sansatout, // permitted, and it shows the seat holds no trump
    refusee,           // no card in the slot
    fournir,           // refused: the seat holds the suit led
    couper,            // refused: an opponent wins, the seat has none of the suit led but holds a trump
    monter,            // refused: trump led, the seat holds a trump that beats the winning one
    surcouper,         // refused: an opponent cut, the seat holds a trump that beats the winning one
};

inline bool permise(Legalite l) {
    return l == Legalite::permise || l == Legalite::permise_sansatout;
}

// The card in `slot` of the seat's hand against the trick on the table (`couleurdemandee`, `maitre`).
// Changes nothing.
Legalite cartelegale(const TableBelote& t, int joueur, int slot);

} // namespace tlv::belote
