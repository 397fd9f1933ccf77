#include "menuclavier.h"

#include <algorithm>

namespace tlv {

GesteMenu geste_menu(Touche code, int& survol, std::span<const int> lignes) {
    const auto ici = std::find(lignes.begin(), lignes.end(), survol);
    const bool choisie = ici != lignes.end();
    switch (code) {
    case Touche::Haut:
    case Touche::Bas: {
        if (lignes.empty()) return GesteMenu::Aucun;
        const auto n = static_cast<std::ptrdiff_t>(lignes.size());
        std::ptrdiff_t i;
        if (!choisie)
            i = code == Touche::Bas ? 0 : n - 1;
        else
            i = ((ici - lignes.begin()) + (code == Touche::Bas ? 1 : n - 1)) % n;
        survol = lignes[static_cast<std::size_t>(i)];
        return GesteMenu::Deplace;
    }
    case Touche::Entree:
        return choisie ? GesteMenu::Choisit : GesteMenu::Aucun;
    case Touche::Echap:
        return GesteMenu::Retour;
    case Touche::Gauche:
        return GesteMenu::Moins;
    case Touche::Droite:
        return GesteMenu::Plus;
    default:
        return GesteMenu::Aucun;
    }
}

void clavier_menu_jeu(Touche code, int& survol, std::span<const int> lignes, const ActionsMenu& menu) {
    switch (geste_menu(code, survol, lignes)) {
    case GesteMenu::Deplace:
        menu.surligne(survol);
        return;
    case GesteMenu::Choisit:
        menu.choisit(survol);
        return;
    case GesteMenu::Retour:
        menu.retour();
        return;
    case GesteMenu::Moins:
    case GesteMenu::Plus:
        menu.fleche(survol, code == Touche::Gauche ? -1 : 1);
        return;
    case GesteMenu::Aucun:
        return;
    }
}

} // namespace tlv
