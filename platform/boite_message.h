#pragma once
// Our own message box: a few lines of text, OK and possibly Annuler. True when OK is chosen.
#include <string>

namespace tlv {

class Plateforme;

bool boite_message(Plateforme& pf, const std::string& texte, const std::string& titre, bool avec_annuler);

} // namespace tlv
