// The contact sheet: every picture of a data folder on one PNG, plus a Belote table laid with the sheets
// exactly as the game lays them (mask AND, sprite OR), to judge the pictures together.
#pragma once
#include <string>

namespace tlv {

// Reads the pictures of `dossier` and writes the sheet to `sortie`. Throws when a picture is missing.
void planchecontact(const std::string& dossier, const std::string& sortie);

} // namespace tlv
