#include "textes.h"

#include <iterator>

#include "socle/chaines.h"

namespace tlv {

namespace {
// By id: the entry at index i is text i.
constexpr const char* Liste[] = {
    "",
    "Menu",
    "Jouer",
    "Menu principal",
    "Continuer la partie",
    "Nouvelle partie",
    "Partie en",
    "Aide",
    "Sud  Est  Nord Ouest",
    " distribue",
    "Vous distribuez",
    "Vous passez",
    "Vous prenez",
    " passe",
    " prend",
    "Deuxième tour",
    "atout ",
    "Vous",
    "Eux",
    "tierce",
    "cinquante",
    "cent",
    "carré",
    " annonce",
    "d'annonces",
    "à vous",
    "dix de der",
    "Égalité",
    "Vous perdez",
    "Vous gagnez",
    "Ils sont",
    "Vous êtes",
    "capots",
    "Belote",
    "Rebelote",
    "la partie",
    " montre",
    "son ",
    "sa ",
    "Les annonces",
    "s'annulent",
    "Avec annonces",
    "Sans annonces",
    " 7 8 9 V D R10 1",
    "Pique  CarreauTrèfle Cœur   ",
    "Belote",
    "Memo",
    "Quadrel",
    "Quitter",
    "Niveau",
    "Entrez votre nom",
    "Tableau des scores : niveau ",
    "Effacer les scores",
    "Retour",
    "Scores",
    "tableau",
    "Tableau des scores",
    "Entrez le nom de votre partie",
    "Ce nom existe déjà, recommencez",
    "Félicitations,",
    "vous avez terminé tous",
    "les tableaux du jeu.",
    "Effacer la partie",
    "Confirmez l'effacement de",
    "Dernier pli",
    "rien",
    "rien",
    "rien",
    "rien",
    "rien",
    "rien",
    "voix.fr",
};
static_assert(std::size(Liste) == Textes::Taille);
} // namespace

const Textes& textes_fixes() {
    static const Textes t = [] {
        Textes x;
        for (std::size_t i = 0; i < Textes::Taille; ++i) x[static_cast<Texte>(i)] = Liste[i];
        return x;
    }();
    return t;
}

namespace {
// The byte where UTF-8 character `n` begins (the end when there are fewer).
std::size_t octet(const std::string& texte, std::size_t n) {
    std::size_t i = 0;
    for (; i < texte.size() && n > 0; --n) i += longueur_utf8(texte, i);
    return i;
}
} // namespace

// Fields count characters, not bytes: the suits' names are accented.
std::string champ(const std::string& texte, int n, int largeur) {
    if (n < 1) return std::string();
    const std::size_t debut = octet(texte, static_cast<std::size_t>((n - 1) * largeur));
    if (debut >= texte.size()) return std::string();
    const std::size_t fin = debut + octet(texte.substr(debut), static_cast<std::size_t>(largeur));
    return texte.substr(debut, fin - debut);
}

std::string champ_nu(const std::string& texte, int n, int largeur) {
    return std::string(sansblancs(champ(texte, n, largeur), " "));
}

} // namespace tlv
