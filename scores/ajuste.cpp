#include "ajuste.h"

#include "platform/texte.h"

namespace tlv {

int tailleajustee(Polices& po, const std::string& texte, int points, int largeur) {
    int p = points;
    while (p > points / 2 && po.largeur(texte, p) > largeur) --p;
    return p;
}

} // namespace tlv
