#pragma once
// Sound effects (asynchronous), voices (synchronous) and the screens' tunes, under the player's switches.
#include <string>

#include "platform/entrees.h"

namespace tlv {

class Plateforme;
class Tlvutil;
struct Reglages;

void joueson(Plateforme& pf, const Reglages& r, const std::string& nom);
void jouevoix(Plateforme& pf, const Reglages& r, const std::string& fichier);
// A Belote seat (1 Sud .. 4 Ouest) says a word in its own voice.
void voix(Plateforme& pf, const Reglages& r, int joueur, const std::string& nom);
// The voice file of a word for a seat, relative to the application folder.
std::string fichier_voix(const Reglages& r, int joueur, const std::string& nom);
void jouemusik(Plateforme& pf, Tlvutil& u, const Reglages& r, const std::string& nom);
void arretemusik(Tlvutil& u);

// The keys every screen shares: F6 volume control, F7 effects and voices, F8 music (restarting `musique`).
// True when the key was one of them.
bool touche_son(Plateforme& pf, Tlvutil& u, Reglages& r, Touche code, const std::string& musique);

} // namespace tlv
