#include "niveaux.h"

#include <array>
#include <string>

namespace tlv {

namespace {

constexpr const char* Fichier = "tlvniveaux.ini";
constexpr std::string_view Partenaire = "partenaire=", Adversaires = "adversaires=";

// The level on a line "cle=mot", or nothing when the line holds anything else.
bool litligne(const std::string& ligne, std::string_view cle, std::string& niveau) {
    if (!ligne.starts_with(cle)) return false;
    const std::string_view mot = std::string_view(ligne).substr(cle.size());
    if (!motniveau(mot)) return false;
    niveau = mot;
    return true;
}

} // namespace

bool motniveau(std::string_view mot) {
    constexpr std::array<std::string_view, 3> Mots = {"classique", "fort", "debutant"};
    for (std::string_view m : Mots)
        if (m == mot) return true;
    return false;
}

void lisniveaux(Reglages& r) {
    r.niveaupartenaire = r.niveauadversaires = "classique";
    const auto lignes = r.scores->litlignes(Fichier);
    if (!lignes) return; // missing, or not a file that could be rewritten anyway
    std::string partenaire, adversaires;
    if (lignes->size() == 2 && litligne((*lignes)[0], Partenaire, partenaire) &&
        litligne((*lignes)[1], Adversaires, adversaires)) {
        r.niveaupartenaire = partenaire;
        r.niveauadversaires = adversaires;
        return;
    }
    // Only a repair: the defaults hold for the run whether or not they could be written.
    (void)sauveniveaux(r);
}

Resultat sauveniveaux(const Reglages& r) {
    std::string s;
    s.append(Partenaire).append(r.niveaupartenaire).append("\r\n");
    s.append(Adversaires).append(r.niveauadversaires).append("\r\n");
    return r.scores->ecrit(Fichier, s);
}

} // namespace tlv
