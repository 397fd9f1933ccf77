// The short sound effects "cartew00".."cartew09".
#pragma once
#include "assets/son.h"

namespace tlv {

// Effect by number; every one is short, normalised, starts and ends at silence. Throws for an unknown number.
Son effet(int numero);
// Whether the effect is written in stereo (chimes) or mono (clicks and slides).
bool effetstereo(int numero);

} // namespace tlv
