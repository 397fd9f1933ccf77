#pragma once
// A deal played out on a copy of the tables, with no table to show it: the cards put as the match flow puts
// them (trick, winner, belote, points) and the deal scored as the flow settles it. The Fort level plays its
// imagined deals here.
#include "belote/compte.h"
#include "belote/etat.h"
#include "shell/rnd.h"

namespace tlv::belote {

// A deal under way: the tables, the seat whose turn it is (numcarte already counts its card), and the belote
// points each side scored (the flow keeps them on the screen's state).
struct Deroule {
    TableBelote t;
    int prochain = 0;
    int belotenous = 0, beloteeux = 0;
    bool fini = false;
};

// The first card of a deal: trick 1, led by the seat after the dealer.
void commencejeu(Deroule& d);
// The seat whose turn it is puts the card of `slot`: the trick, its winner and its points, the belote,
// then the next seat's turn (or the deal's end after the eighth trick).
void posecarte(Deroule& d, int slot);
// Every remaining card by the rule list.
void joueregles(Deroule& d, Rnd& rnd);

} // namespace tlv::belote
