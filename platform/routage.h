#pragma once
// Where the player's input goes: the keys the window keeps (F11, Alt+Entrée), then the keys every screen
// shares, then the top screen. Input pushed by a script or a test waits in a queue for the next giving way.
#include <deque>
#include <functional>

#include "entrees.h"
#include "source_entrees.h"

namespace tlv {

class PileCalques;
class Presentation;

// The keys every screen shares, asked before the top screen sees a key: true when they took it.
struct TouchesCommunes : std::function<bool(Touche code, int maj)> {
    using function::function;
};

class Routage final : public Destinataire {
  public:
    Routage(const PileCalques& pile, Presentation& presentation) : pile_(pile), presentation_(presentation) {}

    // Throws Quitter for the window closing.
    void recoit(const Entree& e) override;
    void pousse(const Entree& e) { file_.push_back(e); }
    // Delivers the queued input; true when there was some.
    bool vide_file();

    // Returns the ones replaced, for whoever installed these to put back.
    TouchesCommunes installe_touches_communes(TouchesCommunes t);
    // The player's last input came from the keys, not the mouse.
    bool clavier() const { return clavier_; }
    // The window has the player's attention: no `Fenetre` input has said it lost it since it last came back.
    bool fenetre_active() const { return fenetre_active_; }

  private:
    // F11 or Alt+Entrée: switches, and the key goes no further.
    bool touche_fenetre(const Entree& e);
    // Tells every screen shown that the window lost the player's attention or got it back.
    void fenetre(bool active);

    const PileCalques& pile_;
    Presentation& presentation_;
    std::deque<Entree> file_;
    TouchesCommunes touches_communes_;
    bool clavier_ = false;
    bool fenetre_active_ = true;
};

} // namespace tlv
