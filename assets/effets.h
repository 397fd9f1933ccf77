// The short sound effects "cartew00".."cartew09".
#pragma once
#include "assets/son.h"

namespace tlv {

// Effect by number; every one is short, normalised, starts and ends at silence. Throws for an unknown number.
Son effet(int numero);
// Loudness of every effect and voice: the RMS of the sounding part.
inline constexpr double niveaueffets = 0.2;
// Scales to that loudness, keeping peaks under -1 dB.
void niveau(Son& s);
// Whether the effect is written in stereo (chimes) or mono (clicks and slides).
bool effetstereo(int numero);

} // namespace tlv
