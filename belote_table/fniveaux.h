#pragma once
// The computer's levels, opened from line 5 of the Belote menu, over the menu's picture: the partner's level
// (line 3) and the opponents' (line 4), each turned by its arrows, Gauche and Droite, a click or Entrée
// through Classique, Fort and Débutant, and "Retour" (line 6, or Échap). Each change goes to the settings and
// to "tlvniveaux.ini" at once; a match in progress keeps the levels it started with.
#include <string>
#include <string_view>

#include "belote/niveau.h"
#include "shell/contexte.h"
#include "shell/menujeu.h"

namespace tlv::belote {

// The level's name as the player reads it: "Classique", "Fort", "Débutant".
std::string_view libelleniveau(Niveau n);
// The level a settings word stands for; an unknown word is the default.
Niveau niveaudumot(std::string_view mot);

class Fniveaux : public MenuJeu {
  public:
    Fniveaux(Contexte& ctx, const Surface& fond);

    void Form_Activate() override;
    void dessine(Surface& ecran) override;

  private:
    int bande_sous(int x, int y) const override;
    void surligne(int ligne) override;
    // The level in `mot` turned one step (sens -1 or +1) through Classique, Fort, Débutant.
    void tourne(std::string& mot, int sens);
    Contexte& ctx_;
    const Surface& fond_;
    int allumee_ = 0; // the highlighted line
};

} // namespace tlv::belote
