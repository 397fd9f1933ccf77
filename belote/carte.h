#pragma once
// Card codes and seats. A card is suit * 10 + rank digit (suits 1..4, ranks 0..7: 7 8 9 V D R 10 As); 0 is no
// card. Seats are 1 Sud, 2 Est, 3 Nord, 4 Ouest. Codes stay plain ints: files and traces write them.

namespace tlv::belote {

constexpr int couleur(int carte) {
    return carte / 10;
}
constexpr int rang(int carte) {
    return carte % 10;
}

// Suits by name, in the order of their numbers (the order the rules try them in). Named apart from the
// pictures' colour type.
enum CouleurCarte : int { pique = 1, carreau = 2, trefle = 3, coeur = 4 };

// Rank digits by name, for readability of the rules.
enum Rang : int { sept = 0, huit = 1, neuf = 2, valet = 3, dame = 4, roi = 5, dix = 6, as = 7 };

constexpr int code(int couleur, int rang) {
    return couleur * 10 + rang;
}
constexpr bool estcarte(int c) {
    return c >= 10 && c <= 47 && c % 10 <= 7;
}
constexpr bool delacouleur(int c, int coul) {
    return c >= coul * 10 && c <= coul * 10 + 7;
}

// The suit a discard calls for: the game pairs Pique with Coeur and Carreau with Trefle.
constexpr int couleur_soeur(int couleur) {
    return 5 - couleur;
}
static_assert(couleur_soeur(pique) == coeur && couleur_soeur(carreau) == trefle);

// Play turns from 1 to 4 and back to 1.
constexpr int suivant(int joueur) {
    return joueur % 4 + 1;
}
constexpr int precedent(int joueur) {
    return (joueur + 2) % 4 + 1;
}
constexpr int partenaire(int joueur) {
    return joueur <= 2 ? joueur + 2 : joueur - 2;
}
// The partnership test of the rules: seat numbers adding up to 4 or 6.
constexpr bool partenaires(int a, int b) {
    return a + b == 4 || a + b == 6;
}
constexpr bool cotenous(int joueur) {
    return joueur == 1 || joueur == 3;
}

// Points of a card once the trump is known (62 in trump, 30 in each other suit).
constexpr int valeurcarte(int carte, int atout) {
    if (carte == atout * 10 + valet) return 20;
    if (carte == atout * 10 + neuf) return 14;
    const int r = rang(carte);
    if (r < 3) return 0;
    if (r <= 5) return r - 1;
    return r + 4;
}

} // namespace tlv::belote
