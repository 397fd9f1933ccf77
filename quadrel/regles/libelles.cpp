#include "libelles.h"

#include <cstdio>

namespace tlv::quadrel {

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

std::string titretableau(const std::string& tableau, int numtableau) {
    std::string t = libelletableau(tableau, numtableau);
    if (t[0] >= 'a' && t[0] <= 'z') t[0] = static_cast<char>(t[0] - 'a' + 'A');
    return t;
}

std::string dureeenclair(int secondes) {
    const int s = secondes < 0 ? 0 : secondes;
    char texte[32];
    if (s < 60)
        std::snprintf(texte, sizeof texte, "%d s", s);
    else
        std::snprintf(texte, sizeof texte, "%d min %02d s", s / 60, s % 60);
    return texte;
}

} // namespace tlv::quadrel
