#include "donnees.h"

#include <filesystem>

namespace tlv {

namespace fs = std::filesystem;

namespace {

std::string avec_barre(std::string d) {
    if (d.empty() || d.back() != '/') d += '/';
    return d;
}

// The launcher's picture is the first file the program reads: a folder without it holds no data.
bool tient_donnees(const fs::path& d) {
    std::error_code ec;
    return fs::is_regular_file(d / "cartei00", ec);
}

} // namespace

std::string dossier_donnees(const std::string& exe, const std::string& impose, const std::string& relatif,
                            const std::string& configure) {
    if (!impose.empty()) return avec_barre(impose);
    if (!exe.empty()) {
        const fs::path ici = fs::path(exe).parent_path();
        if (tient_donnees(ici)) return avec_barre(ici.string());
        const fs::path installe = (ici / relatif).lexically_normal();
        if (!relatif.empty() && tient_donnees(installe)) return avec_barre(installe.string());
    }
    return avec_barre(configure);
}

} // namespace tlv
