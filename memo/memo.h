#pragma once
// The Memo table: the game loop between the menu and the games, the flips, the clock and the keys.
#include "grille/choixpaire.h"
#include "grille/focusgrille.h"
#include "menumemo.h"
#include "platform/form.h"
#include "platform/minuterie.h"
#include "regles/plateau.h"
#include "shell/contexte.h"
#include "shell/pause.h"

namespace tlv::memo {

// What a click on the Memo table means now.
enum class EtatClicMemo {
    Libre, // no game loop waits: an activation prepares the table
    AttendPremiere,
    PremiereChoisie, // being turned: clicks are lost
    AttendSeconde,
    SecondeChoisie,
    Quitter,   // the menu said leave
    Nouvelle,  // the menu said new game
    MenuOuvert // until it closes, when the state before comes back
};

// The selected places `carte1` and `carte2` (colonne1/ligne1, colonne2/ligne2), the click state and the
// Menu label's highlight come with the pair's choice.
class Memo : public Form, public ChoixPaire<EtatClicMemo, Place> {
  public:
    explicit Memo(Contexte& ctx);

    bool partieencours = false;
    int temps = 0;
    // The level the board was dealt at: the game ranks, records and shows its scores there, whatever the
    // menu's arrows now show (a level chosen there waits for the next new game).
    int niveaupartie = 0;
    Plateau plateau;
    bool sortie = false;
    Minuterie tictac;  // the game clock, once a second
    FocusGrille focus; // where Entrée and Espace turn a card

    // The loop (returns when the player leaves) and its pieces.
    void joueramemo();
    ReponseMemo affichelemenu();
    void affichelesscores();
    void tableaudesscores();

    // Drawing (memo_dessin.cpp).
    void affichetapis();
    void affichepetit(bool surligne);
    void depose();
    void retourneoui(Place p);
    void retournenon(Place p);
    void affichetemps();
    // Waits `secondes` scaled by the Memo delay setting.
    void pause(float secondes);
    void monrefresh(int x, int y, int w, int h);
    // The cloth, the card sheet and the mask sheet, from the program folder.
    void chargeimages();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void MouseMove(int button, int shift, int x, int y) override;
    // The player leaving the window pauses a game whose clock runs: the clock holds under the notice.
    void fenetre(bool active) override;
    // The clock counts only while the table is on top (a dialog over it, the pause's notice).
    void recouvert(bool oui) override { tictac.suspend(oui); }
    void seconde_ecoulee();

    Contexte& ctx;

  private:
    void retourne(Place p, Point de, Point vers);
    // A card at `p` chosen by a click or a key.
    void choisitplace(Place p);
    // The Menu label clicked, or Échap, while a card is awaited.
    void ouvremenu();
    void montrefocus();
    // A new board laid out at the chosen level, the clock at zero.
    void nouvellepartie();
    // One try: two cards turned, then the pair taken or both turned back. What the player chose meanwhile:
    // Aucune to go on, Nouvelle, or Quitter when the game is left.
    ReponseMemo unessai();
    Surface tapis_;  // the clean table ("cartei01")
    Surface tampon_; // the card sheet ("cartei08")
    Surface masque_; // the mask sheet ("cartei07")
    Pause pause_;
};

} // namespace tlv::memo
