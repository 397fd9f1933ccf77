#include "belote/debutant.h"

namespace tlv::belote {

Choix cartedebutant(Belote& b, int joueur) {
    return choisitcarte(b.table, joueur, b.rnd);
}

} // namespace tlv::belote
