#pragma once
// The texts the Quadrel table shows: the clock, the board number, a board's time.
#include <string>

namespace tlv::quadrel {

// Seconds left as the clock shows them: minutes with a leading blank, seconds on two digits (" 2:00").
std::string textechrono(int chrono);
// "tableau 007": the label, a blank, the board index on its last three digits.
std::string libelletableau(const std::string& tableau, int numtableau);
// The same at the head of a sentence: "Tableau 007".
std::string titretableau(const std::string& tableau, int numtableau);
// A board's time as said to the player: "47 s", "1 min 05 s".
std::string dureeenclair(int secondes);

} // namespace tlv::quadrel
