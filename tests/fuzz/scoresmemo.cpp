// Memo score files: whatever the file holds, the table read is five records in time order, each a line
// the reader itself reads back unchanged, and writing the table then reading it again changes nothing.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "scores/fichierscores.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    const std::string chemin = fuzz::dossier() + fichiermemo(0);
    fuzz::pose(chemin, octets);

    const TableMemo t = litmemo(chemin);
    // The default lines that fill the places left come last, whatever the times above them.
    std::size_t lus = t.size();
    while (lus > 0 && t[lus - 1].ligne == lignedefautmemo) --lus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const ScoreMemo& s = t[i];
        TLV_VERIFIE(s.temps >= 0 && s.temps <= 32767);
        TLV_VERIFIE(i == 0 || i >= lus || t[i - 1].temps <= s.temps);
        TLV_VERIFIE(s.ligne.size() > static_cast<std::size_t>(largeurnommemo));
        TLV_VERIFIE(s.ligne.find_first_of("\r\n") == std::string::npos);
        const auto relue = luememo(s.ligne);
        TLV_VERIFIE(relue && relue->ligne == s.ligne && relue->temps == s.temps);
    }

    TLV_VERIFIE(ecritmemo(chemin, t));
    // Every line as stored, with its line end: the file is the table, byte for byte.
    std::string attendu;
    for (const auto& s : t) attendu += s.ligne + "\r\n";
    TLV_VERIFIE(fuzz::relit(chemin) == attendu);
    // Read again, the same lines (a record below the default ones moves under them once they are
    // stored lines), and from then on the file no longer changes.
    const TableMemo u = litmemo(chemin);
    TLV_VERIFIE(std::is_permutation(u.begin(), u.end(), t.begin(), t.end(),
                                    [](const auto& a, const auto& b) { return a.ligne == b.ligne; }));
    TLV_VERIFIE(ecritmemo(chemin, u));
    const TableMemo w = litmemo(chemin);
    for (std::size_t i = 0; i < u.size(); ++i) TLV_VERIFIE(w[i].ligne == u[i].ligne);

    // A new record goes where the ranking says, and reads back as it was written.
    const int temps = taille > 0 ? donnees[0] * 131 : 0;
    const int rang = rangmemo(t, temps);
    TLV_VERIFIE(rang >= 0 && rang <= lignesmemo);
    if (rang > 0) {
        const std::string ligne = formatememo("Zoé", temps);
        const TableMemo v = inserememo(t, rang, ligne);
        TLV_VERIFIE(v[static_cast<std::size_t>(rang - 1)].ligne == ligne);
        TLV_VERIFIE(v[static_cast<std::size_t>(rang - 1)].temps == temps);
        // Above it nothing moves; below it every line goes down one place.
        const auto r = static_cast<std::size_t>(rang - 1);
        for (std::size_t i = 0; i < v.size(); ++i)
            if (i != r) TLV_VERIFIE(v[i].ligne == t[i < r ? i : i - 1].ligne);
    }
    return 0;
}
