#pragma once
// What the deal editor holds: the 33 deal slots and the pack's 32 cards, with the rules of placing,
// removing and the dealer's "NON" slot. Pure, so that it can be tested without a screen.
#include <array>
#include <string>

namespace tlv::belote {

class Composition {
  public:
    // The slot that stays empty, the dealer's "NON": not a card code.
    static constexpr int Non = -1;

    // The editor as it opens: rebuilt from a validated deal, or empty.
    void charge(const std::string& fauxjeu, int donneurfauxjeu);
    // A card of the pack (suit 1..4, rank digit 0..7) goes to the first free slot of the selected group.
    void place(int couleur, int rang);
    // A placed card goes back to the pack.
    void retire(int i);
    // A new dealer (0..3): the "NON" marker moves to the third rest slot of the seat after it.
    void changedonneur(int i);
    // Every card back to the pack.
    void videtout();
    // Valider: the deal when every card is placed, else "" (nothing happens).
    std::string valide();

    // The 64 digits of the deal, in the order the rigged deal is dealt.
    std::string fabriquefauxjeu(int donneurfauxjeu) const;
    void remetcarteenplace(const std::string& fauxjeu, int donneurfauxjeu);
    bool complete() const;

    std::array<int, 33> carte{};                 // card codes; 0 an empty slot, `Non` the dealer's
    std::array<std::array<bool, 8>, 5> placee{}; // [suit][rank]: the card stands in a slot
    int joueurchoix = 0;                         // the group the next card goes to, 0..8
    int donneur = 0;                             // the dealer, 0..3

  private:
    // Whether the card stands in a slot.
    bool& placee_de(int code);
    void place_non();
    // Slot of card k (1..32) of the deal for a dealer.
    static int slot_de(int k, int donneur);
};

} // namespace tlv::belote
