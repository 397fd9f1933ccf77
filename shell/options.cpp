#include "options.h"

#include <stdexcept>

namespace tlv {

const char* usage() {
    return "Usage : tolvanex [options]\n"
           "  --fenetre                 joue dans une fenêtre au lieu du plein écran\n"
           "  --ecran LxH               joue dans une fenêtre de L x H, cette fois seulement\n"
           "                            (avec --robot : disposé comme sur un écran L x H)\n"
           "  --dossier-scores DOSSIER  range scores et réglages sous DOSSIER/tolvanex\n"
           "  --dossier-config DOSSIER  retient plein écran ou fenêtre sous DOSSIER/tolvanex\n"
           "  --graine N                fixe le hasard (rejouer une partie à l'identique)\n"
           "  --journal FICHIER         ajoute la trace de chaque donne de Belote à FICHIER\n"
           "  --robot SCRIPT            joue SCRIPT sur l'horloge virtuelle (tests)\n"
           "  --aide                    affiche cette aide\n"
           "  --version                 affiche la version\n";
}

namespace {

// "LxH": two whole numbers of pixels, within what a display can be.
void lit_ecran(const std::string& v, Options& o) {
    const auto x = v.find_first_of("xX");
    auto nombre = [&](const std::string& t) {
        if (t.empty() || t.size() > 5 || t.find_first_not_of("0123456789") != std::string::npos) return 0;
        return std::stoi(t);
    };
    const int l = x == std::string::npos ? 0 : nombre(v.substr(0, x));
    const int h = x == std::string::npos ? 0 : nombre(v.substr(x + 1));
    if (l < 64 || h < 48 || l > 16384 || h > 16384)
        throw std::invalid_argument("taille d'écran invalide : " + v +
                                    " (largeur x hauteur en pixels attendues, par exemple 1366x768)");
    o.ecran_largeur = l, o.ecran_hauteur = h;
}

} // namespace

Options lit_options(const std::vector<std::string>& a) {
    Options o;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& x = a[i];
        auto valeur = [&]() -> const std::string& {
            if (i + 1 >= a.size() || a[i + 1].empty())
                throw std::invalid_argument("l'option " + x + " demande une valeur");
            return a[++i];
        };
        if (x == "--fenetre")
            o.fenetre = true;
        else if (x == "--ecran")
            lit_ecran(valeur(), o);
        else if (x == "--robot")
            o.robot = valeur();
        else if (x == "--dossier-scores")
            o.dossier_scores = valeur();
        else if (x == "--dossier-config")
            o.dossier_config = valeur();
        else if (x == "--journal")
            o.journal = valeur();
        else if (x == "--graine") {
            const std::string& v = valeur();
            std::size_t fin = 0;
            unsigned long long n = 0;
            try {
                if (v.find_first_not_of("0123456789") != std::string::npos) throw std::exception();
                n = std::stoull(v, &fin);
            } catch (...) {
                throw std::invalid_argument("graine invalide : " + v + " (un entier positif est attendu)");
            }
            o.graine = static_cast<std::uint64_t>(n);
        } else if (x == "--aide" || x == "--help" || x == "-h")
            o.aide = true;
        else if (x == "--version")
            o.version = true;
        else
            throw std::invalid_argument("option inconnue : " + x);
    }
    return o;
}

} // namespace tlv
