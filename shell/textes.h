#pragma once
// The visible texts, by the ids the screens and the rules use (1..71; 0 unused).
#include <array>
#include <string>

namespace tlv {

using Textes = std::array<std::string, 72>;

// The fixed French texts, UTF-8.
const Textes& textes_fixes();

// Field n (1-based) of width `largeur` in a text that packs several names (seats, ranks, suits).
std::string champ(const std::string& texte, int n, int largeur);
// The same without the blanks around it.
std::string champ_nu(const std::string& texte, int n, int largeur);

} // namespace tlv
