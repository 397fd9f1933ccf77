#pragma once
// Small routines over the shared tables that every part of the rules calls.
#include "belote/etat.h"

namespace tlv::belote {

// Clears the tables of a new deal; the deal points, the totals and the pack are left alone.
void initdonne(TableBelote& t, Annonces& a, Paquet& p);
// Points of every dealt card for the current trump.
void calculevaleurs(TableBelote& t);
// Slot of `carte` in the seat's hand (searched from slot 8 down), 0 when absent.
int cherchecarte(const TableBelote& t, int joueur, int carte);
// Counts the seat's cards of a suit.
int comptecouleur(const TableBelote& t, int joueur, int couleur);
// True when the card `ecart` above the one in this slot went in an earlier trick of the deal.
bool dejajouee(const TableBelote& t, int joueur, int slot, int ecart);
// True when the seat holds a trump beating the trump now winning.
bool peutmonter(const TableBelote& t, int joueur);
// Whether `carte` (worth `val`) beats the winning card `gagnante` (worth `valgagnante`).
bool battue(int carte, int val, int gagnante, int valgagnante, int atout);
// The card just put by `joueur` from `slot` takes the trick when it beats the winning card.
void comparepli(TableBelote& t, int joueur, int slot);
// The card in the seat's slot put on the trick (it stays in the hand): recorded, Sud's discard signal (the
// sister suit, none when that is trump), the led suit and the winner.
void metsurlepli(TableBelote& t, int joueur, int slot);

} // namespace tlv::belote
