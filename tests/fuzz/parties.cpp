// Saved Quadrel games: whatever the file holds, every value read lies in its range, and the writing
// operations keep every other game's line byte for byte (or leave a file they could not read whole as
// it was).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz.h"
#include "quadrel/regles/parties.h"

using namespace tlv;
using namespace tlv::quadrel;

namespace {

std::vector<std::string> autres(const std::vector<std::string>& lignes, const std::string& nom) {
    std::vector<std::string> r;
    for (const auto& l : lignes)
        if (nomdeligne(l) != nom) r.push_back(l);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    StockageDisque disque(fuzz::dossier());
    Parties p(disque);
    fuzz::pose(p.chemin(), octets);

    const std::vector<std::string> avant = p.lignes();
    for (const auto& l : avant) {
        TLV_VERIFIE(tableaudeligne(l) >= -1);
        TLV_VERIFIE(tempsdeligne(l) >= 0 && tempsdeligne(l) <= tempsmaxpartie);
        TLV_VERIFIE(l.find_first_of("\r\n") == std::string::npos);
    }
    const std::string premier = p.rendlepremiernom();
    TLV_VERIFIE(premier.empty() == avant.empty() || nomdeligne(avant.front()).empty());
    if (!premier.empty()) {
        TLV_VERIFIE(p.existe(premier));
        const Parties::Chargement ch = p.chargepartie(premier);
        TLV_VERIFIE(ch.numtableau >= 0 && ch.tempscumule >= 0 && ch.tempscumule <= tempsmaxpartie);
        TLV_VERIFIE(ch.fichepartie.size() <= 17);
    }

    // A new game: one line more at the end, the others unchanged.
    const std::string nom = "FUZZÉ";
    const bool connu = p.existe(nom);
    if (p.ajoutepartie(nom)) {
        std::vector<std::string> attendu = avant;
        attendu.push_back(lignepartie(nom, -1, 0));
        TLV_VERIFIE(p.lignes() == attendu);
    } else {
        TLV_VERIFIE(fuzz::relit(p.chemin()) == octets);
        return 0;
    }
    // A board cleared: the game's lines take the board and the time, nothing else moves.
    const int tableau = taille > 0 ? donnees[0] % 50 : 3;
    const int chrono = taille > 1 ? donnees[1] % 121 : 60;
    const auto cumul = p.sauvepartie(nom, tableau, chrono).valeur();
    TLV_VERIFIE(cumul && *cumul >= 0 && *cumul <= tempsmaxpartie);
    const auto apres = p.lignes();
    TLV_VERIFIE(autres(apres, nom) == autres(avant, nom));
    const Parties::Chargement ch = p.chargepartie(nom);
    TLV_VERIFIE(ch.numtableau == tableau + 1 && ch.tempscumule == *cumul);
    TLV_VERIFIE(ch.fichepartie == lignepartie(nom, tableau, *cumul));
    // Erased: every other line is still there, as it was.
    TLV_VERIFIE(p.effacelapartie(nom));
    TLV_VERIFIE(!p.existe(nom));
    TLV_VERIFIE(p.lignes() == autres(avant, nom));
    TLV_VERIFIE(connu || autres(avant, nom) == avant);
    return 0;
}
