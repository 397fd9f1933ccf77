#pragma once
// The computer seats' bids: a fixed evaluation of the five cards and the turned card (liste(6)). Only
// `prise` and, in the second round, `atout` are written.
#include "belote/etat.h"
#include "belote/motif.h"

namespace tlv::belote {

// The rule that makes the seat take or pass with trump `couleur`, from its five cards and the turned card.
Motif motifevalue(const TableBelote& t, int joueur, int couleur);
// Whether that rule takes.
bool prend(Motif m);
// Whether the seat would take with trump `couleur`.
bool evalue(const TableBelote& t, int joueur, int couleur);
// First round: prise := 1 when the seat takes the turned card's suit. Returns the rule.
Motif evaluepremiertour(TableBelote& t, int joueur, int couleur);
// Second round: the first suit (1..4, not the turned card's) the seat would take; prise and atout. Returns
// that suit's rule, or passe_second.
Motif evaluesecondtour(TableBelote& t, int joueur);

} // namespace tlv::belote
