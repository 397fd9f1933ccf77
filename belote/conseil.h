#pragma once
// The advice offered to Sud: what the computer's own rules would bid or play in Sud's seat now, with the
// rule and the sentence that tells it. Worked out on copies: asking changes nothing of the match.
#include <string>

#include "belote/etat.h"
#include "belote/motif.h"
#include "belote/table.h"
#include "shell/rnd.h"

namespace tlv::belote {

struct Conseil {
    // The line of the bidding panel (1 pass; 2 take, or 2..4 the three other suits in the second round) or
    // the slot of Sud's hand; 0 when there is nothing to advise.
    int choix = 0;
    Motif motif = Motif::joueur;
    std::string phrase; // "Conseil : jouez le Roi de trèfle (...)"
};

// The advice for what Sud is awaited for: a first- or second-round bid or a card (`moment` enchere1,
// enchere2 or carte); none at any other moment. Reads only Sud's hand and what the table shows.
Conseil conseille(const TableBelote& t, EtatClic moment, const Rnd& rnd);

} // namespace tlv::belote
