#include "belote_table/composition.h"

#include "belote/carte.h"

namespace tlv::belote {

namespace {

// The two digits of a card code in a rigged deal; anything else is no card.
int code_de(const std::string& deuxchiffres) {
    if (deuxchiffres.size() != 2 || deuxchiffres[0] < '1' || deuxchiffres[0] > '4' || deuxchiffres[1] < '0' ||
        deuxchiffres[1] > '7')
        return 0;
    return code(deuxchiffres[0] - '0', deuxchiffres[1] - '0');
}

} // namespace

bool& Composition::placee_de(int code) {
    return placee[static_cast<std::size_t>(couleur(code))][static_cast<std::size_t>(rang(code))];
}

void Composition::place_non() {
    for (int i = 21; i <= 32; ++i)
        if (carte[static_cast<std::size_t>(i)] == Non) carte[static_cast<std::size_t>(i)] = 0;
    const int g = (donneur + 1) % 4;
    int& c = carte[static_cast<std::size_t>(23 + 3 * g)];
    if (estcarte(c)) placee_de(c) = false;
    c = Non;
}

void Composition::charge(const std::string& fauxjeu, int donneurfauxjeu) {
    donneur = (donneurfauxjeu >= 1 && donneurfauxjeu <= 4 ? donneurfauxjeu : 1) - 1;
    joueurchoix = 0;
    carte.fill(0);
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
        int& c = carte[static_cast<std::size_t>(i)];
        if (c != 0) continue;
        c = code(s, r);
        rg = true;
        return;
    }
}

void Composition::retire(int i) {
    if (i < 0 || i > 32) return;
    int& c = carte[static_cast<std::size_t>(i)];
    if (!estcarte(c)) return;
    placee_de(c) = false;
    c = 0;
}

void Composition::changedonneur(int i) {
    if (i < 0 || i > 3) return;
    donneur = i;
    place_non();
}

void Composition::videtout() {
    carte.fill(0);
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
    for (int k = 1; k <= 32; ++k) {
        const int c = carte[static_cast<std::size_t>(slot_de(k, donneurfauxjeu))];
        if (estcarte(c)) f += std::to_string(c);
    }
    return f;
}

void Composition::remetcarteenplace(const std::string& fauxjeu, int donneurfauxjeu) {
    for (int k = 1; k <= 32 && static_cast<std::size_t>(2 * k) <= fauxjeu.size(); ++k) {
        const int c = code_de(fauxjeu.substr(static_cast<std::size_t>(2 * k - 2), 2));
        carte[static_cast<std::size_t>(slot_de(k, donneurfauxjeu))] = c;
        if (estcarte(c)) placee_de(c) = true;
    }
    carte[static_cast<std::size_t>(23 + 3 * (donneurfauxjeu % 4))] = 0;
}

} // namespace tlv::belote
