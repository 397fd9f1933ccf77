#pragma once
// Events of a match, for the journal and the simulator. Every event does nothing by default.
#include <array>
#include <cstdint>

#include "belote/etat.h"
#include "belote/raisons.h"

namespace tlv::belote {

class Suivi {
  public:
    virtual ~Suivi() = default;
    virtual void partie(int /*numero*/) {}
    virtual void donne(int /*numero*/, int /*donneur*/, int /*retournee*/) {}
    virtual void prise(int /*preneur*/, int /*atout*/) {}
    // The first half dealt (slots 1..5, the turned card in slot 6 of the seat after the dealer), then the
    // whole hands once the rest is dealt and sorted.
    virtual void distribution(const std::array<Main, 5>& /*jeu*/) {}
    virtual void mains(const std::array<Main, 5>& /*jeu*/) {}
    // Whether the events below want their sentence: telling costs, a silent run skips it.
    virtual bool raisons() const { return false; }
    // Each bid (`couleur` the suit taken, 0 for a pass) and each card as it is chosen, with its reason.
    virtual void enchere(int /*joueur*/, int /*couleur*/, const Raison& /*raison*/) {}
    virtual void carte(int /*joueur*/, int /*carte*/, const Raison& /*raison*/) {}
    virtual void annonces(int /*nous*/, int /*eux*/, int /*meilleur*/) {}
    virtual void pli(int /*numpli*/, const std::array<std::int16_t, 5>& /*cartes*/, int /*gagnant*/,
                     int /*nous*/, int /*eux*/) {}
    virtual void fin(int /*nous*/, int /*eux*/, int /*totalnous*/, int /*totaleux*/, int /*reserve*/) {}
    virtual void resultat(int /*totalnous*/, int /*totaleux*/) {}
    // A computer seat chose a card the rules refuse.
    virtual void illegale(int /*joueur*/, int /*carte*/, int /*numpli*/) {}
};

} // namespace tlv::belote
