#pragma once
// The mouse pointers: ours, drawn at the play area's scale, or the system's when colour cursors are refused.
#include "ressources_sdl.h"

namespace tlv {

enum class Curseur;

class Pointeurs {
  public:
    explicit Pointeurs(double echelle);
    void montre(Curseur c);
    Curseur actuel() const { return actuel_; }

  private:
    CurseurSdl curseurs_[3]; // by FormeCurseur
    Curseur actuel_;
};

} // namespace tlv
