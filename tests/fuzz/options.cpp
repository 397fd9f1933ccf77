// The command line: any arguments (the input cut at its zero bytes) give options or the one documented
// error, std::invalid_argument with a French message; what is kept is exactly what was given, a display
// size within what a display can be.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz.h"
#include "shell/options.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < taille; ++i) {
        if (donnees[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(donnees[i]);
    }
    Options o;
    try {
        o = lit_options(args);
    } catch (const std::invalid_argument& e) {
        TLV_VERIFIE(std::string(e.what()).size() > 0);
        return 0;
    }
    // Accepted: every word was an option or the value of the one before it; the last value given wins.
    Options attendu;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--fenetre" || a == "--aide" || a == "--help" || a == "-h" || a == "--version") {
            (a == "--fenetre" ? attendu.fenetre : a == "--version" ? attendu.version : attendu.aide) = true;
            continue;
        }
        TLV_VERIFIE(i + 1 < args.size() && !args[i + 1].empty());
        const std::string& v = args[++i];
        if (a == "--robot") {
            attendu.robot = v;
        } else if (a == "--dossier-scores") {
            attendu.dossier_scores = v;
        } else if (a == "--dossier-config") {
            attendu.dossier_config = v;
        } else if (a == "--journal") {
            attendu.journal = v;
        } else if (a == "--graine") {
            TLV_VERIFIE(v.find_first_not_of("0123456789") == std::string::npos);
        } else {
            TLV_VERIFIE(a == "--ecran");
            const auto x = v.find_first_of("xX");
            TLV_VERIFIE(x != std::string::npos && v.find_first_not_of("0123456789") == x &&
                        v.find_first_not_of("0123456789", x + 1) == std::string::npos);
            attendu.ecran_largeur = std::stoi(v.substr(0, x)),
            attendu.ecran_hauteur = std::stoi(v.substr(x + 1));
        }
    }
    TLV_VERIFIE(o.fenetre == attendu.fenetre && o.aide == attendu.aide && o.version == attendu.version);
    TLV_VERIFIE(o.robot == attendu.robot && o.dossier_scores == attendu.dossier_scores &&
                o.dossier_config == attendu.dossier_config && o.journal == attendu.journal);
    TLV_VERIFIE(o.ecran_largeur == attendu.ecran_largeur && o.ecran_hauteur == attendu.ecran_hauteur);
    TLV_VERIFIE(o.ecran_largeur == 0 || (o.ecran_largeur >= 64 && o.ecran_largeur <= 16384 &&
                                         o.ecran_hauteur >= 48 && o.ecran_hauteur <= 16384));
    return 0;
}
