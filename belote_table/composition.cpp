#include "belote_table/composition.h"

namespace tlv::belote {

namespace {

const char* const Rangs[8] = {"7 ", "8 ", "9 ", "V ", "D ", "R ", "10 ", "As "};
const char* const Couleurs[5] = {"", "pique", "carreau", "trefle", "coeur"};

int couleur_du_nom(const std::string& nom) {
    if (nom.size() < 4) return 0;
    const std::string fin = nom.substr(nom.size() - 4);
    if (fin == "ique") return 1;
    if (fin == "reau") return 2;
    if (fin == "efle") return 3;
    if (fin == "oeur") return 4;
    return 0;
}

int rang_du_nom(const std::string& nom) {
    if (nom.empty()) return -1;
    switch (nom[0]) {
    case '7':
        return 0;
    case '8':
        return 1;
    case '9':
        return 2;
    case 'V':
        return 3;
    case 'D':
        return 4;
    case 'R':
        return 5;
    case '1':
        return 6;
    case 'A':
        return 7;
    default:
        return -1;
    }
}

} // namespace

std::string Composition::nomcarte(const std::string& code) {
    if (code.size() != 2 || code[0] < '1' || code[0] > '4' || code[1] < '0' || code[1] > '7') return "";
    const int s = code[0] - '0', r = code[1] - '0';
    if (s == 2 && r == 6) return "10carreau";
    if (s == 2 && r == 7) return "Ascarreau";
    return std::string(Rangs[r]) + Couleurs[s];
}

std::string Composition::rendnumerocarte(const std::string& nom) {
    const int s = couleur_du_nom(nom), r = rang_du_nom(nom);
    if (s == 0 || r < 0) return "";
    return std::string(1, static_cast<char>('0' + s)) + static_cast<char>('0' + r);
}

void Composition::place_non() {
    for (int i = 21; i <= 32; ++i)
        if (carte[static_cast<std::size_t>(i)] == Non) carte[static_cast<std::size_t>(i)].clear();
    const int g = (donneur + 1) % 4;
    std::string& c = carte[static_cast<std::size_t>(23 + 3 * g)];
    const int s = couleur_du_nom(c), r = rang_du_nom(c);
    if (s > 0 && r >= 0) placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)] = false;
    c = Non;
}

void Composition::charge(const std::string& fauxjeu, int donneurfauxjeu) {
    donneur = (donneurfauxjeu >= 1 && donneurfauxjeu <= 4 ? donneurfauxjeu : 1) - 1;
    joueurchoix = 0;
    for (auto& c : carte) c.clear();
    for (auto& s : placee) s.fill(false);
    if (!fauxjeu.empty()) remetcarteenplace(fauxjeu, donneur + 1);
    place_non();
}

void Composition::place(int s, int r) {
    if (s < 1 || s > 4 || r < 0 || r > 7) return;
    auto& rg = placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
    if (rg) return;
    int debut = 0, fin = 0;
    if (joueurchoix <= 3)
        debut = 5 * joueurchoix, fin = debut + 4;
    else if (joueurchoix == 4)
        debut = fin = 20;
    else
        debut = 21 + 3 * (joueurchoix - 5), fin = debut + 2;
    for (int i = debut; i <= fin; ++i) {
        std::string& c = carte[static_cast<std::size_t>(i)];
        if (!c.empty()) continue;
        c = nomcarte(std::string(1, static_cast<char>('0' + s)) + static_cast<char>('0' + r));
        rg = true;
        return;
    }
}

void Composition::retire(int i) {
    if (i < 0 || i > 32) return;
    std::string& c = carte[static_cast<std::size_t>(i)];
    if (c.empty() || c == Non) return;
    const int s = couleur_du_nom(c), r = rang_du_nom(c);
    if (s > 0 && r >= 0) placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)] = false;
    c.clear();
}

void Composition::changedonneur(int i) {
    if (i < 0 || i > 3) return;
    donneur = i;
    place_non();
}

void Composition::videtout() {
    for (auto& c : carte) c.clear();
    for (auto& s : placee) s.fill(false);
    place_non();
}

bool Composition::complete() const {
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r)
            if (!placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)]) return false;
    return true;
}

std::string Composition::valide() {
    if (!complete()) return "";
    return fabriquefauxjeu(donneur + 1);
}

int Composition::slot_de(int k, int donneur) {
    const int g0 = donneur % 4;
    const auto g = [&](int i) { return (g0 + i) % 4; };
    if (k <= 12) return 5 * g((k - 1) / 3) + (k - 1) % 3;
    if (k <= 20) return 5 * g((k - 13) / 2) + 3 + (k - 13) % 2;
    if (k == 21) return 20;
    if (k <= 23) return 21 + 3 * g0 + (k - 22);
    return 21 + 3 * g(1 + (k - 24) / 3) + (k - 24) % 3;
}

std::string Composition::fabriquefauxjeu(int donneurfauxjeu) const {
    std::string f;
    for (int k = 1; k <= 32; ++k)
        f += rendnumerocarte(carte[static_cast<std::size_t>(slot_de(k, donneurfauxjeu))]);
    return f;
}

void Composition::remetcarteenplace(const std::string& fauxjeu, int donneurfauxjeu) {
    for (int k = 1; k <= 32 && static_cast<std::size_t>(2 * k) <= fauxjeu.size(); ++k) {
        const std::string code = fauxjeu.substr(static_cast<std::size_t>(2 * k - 2), 2);
        const std::string nom = nomcarte(code);
        carte[static_cast<std::size_t>(slot_de(k, donneurfauxjeu))] = nom;
        const int s = couleur_du_nom(nom), r = rang_du_nom(nom);
        if (s > 0 && r >= 0) placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)] = true;
    }
    carte[static_cast<std::size_t>(23 + 3 * (donneurfauxjeu % 4))].clear();
}

} // namespace tlv::belote
