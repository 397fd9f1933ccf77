#include "echec.h"

#include <cerrno>
#include <exception>
#include <vector>

#include "avis.h"
#include "platform/boite_message.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "reglages.h"

namespace tlv {

namespace {

constexpr int LargeurTexte = 552, TailleTexte = 11; // the box's widest line and its font

// Breaks `texte` at blanks into lines of at most `largeur` pixels; a word wider than that (the folder)
// is shortened around "…".
std::string coupe(const std::string& texte, Polices& po) {
    const auto mesure = [&po](const std::string& t) { return po.largeur(t, TailleTexte); };
    std::string lignes, ligne;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        auto fin = texte.find(' ', debut);
        if (fin == std::string::npos) fin = texte.size();
        std::string mot = texte.substr(debut, fin - debut);
        if (mesure(mot) > LargeurTexte) mot = raccourcit_chemin(mot, LargeurTexte, mesure);
        if (!ligne.empty() && mesure(ligne + " " + mot) > LargeurTexte) {
            lignes += ligne + "\n";
            ligne.clear();
        }
        ligne += (ligne.empty() ? "" : " ") + mot;
        debut = fin + 1;
    }
    return lignes + ligne;
}

} // namespace

std::string raisonechec(int erreur) {
    switch (erreur) {
    case ENOSPC:
        return "plus de place sur le disque";
    case EDQUOT:
        return "quota de disque dépassé";
    case EFBIG:
        return "fichier trop volumineux";
    case EROFS:
        return "disque en lecture seule";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case ENOENT:
    case ENOTDIR:
        return "dossier introuvable";
    case EISDIR:
        return "un dossier porte le nom du fichier";
    case EINVAL:
        return "un fichier spécial porte le nom du fichier";
    case EEXIST:
        return "un fichier de travail bloqué gêne l'écriture";
    case EIO:
        return "erreur d'entrée-sortie sur le disque";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    default:
        return erreur > 0 ? "erreur système " + std::to_string(erreur) : "erreur inattendue";
    }
}

std::string messageechec(const std::string& quoi, const std::string& dossier, int erreur) {
    std::string d = dossier;
    if (d.size() > 1 && d.back() == '/') d.pop_back();
    return "Impossible d'enregistrer " + quoi + " dans " + d + "\u00A0: " + raisonechec(erreur) + ".";
}

void signale_echec(Plateforme& pf, Reglages& r, const std::string& quoi, Resultat resultat) {
    // A dialog saving while it unloads on the way out must not open a box then.
    if (resultat || r.echecsignale || std::uncaught_exceptions() > 0) return;
    r.echecsignale = true;
    boite_message(pf, coupe(messageechec(quoi, r.scores->dossier(), resultat.erreur()), pf.polices()),
                  "Tolva'nexes", false);
}

} // namespace tlv
