#pragma once
// A fresh folder per test, removed afterwards, and plain byte-level file helpers.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace tlv::test {

class DossierTemp {
  public:
    DossierTemp() {
        std::string modele = (std::filesystem::temp_directory_path() / "tlvtest-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        chemin_ = modele + "/";
    }
    ~DossierTemp() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierTemp(const DossierTemp&) = delete;
    DossierTemp& operator=(const DossierTemp&) = delete;
    // Ends with '/'.
    const std::string& chemin() const { return chemin_; }
    // The same folder without the trailing '/', for command lines and messages.
    std::string racine() const { return chemin_.substr(0, chemin_.size() - 1); }
    std::string operator/(const std::string& nom) const { return chemin_ + nom; }

  private:
    std::string chemin_;
};

inline std::optional<std::string> litbrut(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void ecritbrut(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

inline std::set<std::string> contenudossier(const std::string& dossier) {
    std::set<std::string> noms;
    for (const auto& e : std::filesystem::directory_iterator(dossier)) noms.insert(e.path().filename());
    return noms;
}

} // namespace tlv::test
