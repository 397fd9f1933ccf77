#pragma once
// A picture of the program folder that a screen cannot do without.
#include <string>

#include "platform/surface.h"

namespace tlv {

// The picture `nom` of `repertoire`; a missing or unreadable one ends the program with a French message.
Surface chargeimage(const std::string& repertoire, const std::string& nom, int facteur);
// Ends the program with the French message that names a missing data file.
[[noreturn]] void donneemanquante(const std::string& repertoire, const std::string& nom);

} // namespace tlv
