#pragma once
// Where the program keeps its own files: settings, scores and saved games.
#include <optional>
#include <string>

namespace tlv {

// The score folder, always ending with '/': `<racine>/tolvanex/`, where the root is the
// `--dossier-scores` folder when given, else `$XDG_DATA_HOME/tlvscore`, else
// `$HOME/.local/share/tlvscore` (the account's home when HOME is unset, the current folder at worst).
std::string dossierscores(const std::optional<std::string>& racine = std::nullopt);

// The same from explicit environment values (null when unset).
std::string dossierscores(const std::optional<std::string>& racine, const char* xdg_data_home,
                          const char* home);

// The folder of the player's preferences, always ending with '/': `<racine>/tolvanex/`, where the root is
// the `--dossier-config` folder when given, else `$XDG_CONFIG_HOME`, else `$HOME/.config`.
std::string dossierconfig(const std::optional<std::string>& racine, const char* xdg_config_home,
                          const char* home);

} // namespace tlv
