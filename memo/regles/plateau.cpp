#include "plateau.h"

namespace tlv::memo {

namespace {
int& at(Plateau& p, int c, int r) {
    return p.grille[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
}
} // namespace

Plateau::Plateau() {
    for (auto& col : grille) col.fill(-1);
}

NiveauMemo niveaumemo_table(int niveau) {
    switch (niveau) {
    case 1:
        return {12, 2, 6};
    case 2:
        return {16, 1, 8};
    default:
        return {8, 3, 4};
    }
}

void tirage(Plateau& p, int niveau, Rnd& rnd) {
    p.tirees.fill(false);
    for (int c = 1; c <= colonnesmemo; ++c)
        for (int r = 1; r <= lignesmemo_grille; ++r) {
            p.vues[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = false;
            at(p, c, r) = -1;
        }
    const NiveauMemo n = niveaumemo_table(niveau);
    auto placelibre = [&] {
        int c, r;
        do {
            c = static_cast<int>(rnd() * n.colonnes) + n.premiere;
            r = static_cast<int>(rnd() * 4) + 1;
        } while (at(p, c, r) != -1);
        return Place{c, r};
    };
    for (int i = 0; i < n.paires; ++i) {
        int k;
        do k = static_cast<int>(rnd() * 16);
        while (p.tirees[static_cast<std::size_t>(k)]);
        p.tirees[static_cast<std::size_t>(k)] = true;
        const Place a = placelibre();
        at(p, a.c, a.r) = k;
        const Place b = placelibre();
        at(p, b.c, b.r) = k + 16;
    }
}

bool estpaire(int a, int b) {
    return a >= 0 && b >= 0 && (a == b + 16 || b == a + 16);
}

std::optional<Place> placesous(int x, int y) {
    if (!(x > grillex && y > grilley && x < grillex + colonnesmemo * LargeurCarte &&
          y < grilley + lignesmemo_grille * HauteurCarte))
        return std::nullopt;
    return Place{(x - grillex) / LargeurCarte + 1, (y - grilley) / HauteurCarte + 1};
}

Point coin(Place p) {
    return {grillex + (p.c - 1) * LargeurCarte, grilley + (p.r - 1) * HauteurCarte};
}

Point cellule(int k) {
    return {LargeurCarte * (k % 8), HauteurCarte * (k / 8)};
}

bool restedescartes(const Plateau& p) {
    for (int c = 1; c <= colonnesmemo; ++c)
        for (int r = 1; r <= lignesmemo_grille; ++r)
            if (p.carte({c, r}) != -1) return true;
    return false;
}

int penalite(const Plateau& p, Place a, Place b) {
    return (p.vue(a) ? penalitememo : 0) + (p.vue(b) ? penalitememo : 0);
}

void marquevues(Plateau& p, Place a, Place b) {
    for (Place q : {a, b}) p.vues[static_cast<std::size_t>(q.c)][static_cast<std::size_t>(q.r)] = true;
}

void retirepaire(Plateau& p, Place a, Place b) {
    at(p, a.c, a.r) = -1;
    at(p, b.c, b.r) = -1;
}

} // namespace tlv::memo
