#pragma once
// A timer control: calls its action every `intervalle` ms while enabled, from the event loop.
#include <cstdint>
#include <functional>

#include "minuteries.h"

namespace tlv {

class Plateforme;

class Minuterie final : public Declenchable {
  public:
    Minuterie(Plateforme& pf, int intervalle_ms, std::function<void()> action);
    ~Minuterie();
    Minuterie(const Minuterie&) = delete;
    Minuterie& operator=(const Minuterie&) = delete;

    void active(bool oui);
    // Fires: enabled and not suspended.
    bool active() const override { return actif_ && !suspendue_; }
    // Enabled by its owner, suspended or not.
    bool armee() const { return actif_; }
    // Suspended, it keeps the time left to its next call and goes on from there when resumed: a game clock
    // held while the player cannot play counts only the time played. Apart from enabling.
    void suspend(bool oui);
    void intervalle(int ms) { intervalle_ = ms > 0 ? ms : 1; }
    // The platform's own timers (a clip) do not wake the program's waits nor redraw the whole screen.
    void interne(bool oui) { interne_ = oui; }
    bool interne() const override { return interne_; }
    // A platform timer with nothing to show (its picture covered) neither fires nor wakes the program.
    void inutile_si(std::function<bool()> f) { inutile_ = std::move(f); }
    bool inutile() const override { return inutile_ && inutile_(); }

    // For the loop.
    std::int64_t echeance() const override { return echeance_; }
    void declenche(std::int64_t maintenant) override;

  private:
    Plateforme& pf_;
    int intervalle_;
    std::function<void()> action_;
    std::function<bool()> inutile_;
    bool actif_ = false;
    bool en_cours_ = false;
    bool interne_ = false;
    bool suspendue_ = false;
    std::int64_t echeance_ = 0;
    std::int64_t reste_ = 0; // suspended: ms from the resumption to the next call
};

} // namespace tlv
