#pragma once
// The computer's levels in Belote, chosen in its menu: the partner's and the opponents', kept in
// "tlvniveaux.ini" of the score folder as two lines, "partenaire=classique" and "adversaires=fort". The
// settings hold them as the Belote rules' words ("classique", "fort", "debutant"); the Belote screen turns
// them into levels.
#include <string_view>

#include "reglages.h"

namespace tlv {

// A word a level may be written as.
bool motniveau(std::string_view mot);

// Read at start-up into `niveaupartenaire` and `niveauadversaires`. A missing file gives the defaults
// ("classique"); a damaged one gives them too and is rewritten with them, silently.
void lisniveaux(Reglages& r);
// Rewrite the file with the current levels.
Resultat sauveniveaux(const Reglages& r);

} // namespace tlv
