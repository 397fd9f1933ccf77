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

// What a game's menu does, named: its mouse handler finds the action under the pointer, its keys name it.
struct ActionsMenu {
    std::function<void(int ligne)> surligne; // shows the new highlight
    std::function<void(int ligne)> choisit;
    std::function<void(int ligne, int sens)> fleche; // sens -1 the left arrow, +1 the right one
    std::function<void()> retour;
};

// A game's menu worked by keys: Entrée chooses the highlighted line, Gauche and Droite work its arrows
// (a line without any ignores them), Échap goes back.
void clavier_menu_jeu(Touche code, int& survol, std::span<const int> lignes, const ActionsMenu& menu);

} // namespace tlv
