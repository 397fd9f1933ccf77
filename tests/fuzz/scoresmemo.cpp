// Memo score files: whatever the file holds, the table read is five records in time order, each a line
// the reader itself reads back unchanged, and writing the table then reading it again changes nothing.
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "scores/fichierscores.h"

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    StockageDisque disque(fuzz::dossier());
    const std::string chemin = disque.chemin(fichiermemo(0));
    fuzz::pose(chemin, octets);
    const auto lit = [&disque](const std::string&) { return litmemo(disque, fichiermemo(0)); };
    const auto ecrit = [&disque](const std::string&, const TableMemo& t) {
        return ecritmemo(disque, fichiermemo(0), t).ok();
    };

    const TableMemo t = lit(chemin);
    for (const ScoreMemo& s : t) {
        TLV_VERIFIE(s.temps >= 0 && s.temps <= 32767);
        TLV_VERIFIE(s.ligne.size() > static_cast<std::size_t>(largeurnommemo));
        TLV_VERIFIE(s.ligne.find_first_of("\r\n") == std::string::npos);
        const auto relue = luememo(s.ligne);
        TLV_VERIFIE(relue && relue->ligne == s.ligne && relue->temps == s.temps);
    }
    fuzz::verifie_table(chemin, t, lignedefautmemo, lit, ecrit,
                        [](const ScoreMemo& a, const ScoreMemo& b) { return a.temps < b.temps; });

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
