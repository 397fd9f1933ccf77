#pragma once
// A recorded deal told again step by step: the bidding on the first five cards, the whole hands once the
// rest is dealt, then the table after each card. Every step is worked out from the record alone, so that
// stepping back is only asking for the step before.
#include <array>

#include "belote/recit.h"

namespace tlv::belote {

enum class Moment {
    encheres, // the first five cards, the turned card in the middle, one round of bids
    mains,    // the rest dealt: the whole hands, the contract
    carte,    // a card just played
};

struct Position {
    Moment moment = Moment::encheres;
    std::array<Main, 5> mains{};    // what each seat still holds, 0 where a card was played
    std::array<int, 5> pli{};       // the cards of the trick under way, by seat, 0 for none yet
    int retournee = 0;              // the turned card, in the middle while the seats bid
    int tour = 0;                   // the round of bids (1 or 2)
    int premiere = 0, nombre = 0;   // its bids: `nombre` of the record's, from the `premiere`
    int joueur = 0, carte = 0;      // the card just played and its seat
    int numpli = 0, numcarte = 0;   // the trick (1..8) and the card's place in it (1..4)
    int gagnant = 0;                // who takes the trick, once its fourth card is down
    const Raison* raison = nullptr; // why the card was played, from the record
};

class Relecture {
  public:
    explicit Relecture(const Recit& r) : r_(r) {}
    // How many steps the deal has: each round of bids, the whole hands, then one for each card played.
    int etapes() const { return tours() + 1 + static_cast<int>(r_.cartes.size()); }
    // The rounds of bids: a second when nobody took in the first.
    int tours() const { return static_cast<int>(r_.encheres.size()) > premiertour() ? 2 : 1; }
    // Step `i`, within 0 .. etapes() - 1 (kept inside).
    Position position(int i) const;
    const Recit& recit() const { return r_; }

  private:
    // The bids of the first round: up to the first taker, all four when everyone passed.
    int premiertour() const;
    const Recit& r_;
};

} // namespace tlv::belote
