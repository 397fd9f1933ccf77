#include "belote/decision.h"

#include "belote/debutant.h"
#include "belote/enchere.h"
#include "belote/fort.h"

namespace tlv::belote {

Choix decidecarte(Belote& b, int joueur) {
    switch (b.niveaux[joueur]) {
    case Niveau::fort:
        return cartefort(b, joueur);
    case Niveau::debutant:
        return cartedebutant(b, joueur);
    case Niveau::classique:
        break;
    }
    return choisitcarte(b.table, joueur, b.rnd);
}

Motif decidepremiertour(Belote& b, int joueur) {
    if (b.niveaux[joueur] == Niveau::fort) return premiertourfort(b, joueur);
    return evaluepremiertour(b.table, joueur, b.table.atout);
}

Motif decidesecondtour(Belote& b, int joueur) {
    if (b.niveaux[joueur] == Niveau::fort) return secondtourfort(b, joueur);
    return evaluesecondtour(b.table, joueur);
}

} // namespace tlv::belote
