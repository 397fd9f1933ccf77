#include "choixfenetre.h"

#include <charconv>
#include <string_view>

#include "fichiers.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

// A whole number within [mini, maxi], digits only; 0 otherwise.
int cote(std::string_view v, int mini) {
    int n = 0;
    const auto [fin, err] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (err != std::errc{} || fin != v.data() + v.size() || v.empty() || v.front() == '-') return 0;
    return n >= mini && n <= cotefenetremax ? n : 0;
}

} // namespace

ChoixFenetre lischoixfenetre(const std::string& fichier) {
    ChoixFenetre c;
    const auto lignes = litlignes(fichier);
    if (!lignes) return c;
    for (const std::string& l : *lignes) {
        const auto egal = l.find('=');
        if (egal == std::string::npos) continue;
        const std::string_view cle = sansblancs(std::string_view(l).substr(0, egal));
        const std::string_view valeur = sansblancs(std::string_view(l).substr(egal + 1));
        if (cle == "pleinecran" && (valeur == "oui" || valeur == "non"))
            c.pleinecran = valeur == "oui";
        else if (cle == "largeur")
            c.largeur = cote(valeur, largeurfenetremin);
        else if (cle == "hauteur")
            c.hauteur = cote(valeur, hauteurfenetremin);
    }
    // Half a size is no size.
    if (c.largeur == 0 || c.hauteur == 0) c.largeur = c.hauteur = 0;
    return c;
}

bool sauvechoixfenetre(const std::string& fichier, const ChoixFenetre& c) {
    const auto barre = fichier.rfind('/');
    if (barre != std::string::npos && !creedossiers(fichier.substr(0, barre + 1))) return false;
    std::string s = std::string("pleinecran=") + (c.pleinecran ? "oui" : "non") + "\n";
    if (c.largeur > 0 && c.hauteur > 0)
        s += "largeur=" + std::to_string(c.largeur) + "\nhauteur=" + std::to_string(c.hauteur) + "\n";
    return ecritfichier(fichier, s).ok();
}

} // namespace tlv
