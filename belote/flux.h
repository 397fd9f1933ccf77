#pragma once
// The flow of a match on a table: deals, bidding, announcements, tricks and scoring, in the order the
// players see them. Every picture, sound, pause and wait goes through `Table`.
#include <string>
#include <utility>

#include "belote/belote.h"
#include "belote/legalite.h"
#include "belote/table.h"

namespace tlv::belote {

void lancelapartie(Belote& b, Table& t);
void affichedistribution(Belote& b, Table& t);
void affichedistributiondureste(Belote& b, Table& t);
void deplaceatout(Belote& b, Table& t, int joueur);
void routinequiprend(Belote& b, Table& t);
void afficheannonce(Belote& b, Table& t);
void montreannonces(Belote& b, Table& t);
void belote(Belote& b, Table& t, int joueur, int slot);
// The card play of a deal (the eight tricks), then its settling; a "partie" is always the whole match.
void jeudelacarte(Belote& b, Table& t);
void jouecarte(Belote& b, Table& t, int joueur, int slot);
void ramassepli(Belote& b, Table& t, int gagnant);
// The deal settled: last trick, contract and capots counted, the pad written; the match may end here.
void regledonne(Belote& b, Table& t);
void animefin(Belote& b, Table& t);

// Texts the flow shows: seat and suit names.
std::string nomjoueur(const Belote& b, int joueur);
std::string nomcouleur(const Belote& b, int couleur);
// Why Sud's card is refused, on the message box's two lines (both empty for an empty slot).
std::pair<std::string, std::string> raisonrefus(const Belote& b, Legalite l);

} // namespace tlv::belote
