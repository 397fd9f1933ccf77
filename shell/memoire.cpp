#include "memoire.h"

#include <filesystem>
#include <map>

namespace tlv {

namespace {

namespace fs = std::filesystem;

// One folder for the whole run, as the program has one score folder.
struct Memoire {
    fs::path dossier;
    std::map<fs::path, std::string> fichiers;
};

Memoire& memoire() {
    static Memoire m;
    return m;
}

// "a/b/../c/" and "a/c" name the same folder; relative names are taken from the current folder.
fs::path normalise(const std::string& chemin) {
    std::error_code ec;
    fs::path p = fs::absolute(chemin, ec);
    if (ec) p = chemin;
    p = p.lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    return p;
}

} // namespace

void gardeenmemoire(const std::string& dossier) {
    Memoire& m = memoire();
    m.fichiers.clear();
    m.dossier = dossier.empty() ? fs::path() : normalise(dossier);
}

bool enmemoire(const std::string& chemin) {
    const Memoire& m = memoire();
    if (m.dossier.empty() || chemin.empty() || chemin.back() == '/') return false;
    return normalise(chemin).parent_path() == m.dossier;
}

std::optional<std::string> litenmemoire(const std::string& chemin) {
    if (!enmemoire(chemin)) return std::nullopt;
    const Memoire& m = memoire();
    const auto it = m.fichiers.find(normalise(chemin));
    if (it == m.fichiers.end()) return std::nullopt;
    return it->second;
}

void ecritenmemoire(const std::string& chemin, std::string_view contenu) {
    if (enmemoire(chemin)) memoire().fichiers[normalise(chemin)] = std::string(contenu);
}

} // namespace tlv
