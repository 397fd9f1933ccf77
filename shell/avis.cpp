#include "avis.h"

#include <algorithm>
#include <vector>

#include "platform/couleurs.h"
#include "platform/texte.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

constexpr int TailleTitre = 12, TailleTexte = 10, Marge = 12;
const std::uint32_t Fond = rgb(5, 34, 21), OrClair = rgb(176, 150, 80), OrSombre = rgb(96, 80, 40);

// Start offsets of the UTF-8 characters of s, and s.size() at the end.
std::vector<std::size_t> debuts(const std::string& s) {
    std::vector<std::size_t> r;
    for (std::size_t i = 0; i < s.size(); i += longueur_utf8(s, i)) r.push_back(i);
    r.push_back(s.size());
    return r;
}

} // namespace

std::string raccourcit_chemin(const std::string& chemin, int largeur,
                              const std::function<int(const std::string&)>& mesure) {
    if (mesure(chemin) <= largeur) return chemin;
    const auto d = debuts(chemin);
    const std::size_t n = d.size() - 1; // characters
    const std::string points = "\u2026";
    // Keep a short start (the root of the path), then as much of the end as fits.
    const std::size_t tete = std::min<std::size_t>(n / 3, 12);
    for (std::size_t coupe = 1; tete + coupe < n; ++coupe) {
        const std::string essai = chemin.substr(0, d[tete]) + points + chemin.substr(d[tete + coupe]);
        if (mesure(essai) <= largeur) return essai;
    }
    for (std::size_t coupe = 1; coupe < n; ++coupe) {
        const std::string essai = points + chemin.substr(d[coupe]);
        if (mesure(essai) <= largeur) return essai;
    }
    return points;
}

void dessine_avis_scores(Surface& s, Polices& titres, Polices& texte, const std::string& dossier) {
    const Rect z = ZoneAvis;
    // Nearly the notice's own green: the cards below still show faintly.
    assombrit(s, z, 3, Fond);
    cadre(s, z.x, z.y, z.w, z.h, OrClair);
    cadre(s, z.x + 2, z.y + 2, z.w - 4, z.h - 4, OrSombre);

    int y = z.y + 9;
    const std::string titre = "Les scores ne seront pas gardés";
    const int xt = z.x + (z.w - titres.largeur(titre, TailleTitre)) / 2;
    titres.imprime_releve(s, xt, y, titre, TailleTitre, Cyan, CyanSombre);
    y += titres.hauteur(TailleTitre) + 3;

    const int largeur = z.w - 2 * Marge;
    const auto centre = [&](const std::string& l) {
        texte.imprime(s, z.x + (z.w - texte.largeur(l, TailleTexte)) / 2, y, l, TailleTexte, Creme);
        y += texte.hauteur(TailleTexte);
    };
    centre("Le dossier des scores est inutilisable\u00A0:");
    std::string d = dossier;
    if (d.size() > 1 && d.back() == '/') d.pop_back();
    centre(
        raccourcit_chemin(d, largeur, [&](const std::string& t) { return texte.largeur(t, TailleTexte); }));
}

} // namespace tlv
