#pragma once
// The end of a game whose time does not rank: the time, and that it stays out of the table, in the box
// the name entry of a ranked time uses, until a click.
#include <string>

#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv::memo {

// "Partie terminée en 1 250 secondes": thousands apart, "seconde" for 0 and 1.
std::string textefin(int temps);
// "Ce temps n’entre pas au tableau du niveau 4x4."
std::string textehorstableau(int niveau);

class Finmemo : public Form {
  public:
    static constexpr int Largeur = 400, Hauteur = 100;
    // The black band of the background, under the title.
    static constexpr Rect Bande{5, 40, 390, 48};

    Finmemo(Contexte& ctx, int temps, int niveau);

    // Any button or Enter, Escape, Space closes it.
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;
};

// Shows the box modally and returns once the player has clicked.
void affichefin(Contexte& ctx, int temps, int niveau);

} // namespace tlv::memo
