#pragma once
// The keys of every menu, alike everywhere: Haut and Bas move the highlight among the lines that can be
// chosen now, going round at either end; Entrée chooses the highlighted line; Échap goes back; Gauche and
// Droite work the arrows of a line that has them. The mouse's own highlight is the same `survol`.
#include <span>

#include "entrees.h"

namespace tlv {

enum class GesteMenu { Aucun, Deplace, Choisit, Retour, Moins, Plus };

// What `code` asks of a menu whose highlighted line is `survol` (0: none), `lignes` being the lines that
// can be chosen now, top to bottom. `Deplace` has put the new line in `survol`: from no line (or one that
// cannot be chosen) Bas goes to the first and Haut to the last. `Choisit` comes only when the highlighted
// line can be chosen; Entrée with nothing highlighted does nothing.
GesteMenu geste_menu(Touche code, int& survol, std::span<const int> lignes);

} // namespace tlv
