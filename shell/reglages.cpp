#include "reglages.h"

namespace tlv {

void choisit_tailles(Reglages& r) {
    const bool petit = r.twipsparpixelx < 14;
    r.taille1 = petit ? 8 : 10;
    r.taille2 = petit ? 10 : 12;
    r.taille3 = petit ? 12 : 14;
    r.taille4 = petit ? 14 : 18;
    r.taille5 = petit ? 16 : 20;
    r.taille6 = petit ? 18 : 22;
    r.taille7 = petit ? 20 : 24;
    r.taille8 = petit ? 28 : 36;
}

} // namespace tlv
