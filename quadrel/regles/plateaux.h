#pragma once
// Quadrel boards: the 8 x 4 grid with its empty border ring, and the boards file "cartet00" that holds one
// fixed layout per board. Pure: files and numbers only.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tlv::quadrel {

// grille[column 0..9][row 0..5]; columns 1..8 and rows 1..4 are the board, the rest is the ring.
using Grille = std::array<std::array<int, 6>, 10>;

inline constexpr int vide = -1;
// Cell values: -1 empty, 0..31 a face (k pairs with k + 16), 90 and more an obstacle.
inline constexpr int premierobstacle = 90;
// One board in the file: four lines of eight 3-character fields, CR LF, then an empty line.
inline constexpr int taillefiche = 106;
inline constexpr const char* fichierplateaux = "cartet00";

Grille grillevide();

// Index of the last board of a file of that many bytes (-1: none).
int niveaumax_de(std::uintmax_t longueur);
// The same for the file on disk; -1 when it is missing or unreadable.
int recherchemax(const std::string& chemin);

// Loads board `numtableau` from the file's bytes into `grille` (the ring stays empty). False when the file
// has no such record; `grille` is then empty.
bool chargecode_octets(std::string_view octets, int numtableau, Grille& grille);
bool chargecode(const std::string& chemin, int numtableau, Grille& grille);

// A card the player may select and must remove (obstacles are not cards).
constexpr bool estcarte(int v) {
    return v >= 0 && v < premierobstacle;
}
constexpr bool estobstacle(int v) {
    return v >= premierobstacle;
}
constexpr bool paire(int a, int b) {
    return estcarte(a) && estcarte(b) && (a == b + 16 || b == a + 16);
}
// True while a card is left on the board.
bool resteunecarte(const Grille& g);
// A board that can be cleared as far as its cards go: at least one card, and every face with as many
// partners as copies. A damaged record that fails this would only be lost to the clock.
bool tableaujouable(const Grille& g);

} // namespace tlv::quadrel
