#pragma once
// What the three games' menus share: six bands of 60 pixels over the table, between x 80 and 560; a table
// of lines saying which can be chosen now, what choosing does and which have arrows at their ends. The
// mouse finds a line under the pointer, the keys name it; each game draws its own picture.
#include <array>
#include <functional>

#include "platform/form.h"

namespace tlv {

struct Reglages;

class MenuJeu : public Form {
  public:
    // Top of each line's band (lines 1..6).
    static constexpr int Haut[7] = {0, 35, 105, 175, 245, 315, 385};
    static constexpr int Bande = 60;

    struct Ligne {
        std::function<bool()> active;         // can be chosen now (absent: never, the keys skip it)
        std::function<void()> choisit;        // absent: choosing it does nothing
        std::function<void(int sens)> fleche; // its arrows (sens -1 or +1); absent: it has none
    };

    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;

    // Its actions, named: the mouse finds them under the pointer, the keys name them.
    void choisit(int ligne);
    void fleche(int ligne, int sens);
    // Back to the game in progress, as line 1 does, or else to the launcher (line 6).
    void retour();

    int survol = 0; // the highlighted line, 0 none

  protected:
    using Form::Form;
    // The line under a point, 0 outside every band: each menu keeps its own edges.
    virtual int bande_sous(int x, int y) const = 0;
    // The line shown highlighted now (0: none).
    virtual void surligne(int ligne) = 0;
    // The line that a hit elsewhere in a band stands for (the Quadrel selector's name is its line 3).
    virtual int ligne_de(int ligne) const { return ligne; }
    // The menu's answer sound, then it closes.
    void ferme(Reglages& r);

    std::array<Ligne, 7> lignes_{}; // 1..6
};

} // namespace tlv
