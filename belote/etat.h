#pragma once
// The shared Belote state, grouped by lifetime. Index 0 of seat, slot and trick tables is never used, so the
// indices read as the rules count them (seats 1..4, slots 1..8, tricks 1..8).
#include <array>
#include <cstdint>
#include <string>

namespace tlv::belote {

using Main = std::array<std::int16_t, 9>; // one hand, slots 1..8

// The tables of one deal and the match totals.
struct TableBelote {
    std::array<Main, 5> jeu{};    // [seat][slot] card codes, 0 = empty
    std::array<Main, 5> valeur{}; // [seat][slot] points, kept after the card is played
    std::array<std::array<std::int16_t, 5>, 9> cartesjouees{}; // [trick][seat]
    std::array<std::int16_t, 9> liste{};      // scratch by slot; liste[6] = turned card while bidding
    std::array<std::int16_t, 5> appel{};      // suit signalled by the seat's last discard
    std::array<std::int16_t, 5> plusdatout{}; // 1 once the seat is known to hold no trump
    std::int16_t donneur = 1, preneur = 0, atout = 1;
    std::int16_t numpli = 0, numcarte = 0, maitre = 0, cartemaitre = 0;
    std::int16_t couleurdemandee = 0; // suit led in the current trick, 0 before its first card
    std::int16_t pointsnous = 0, pointseux = 0, plinous = 0, plieux = 0;
    std::int16_t totalnous = 0, totaleux = 0;
    std::int16_t compteurbelote = 0;
    std::int16_t prise = 0; // result of the last bidding evaluation
    bool partieencours = false;
    bool operator==(const TableBelote&) const = default;
};

// Announcements found in the hands. The card lists keep their codes; a previous deal's lists may linger,
// readers look at them only through the lengths.
struct Annonces {
    std::array<std::array<std::int16_t, 9>, 5> annonce1{}, annonce2{}, annoncecarre{};
    std::array<std::int16_t, 5> longueur1{}, longueur2{}, nbcarre{};
    std::array<std::int16_t, 9> valannonce{};
    std::int16_t meilleurannonceur = 0;
};

// The pack: shuffled once per match, then rebuilt from the gathered tricks and cut.
struct Paquet {
    std::array<std::int16_t, 33> paquet{};
    std::int16_t positionpaquet = 1;
    bool premieredonne = true;
    std::array<std::array<bool, 5>, 8> cartestirees{}; // [rank][suit] drawn during a random deal
    std::string fauxjeu;                               // 64 digits: a rigged first deal
    bool avecfauxjeu = false;
    std::int16_t donneurfauxjeu = 1;
};

// What the table screen keeps for the rules.
struct EtatEcran {
    int arret = 0; // 0 playing; 1 new match asked; 2 leaving, or the match ended
    bool finpartie = false;
    std::int16_t reserve = 0;
    std::int16_t belotenous = 0, beloteeux = 0;
    std::array<std::int16_t, 5> pli{};              // cards of the current trick by seat
    std::array<std::int16_t, 5> cartesdernierpli{}; // cards of the last gathered trick by seat
};

} // namespace tlv::belote
