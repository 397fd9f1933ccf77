#pragma once
// What the game and the data generator both know of a card: its size on the 640 x 480 table (the generator
// draws the sheets' cells at it, the screens cut them) and the suits' names, by suit 1 pique .. 4 coeur.
#include <array>

namespace tlv {

inline constexpr int LargeurCarte = 71, HauteurCarte = 96;

// The French names, as said and written in a sentence.
inline constexpr std::array<const char*, 5> NomsCouleurs = {"", "pique", "carreau", "trèfle", "cœur"};
// The stems of the seats' voice files: the suit said alone, and after "à" ("apique") when bid.
inline constexpr std::array<const char*, 5> VoixCouleurs = {"", "pique", "carro", "trefle", "coeur"};

} // namespace tlv
