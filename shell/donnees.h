#pragma once
// Where the data files are: the build tree, an install at any prefix, or a folder named for a test.
#include <string>

namespace tlv {

// The data folder, ending with '/'. In order: `impose` when not empty (the TLV_DATADIR variable); the
// executable's own folder when it holds the data (the build tree); `<exe folder>/<relatif>` when it holds
// them (an install moved to another prefix); else `configure`, the folder chosen when building.
std::string dossier_donnees(const std::string& exe, const std::string& impose, const std::string& relatif,
                            const std::string& configure);

} // namespace tlv
