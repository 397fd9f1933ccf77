#pragma once
// Whether a seat may put down a card: the one rule that checks Sud's clicks and every computer card.
#include "belote/etat.h"

namespace tlv {

enum class Legalite {
    refusee,
    permise,
    permise_sansatout, // permitted, and it shows the seat holds no trump
};

// The card in `slot` of the seat's hand against the trick on the table (`couleurdemandee`, `maitre`).
// Changes nothing.
Legalite cartelegale(const TableBelote& t, int joueur, int slot);

} // namespace tlv
