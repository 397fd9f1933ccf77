#pragma once
// Announcements (tierce, cinquante, cent, carré) and the search for belote-rebelote.
#include "belote/etat.h"

namespace tlv::belote {

// Each seat's first two sequences (of 3 or more, the 5 highest kept) and first carré (9 and above).
void chercheannonces(const TableBelote& t, Annonces& a);
// The seat holding the best announcement, 0 when none or when equal ones of the two sides cancel.
void compareannonces(const TableBelote& t, Annonces& a);
// The side of the best announcer scores the announcements of both partners.
void compteannonces(TableBelote& t, const Annonces& a);
// compteurbelote := 1 when one seat holds the Roi and the Dame of trump.
void cherchebelote(TableBelote& t);

// Points of a sequence of 3, 4 or 5 cards.
int pointssequence(int longueur);
// Height of a rank digit in "263457" (9 = 1 .. As = 6), 0 for the 7 and the 8.
int hauteur(int rang);

} // namespace tlv::belote
