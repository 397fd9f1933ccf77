#pragma once
// Our font is wider than the one the screens were laid out for: a text that would overflow its place is
// printed a little smaller instead of being cut.
#include <string>

namespace tlv {

class Polices;

// `points`, or the largest smaller size (down to half) at which `texte` is at most `largeur` pixels wide.
int tailleajustee(Polices& po, const std::string& texte, int points, int largeur);

} // namespace tlv
