#include "belote_table/lancement.h"

#include "belote_table/ecran.h"
#include "platform/plateforme.h"
#include "shell/claviercommun.h"
#include "shell/reglages.h"

namespace tlv::belote {

void joue_belote(Contexte& ctx) {
    ClavierCommun clavier(ctx, "cartem01", tempo_belote);
    Ecran ecran(ctx);
    ecran.place(ctx.r.decalagex, ctx.r.decalagey);
    ecran.etatclic(EtatClic::suspendu);
    auto& t = ecran.belote().table;
    t.partieencours = false;
    t.pointsnous = t.pointseux = t.totalnous = t.totaleux = 0;
    ctx.pf.montre_modal(ecran);
    ecran.unload();
}

} // namespace tlv::belote
