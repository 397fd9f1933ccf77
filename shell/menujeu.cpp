#include "shell/menujeu.h"

#include <vector>

#include "platform/menuclavier.h"
#include "shell/sons.h"

namespace tlv {

void MenuJeu::MouseMove(int, int, int x, int y) {
    const int l = bande_sous(x, y);
    if (l == survol) return;
    survol = l;
    surligne(l);
}

void MenuJeu::MouseDown(int, int, int x, int) {
    const int l = ligne_de(survol);
    if (l >= 1 && l <= 6 && lignes_[static_cast<std::size_t>(l)].fleche) {
        if (x > 80 && x < 140) return fleche(l, -1);
        if (x > 500 && x < 560) return fleche(l, 1);
        if (x <= 140 || x >= 500) return;
    }
    choisit(l);
}

void MenuJeu::choisit(int ligne) {
    if (ligne < 1 || ligne > 6) return;
    const Ligne& l = lignes_[static_cast<std::size_t>(ligne)];
    if (l.active && l.active() && l.choisit) l.choisit();
}

void MenuJeu::fleche(int ligne, int sens) {
    if (ligne < 1 || ligne > 6) return;
    const Ligne& l = lignes_[static_cast<std::size_t>(ligne)];
    if (l.active && l.active() && l.fleche) l.fleche(sens);
}

void MenuJeu::retour() {
    const Ligne& l = lignes_[1];
    choisit(l.active && l.active() ? 1 : 6);
}

void MenuJeu::ferme(Reglages& r) {
    joueson(pf, r, "cartew00");
    hide();
}

void MenuJeu::Form_KeyDown(Touche code, int) {
    survol = ligne_de(survol);
    std::vector<int> actives;
    for (int l = 1; l <= 6; ++l) {
        const Ligne& ligne = lignes_[static_cast<std::size_t>(l)];
        if (ligne.active && ligne.active()) actives.push_back(l);
    }
    clavier_menu_jeu(code, survol, actives,
                     {.surligne = [this](int l) { surligne(l); },
                      .choisit = [this](int l) { choisit(l); },
                      .fleche = [this](int l, int sens) { fleche(l, sens); },
                      .retour = [this] { retour(); }});
}

} // namespace tlv
