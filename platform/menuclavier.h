#pragma once
// The keys of every menu, alike everywhere: Haut and Bas move the highlight among the lines that can be
// chosen now, going round at either end; Entrée chooses the highlighted line; Échap goes back; Gauche and
// Droite work the arrows of a line that has them. The mouse's own highlight is the same `survol`.
#include <functional>
#include <span>

#include "entrees.h"

namespace tlv {

enum class GesteMenu { Aucun, Deplace, Choisit, Retour, Moins, Plus };

// What `code` asks of a menu whose highlighted line is `survol` (0: none), `lignes` being the lines that
// can be chosen now, top to bottom. `Deplace` has put the new line in `survol`: from no line (or one that
// cannot be chosen) Bas goes to the first and Haut to the last. `Choisit` comes only when the highlighted
// line can be chosen; Entrée with nothing highlighted does nothing.
GesteMenu geste_menu(Touche code, int& survol, std::span<const int> lignes);

class Form;
// A game's menu (lines across the 640-pixel width) worked by keys as by the mouse: the chosen line is a
// click at its middle, Échap a click on line `retour`, Gauche and Droite clicks on the arrows at the two
// ends of line `fleches`. `surligne` shows the new highlight.
void clavier_menu_jeu(Form& menu, Touche code, int& survol, std::span<const int> lignes, int fleches,
                      const std::function<void(int)>& surligne, int retour = 6);

} // namespace tlv
