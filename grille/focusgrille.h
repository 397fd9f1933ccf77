#pragma once
// The keyboard's place on a grid table: a cell of the block where the cards were dealt, moved one cell by
// the arrows (over emptied cells too), stopping at the block's edges.
#include "platform/entrees.h"

namespace tlv {

class FocusGrille {
  public:
    // The block of columns `premiere` .. `premiere + colonnes - 1` and rows 1 .. `lignes`; the place goes
    // back to its top left cell.
    void bloc(int premiere, int colonnes, int lignes) {
        c0_ = premiere, c1_ = premiere + colonnes - 1, r1_ = lignes;
        c_ = c0_, r_ = 1;
    }
    int colonne() const { return c_; }
    int ligne() const { return r_; }

    // An arrow moves the place; false for any other key.
    bool deplace(Touche t) {
        switch (t) {
        case Touche::Gauche:
            c_ = c_ > c0_ ? c_ - 1 : c_;
            return true;
        case Touche::Droite:
            c_ = c_ < c1_ ? c_ + 1 : c_;
            return true;
        case Touche::Haut:
            r_ = r_ > 1 ? r_ - 1 : r_;
            return true;
        case Touche::Bas:
            r_ = r_ < r1_ ? r_ + 1 : r_;
            return true;
        default:
            return false;
        }
    }

  private:
    int c0_ = 1, c1_ = 8, r1_ = 4;
    int c_ = 1, r_ = 1;
};

// The keys that act on the place as a click there would.
constexpr bool touche_action(Touche t) {
    return t == Touche::Entree || t == Touche::Espace;
}

} // namespace tlv
