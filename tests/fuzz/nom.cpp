// The name filter: whatever is typed and however the caret is moved, the name holds only accepted
// characters, at most nine, each one byte in the files; Enter's answer is trimmed and in capitals, and
// the score lines made from it read back with that very name.
#include <cstdint>
#include <string>

#include "fuzz.h"
#include "scores/fichierscores.h"
#include "scores/nom.h"
#include "scores/saisie.h"
#include "shell/fichiers.h"

using namespace tlv;

namespace {

// Each control byte of the input is an editing key; the bytes between them are typed.
constexpr Touche Touches[] = {Touche::Effacement, Touche::Suppr, Touche::Gauche,
                              Touche::Droite,     Touche::Debut, Touche::Fin};

void verifie_nom(const std::string& texte) {
    TLV_VERIFIE(nombrecaracteres(texte) <= longueurmaxnom);
    const std::string cp = utf8_vers_cp1252(texte);
    TLV_VERIFIE(static_cast<int>(cp.size()) == nombrecaracteres(texte));
    TLV_VERIFIE(cp1252_vers_utf8(cp) == texte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Saisie s;
    std::string morceau;
    const auto tape = [&] {
        s.tape(morceau);
        morceau.clear();
    };
    for (std::size_t i = 0; i < taille; ++i) {
        const unsigned char o = donnees[i];
        if (o < 0x08) {
            tape();
            TLV_VERIFIE(s.touche(Touches[o % 6]));
        } else if (o == 0x08) {
            tape();
            s.clique(i + 1 < taille ? donnees[++i] : 0,
                     [](const std::string& t) { return 9 * nombrecaracteres(t); });
        } else {
            morceau += static_cast<char>(o);
        }
        TLV_VERIFIE(s.curseur() >= 0 && s.curseur() <= nombrecaracteres(s.texte()));
    }
    tape();
    const std::string& texte = s.texte();
    verifie_nom(texte);
    for (std::size_t i = 0; i < texte.size();) {
        const unsigned char c0 = static_cast<unsigned char>(texte[i]);
        const std::size_t n = c0 < 0x80 ? 1 : c0 >= 0xF0 ? 4 : c0 >= 0xE0 ? 3 : 2;
        TLV_VERIFIE(caractereaccepte(texte.substr(i, n)));
        i += n;
    }

    const std::string nom = reponsenom(texte);
    verifie_nom(nom);
    TLV_VERIFIE(!nom.empty() && nom.front() != ' ' && nom.back() != ' ');
    TLV_VERIFIE(nom.find('"') == std::string::npos);
    TLV_VERIFIE(reponsenom(nom) == nom);

    // The stored lines of a Memo time and a Quadrel game keep the name, blanks padding it.
    const auto memo = luememo(formatememo(nom, 1234));
    TLV_VERIFIE(memo && memo->temps == 1234);
    TLV_VERIFIE(debutligne(memo->ligne, largeurnommemo) ==
                nom + std::string(largeurnommemo - nombrecaracteres(nom), ' '));
    const auto jong = luejong(formatejong(nom, 12, 345));
    TLV_VERIFIE(jong && jong->tableau == 12 && jong->temps == 345);
    TLV_VERIFIE(debutligne(jong->ligne, largeurnomjong) ==
                nom + std::string(largeurnomjong - nombrecaracteres(nom), ' '));
    return 0;
}
