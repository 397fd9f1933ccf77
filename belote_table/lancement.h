#pragma once
// The launcher's "Belote" line: the table, shown over the play area until the player leaves it.
#include "shell/contexte.h"

namespace tlv::belote {

void joue_belote(Contexte& ctx);

} // namespace tlv::belote
