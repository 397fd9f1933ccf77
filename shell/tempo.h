#pragma once
// The timing dialogs opened with F5: `tempo_belote` (Belote delay) and `Test` (Memo delay). A scroll bar over a
// scale of seconds and "&Retour"; closing the dialog in any way stores the value.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controles.h"
#include "platform/form.h"

namespace tlv {

struct Reglages;

class DialogueTempo : public Form {
  public:
    DialogueTempo(Plateforme& pf, std::string titre, int min, int max, std::vector<std::string> echelle,
                  std::function<int()> valeur_initiale, std::function<void(int)> enregistre);
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;

    BarreHorizontale barre;
    Bouton boutonretour;

  private:
    void dessine_fond();
    std::vector<std::string> echelle_;
    std::function<int()> valeur_initiale_;
    std::function<void(int)> enregistre_;
};

// The two dialogs over the shared settings; the caller loads, shows and unloads them.
std::unique_ptr<DialogueTempo> tempo_belote(Plateforme& pf, Reglages& r);
std::unique_ptr<DialogueTempo> tempo_memo(Plateforme& pf, Reglages& r);
// F5: load the dialog, show it modally, unload it.
void ouvre_dialogue(Plateforme& pf, DialogueTempo& d);

} // namespace tlv
