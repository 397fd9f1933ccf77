#pragma once
// The input seam: where the loop takes the player's input from. The real one reads SDL's events
// (`SourceSdl`); the robot plays a script on the virtual clock (`Robot`). Both hand `Entree`s to a
// `Destinataire`, the platform's routing.
#include <cstdint>

namespace tlv {

class Calque;
struct Entree;

class Destinataire {
  public:
    virtual void recoit(const Entree& e) = 0;

  protected:
    ~Destinataire() = default;
};

// How long the player's turn may wait (ms, -1: no limit): asked only by a source that really waits.
class Delai {
  public:
    virtual int ms() const = 0;

  protected:
    ~Delai() = default;
};

class SourceEntrees {
  public:
    virtual ~SourceEntrees() = default;
    // Hands every input pending now to `d`; true when there was some.
    virtual bool releve(Destinataire& d) = 0;
    // Waits up to `delai_ms` (-1: no limit) for one input and hands it to `d`; true when one came.
    virtual bool attend(int delai_ms, Destinataire& d) = 0;
    // The player's turn with nothing pending. A script plays its next commands here instead of waiting.
    virtual bool tour_du_joueur(const Delai& delai, Destinataire& d) { return attend(delai.ms(), d); }

    // The times a timed wait must stop at whatever the program does (-1: none), and taking what is due then.
    virtual std::int64_t prochaine_echeance() const { return -1; }
    virtual void echeances_dues() {}
    // The virtual clock is about to jump to `ms`.
    virtual void avant_saut(std::int64_t ms) { (void)ms; }
    // A screen comes up modally.
    virtual void ecran_montre(const Calque& c) { (void)c; }
};

} // namespace tlv
