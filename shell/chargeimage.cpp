#include "chargeimage.h"

#include "platform/fatal.h"
#include "platform/image.h"

namespace tlv {

Surface chargeimage(const std::string& repertoire, const std::string& nom, int facteur) {
    auto s = charge_image(repertoire + nom, facteur);
    if (!s) donneemanquante(repertoire, nom);
    return std::move(*s);
}

void donneemanquante(const std::string& repertoire, const std::string& nom) {
    erreur_fatale("Le fichier « " + nom + " » est introuvable ou illisible dans le dossier du programme (" +
                  repertoire + "). Réinstallez Tolva'nexes.");
}

} // namespace tlv
