#pragma once
// Saved Quadrel games, "tlvjong1.sco" in the score folder: one CR LF line of 17 characters per game in
// creation order: the name on 9, the last board cleared on 3 (" -1" for none), the seconds spent on the
// boards cleared on 5. Rewrites go through "tlvtempo", then replace the file in one rename.
// Pure: files only, through the score folder's `Stockage`. Names are UTF-8 in memory, Windows-1252 on disk.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shell/stockage.h"

namespace tlv::quadrel {

inline constexpr const char* fichierparties = "tlvjong1.sco";
inline constexpr const char* fichiertempo = "tlvtempo";
inline constexpr int largeurnompartie = 9;
inline constexpr int tempsmaxpartie = 99999;
inline constexpr int dureetableau = 120; // seconds on the clock at the start of a board
// Far beyond any real list of games (some 200 000 lines); a longer file is listed from its start but
// never rewritten, so that no game past the limit is lost.
inline constexpr std::size_t taillemaxparties = 4u << 20;

// The stored line (Windows-1252, no CR LF): name cut or padded to 9, board " -1" or 3 digits, 5 digits.
std::string lignepartie(const std::string& nom, int tableau, int temps);
// The name of a stored line: its first 9 characters without the blanks around them, in UTF-8.
std::string nomdeligne(const std::string& ligne);
// The board (characters 10 to 12) and seconds (13 to 17) of a line; -1 and 0 when unreadable.
int tableaudeligne(const std::string& ligne);
int tempsdeligne(const std::string& ligne);

class Parties {
  public:
    explicit Parties(Stockage& scores) : scores_(scores) {}

    std::string chemin() const { return scores_.chemin(fichierparties); }
    // The stored lines, blank ones left out; none when the file is missing.
    std::vector<std::string> lignes() const { return lecture().lignes; }

    bool existe(const std::string& nom) const;
    // Name of the game at `index` (from 0); empty when there is none.
    std::string rendlenom(int index) const;
    std::string rendlepremiernom() const { return rendlenom(0); }

    // The three writing operations below fail with the reason and leave the file untouched when it could
    // not be read whole (too big, unreadable). A new game: its line, board -1, no time.
    Resultat ajoutepartie(const std::string& nom);
    // Board `numtableau` cleared with `chrono` seconds left: the game's line gets the board and the time
    // spent added. Returns the game's cumulated seconds, or why the file could not be written.
    Valeur<int> sauvepartie(const std::string& nom, int numtableau, int chrono);

    struct Chargement {
        int numtableau = 0;      // the board after the last one cleared
        std::string fichepartie; // the game's stored line (Windows-1252), empty when not found
        int tempscumule = 0;
    };
    Chargement chargepartie(const std::string& nom) const;

    Resultat effacelapartie(const std::string& nom);

  private:
    LectureEntiere lecture() const;
    Resultat reecrit(const std::vector<std::string>& lignes);
    Stockage& scores_;
};

} // namespace tlv::quadrel
