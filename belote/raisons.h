#pragma once
// The decisions told in French, for a player: what a seat bid or played and the rule that chose it, from
// what that seat knew when it chose (its own hand and the table, nothing hidden).
#include <string>

#include "belote/etat.h"
#include "belote/motif.h"

namespace tlv::belote {

// A decision with its reason: the rule and the sentence that tells it.
struct Raison {
    Motif motif = Motif::joueur;
    std::string phrase;
};

// "le Roi de trèfle", "l'As de cœur".
std::string nomcarte(int carte);

// A card about to be played by `joueur` (still in its hand, the trick as it stands):
// "Nord fournit l'As de cœur : l'As de la couleur demandée". A human's card: "Vous jouez le 7 de pique".
Raison raisoncarte(const TableBelote& t, int joueur, int carte, Motif m, const std::string& nom);
// The same rule offered to Sud: "Conseil : jouez le Roi de trèfle (en deuxième position, la plus petite)".
std::string conseilcarte(const TableBelote& t, int carte, Motif m);

// A bid: `couleur` is the suit taken (0 for a pass); `premier` tells the first round, where the suit weighed
// is the turned card's. "Nord passe : une seule carte à l'atout proposé", "Est prend à cœur : ...".
Raison raisonenchere(const TableBelote& t, int joueur, Motif m, int couleur, bool premier,
                     const std::string& nom);
std::string conseilenchere(const TableBelote& t, Motif m, int couleur, bool premier);

} // namespace tlv::belote
