#pragma once
// The score files of Memo (one per level, five best times) and Quadrel (ten best games): their fixed-width
// lines in Windows-1252, the ranking and insertion rules. Pure: files (through the score folder's
// `Stockage`) and text only, no screen.
//
// A table is read from every line that can be read, whatever its line ends, a byte-order mark or blanks
// around its fields; its records are then put in the game's ranking order and the places left (missing
// lines, lines that are not numbers where numbers are due, out of the 16-bit range...) are filled with
// default lines at the bottom. So the next write repairs the file and no real score is ever dropped
// before a default line.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "shell/stockage.h"

namespace tlv {

// ---- Memo: "tlvmemo0.sco" .. "tlvmemo2.sco", 5 lines: name on 16 characters, then the time in seconds.
inline constexpr int lignesmemo = 5;
inline constexpr int largeurnommemo = 16;
inline constexpr int tempsdefautmemo = 10000;
inline constexpr std::string_view lignedefautmemo = "INCONNU         10000";
// The Memo clock stops there: a game that reaches it has no true time and never ranks.
inline constexpr int tempsmaxmemo = 32000;

struct ScoreMemo {
    std::string ligne{lignedefautmemo}; // as stored (Windows-1252), without CR LF
    int temps = tempsdefautmemo;
};
using TableMemo = std::array<ScoreMemo, lignesmemo>; // [0] is the best

std::string fichiermemo(int niveau); // "tlvmemo<niveau>.sco"
// The level's label, as the menu and the score title show it: "4x4", "6x4", "8x4".
std::string libelleniveau(int niveau);

// A record of a stored line, written back in the exact layout; nothing when the line cannot be read.
std::optional<ScoreMemo> luememo(std::string_view octets);
// The same, the default line for one that cannot be read.
ScoreMemo lignememo(std::string_view octets);
// The stored line of a new record: the name (UTF-8) cut or padded to 16 characters, then the time.
std::string formatememo(const std::string& nom, int temps);
TableMemo tablememodefaut();
// `nom`: the file in the score folder.
TableMemo litmemo(const Stockage& scores, const std::string& nom);
Resultat ecritmemo(Stockage& scores, const std::string& nom, const TableMemo& t);
// 1..5, the place a time takes (below equal times); 0 when it does not rank, as at `tempsmaxmemo`.
int rangmemo(const TableMemo& t, int temps);
// The table with `ligne` at `rang` (1..5), the lines below moved down and the last one dropped.
TableMemo inserememo(const TableMemo& t, int rang, const std::string& ligne);

// ---- Quadrel: "tlvjong0.sco", 10 lines of 17 characters: name on 9, last board cleared on 3 digits,
// cumulated seconds on 5 digits.
inline constexpr int lignesjong = 10;
inline constexpr int largeurnomjong = 9;
inline constexpr std::string_view lignedefautjong = "INCONNU  00000120";
inline constexpr const char* fichierjong = "tlvjong0.sco";
// Numbers of the files are 16-bit; a longer game is recorded at this many seconds.
inline constexpr int tempsmaxjong = 32767;

struct ScoreJong {
    std::string ligne{lignedefautjong}; // as stored (Windows-1252), without CR LF
    int tableau = 0;
    int temps = 120;
};
using TableJong = std::array<ScoreJong, lignesjong>;

std::optional<ScoreJong> luejong(std::string_view octets);
ScoreJong lignejong(std::string_view octets);
// The stored line of a game: name (UTF-8) on 9 characters, board on 3 digits, seconds on 5 digits
// (board limited to 0..999, seconds to 0..32767 so that the line stays readable).
std::string formatejong(const std::string& nompartie, int numtableau, int tempscumule);
TableJong tablejongdefaut();
TableJong litjong(const Stockage& scores, const std::string& nom);
Resultat ecritjong(Stockage& scores, const std::string& nom, const TableJong& t);

// Where a game's result goes. `fichepartie` is the game's line as last written (empty for none): that
// line is taken out first and a default line, worth board 0 in 0 seconds, closes the list.
struct ClassementJong {
    TableJong liste; // the table without the game's earlier line
    int rang = 0;    // 1..10, 0 when not ranked
};
ClassementJong classejong(const TableJong& t, const std::string& fichepartie, int numtableau,
                          int tempscumule);
TableJong inserejong(const TableJong& liste, int rang, const std::string& ligne);

// ---- Display helpers.
// The first `n` characters of a stored line, in UTF-8.
std::string debutligne(const std::string& ligne, int n);
// Seconds as hh:mm:ss, each part on two digits.
std::string heures(int secondes);

} // namespace tlv
