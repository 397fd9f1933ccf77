#pragma once
// Boards drawn as text for the tests: four rows of eight characters. '.' empty, 'A'..'P' faces 0..15,
// 'a'..'p' their partners 16..31, '#' a card that only blocks, 'X' an obstacle.
#include <array>
#include <string>

#include "quadrel/regles/plateaux.h"

namespace tlv::essai {
using namespace tlv::quadrel;

inline Grille dessin(const std::array<std::string, 4>& rangs) {
    Grille g = grillevide();
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 8; ++c) {
            const char k = rangs[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            int v = vide;
            if (k >= 'A' && k <= 'P') v = k - 'A';
            if (k >= 'a' && k <= 'p') v = k - 'a' + 16;
            if (k == '#') v = 15;
            if (k == 'X') v = 91;
            g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = v;
        }
    return g;
}

// The same drawing as a record of the boards file: the fields of its cells (value + 1), then the empty line.
inline std::string fichede(const std::array<std::string, 4>& rangs) {
    const Grille g = dessin(rangs);
    std::string s;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const std::string n =
                "  " + std::to_string(g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] + 1);
            s += n.substr(n.size() - 3);
        }
        s += "\r\n";
    }
    return s + "\r\n";
}

} // namespace tlv::essai
