#include "tlvutil.h"

#include <cstdio>

#include "aide.h"
#include "platform/plateforme.h"
#include "reglages.h"
#include "tlvweb.h"

namespace tlv {

void Tlvutil::met(int propriete, const std::string& valeur) {
    if (propriete == 1) {
        action(std::atoi(valeur.c_str()));
        return;
    }
    proprietes_[propriete] = valeur;
}

std::string Tlvutil::lit(int propriete) const {
    const auto it = proprietes_.find(propriete);
    return it == proprietes_.end() ? std::string() : it->second;
}

void Tlvutil::action(int code) {
    switch (code) {
    case 2: // one value of a settings file of the application folder
        proprietes_[13] = litvaleurini(r_.repertoire + lit(10), lit(12), lit(11));
        break;
    case 3: { // the help screen
        Aide aide(pf_, lit(14));
        aide.place(pf_.decalagex(), pf_.decalagey());
        aide.load();
        pf_.montre_modal(aide, false);
        aide.unload();
        break;
    }
    case 4:
        pf_.audio().musique(lit(4), lit(8) == "-1");
        break;
    case 5:
        pf_.audio().arrete_musique();
        break;
    case 12:
        pf_.ouvre_url(lit(21));
        break;
    default:
        break;
    }
}

} // namespace tlv
