#pragma once
// The Memo menu, over the table: continue, new game, scores, level, back to the launcher.
#include <string>

#include "platform/form.h"

namespace tlv::memo {

class Memo;

// What the player chose; none when the menu closed otherwise.
enum class ReponseMemo { Aucune, Continuer, Nouvelle, Quitter };

class Menumemo : public Form {
  public:
    explicit Menumemo(Memo& memo);

    ReponseMemo reponse = ReponseMemo::Aucune;
    int survol = 0; // the highlighted entry 0..6

    // The entry (1..6) under a point, 0 outside every band.
    static int entreesous(int x, int y);
    void afmenumemo(int h);

    void Form_Activate() override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;

    // Its actions, named: the mouse finds them under the pointer, the keys name them.
    void choisit(int entree);
    // Entry 4's arrows (sens -1 or +1) set the level; other entries have none.
    void fleche(int entree, int sens);
    // Back to the game in progress, as "Continuer", or else to the launcher.
    void retour();

  private:
    // Leaves the menu with this answer.
    void repond(ReponseMemo r);
    std::string texteentree(int e) const;
    Memo& memo_;
    Surface fond_; // "cartei04" as loaded
};

} // namespace tlv::memo
