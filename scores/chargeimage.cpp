#include "chargeimage.h"

#include "platform/fatal.h"
#include "platform/image.h"

namespace tlv {

Surface chargeimage(const std::string& repertoire, const std::string& nom) {
    auto s = charge_image(repertoire + nom);
    if (!s)
        erreur_fatale("Le fichier « " + nom +
                      " » est introuvable ou illisible dans le dossier du programme (" + repertoire +
                      "). Réinstallez Tolva'nexes.");
    return std::move(*s);
}

} // namespace tlv
