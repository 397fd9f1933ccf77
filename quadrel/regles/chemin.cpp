#include "chemin.h"

#include <cstdlib>

#include "socle/carte.h"

namespace tlv::quadrel {

namespace {

int signe(int v) {
    return (v > 0) - (v < 0);
}

bool libre(const Grille& g, int c, int r) {
    return g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == vide;
}

bool dedans(int c, int r) {
    return c >= 0 && c <= 9 && r >= 0 && r <= 5;
}

// From the corner P, along P's row (vertical phases) or column (horizontal phases) to b's column or row,
// then straight to b.
std::optional<Chemin> tourne(const Grille& g, Case p, Case b, bool vertical) {
    int c = p.c, r = p.r;
    while (vertical ? c != b.c : r != b.r) {
        vertical ? c += signe(b.c - c) : r += signe(b.r - r);
        if (Case{c, r} == b) return Chemin{p, {}};
        if (!libre(g, c, r)) return std::nullopt;
    }
    const Case coin2{c, r};
    while (Case{c, r} != b) {
        vertical ? r += signe(b.r - r) : c += signe(b.c - c);
        if (Case{c, r} == b) return Chemin{p, coin2};
        if (!libre(g, c, r)) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Chemin> cherchechemin(const Grille& g, Case a, Case b) {
    if (a == b || !dedans(a.c, a.r) || !dedans(b.c, b.r)) return std::nullopt;
    constexpr int dc[4] = {0, 0, -1, 1}, dr[4] = {-1, 1, 0, 0};
    for (int phase = 0; phase < 4; ++phase) {
        const bool vertical = phase < 2;
        for (int c = a.c + dc[phase], r = a.r + dr[phase];; c += dc[phase], r += dr[phase]) {
            if (Case{c, r} == b) return Chemin{};
            if (!dedans(c, r) || !libre(g, c, r)) break;
            if (vertical ? b.c == a.c : b.r == a.r) continue;
            if (auto ch = tourne(g, {c, r}, b, vertical)) return ch;
        }
    }
    return std::nullopt;
}

bool voisines(Case a, Case b) {
    return std::abs(a.c - b.c) <= 1 && std::abs(a.r - b.r) <= 1;
}

std::vector<Case> etapes(Case a, Case b, const Chemin& ch) {
    const Case aucun{};
    const Case coin1 = ch.coin1 == aucun ? b : ch.coin1;
    const Case coin2 = ch.coin2 == aucun ? b : ch.coin2;
    std::vector<Case> cases;
    Case k = a;
    for (const Case cible : {coin1, coin2, b}) {
        while (k != cible) {
            k.c += signe(cible.c - k.c);
            k.r += signe(cible.r - k.r);
            if (k == b) return cases;
            cases.push_back(k);
        }
    }
    return cases;
}

Point positionmarqueur(Case k) {
    const int x = k.c <= 0 ? 4 : k.c >= 9 ? 604 : (k.c - 1) * LargeurCarte + 55;
    const int y = k.r <= 0 ? 16 : k.r >= 5 ? 432 : (k.r - 1) * HauteurCarte + 80;
    return {x, y};
}

} // namespace tlv::quadrel
