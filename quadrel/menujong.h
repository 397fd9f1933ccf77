#pragma once
// The Quadrel menu `menujong`, over the table: continue, new game, the saved games' selector (load one
// by its name), erase the selected game, the score table, back to the launcher.
#include <functional>
#include <string>

#include "regles/parties.h"
#include "shell/contexte.h"
#include "shell/menujeu.h"

namespace tlv::quadrel {

// What the player chose; none when the menu closed otherwise.
enum class ReponseJong { Aucune, Continuer, Nouvelle, Charger, Quitter };

class Menujong : public MenuJeu {
  public:
    // `montrescores` shows the score table over the menu.
    Menujong(Contexte& ctx, bool partieencours, std::function<void()> montrescores);

    ReponseJong reponse = ReponseJong::Aucune;
    int index = -1;  // selected saved game, -1 when there is none
    std::string nom; // its name: the game to load when the answer is `Charger`

    // The entry under a point: 1, 2, 3 (the selector's arrows), 7 (the selected name), 4, 5, 6; 0 none.
    static int entreesous(int x, int y);

    void afmenujong(int h);
    void effacelapartie();
    std::string rendlenom(int i) const { return parties_.rendlenom(i); }
    std::string rendlepremiernom() const { return parties_.rendlepremiernom(); }

    void Form_Activate() override;

  private:
    int bande_sous(int x, int y) const override { return entreesous(x, y); }
    void surligne(int entree) override { afmenujong(entree); }
    // The selector's name (7) is its line 3.
    int ligne_de(int entree) const override { return entree == 7 ? 3 : entree; }
    bool effacable() const;
    // Line 3 loads the selected game; its arrows go through the saved games.
    void charge();
    void parcourt(int sens);
    void efface();
    void scores();
    // Leaves the menu with this answer.
    void repond(ReponseJong r);
    void premier();
    Contexte& ctx_;
    bool partieencours_;
    std::function<void()> scores_;
    Parties parties_;
    Surface fond_;
};

} // namespace tlv::quadrel
