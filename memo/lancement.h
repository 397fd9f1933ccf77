#pragma once
// Opens Memo from the launcher: the table is shown over the play area until the player leaves.
#include "shell/contexte.h"

namespace tlv::memo {

void joue_memo(Contexte& ctx);

} // namespace tlv::memo
