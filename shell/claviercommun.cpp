#include "claviercommun.h"

#include "sons.h"

namespace tlv {

ClavierCommun::ClavierCommun(Contexte& ctx, std::string musique, Dialogue dialogue)
    : ctx_(ctx), musique_(std::move(musique)), dialogue_(std::move(dialogue)) {
    avant_ = ctx_.pf.installe_touches_communes([this](Touche code, int) { return touche(code); });
}

ClavierCommun::~ClavierCommun() {
    ctx_.pf.installe_touches_communes(std::move(avant_));
}

bool ClavierCommun::touche(Touche code) {
    if (code != Touche::F5) return touche_son(ctx_.pf, ctx_.util, ctx_.r, code, musique_);
    if (!dialogue_) return false;
    // Any way out of the dialog but its closing ends the run, and this with it.
    if (dialogue_ouvert_) return true;
    dialogue_ouvert_ = true;
    ouvre_dialogue(ctx_.pf, *dialogue_(ctx_.pf, ctx_.r));
    dialogue_ouvert_ = false;
    return true;
}

} // namespace tlv
