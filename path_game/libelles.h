#pragma once
// The texts the Quadrel table shows: the clock and the board number.
#include <string>

namespace tlv {

// Seconds left as the clock shows them: minutes with a leading blank, seconds on two digits (" 2:00").
std::string textechrono(int chrono);
// "tableau 007": the label, a blank, the board index on its last three digits.
std::string libelletableau(const std::string& tableau, int numtableau);

} // namespace tlv
