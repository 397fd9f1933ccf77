#include "animation.h"

#include "form.h"
#include "image.h"
#include "plateforme.h"

namespace tlv {

Animation::Animation(Plateforme& pf)
    : pf_(pf), minuterie_(pf, 1000 / ImagesParSeconde, [this] { suivante(); }) {
    minuterie_.interne(true);
}

bool Animation::Open(const std::string& chemin) {
    Stop();
    if (!images_.ouvre(chemin, pf_.facteur()) || w <= 0 || h <= 0 || images_.surface().largeur() != w ||
        images_.surface().hauteur() < h) {
        images_.ferme();
        nombre_ = courante_ = 0;
        serie_ = 0;
        return false;
    }
    static std::uint64_t ouvertures = 0;
    serie_ = ++ouvertures;
    nombre_ = images_.surface().hauteur() / h;
    courante_ = 0;
    return true;
}

void Animation::sur(const Form& f) {
    minuterie_.inutile_si([this, &f] { return pf_.recouvert(f, Rect{f.left + x, f.top + y, w, h}); });
}

void Animation::Play() {
    if (nombre_ > 1) minuterie_.active(true);
}

void Animation::Stop() {
    minuterie_.active(false);
}

void Animation::Close() {
    Stop();
    images_.ferme();
    nombre_ = courante_ = 0;
    serie_ = 0;
}

void Animation::suivante() {
    if (nombre_ <= 0) return;
    courante_ = (courante_ + 1) % nombre_;
    // The loop comes back to each frame: named, it is sent again from memory once made.
    if (visible) pf_.invalide_image(ecran_, (serie_ << 32) | static_cast<std::uint32_t>(courante_));
}

void Animation::modifiee(int ox, int oy, std::vector<Rect>& zones) const {
    if (etat() == montre_) return;
    zones.push_back(Rect{ox + x, oy + y, w, h});
    zones.push_back(Rect{ox + montre_.x, oy + montre_.y, montre_.w, montre_.h});
}

void Animation::oublie_modifications() {
    montre_ = etat();
}

void Animation::dessine(Surface& s, int ox, int oy, Polices&) {
    if (!visible || nombre_ <= 0) return;
    ecran_ = Rect{ox + x, oy + y, w, h};
    images_.prepare((courante_ + 1) * h);
    bitblt(s, ox + x, oy + y, w, h, images_.surface(), 0, courante_ * h);
}

} // namespace tlv
