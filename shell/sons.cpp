#include "sons.h"

#include "platform/audio.h"
#include "platform/plateforme.h"
#include "reglages.h"
#include "tlvutil.h"

namespace tlv {

void joueson(Plateforme& pf, const Reglages& r, const std::string& nom) {
    if (r.sonactif) pf.audio().effet(r.repertoire + nom);
}

void jouevoix(Plateforme& pf, const Reglages& r, const std::string& fichier) {
    if (r.sonactif) pf.audio().voix(r.repertoire + fichier);
}

std::string fichier_voix(const Reglages& r, int joueur, const std::string& nom) {
    return r.dossiervoix + nom + std::to_string(joueur - 1) + ".wav";
}

void voix(Plateforme& pf, const Reglages& r, int joueur, const std::string& nom) {
    jouevoix(pf, r, fichier_voix(r, joueur, nom));
}

void jouemusik(Plateforme& pf, Tlvutil& u, const Reglages& r, const std::string& nom) {
    if (!r.musiqueactive) return;
    u.action(Tlvutil::Action::ArreteMusique);
    pf.doevents();
    u.met(Tlvutil::Propriete::Musique, r.repertoire + nom);
    u.met(Tlvutil::Propriete::Boucle, true);
    u.action(Tlvutil::Action::JoueMusique);
}

void arretemusik(Tlvutil& u) {
    u.action(Tlvutil::Action::ArreteMusique);
}

bool touche_son(Plateforme& pf, Tlvutil& u, Reglages& r, Touche code, const std::string& musique) {
    switch (code) {
    case Touche::F6:
        // The desktop's mixer, when there is one; nothing happens otherwise.
        pf.lance("pavucontrol");
        return true;
    case Touche::F7:
        r.sonactif = !r.sonactif;
        return true;
    case Touche::F8:
        r.musiqueactive = !r.musiqueactive;
        if (r.musiqueactive)
            jouemusik(pf, u, r, musique);
        else
            arretemusik(u);
        return true;
    default:
        return false;
    }
}

} // namespace tlv
