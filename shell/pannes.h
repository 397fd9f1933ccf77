#pragma once
// The steps of an atomic write, in order. A test-only build of the file layer (TLV_PANNES defined) can
// make any of them fail, or end the process there as a kill would; the program's own build has no switch.
#ifdef TLV_PANNES
#include <cerrno>
#endif

namespace tlv {

enum class Etape { Ouverture, Ecriture, Synchro, Renommage, SynchroDossier };

#ifdef TLV_PANNES
struct Panne {
    Etape etape = Etape::Ouverture;
    int rang = 0;            // which time `etape` is reached that fails, from 1; 0 for none
    int erreur = EIO;        // errno of the failure
    bool interrompt = false; // the process ends there instead (a write then stops half way)
};
// From now on; the count of each step starts again.
void metpanne(const Panne& p);
#endif

} // namespace tlv
