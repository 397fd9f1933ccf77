#pragma once
// The "Débutant" level: the rule list, but at a few decisions per deal the seat plays the second card of
// its own ranking, never an illegal or absurd one (it never trumps its partner's sure trick, never gives a
// 10 to the opponents when it could follow low). Which decisions is drawn from a source seeded by what the
// seat sees: the match's own random source is never drawn from.
#include "belote/belote.h"
#include "belote/choix.h"

namespace tlv::belote {

// The card the seat plays now, as `choisitcarte` returns it.
Choix cartedebutant(Belote& b, int joueur);

} // namespace tlv::belote
