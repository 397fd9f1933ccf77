#pragma once
// The launcher's "Quadrel" line: the path-matching table over the play area until the player leaves it.
#include "shell/contexte.h"

namespace tlv::quadrel {

void joue_quadrel(Contexte& ctx);

} // namespace tlv::quadrel
