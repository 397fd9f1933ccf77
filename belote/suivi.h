#pragma once
// Events of a match, for the journal and the simulator. Every event does nothing by default.
#include <array>
#include <cstdint>

namespace tlv::belote {

class Suivi {
  public:
    virtual ~Suivi() = default;
    virtual void partie(int /*numero*/) {}
    virtual void donne(int /*numero*/, int /*donneur*/, int /*retournee*/) {}
    virtual void prise(int /*preneur*/, int /*atout*/) {}
    virtual void annonces(int /*nous*/, int /*eux*/, int /*meilleur*/) {}
    virtual void pli(int /*numpli*/, const std::array<std::int16_t, 5>& /*cartes*/, int /*gagnant*/,
                     int /*nous*/, int /*eux*/) {}
    virtual void fin(int /*nous*/, int /*eux*/, int /*totalnous*/, int /*totaleux*/, int /*reserve*/) {}
    virtual void resultat(int /*totalnous*/, int /*totaleux*/) {}
    // A computer seat chose a card the rules refuse.
    virtual void illegale(int /*joueur*/, int /*carte*/, int /*numpli*/) {}
};

} // namespace tlv::belote
