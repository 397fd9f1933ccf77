#pragma once
// The rules of the name entry, apart from its screen: which characters a name may hold, how long it is,
// and the answer Enter gives. Names are UTF-8 in memory but must fit the files' Windows-1252 bytes.
#include <string>

namespace tlv {

inline constexpr int longueurmaxnom = 9;
// The answer of an entry given up with Escape.
inline constexpr const char* nomannule = "jemesuistrompé";
inline constexpr const char* nominconnu = "INCONNU";

// Number of characters (code points) of a UTF-8 text.
int nombrecaracteres(const std::string& texte);
// True when `car` (one UTF-8 character) can be typed into a name: printable and stored as one byte.
bool caractereaccepte(const std::string& car);
// Enter: trimmed of blanks, in capitals, double quotes turned into apostrophes; "INCONNU" when empty.
std::string reponsenom(const std::string& texte);

} // namespace tlv
