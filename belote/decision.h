#pragma once
// A computer seat's decisions at its level (`Belote::niveaux`): the rule list for "Classique", exactly as
// it always played, "Fort" and "Débutant" otherwise. Débutant bids as the rule list does.
#include "belote/belote.h"
#include "belote/choix.h"

namespace tlv::belote {

Choix decidecarte(Belote& b, int joueur);
// As `evaluepremiertour` and `evaluesecondtour`: prise, and atout in the second round.
Motif decidepremiertour(Belote& b, int joueur);
Motif decidesecondtour(Belote& b, int joueur);

} // namespace tlv::belote
