#pragma once
// The timers enabled in the program, fired by the loop when their time comes.
#include <cstdint>
#include <vector>

namespace tlv {

// What the loop asks of a timer (`Minuterie`).
class Declenchable {
  public:
    virtual bool active() const = 0;
    virtual std::int64_t echeance() const = 0;
    // The platform's own timers (a clip) do not wake the program's waits.
    virtual bool interne() const = 0;
    // Nothing to show: neither fires nor wakes the program.
    virtual bool inutile() const = 0;
    virtual void declenche(std::int64_t maintenant) = 0;

  protected:
    ~Declenchable() = default;
};

class Minuteries {
  public:
    void enregistre(Declenchable* m) { liste_.push_back(m); }
    void retire(Declenchable* m);
    // Earliest deadline of an enabled timer, or -1.
    std::int64_t prochaine() const;
    // Fires the timers due at `maintenant`; true when one of the program's (not the platform's own) fired.
    bool declenche(std::int64_t maintenant);

  private:
    std::vector<Declenchable*> liste_;
};

} // namespace tlv
