#pragma once
// The Memo menu, over the table: continue, new game, scores, level, back to the launcher.
#include <functional>
#include <string>

#include "shell/contexte.h"
#include "shell/menujeu.h"

namespace tlv::memo {

// What the player chose; none when the menu closed otherwise.
enum class ReponseMemo { Aucune, Continuer, Nouvelle, Quitter };

class Menumemo : public MenuJeu {
  public:
    // `montrescores` shows the score table over the menu.
    Menumemo(Contexte& ctx, bool partieencours, std::function<void()> montrescores);

    ReponseMemo reponse = ReponseMemo::Aucune;

    // The entry (1..6) under a point, 0 outside every band.
    static int entreesous(int x, int y);
    void afmenumemo(int h);

    void Form_Activate() override;

  private:
    int bande_sous(int x, int y) const override { return entreesous(x, y); }
    void surligne(int entree) override { afmenumemo(entree); }
    void scores();
    // Leaves the menu with this answer.
    void repond(ReponseMemo r);
    std::string texteentree(int e) const;
    Contexte& ctx_;
    bool partieencours_;
    std::function<void()> scores_;
    Surface fond_; // "cartei04" as loaded
};

} // namespace tlv::memo
