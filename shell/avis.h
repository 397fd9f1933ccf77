#pragma once
// The launcher's notice when the score folder cannot be used: scores and settings last this session only.
#include <functional>
#include <string>

#include "platform/surface.h"

namespace tlv {

class Polices;

// Where the notice lies on the launcher picture: over the foot of the card fan, clear of the menu lines,
// the clip and the web button.
inline constexpr Rect ZoneAvis{10, 394, 304, 78};

// Draws the notice naming `dossier` onto the launcher picture `s` (play-area pixels).
void dessine_avis_scores(Surface& s, Polices& titres, Polices& texte, const std::string& dossier);

// `chemin` as it fits `largeur` pixels (by `mesure`): whole when it fits, else its start and its end
// around "…", cut between UTF-8 characters, keeping as much of the end (the folder's own name) as can be.
std::string raccourcit_chemin(const std::string& chemin, int largeur,
                              const std::function<int(const std::string&)>& mesure);

} // namespace tlv
