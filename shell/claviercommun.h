#pragma once
// The keys every screen shares while the launcher or a game runs, whatever screen is on top (a menu, the
// scores, the help, a message box): F5 the game's timing dialog when it has one, F6 the volume control,
// F7 effects and voices, F8 music, restarting the tune of the launcher or game being played.
#include <functional>
#include <memory>
#include <string>

#include "contexte.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/routage.h"
#include "tempo.h"

namespace tlv {

class ClavierCommun {
  public:
    using Dialogue = std::function<std::unique_ptr<DialogueTempo>(Plateforme&, Reglages&)>;
    // Installed on the platform from here on; `dialogue` is empty for a game without one.
    ClavierCommun(Contexte& ctx, std::string musique, Dialogue dialogue = {});
    // The keys of the screen it covered come back.
    ~ClavierCommun();
    ClavierCommun(const ClavierCommun&) = delete;
    ClavierCommun& operator=(const ClavierCommun&) = delete;

    // True when the key was one of them (F5 is not, for a game without a dialog).
    bool touche(Touche code);

  private:
    Contexte& ctx_;
    std::string musique_;
    Dialogue dialogue_;
    bool dialogue_ouvert_ = false; // F5 inside its own dialog opens no second one
    TouchesCommunes avant_;
};

} // namespace tlv
