#pragma once
// The Quadrel menu `menujong`, over the table: continue, new game, the saved games' selector (load one
// by its name), erase the selected game, the score table, back to the launcher.
#include <string>

#include "platform/form.h"
#include "regles/parties.h"
#include "shell/contexte.h"

namespace tlv::quadrel {

class Jong;

// What the player chose; none when the menu closed otherwise.
enum class ReponseJong { Aucune, Continuer, Nouvelle, Charger, Quitter };

class Menujong : public Form {
  public:
    Menujong(Contexte& ctx, Jong& jong);

    ReponseJong reponse = ReponseJong::Aucune;
    int survol = 0;  // hovered entry, 0..7
    int index = -1;  // selected saved game, -1 when there is none
    std::string nom; // its name

    // The entry under a point: 1, 2, 3 (the selector's arrows), 7 (the selected name), 4, 5, 6; 0 none.
    static int entreesous(int x, int y);

    void afmenujong(int h);
    void effacelapartie();
    std::string rendlenom(int i) const { return parties_.rendlenom(i); }
    std::string rendlepremiernom() const { return parties_.rendlepremiernom(); }

    void Form_Activate() override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;

    // Its actions, named: the mouse finds them under the pointer, the keys name them. Choosing entry 3
    // (or 7) loads the selected game.
    void choisit(int entree);
    // The selector's arrows (sens -1 or +1) go through the saved games; other entries have none.
    void fleche(int entree, int sens);
    // Back to the game in progress, as "Continuer", or else to the launcher.
    void retour();

  private:
    bool effacable() const;
    // Leaves the menu with this answer.
    void repond(ReponseJong r);
    void premier();
    Contexte& ctx_;
    Jong& jong_;
    Parties parties_;
    Surface fond_;
};

} // namespace tlv::quadrel
