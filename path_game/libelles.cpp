#include "libelles.h"

#include <cstdio>

namespace tlv {

std::string textechrono(int chrono) {
    // A number is printed with a blank where its sign would go; the seconds always on two digits.
    const int m = chrono / 60, s = chrono % 60;
    char texte[32];
    std::snprintf(texte, sizeof texte, "%c%d:%02d", m < 0 ? '-' : ' ', m < 0 ? -m : m, s < 0 ? -s : s);
    return texte;
}

std::string libelletableau(const std::string& tableau, int numtableau) {
    char chiffres[16];
    std::snprintf(chiffres, sizeof chiffres, "%03d", (numtableau < 0 ? 0 : numtableau) % 1000);
    return tableau + " " + chiffres;
}

} // namespace tlv
