#pragma once
// The launcher's "Belote" line: the table, shown over the play area until the player leaves it.
#include "shell/contexte.h"

namespace tlv {

void joue_belote(Contexte& ctx);

} // namespace tlv
