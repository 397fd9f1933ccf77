#include "belote/table_muette.h"

#include "belote/decision.h"
#include "belote/legalite.h"

namespace tlv::belote {

Attente TableMuette::attendenchere() {
    auto& tb = b_.table;
    tb.prise = 0;
    if (etatclic_ == EtatClic::enchere1) {
        const Motif m = decidepremiertour(b_, 1);
        return {tb.prise == 1 ? 2 : 1, 0, m};
    }
    // The panel lists the three other suits in order; the flow sets the trump from the line chosen.
    const int proposee = tb.atout;
    const Motif m = decidesecondtour(b_, 1);
    const int choisie = tb.atout;
    tb.atout = static_cast<std::int16_t>(proposee);
    if (tb.prise != 1) return {1, 0, m};
    int ligne = 2;
    for (int s = 1; s < choisie; ++s)
        if (s != proposee) ++ligne;
    return {ligne, 0, m};
}

Attente TableMuette::attendcarte() {
    auto& tb = b_.table;
    const Choix ch = decidecarte(b_, 1);
    if (!permise(cartelegale(tb, 1, ch.slot))) {
        if (b_.suivi) b_.suivi->illegale(1, tb.jeu[1][ch.slot], tb.numpli);
        return {0, 2};
    }
    return {ch.slot, 0, ch.motif};
}

} // namespace tlv::belote
