// The command line: any arguments (the input cut at its zero bytes) give options or the one documented
// error, std::invalid_argument with a French message; what is kept is exactly what was given.
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
    // Accepted: every word was an option or the value of the one before it.
    bool fenetre = false, aide = false, version = false;
    std::string robot, dossier, journal;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--fenetre") {
            fenetre = true;
        } else if (a == "--aide" || a == "--help" || a == "-h") {
            aide = true;
        } else if (a == "--version") {
            version = true;
        } else {
            TLV_VERIFIE(a == "--robot" || a == "--dossier-scores" || a == "--journal" || a == "--graine");
            TLV_VERIFIE(i + 1 < args.size() && !args[i + 1].empty());
            const std::string& v = args[++i];
            if (a == "--robot") robot = v;
            if (a == "--dossier-scores") dossier = v;
            if (a == "--journal") journal = v;
            if (a == "--graine") TLV_VERIFIE(v.find_first_not_of("0123456789") == std::string::npos);
        }
    }
    TLV_VERIFIE(o.fenetre == fenetre && o.aide == aide && o.version == version);
    // The last value given wins.
    TLV_VERIFIE(o.robot == robot && o.dossier_scores == dossier && o.journal == journal);
    return 0;
}
