// Files are written under a temporary name and renamed when complete, so an interrupted build never
// leaves a half-written data file that looks up to date.
#pragma once
#include <cstdio>
#include <stdexcept>
#include <string>

namespace tlv {

inline std::string provisoire(const std::string& chemin) {
    return chemin + ".part";
}

inline void valide(const std::string& chemin) {
    if (std::rename(provisoire(chemin).c_str(), chemin.c_str()) != 0) {
        std::remove(provisoire(chemin).c_str());
        throw std::runtime_error("impossible de remplacer " + chemin);
    }
}

} // namespace tlv
