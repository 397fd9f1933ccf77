#pragma once
// The command line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tlv {

struct Options {
    bool fenetre = false;
    int ecran_largeur = 0, ecran_hauteur = 0; // --ecran LxH: a window of that size (robot: a display)
    std::string robot;                        // script file; empty = a player at the keyboard
    std::optional<std::uint64_t> graine;
    std::string dossier_scores; // replaces the "tlvscore" root
    std::string dossier_config; // replaces the preferences' root ($XDG_CONFIG_HOME)
    std::string journal;        // Belote trace file
    bool aide = false, version = false;
};

// Throws std::invalid_argument with a French message on a bad command line.
Options lit_options(const std::vector<std::string>& arguments);
const char* usage();

} // namespace tlv
