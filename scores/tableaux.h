#pragma once
// The score tables as the games use them: ranking a result (with the name entry for Memo) and showing a
// table with its erase button. Including it gives a game everything it needs from here, the name entry
// (`demande_nom`, `nomannule`) included.
#include <string>

#include "innom.h"
#include "nom.h"

#include "platform/surface.h"
#include "shell/contexte.h"

namespace tlv {

// Memo, level `niveau` (0..2). A time that ranks plays "cartew08", asks the name, goes into the file and
// the table is shown; otherwise nothing happens. True when it ranked.
bool tableaudesscores_memo(Contexte& ctx, int niveau, int temps);
// Shows the level's table; "Effacer les scores" (confirmed) resets the file.
void affichelesscores_memo(Contexte& ctx, int niveau);

// Quadrel, after a board is cleared: ranks the game `nompartie` (last board cleared `numtableau`,
// `tempscumule` seconds). When it ranks, plays "cartew08", replaces the game's earlier line
// (`fichepartie`, the line as last written, empty for none) and sets `fichepartie` to the new line.
// No table is shown. True when it ranked.
bool tableaudesscores_jong(Contexte& ctx, const std::string& nompartie, int numtableau, int tempscumule,
                           std::string& fichepartie);
// Shows the Quadrel table, the line equal to `fichepartie` marked with "*"; erasing resets the file.
void affichelesscores_jong(Contexte& ctx, const std::string& fichepartie);

} // namespace tlv
