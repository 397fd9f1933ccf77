#include "tlvutil.h"

#include <cstdio>

#include "aide.h"
#include "platform/audio.h"
#include "platform/boite_message.h"
#include "platform/plateforme.h"
#include "reglages.h"
#include "tlvweb.h"

namespace tlv {

void Tlvutil::met(Propriete p, const std::string& valeur) {
    if (p == Propriete::Action) {
        action(static_cast<Action>(std::atoi(valeur.c_str())));
        return;
    }
    proprietes_[p] = valeur;
}

std::string Tlvutil::lit(Propriete p) const {
    const auto it = proprietes_.find(p);
    return it == proprietes_.end() ? std::string() : it->second;
}

void Tlvutil::action(Action a) {
    using P = Propriete;
    switch (a) {
    case Action::LitReglage:
        proprietes_[P::ValeurLue] =
            litvaleurini(r_.repertoire + lit(P::FichierReglages), lit(P::SectionReglage), lit(P::CleReglage));
        break;
    case Action::MontreAide: {
        Aide aide(pf_, lit(P::FichierAide));
        aide.place(pf_.decalagex(), pf_.decalagey());
        aide.load();
        pf_.montre_modal(aide, false);
        aide.unload();
        break;
    }
    case Action::JoueMusique:
        pf_.audio().musique(lit(P::Musique), lit(P::Boucle) == "-1");
        break;
    case Action::ArreteMusique:
        pf_.audio().arrete_musique();
        break;
    case Action::OuvrePage:
        // Without it nothing would show: xdg-utils is only recommended by the package.
        if (!pf_.ouvre_url(lit(P::AdressePage)))
            boite_message(pf_, textepagenonouverte(lit(P::AdressePage)), "Tolva'nexes", false);
        break;
    case Action::Termine:
        break;
    }
}

} // namespace tlv
