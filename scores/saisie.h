#pragma once
// The name box's text and caret, edited as a one-line text box is: typing inserts at the caret, Backspace
// and Delete remove the character before or after it, the arrows, Home and End move it, a click puts it
// at the nearest gap between characters. The name rules (`nom.h`) still hold: accepted characters only,
// `longueurmaxnom` at most. Pure: the screen gives the keys and the measured widths.
#include <functional>
#include <string>

#include "platform/entrees.h"

namespace tlv {

class Saisie {
  public:
    const std::string& texte() const { return texte_; }
    // Characters before the caret, 0..number of characters.
    int curseur() const { return curseur_; }
    // The text before the caret, to place it.
    std::string avantcurseur() const { return texte_.substr(0, octet(curseur_)); }

    // Inserts each accepted character of `saisie` at the caret, after which the caret stays, while the
    // name is shorter than allowed; the others are dropped.
    void tape(const std::string& saisie);
    // A key: Backspace, Delete, Left, Right, Home or End. False for any other key (nothing changes).
    bool touche(Touche code);
    // Puts the caret at the gap nearest to `x`, pixels from the text's left edge; `largeur` measures a
    // text as it is printed.
    void clique(int x, const std::function<int(const std::string&)>& largeur);

  private:
    std::size_t octet(int caractere) const; // byte offset of the gap after `caractere` characters
    std::string texte_;
    int curseur_ = 0;
};

} // namespace tlv
