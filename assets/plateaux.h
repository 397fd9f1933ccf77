// The Quadrel boards file "cartet00": solvable boards of rising difficulty.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tlv {

// Columns 0..9 by rows 0..5; the ring (columns 0 and 9, rows 0 and 5) is always empty.
// -1 empty, 0..31 a face (k pairs with k + 16), 91 an obstacle (drawn as a card back).
using Plateau = std::array<std::array<int, 6>, 10>;

inline constexpr int obstacle = 91;
inline constexpr int nombreplateaux = 120;

// Whether a path of at most three straight segments through empty cells joins (x1, y1) and (x2, y2).
bool relies(const Plateau& p, int x1, int y1, int x2, int y2);
// Pairs removable right now.
int coupslibres(const Plateau& p);
// Removes removable pairs until none is left; true when every card is gone. With each face at most once a
// board, removing a pair only frees cells, so this decides solvability exactly.
bool resoluble(Plateau p);

// The boards, easiest first.
std::vector<Plateau> plateaux();
// The file: per board four lines of eight 3-character fields, CR LF, then an empty line (106 bytes).
std::string fichierplateaux(const std::vector<Plateau>& liste);

} // namespace tlv
