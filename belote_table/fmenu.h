#pragma once
// The Belote menu `fmenu`, over the table: continue, new match, announcements, points to reach, the hidden
// deal editor, back to the launcher. Its answer is `reponse`.

#include "belote/etat.h"
#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv::belote {

// How the menu was left; `aucune` while it stays open.
enum class ReponseMenu { aucune, continuer, nouvelle, quitter };

class Fmenu : public Form {
  public:
    Fmenu(Contexte& ctx, const Surface& fond, bool partieencours, Paquet& paquet);

    void Form_Activate() override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void Form_KeyDown(Touche code, int shift) override;

    // Its actions, named: the mouse finds them under the pointer, the keys name them.
    void choisit(int ligne);
    // Line 4's arrows (sens -1 or +1) set the match's points; other lines have none.
    void fleche(int ligne, int sens);
    // Back to the match in progress, as "Continuer", or else to the launcher.
    void retour();

    void affmenu(int ligne);
    // The picture it was given, its boxes and lines, straight onto the screen: no copy of the picture.
    void dessine(Surface& ecran) override;
    // The line whose band holds the point, 0 when none.
    static int ligne_sous(int x, int y);

    ReponseMenu reponse = ReponseMenu::aucune;
    int survol = 0;

  private:
    // Line 5, the deal editor: with Shift+Alt only.
    void editeur();
    // Leaves the menu with this answer.
    void repond(ReponseMenu r);
    Contexte& ctx_;
    const Surface& fond_;
    bool partieencours_;
    Paquet& paquet_;
    int allumee_ = 0; // the highlighted line
};

} // namespace tlv::belote
