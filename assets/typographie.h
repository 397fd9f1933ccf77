// French typography for the texts the player reads (help, offline page).
#pragma once
#include <string>
#include <string_view>

namespace tlv {

inline constexpr const char* Insecable = "\u00A0"; // no-break space
inline constexpr const char* Apostrophe = "\u2019";

// UTF-8 in, UTF-8 out: the straight apostrophe becomes ’; the blank before ; : ! ? and », and the
// blank after «, becomes a no-break space, so a line is never cut there.
std::string typographie(std::string_view texte);

} // namespace tlv
