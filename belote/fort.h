#pragma once
// The "Fort" level: at each decision the seat samples complete deals consistent with what it may know
// (its own hand, the cards played, the turned card in the taker's hand, the announcements shown, and what
// the play has shown: a seat that did not follow has none of that suit, a seat that did not overtrump when
// it had to holds no higher trump), plays each legal choice out in every sample and keeps the best expected
// result for its side. It never reads a hidden card. Its samples come from a source seeded by what the seat
// sees, so the same situation always gives the same decision and the match's own random source is never
// drawn from (a saved match plays again the same, the simulator's mirrored matches deal the same cards).
#include "belote/belote.h"
#include "belote/choix.h"

namespace tlv::belote {

// How many deals a decision imagines: fixed, never adapted to the machine's speed, so that a decision is the
// same everywhere. The defaults are the game's; a test may ask for fewer.
struct BudgetFort {
    int carte = 64;
    int enchere = 96;
};

// The card the seat plays now, as `choisitcarte` returns it (slot, belote check, rule). Writes the seat's
// own signal and no-trump mark as the rule list does, nothing else of `b`.
Choix cartefort(Belote& b, int joueur, const BudgetFort& budget = {});
// The first-round bid on the turned card's suit: prise := 1 when the seat takes. Returns the rule.
Motif premiertourfort(Belote& b, int joueur, const BudgetFort& budget = {});
// The second-round bid: prise, and atout when it takes, as `evaluesecondtour` writes them.
Motif secondtourfort(Belote& b, int joueur, const BudgetFort& budget = {});

} // namespace tlv::belote
