#include "saisie.h"

#include <algorithm>
#include <cstdlib>

#include "nom.h"
#include "socle/chaines.h"

namespace tlv {

std::size_t Saisie::octet(int caractere) const {
    std::size_t i = 0;
    for (int k = 0; k < caractere && i < texte_.size(); ++k) i += longueur_utf8(texte_, i);
    return std::min(i, texte_.size());
}

void Saisie::tape(const std::string& saisie) {
    for (std::size_t i = 0; i < saisie.size();) {
        const std::size_t n = longueur_utf8(saisie, i);
        const std::string car = saisie.substr(i, n);
        i += n;
        if (nombrecaracteres(texte_) >= longueurmaxnom) break;
        if (!caractereaccepte(car)) continue;
        texte_.insert(octet(curseur_), car);
        ++curseur_;
    }
}

bool Saisie::touche(Touche code) {
    const int n = nombrecaracteres(texte_);
    switch (code) {
    case Touche::Effacement:
        if (curseur_ == 0) return true;
        texte_.erase(octet(curseur_ - 1), octet(curseur_) - octet(curseur_ - 1));
        --curseur_;
        return true;
    case Touche::Suppr:
        if (curseur_ < n) texte_.erase(octet(curseur_), octet(curseur_ + 1) - octet(curseur_));
        return true;
    case Touche::Gauche:
        curseur_ = std::max(curseur_ - 1, 0);
        return true;
    case Touche::Droite:
        curseur_ = std::min(curseur_ + 1, n);
        return true;
    case Touche::Debut:
        curseur_ = 0;
        return true;
    case Touche::Fin:
        curseur_ = n;
        return true;
    default:
        return false;
    }
}

void Saisie::clique(int x, const std::function<int(const std::string&)>& largeur) {
    const int n = nombrecaracteres(texte_);
    int meilleur = 0, ecart = std::abs(x);
    for (int k = 1; k <= n; ++k) {
        const int e = std::abs(x - largeur(texte_.substr(0, octet(k))));
        // On the middle of a character, the gap before it, as the left half of the character is nearer.
        if (e < ecart) meilleur = k, ecart = e;
    }
    curseur_ = meilleur;
}

} // namespace tlv
