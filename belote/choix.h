#pragma once
// The computer seats' card choice: ordered rule lists, no look-ahead. Their only memory is the record of
// played cards, the no-trump marks and the discard signals.
#include "belote/etat.h"
#include "belote/motif.h"
#include "shell/rnd.h"

namespace tlv::belote {

struct Choix {
    int slot = 0;
    bool verifiebelote = false;  // the card may be a trump: the belote check applies
    Motif motif = Motif::joueur; // the rule that chose it
};

// The slot the seat plays now. Writes only appel and plusdatout of the seat when it discards;
// draws from `rnd` only when deciding whether to follow the partner's signal.
Choix choisitcarte(TableBelote& t, int joueur, Rnd& rnd);

} // namespace tlv::belote
