#pragma once
// What every screen is handed: the platform, the shared settings, the music control and the random source.
#include <functional>
#include <string>

#include "rnd.h"

namespace tlv {

class Plateforme;
class Tlvutil;
struct Reglages;

struct Contexte {
    Plateforme& pf;
    Reglages& r;
    Tlvutil& util;
    Rnd& rnd;
    std::string journal; // Belote trace file, empty when none
};

// The three games, as the program's entry hands them to the launcher. Each loads its screen, shows it
// modally over the play area and unloads it. An empty one is a game not available.
struct Jeux {
    std::function<void(Contexte&)> belote, memo, quadrel;
};

} // namespace tlv
