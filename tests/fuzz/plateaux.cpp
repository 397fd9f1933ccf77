// The Quadrel boards file: every board read from any bytes holds only empty cells, faces and obstacles,
// with the ring left empty; the file on disk reads as its bytes do; and a board written in the file's
// layout (from the input's first bytes) reads back cell for cell.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz.h"
#include "quadrel/regles/plateaux.h"

using namespace tlv;
using namespace tlv::quadrel;

namespace {

void verifie_grille(const Grille& g) {
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 6; ++r) {
            const int v = g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            const bool bord = c == 0 || c == 9 || r == 0 || r == 5;
            TLV_VERIFIE(bord ? v == vide : (v == vide || (v >= 0 && v < 32) || estobstacle(v)));
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    const std::string chemin = fuzz::dossier() + fichierplateaux;
    fuzz::pose(chemin, octets);

    const int max = recherchemax(chemin);
    TLV_VERIFIE(max == niveaumax_de(taille));
    for (int n = -1; n <= max + 2; ++n) {
        Grille g, h;
        const bool lu = chargecode_octets(octets, n, g);
        verifie_grille(g);
        if (!lu) TLV_VERIFIE(g == grillevide());
        if (chargecode(chemin, n, h)) verifie_grille(h);
        tableaujouable(g);
        resteunecarte(g);
    }

    // One board in the layout the generator writes, its cells taken from the input.
    Grille ecrite = grillevide();
    std::string fiche;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const std::size_t i = static_cast<std::size_t>((r - 1) * 8 + c - 1);
            const int o = i < taille ? donnees[i] : 0;
            const int v = o < 64 ? o % 33 - 1 : premierobstacle + o % 10;
            ecrite[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = v;
            char champ[8];
            std::snprintf(champ, sizeof champ, "%3d", v + 1);
            fiche += champ;
        }
        fiche += "\r\n";
    }
    fiche += "\r\n";
    TLV_VERIFIE(fiche.size() == static_cast<std::size_t>(taillefiche));
    Grille relue;
    TLV_VERIFIE(chargecode_octets(fiche + fiche, 1, relue) && relue == ecrite);
    fuzz::pose(chemin, fiche);
    TLV_VERIFIE(recherchemax(chemin) == 0 && chargecode(chemin, 0, relue) && relue == ecrite);
    return 0;
}
