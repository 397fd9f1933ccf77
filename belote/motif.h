#pragma once
// Why a bid or a card was chosen: one value per rule of the computer's lists, so that every decision can be
// told, traced and tested. `joueur` marks the human's own choice, which has no rule.
#include <string_view>

namespace tlv::belote {

enum class Motif {
    joueur,
    // Bidding, on the five cards and the turned card, for one suit.
    prend_quatre,     // four cards of the suit or more
    prend_valet_neuf, // two or three with the Valet and the 9
    prend_valet_as,   // three with the Valet and an As
    prend_neuf_as,    // three with the 9 and an As
    passe_seule,      // one card of the suit or none
    passe_deux,       // two without both the Valet and the 9
    passe_trois,      // three without two of Valet, 9 and As
    passe_second,     // second round: no other suit qualifies
    // Leads of the taker's side in trump.
    entame_atout_valet,
    entame_atout_neuf, // the Valet gone
    entame_atout_as,   // the Valet and the 9 gone
    entame_atout_dix,  // the Valet, the 9 and the As gone
    entame_petit_atout,
    // Plain leads.
    entame_appel, // the partner's signal, followed on a draw of 4 or 5 out of 5
    entame_as,
    entame_dix, // its As gone
    entame_petite,
    entame_valet,
    entame_dame,
    entame_roi,
    entame_couleur, // the first card that is not a trump
    entame_atout,   // nothing but trumps left
    // Following a plain suit.
    fournit_sous_coupe, // an opponent has trumped: the lowest
    fournit_as,
    fournit_dix, // its As gone
    fournit_second,
    fournit_monte,
    fournit_petite,
    // Trumps: led, or cutting.
    atout_maitre,     // the taker's side on a trump lead holds the master trump
    surcoupe_econome, // the lowest trump over the winning one, below the 9
    surcoupe,         // only the 9 or the Valet beats it
    atout_petit,      // the lowest trump below the 9
    atout_gros,       // only the 9 or the Valet left in trump
    // Discards.
    defausse_dix,   // a 10 on the partner's trick
    defausse_appel, // a signal of the As (or 10) of the sister suit
    defausse_moins_chere,
    defausse_atout, // nothing but trumps to give
    // The Fort level: the best result on average over the deals the seat may imagine.
    fort_carte,
    fort_prend,
    fort_passe,
    // The "Débutant" level: the card the rules would play if their first choice were not in the hand.
    debutant,
};

// The identifier the traces and the robot print.
std::string_view identifiant(Motif m);

} // namespace tlv::belote
