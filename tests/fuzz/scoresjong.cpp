// The Quadrel score file: ten records, most boards first then the shorter time, every value in the range
// its field can hold, each line read back unchanged by the reader, and a rewrite that changes nothing.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "scores/fichierscores.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    const std::string chemin = fuzz::dossier() + fichierjong;
    fuzz::pose(chemin, octets);

    const TableJong t = litjong(chemin);
    // The default lines that fill the places left come last, whatever the records above them.
    std::size_t lus = t.size();
    while (lus > 0 && t[lus - 1].ligne == lignedefautjong) --lus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const ScoreJong& s = t[i];
        TLV_VERIFIE(s.tableau >= 0 && s.tableau <= 999);
        TLV_VERIFIE(s.temps >= 0 && s.temps <= tempsmaxjong);
        if (i > 0 && i < lus) {
            const ScoreJong& p = t[i - 1];
            TLV_VERIFIE(p.tableau > s.tableau || (p.tableau == s.tableau && p.temps <= s.temps));
        }
        TLV_VERIFIE(s.ligne.size() == lignedefautjong.size());
        const auto relue = luejong(s.ligne);
        TLV_VERIFIE(relue && relue->ligne == s.ligne && relue->tableau == s.tableau &&
                    relue->temps == s.temps);
    }

    TLV_VERIFIE(ecritjong(chemin, t));
    std::string attendu;
    for (const auto& s : t) attendu += s.ligne + "\r\n";
    TLV_VERIFIE(fuzz::relit(chemin) == attendu);
    // Read again, the same lines (a record below the default ones moves under them once they are
    // stored lines), and from then on the file no longer changes.
    const TableJong u = litjong(chemin);
    TLV_VERIFIE(std::is_permutation(u.begin(), u.end(), t.begin(), t.end(),
                                    [](const auto& a, const auto& b) { return a.ligne == b.ligne; }));
    TLV_VERIFIE(ecritjong(chemin, u));
    const TableJong w = litjong(chemin);
    for (std::size_t i = 0; i < u.size(); ++i) TLV_VERIFIE(w[i].ligne == u[i].ligne);

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
