#include "belote/donne.h"

#include <utility>

#include "belote/carte.h"

namespace tlv::belote {

namespace {

// Where card k (1..21) of a packet deal lands: three each from d+1, two each, then the turned card.
void placepaquet(int k, int d, int& joueur, int& slot) {
    if (k <= 12) {
        joueur = apres(d, (k - 1) / 3 + 1);
        slot = (k - 1) % 3 + 1;
    } else if (k <= 20) {
        joueur = apres(d, (k - 13) / 2 + 1);
        slot = (k - 13) % 2 + 4;
    } else {
        joueur = apres(d, 1);
        slot = 6;
    }
}

// Cards 22..32 of a cut deal: three each from d+2, the last two to d+1 (which holds the turned card).
void placereste(int k, int d, int& joueur, int& slot) {
    if (k <= 30) {
        joueur = apres(d, (k - 22) / 3 + 2);
        slot = (k - 22) % 3 + 6;
    } else {
        joueur = apres(d, 1);
        slot = k - 31 + 7;
    }
}

// Cards 22..32 of a rigged deal: d+1 first with two, then three each.
void placerestefaux(int k, int d, int& joueur, int& slot) {
    if (k <= 23) {
        joueur = apres(d, 1);
        slot = k - 22 + 7;
    } else {
        joueur = apres(d, (k - 24) / 3 + 2);
        slot = (k - 24) % 3 + 6;
    }
}

// A random deal hands out one card at a time round the table.
void placeunparun(int k, int d, int& joueur, int& slot) {
    joueur = apres(d, (k - 1) % 4 + 1);
    slot = (k + 3) / 4;
}

int cartefaux(const Paquet& p, int k) {
    const std::size_t i = static_cast<std::size_t>(2 * k - 2);
    if (i + 1 >= p.fauxjeu.size()) return 0;
    const char a = p.fauxjeu[i], b = p.fauxjeu[i + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

void finpremieremoitie(TableBelote& t, Paquet& p) {
    const int retournee = t.jeu[apres(t.donneur, 1)][6];
    t.atout = static_cast<std::int16_t>(retournee / 10);
    t.liste[6] = static_cast<std::int16_t>(retournee);
    p.positionpaquet = 1;
}

void echangeretournee(TableBelote& t) {
    std::swap(t.jeu[apres(t.donneur, 1)][6], t.jeu[t.preneur][6]);
}

} // namespace

void distribution(TableBelote& t, Paquet& p, Rnd& rnd) {
    const int d = t.donneur;
    int joueur = 0, slot = 0;
    if (!p.premieredonne) {
        const int c = static_cast<int>(rnd() * 20) + 5;
        std::array<std::int16_t, 33> coupe{};
        for (int i = 1; i <= 32; ++i) coupe[i] = p.paquet[i <= 32 - c ? i + c : i - (32 - c)];
        p.paquet = coupe;
        for (int k = 1; k <= 21; ++k) {
            placepaquet(k, d, joueur, slot);
            t.jeu[joueur][slot] = p.paquet[k];
        }
    } else if (p.avecfauxjeu) {
        distributionfauxjeu(t, p);
        return;
    } else {
        for (int k = 1; k <= 21; ++k) {
            placeunparun(k, d, joueur, slot);
            int r = 0, s = 0;
            // Rank before suit here and suit before rank for the rest: a seed must replay the deals it
            // always gave (the recorded matches and the simulator's traces), so neither order may change.
            do {
                r = static_cast<int>(rnd() * 8);
                s = static_cast<int>(rnd() * 4);
            } while (p.cartestirees[r][s + 1]);
            p.cartestirees[r][s + 1] = true;
            t.jeu[joueur][slot] = static_cast<std::int16_t>((s + 1) * 10 + r);
        }
    }
    finpremieremoitie(t, p);
}

void distributionfauxjeu(TableBelote& t, Paquet& p) {
    int joueur = 0, slot = 0;
    for (int k = 1; k <= 21; ++k) {
        placepaquet(k, t.donneur, joueur, slot);
        t.jeu[joueur][slot] = static_cast<std::int16_t>(cartefaux(p, k));
    }
    finpremieremoitie(t, p);
}

void distributiondureste(TableBelote& t, Paquet& p, Rnd& rnd) {
    const int d = t.donneur;
    int joueur = 0, slot = 0;
    if (!p.premieredonne) {
        for (int k = 22; k <= 32; ++k) {
            placereste(k, d, joueur, slot);
            t.jeu[joueur][slot] = p.paquet[k];
        }
    } else {
        for (int k = 22; k <= 32; ++k) {
            placeunparun(k, d, joueur, slot);
            int r = 0, s = 0;
            // Suit before rank, unlike the first 21 cards: the same seed must keep giving the same deal.
            do {
                s = static_cast<int>(rnd() * 4);
                r = static_cast<int>(rnd() * 8);
            } while (p.cartestirees[r][s + 1]);
            p.cartestirees[r][s + 1] = true;
            t.jeu[joueur][slot] = static_cast<std::int16_t>((s + 1) * 10 + r);
        }
    }
    p.premieredonne = false;
    echangeretournee(t);
}

void distributionfauxjeudureste(TableBelote& t, Paquet& p) {
    int joueur = 0, slot = 0;
    for (int k = 22; k <= 32; ++k) {
        placerestefaux(k, t.donneur, joueur, slot);
        t.jeu[joueur][slot] = static_cast<std::int16_t>(cartefaux(p, k));
    }
    p.premieredonne = false;
    echangeretournee(t);
}

void triejeux(TableBelote& t) {
    for (int j = 1; j <= 4; ++j) {
        auto& m = t.jeu[j];
        for (int i = 2; i <= 8; ++i)
            for (int k = i; k > 1 && m[k - 1] > m[k]; --k) std::swap(m[k - 1], m[k]);
    }
}

bool fauxjeuvalide(const std::string& texte) {
    if (texte.size() != 64) return false;
    std::array<bool, 48> vu{};
    for (std::size_t i = 0; i < 64; i += 2) {
        const char a = texte[i], b = texte[i + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') return false;
        const int c = (a - '0') * 10 + (b - '0');
        if (!estcarte(c) || vu[static_cast<std::size_t>(c)]) return false;
        vu[static_cast<std::size_t>(c)] = true;
    }
    return true;
}

} // namespace tlv::belote
