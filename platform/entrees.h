#pragma once
// Our own input vocabulary: game code never sees SDL events. Key codes and shift flags are the classic ones
// the screens test (F5 = 116 ... F8 = 119; shift 1, ctrl 2, alt 4).
#include <string>

namespace tlv {

namespace cle {
constexpr int Effacement = 8, Tab = 9, Entree = 13, Echap = 27, Espace = 32;
constexpr int Fin = 35, Debut = 36, Gauche = 37, Haut = 38, Droite = 39, Bas = 40, Suppr = 46;
constexpr int F1 = 112, F5 = 116, F6 = 117, F7 = 118, F8 = 119;
} // namespace cle

namespace maj {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

namespace bouton {
constexpr int Gauche = 1, Droit = 2, Milieu = 4;
}

struct Entree {
    enum class Type { SourisBas, SourisHaut, SourisBouge, Touche, Caractere, Quitter } type = Type::Quitter;
    int x = 0, y = 0; // screen pixels
    int bouton = 0;
    int maj = 0;
    int code = 0;      // Touche
    std::string texte; // Caractere (UTF-8)
};

} // namespace tlv
