#pragma once
// The match in progress as a file of our own: the random source's state when it began, its options and
// every answer Sud gave since. The rules being exact, playing those answers again from that state brings
// the match back to the very point it was saved at, deals to come included.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "belote/niveau.h"

namespace tlv::belote {

// Where a saved match stands: Sud awaited (a bid or a card), or a deal about to be dealt.
enum class Point { sud, donne };

// The options as the menu left them at the end of the `appel`-th call the rules made on the table in this
// match (counted from 1): the menu opens inside those calls only.
struct Option {
    long appel = 0;
    bool avecannonces = true;
    int partieen = 1000;
    bool operator==(const Option&) const = default;
};

struct Sauvegarde {
    std::uint64_t graine = 0; // the random source's state as the match began
    int partieen = 1000;
    bool avecannonces = true;
    // The computer's levels the match began with: the partner's (Nord), the opponents' (Est and Ouest).
    Niveau partenaire = Niveau::classique, adversaires = Niveau::classique;
    std::string fauxjeu; // a rigged first deal ("" when none), and its dealer
    int donneurfauxjeu = 0;
    int numeropartie = 1;
    std::vector<int> reponses;   // Sud's answers in order: bidding lines and slots, refused cards included
    std::vector<Option> options; // the options changed in the menu during the match, where
    Point point = Point::sud;
    int numerodonne = 0;       // the deal under way (Point::donne: the one about to be dealt)
    std::uint64_t journal = 0; // the journal's length when saved, so that a resumed run repeats no line
    bool operator==(const Sauvegarde&) const = default;
};

// The file's name in the score folder, and where a damaged one is set aside.
inline constexpr const char* FichierPartie = "tlvbelote.partie";
inline constexpr const char* FichierPartieAbimee = "tlvbelote.partie.abimee";

// The file's text: a version line, one line per field, and a check line over all of them.
std::string ecritsauvegarde(const Sauvegarde& s);
// Reads it back; nothing for a file that is not one whole and intact.
std::optional<Sauvegarde> litsauvegarde(const std::vector<std::string>& lignes);

} // namespace tlv::belote
