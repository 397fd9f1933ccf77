#include "boucle.h"

#include <algorithm>

#include "audio.h"
#include "calque.h"
#include "horloge.h"
#include "minuteries.h"
#include "pile.h"
#include "presentation.h"
#include "quitter.h"
#include "routage.h"
#include "source_entrees.h"

namespace tlv {

bool Boucle::doevents() {
    if (fin_demandee_) throw Quitter{};
    bool traite = p_.source.releve(p_.routage);
    if (p_.routage.vide_file()) traite = true;
    if (p_.minuteries.declenche(p_.horloge.ms())) traite = true;
    p_.audio.veille();
    if (traite || p_.presentation.a_montrer()) p_.presentation.presente();
    return traite;
}

void Boucle::attend_joueur() {
    // Coming back to a wait, the program may have drawn: show everything, unless only a clip moved.
    if (!retour_interne_) p_.presentation.invalide();
    retour_interne_ = false;
    if (doevents()) return;
    struct JusquaMinuterie final : Delai {
        Boucle& b;
        explicit JusquaMinuterie(Boucle& boucle) : b(boucle) {}
        int ms() const override {
            const std::int64_t t = b.p_.minuteries.prochaine();
            // Besides timers, a silent sound device to close is the only reason to wake.
            return b.delai(
                t < 0 ? -1 : static_cast<int>(std::clamp<std::int64_t>(t - b.p_.horloge.ms(), 0, 1 << 30)));
        }
    };
    const bool traite = p_.source.tour_du_joueur(JusquaMinuterie{*this}, p_.routage);
    if (!doevents() && !traite) retour_interne_ = true;
}

void Boucle::attend_jusqua(std::int64_t echeance, Condition fini) {
    attend_jusqua_us(echeance * 1000, fini);
}

void Boucle::attend_pendant(int duree, Condition fini) {
    // From the clock's microseconds: a deadline of whole milliseconds would come up to 1 ms early.
    attend_jusqua_us(p_.horloge.us() + 1000LL * std::max(0, duree), fini);
}

void Boucle::attend_jusqua_us(std::int64_t echeance, Condition fini) {
    p_.presentation.invalide();
    for (;;) {
        doevents();
        // What falls due now (a robot's picture) shows what this wait is showing.
        p_.source.echeances_dues();
        if (fini && fini()) return;
        const std::int64_t maintenant = p_.horloge.us();
        if (maintenant >= echeance) return;
        std::int64_t cible = echeance;
        for (const std::int64_t t : {p_.minuteries.prochaine(), p_.source.prochaine_echeance()})
            if (t >= 0 && t * 1000 < cible) cible = std::max(t * 1000, maintenant);
        if (p_.horloge.virtuelle()) {
            p_.source.avant_saut(cible / 1000);
            p_.horloge.avance_a_us(cible);
            continue;
        }
        // Rounded up, so the wait does not wake just before its deadline for nothing.
        p_.source.attend(delai(static_cast<int>((cible - maintenant + 999) / 1000)), p_.routage);
    }
}

int Boucle::delai(int ms) {
    const int a = p_.audio.veille();
    return a >= 0 && (ms < 0 || a < ms) ? a : ms;
}

void Boucle::monrefresh() {
    p_.presentation.invalide();
    attend_pendant(15);
}

void Boucle::montre_modal(Calque& f, bool reactive_dessous) {
    f.load();
    f.visible = true;
    // The screen below is told it is covered, and on top again when this one goes, however it goes.
    Calque* const dessous = p_.pile.dessus();
    if (dessous) dessous->recouvert(true);
    p_.pile.empile(f);
    p_.presentation.invalide();
    p_.source.ecran_montre(f);
    try {
        f.Form_Activate();
        while (f.visible) attend_joueur();
    } catch (...) {
        p_.pile.retire(f);
        if (dessous) dessous->recouvert(false);
        // Closing the window mid-screen still runs the screen's unloading (it saves what it must).
        try {
            f.unload();
        } catch (...) {
        }
        throw;
    }
    p_.pile.retire(f);
    if (dessous) dessous->recouvert(false);
    p_.presentation.invalide();
    if (reactive_dessous && !p_.pile.vide() && p_.pile.dessus()->visible) p_.pile.dessus()->Form_Activate();
}

} // namespace tlv
