#pragma once
// The Memo board: an 8 x 4 grid of places, the faces 0..31 (k and k + 16 make a pair), the three levels,
// the random layout and the rules of a try. Pure: no screen, no clock.
#include <array>
#include <optional>

#include "grille/point.h"
#include "shell/rnd.h"
#include "socle/carte.h"

namespace tlv::memo {

inline constexpr int colonnesmemo = 8, lignesmemo_grille = 4;
inline constexpr int grillex = 36, grilley = 48; // top left of place (1, 1) on the table
inline constexpr int penalitememo = 50;          // seconds for a card turned again in a failed try

struct NiveauMemo {
    int paires, premiere, colonnes;
};
// Level 0: 8 pairs on columns 3..6; level 1: 12 on 2..7; level 2: 16 on 1..8.
NiveauMemo niveaumemo_table(int niveau);

struct Place {
    int c = -1, r = -1; // column 1..8, row 1..4; -1 for none
    bool operator==(const Place&) const = default;
};

struct Plateau {
    // Indexed [column 0..8][row 0..4]; only 1..8 x 1..4 are used. -1: no card.
    std::array<std::array<int, 5>, 9> grille{};
    std::array<std::array<bool, 5>, 9> vues{}; // seen face up and turned back
    std::array<bool, 17> tirees{};             // faces 0..15 placed in the layout being built

    Plateau();
    int carte(Place p) const { return grille[static_cast<std::size_t>(p.c)][static_cast<std::size_t>(p.r)]; }
    bool vue(Place p) const { return vues[static_cast<std::size_t>(p.c)][static_cast<std::size_t>(p.r)]; }
};

// A new random layout for the level, drawing with `rnd` in this order for each pair: the face (again
// until unused), the first place (column then row, again until free), the second place likewise.
void tirage(Plateau& p, int niveau, Rnd& rnd);

bool estpaire(int a, int b);
// The place under a point of the table, when it is inside the grid.
std::optional<Place> placesous(int x, int y);
// The place's top left corner on the table.
Point coin(Place p);
// Where face k lies on the card sheet.
Point cellule(int k);
// True while a card remains.
bool restedescartes(const Plateau& p);

// A failed try: the seconds it costs (50 for each of its cards seen before), then both marked seen.
int penalite(const Plateau& p, Place a, Place b);
void marquevues(Plateau& p, Place a, Place b);
// A found pair leaves the board.
void retirepaire(Plateau& p, Place a, Place b);

} // namespace tlv::memo
