#pragma once
// The event loop: giving way to input and timers, the waits (for the player, for a time), and screens shown
// modally. Where input comes from and how time passes are its seams (`SourceEntrees`, `Horloge`).
#include <cstdint>

#include "condition.h"

namespace tlv {

class Audio;
class Calque;
class Horloge;
class Minuteries;
class PileCalques;
class Presentation;
class Routage;
class SourceEntrees;

struct PartiesBoucle {
    Horloge& horloge;
    SourceEntrees& source;
    Routage& routage;
    Presentation& presentation;
    Minuteries& minuteries;
    Audio& audio;
    PileCalques& pile;
};

class Boucle {
  public:
    explicit Boucle(const PartiesBoucle& p) : p_(p) {}

    // Gives way to pending input and due timers, then shows the frame. True when something was handled.
    bool doevents();
    // Blocks until the player does something (or a timer fires), then handles it. Never spins.
    void attend_joueur();
    // Waits until the clock reaches `echeance` (ms), handling events; stops early when `fini` says so.
    void attend_jusqua(std::int64_t echeance, Condition fini = {});
    // Waits at least `duree` ms (a pause), handling events; stops early when `fini` says so.
    void attend_pendant(int duree, Condition fini = {});
    // Shows the frame now, then waits at least 15 ms giving way to events.
    void monrefresh();
    // Shows a screen modally: returns when it hides. The one below is activated again unless told not to.
    void montre_modal(Calque& f, bool reactive_dessous = true);
    // Asks every wait to quit, as closing the window does.
    void demande_fin() { fin_demandee_ = true; }

  private:
    void attend_jusqua_us(std::int64_t echeance, Condition fini);
    // `ms` (-1: none) shortened to when the sound device should be closed.
    int delai(int ms);

    PartiesBoucle p_;
    bool retour_interne_ = false; // the last wait ended only for the platform's own timers
    bool fin_demandee_ = false;
};

} // namespace tlv
