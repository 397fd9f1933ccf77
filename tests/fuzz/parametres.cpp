// The two timing settings files: whatever they hold, the value read lies in its dialog's range; a file
// that was not taken is rewritten with the default; one that was taken is left as it was; and what is
// saved reads back as the same value.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"

using namespace tlv;

namespace {

// The number on the file's first line, as kept; the file must hold one.
double premier(const std::string& chemin) {
    const auto lignes = litlignes(chemin);
    TLV_VERIFIE(lignes && !lignes->empty());
    const auto v = lisnombre(lignes->front());
    TLV_VERIFIE(v.has_value());
    return *v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    Reglages r;
    r.scores = std::make_unique<StockageDisque>(fuzz::dossier());
    const std::string belote = r.scores->chemin("tlvbelo.ini"), memo = r.scores->chemin("tlvmemo.ini");
    fuzz::pose(belote, octets);
    fuzz::pose(memo, octets);

    // The number of a line, when there is one, is a finite number.
    if (const auto v = lisnombre(octets.substr(0, octets.find_first_of("\r\n"))))
        TLV_VERIFIE(std::isfinite(*v));

    lisparambelote(r);
    TLV_VERIFIE(r.tempobelote >= tempobelotemin && r.tempobelote <= tempobelotemax);
    const std::string b = fuzz::relit(belote);
    TLV_VERIFIE(b == octets || b == imprimenombre(4) + "\r\n");
    if (b != imprimenombre(4) + "\r\n") TLV_VERIFIE(arrondipair(premier(belote)) == r.tempobelote);

    lisparammemo(r);
    TLV_VERIFIE(r.tempomemo >= tempomemomin && r.tempomemo <= tempomemomax);
    const std::string m = fuzz::relit(memo);
    TLV_VERIFIE(m == octets || m == imprimenombre(10.f) + "\r\n");
    if (m != imprimenombre(10.f) + "\r\n") TLV_VERIFIE(static_cast<float>(premier(memo)) / 10 == r.tempomemo);

    // Saved and read again: the same values (the real one to the printed precision).
    const int belotelue = r.tempobelote;
    const float memolue = r.tempomemo;
    TLV_VERIFIE(sauveparambelote(r) && sauveparammemo(r));
    lisparambelote(r);
    lisparammemo(r);
    TLV_VERIFIE(r.tempobelote == belotelue);
    TLV_VERIFIE(std::fabs(r.tempomemo - memolue) <= 1e-5f);

    // The dialogs' sliders stay in range whatever the setting.
    TLV_VERIFIE(curseurmemo(r.tempomemo) >= tempomemomin && curseurmemo(r.tempomemo) <= tempomemomax);
    TLV_VERIFIE(curseurbelote(r.tempobelote) == r.tempobelote);
    return 0;
}
