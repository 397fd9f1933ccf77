#pragma once
// The player's input as SDL delivers it, in our own vocabulary; the window's own events go to the
// presentation, and the player leaving it or coming back goes on as input too (`Entree::Type::Fenetre`).
#include "source_entrees.h"

namespace tlv {

class Presentation;

class SourceSdl final : public SourceEntrees {
  public:
    explicit SourceSdl(Presentation& p) : presentation_(p) {}
    bool releve(Destinataire& d) override;
    bool attend(int delai_ms, Destinataire& d) override;

  private:
    Presentation& presentation_;
};

} // namespace tlv
