#pragma once
// Dealing: the random first deal of a match, the cut deal of the gathered pack, and the rigged deal.
#include <string>

#include "belote/etat.h"
#include "shell/rnd.h"

namespace tlv::belote {

// First half: five cards each and the turned card (jeu(d+1, 6), liste(6)); sets the proposed trump.
void distribution(TableBelote& t, Paquet& p, Rnd& rnd);
void distributionfauxjeu(TableBelote& t, Paquet& p);
// Rest of a random or cut deal, then the turned card goes to the taker.
void distributiondureste(TableBelote& t, Paquet& p, Rnd& rnd);
void distributionfauxjeudureste(TableBelote& t, Paquet& p);
// Sorts each hand ascending by code.
void triejeux(TableBelote& t);

// Seat `decalage` places after the dealer (0 is the dealer itself).
constexpr int apres(int donneur, int decalage) {
    return (donneur + decalage - 1) % 4 + 1;
}

// True when `texte` is 64 digits naming each of the 32 cards once.
bool fauxjeuvalide(const std::string& texte);

} // namespace tlv::belote
