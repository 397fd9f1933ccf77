#pragma once
// A game paused while the player is away from the window (its focus gone, minimised or hidden): its table,
// no card face in sight, under a notice that waits for a click or a key, which does nothing else.
#include "platform/form.h"

namespace tlv {

struct Reglages;

class AvisPause final : public Form {
  public:
    // `table`: the table's picture with its board (`plateau`, play-area pixels) cleared of every card.
    AvisPause(Plateforme& pf, const Reglages& r, const Surface& table, const Rect& plateau);
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;
};

// The notice of a game's table, shown once however many times the window says the player left.
class Pause {
  public:
    Pause(Plateforme& pf, const Reglages& r) : pf_(pf), r_(r) {}
    // Shows the notice modally until a click or a key; the keys every screen shares wait meanwhile. Nothing
    // when it is up already.
    void montre(const Surface& table, const Rect& plateau);

  private:
    Plateforme& pf_;
    const Reglages& r_;
    bool montree_ = false;
};

} // namespace tlv
