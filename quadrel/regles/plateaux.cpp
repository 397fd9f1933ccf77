#include "plateaux.h"

#include <sys/stat.h>

#include <vector>

#include "shell/fichiers.h"

namespace tlv::quadrel {

namespace {

// A field's number, blanks or zeros around it allowed. Anything else (letters, a sign, nothing) is no number.
int valeurchamp(std::string_view champ) {
    int n = 0;
    bool chiffre = false;
    std::size_t i = 0;
    while (i < champ.size() && champ[i] == ' ') ++i;
    for (; i < champ.size() && champ[i] >= '0' && champ[i] <= '9'; ++i)
        n = n * 10 + (champ[i] - '0'), chiffre = true;
    while (i < champ.size() && champ[i] == ' ') ++i;
    return chiffre && i == champ.size() ? n : 0;
}

// A cell read from its field: n - 1, but a value that is neither empty, a face nor an obstacle (a damaged
// field) is read as an empty cell, so the board can still be cleared and nothing is drawn from outside
// the sheet.
int valeurcase(std::string_view champ) {
    const int v = valeurchamp(champ) - 1;
    return v == vide || (v >= 0 && v < 32) || estobstacle(v) ? v : vide;
}

std::vector<std::string_view> lignesde(std::string_view octets) {
    std::vector<std::string_view> lignes;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        auto fin = octets.find('\n', debut);
        const bool complete = fin != std::string_view::npos;
        if (!complete) fin = octets.size();
        std::size_t n = fin - debut;
        if (complete && n > 0 && octets[fin - 1] == '\r') --n;
        lignes.push_back(octets.substr(debut, n));
        debut = complete ? fin + 1 : fin;
    }
    return lignes;
}

} // namespace

Grille grillevide() {
    Grille g;
    for (auto& colonne : g) colonne.fill(vide);
    return g;
}

int niveaumax_de(std::uintmax_t longueur) {
    return static_cast<int>(longueur / taillefiche) - 1;
}

int recherchemax(const std::string& chemin) {
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return niveaumax_de(static_cast<std::uintmax_t>(st.st_size));
}

bool chargecode_octets(std::string_view octets, int numtableau, Grille& grille) {
    grille = grillevide();
    if (numtableau < 0) return false;
    const auto lignes = lignesde(octets);
    const std::size_t debut = static_cast<std::size_t>(numtableau) * 5;
    // The record's four board lines must be there; its closing empty line may be the file's end.
    if (debut + 4 > lignes.size()) return false;
    for (int r = 1; r <= 4; ++r) {
        const std::string_view ligne = lignes[debut + static_cast<std::size_t>(r - 1)];
        for (int i = 1; i <= 8; ++i) {
            const std::size_t d = static_cast<std::size_t>(3 * (i - 1));
            const std::string_view champ = d < ligne.size() ? ligne.substr(d, 3) : std::string_view{};
            grille[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)] = valeurcase(champ);
        }
    }
    return true;
}

bool chargecode(const std::string& chemin, int numtableau, Grille& grille) {
    grille = grillevide();
    const auto lignes = litlignes(chemin);
    if (!lignes) return false;
    std::string octets;
    for (const auto& l : *lignes) octets += l, octets += "\r\n";
    return chargecode_octets(octets, numtableau, grille);
}

bool resteunecarte(const Grille& g) {
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 4; ++r)
            if (estcarte(g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])) return true;
    return false;
}

bool tableaujouable(const Grille& g) {
    int faces[32] = {};
    bool carte = false;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 4; ++r) {
            const int v = g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            if (!estcarte(v)) continue;
            if (v >= 32) return false; // no such face on the sheet
            ++faces[v];
            carte = true;
        }
    for (int k = 0; k < 16; ++k)
        if (faces[k] != faces[k + 16]) return false;
    return carte;
}

} // namespace tlv::quadrel
