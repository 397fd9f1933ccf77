#pragma once
// Telling the player, once a session, that what was just done could not be kept on disk.
#include <string>

#include "resultat.h"

namespace tlv {

class Plateforme;
struct Reglages;

// Why a write failed (an errno value), in a few French words: "plus de place sur le disque"...
std::string raisonechec(int erreur);

// "Impossible d'enregistrer <quoi> dans <dossier> : <raison>." `quoi` says what was lost ("le score").
std::string messageechec(const std::string& quoi, const std::string& dossier, int erreur);

// Shows that message, with the failure's reason, in a box the first time a save fails in the session, never
// again (a folder gone bad would otherwise bring it after every move). Nothing for a save done, nor while
// the program is being closed.
void signale_echec(Plateforme& pf, Reglages& r, const std::string& quoi, Resultat resultat);

} // namespace tlv
