#pragma once
#include <string>

namespace tlv {
// The one fatal path: a French message on the screen (when one can be shown) and on stderr, then exit 1.
[[noreturn]] void erreur_fatale(const std::string& message);
} // namespace tlv
