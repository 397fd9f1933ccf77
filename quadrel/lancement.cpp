#include "quadrel/lancement.h"

#include "platform/plateforme.h"
#include "quadrel/jong.h"
#include "shell/claviercommun.h"
#include "shell/reglages.h"

namespace tlv::quadrel {

void joue_quadrel(Contexte& ctx) {
    ClavierCommun clavier(ctx, "cartem03");
    Jong jong(ctx);
    jong.place(ctx.r.decalagex, ctx.r.decalagey);
    jong.etatclic = EtatClicJong::Libre;
    jong.partieencours = false;
    ctx.pf.montre_modal(jong);
    jong.unload();
}

} // namespace tlv::quadrel
