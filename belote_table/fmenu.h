#pragma once
// The Belote menu `fmenu`, over the table: continue, new match, announcements, points to reach, the
// computer's levels (and the hidden deal editor), back to the launcher. Its answer is `reponse`.

#include <functional>

#include "belote/etat.h"
#include "shell/contexte.h"
#include "shell/menujeu.h"

namespace tlv::belote {

// What the menu and its levels screen share: the menu's picture drawn in the form's `zone` of the screen,
// then `lignes`, everything clipped to the zone.
void dessinecadre(Surface& ecran, Rect zone, const Surface& fond, const std::function<void()>& lignes);

// How the menu was left; `aucune` while it stays open.
enum class ReponseMenu { aucune, continuer, nouvelle, quitter };

class Fmenu : public MenuJeu {
  public:
    Fmenu(Contexte& ctx, const Surface& fond, bool partieencours, Paquet& paquet);

    void Form_Activate() override;
    // Line 5 opens the levels on a plain click and the deal editor on Shift+Alt+click; the others as every
    // menu's.
    void MouseDown(int button, int shift, int x, int y) override;

    void affmenu(int ligne);
    // The picture it was given, its boxes and lines, straight onto the screen: no copy of the picture.
    void dessine(Surface& ecran) override;
    // The line whose band holds the point, 0 when none.
    static int ligne_sous(int x, int y);

    ReponseMenu reponse = ReponseMenu::aucune;

  private:
    int bande_sous(int x, int y) const override { return ligne_sous(x, y); }
    void surligne(int ligne) override { affmenu(ligne); }
    void dessinelignes(Surface& ecran);
    void editeur();
    // The computer's levels' screen.
    void niveaux();
    // Leaves the menu with this answer.
    void repond(ReponseMenu r);
    Contexte& ctx_;
    const Surface& fond_;
    bool partieencours_;
    Paquet& paquet_;
    int allumee_ = 0; // the highlighted line
};

} // namespace tlv::belote
