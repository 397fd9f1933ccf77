#include "lancement.h"

#include "memo.h"
#include "platform/plateforme.h"
#include "shell/claviercommun.h"
#include "shell/reglages.h"

namespace tlv::memo {

void joue_memo(Contexte& ctx) {
    ClavierCommun clavier(ctx, "cartem02", tempo_memo);
    Memo m(ctx);
    m.load();
    m.place(ctx.r.decalagex, ctx.r.decalagey);
    m.etatclic = EtatClicMemo::Libre;
    m.partieencours = false;
    ctx.pf.montre_modal(m);
    m.unload();
}

} // namespace tlv::memo
