#include "dossiers.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tlv {

namespace {

std::string avecbarre(std::string chemin) {
    if (chemin.empty() || chemin.back() != '/') chemin += '/';
    return chemin;
}

// Relative roots are fixed against the current folder now, so the path stays right whatever happens later.
std::string absolu(const std::string& chemin) {
    std::error_code ec;
    const auto p = std::filesystem::absolute(chemin.empty() ? "." : chemin, ec);
    return ec ? chemin : p.lexically_normal().string();
}

std::string maisondecompte() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return pw->pw_dir;
    return absolu(".");
}

} // namespace

std::string dossierscores(const std::optional<std::string>& racine, const char* xdg_data_home,
                          const char* home) {
    std::string base;
    if (racine) {
        base = avecbarre(absolu(*racine));
    } else if (xdg_data_home && xdg_data_home[0] == '/') {
        // Relative values are invalid for XDG and are ignored.
        base = avecbarre(xdg_data_home) + "tlvscore/";
    } else {
        const std::string maison = home && home[0] == '/' ? home : maisondecompte();
        base = avecbarre(maison) + ".local/share/tlvscore/";
    }
    return base + "tolvanex/";
}

std::string dossierconfig(const std::optional<std::string>& racine, const char* xdg_config_home,
                          const char* home) {
    std::string base;
    if (racine)
        base = avecbarre(absolu(*racine));
    else if (xdg_config_home && xdg_config_home[0] == '/')
        base = avecbarre(xdg_config_home);
    else
        base = avecbarre(home && home[0] == '/' ? home : maisondecompte()) + ".config/";
    return base + "tolvanex/";
}

std::string dossierscores(const std::optional<std::string>& racine) {
    return dossierscores(racine, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

} // namespace tlv
