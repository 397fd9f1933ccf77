// The Quadrel score file: ten records, most boards first then the shorter time, every value in the range
// its field can hold, each line read back unchanged by the reader, and a rewrite that changes nothing.
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "scores/fichierscores.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    StockageDisque disque(fuzz::dossier());
    const std::string chemin = disque.chemin(fichierjong);
    fuzz::pose(chemin, octets);
    const auto lit = [&disque](const std::string&) { return litjong(disque, fichierjong); };
    const auto ecrit = [&disque](const std::string&, const TableJong& t) {
        return ecritjong(disque, fichierjong, t).ok();
    };

    const TableJong t = lit(chemin);
    for (const ScoreJong& s : t) {
        TLV_VERIFIE(s.tableau >= 0 && s.tableau <= 999);
        TLV_VERIFIE(s.temps >= 0 && s.temps <= tempsmaxjong);
        TLV_VERIFIE(s.ligne.size() == lignedefautjong.size());
        const auto relue = luejong(s.ligne);
        TLV_VERIFIE(relue && relue->ligne == s.ligne && relue->tableau == s.tableau &&
                    relue->temps == s.temps);
    }
    fuzz::verifie_table(chemin, t, lignedefautjong, lit, ecrit, [](const ScoreJong& a, const ScoreJong& b) {
        return a.tableau > b.tableau || (a.tableau == b.tableau && a.temps < b.temps);
    });

    // A finished game ranks against the table without its own earlier line, and is stored as written.
    const int tableau = taille > 1 ? donnees[1] % 40 : 0;
    const int temps = taille > 2 ? donnees[2] * 97 : 0;
    const std::string fiche = t[taille % t.size()].ligne;
    const ClassementJong c = classejong(t, fiche, tableau, temps);
    TLV_VERIFIE(c.rang >= 0 && c.rang <= lignesjong);
    if (c.rang > 0) {
        const std::string ligne = formatejong("Élodie", tableau, temps);
        const TableJong v = inserejong(c.liste, c.rang, ligne);
        const ScoreJong& s = v[static_cast<std::size_t>(c.rang - 1)];
        TLV_VERIFIE(s.ligne == ligne && s.tableau == tableau && s.temps == temps);
    }
    return 0;
}
