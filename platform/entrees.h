#pragma once
// Our own input vocabulary: game code never sees SDL events. Key codes and shift flags are the classic ones
// the screens test (F5 = 116 ... F8 = 119; shift 1, ctrl 2, alt 4).
#include <optional>
#include <string>

namespace tlv {

// A key pressed. Letters and digits are their upper-case ASCII codes (touche_caractere); the keys below
// Espace are their ASCII control characters.
enum class Touche : int {
    Aucune = 0, // a character typed with no key of its own: only its text comes
    Effacement = 8,
    Tab = 9,
    Entree = 13,
    Echap = 27,
    Espace = 32,
    Fin = 35,
    Debut = 36,
    Gauche = 37,
    Haut = 38,
    Droite = 39,
    Bas = 40,
    Suppr = 46,
    F1 = 112,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};

// The key of a letter (either case) or a digit.
constexpr Touche touche_caractere(char c) {
    return static_cast<Touche>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}
// F1 .. F12 by number.
constexpr Touche touche_fonction(int n) {
    return static_cast<Touche>(static_cast<int>(Touche::F1) + n - 1);
}
// The lower-case letter of a letter key (the controls' accelerators), none for other keys.
constexpr std::optional<char> lettre(Touche t) {
    const int c = static_cast<int>(t);
    if (c < 'A' || c > 'Z') return std::nullopt;
    return static_cast<char>(c - 'A' + 'a');
}

namespace maj {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

namespace bouton {
constexpr int Gauche = 1, Droit = 2, Milieu = 4;
}

struct Entree {
    // Fenetre: the window lost the player's attention (focus left, minimised, hidden) or got it back.
    enum class Type {
        SourisBas,
        SourisHaut,
        SourisBouge,
        Touche,
        Caractere,
        Fenetre,
        Quitter
    } type = Type::Quitter;
    int x = 0, y = 0; // screen pixels
    int bouton = 0;
    int maj = 0;
    Touche code = Touche::Aucune;
    std::string texte;  // Caractere (UTF-8)
    bool active = true; // Fenetre: the player is back
};

} // namespace tlv
