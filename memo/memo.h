#pragma once
// The Memo table: the game loop between the menu and the games, the flips, the clock and the keys.
#include <string>

#include "plateau.h"
#include "platform/form.h"
#include "platform/minuterie.h"
#include "shell/contexte.h"

namespace tlv {

class Memo : public Form {
  public:
    explicit Memo(Contexte& ctx);

    // What a click means now: 0 no loop waiting, 1/3 waiting for the first/second card, 2/4 chosen,
    // 9 leave, 10 new game, -1 the menu is open.
    int etatclic = 0;
    bool partieencours = false;
    int temps = 0;
    // The level the board was dealt at: the game ranks, records and shows its scores there, whatever the
    // menu's arrows now show (a level chosen there waits for the next new game).
    int niveaupartie = 0;
    Plateau plateau;
    Place carte1, carte2; // colonne1/ligne1, colonne2/ligne2
    bool sortie = false;
    bool survol = false;
    Minuterie Timer1;

    // The loop (returns when the player leaves) and its pieces.
    void joueramemo();
    std::string affichelemenu();
    void affichelesscores();
    void tableaudesscores();

    // Drawing (memo_dessin.cpp).
    void affichetapis();
    void affichepetit(bool surligne);
    void depose();
    void retourneoui(Place p);
    void retournenon(Place p);
    void affichetemps();
    void pause(float& secondes);
    void monrefresh(int x, int y, int w, int h);
    // The cloth, the card sheet and the mask sheet, from the program folder.
    void chargeimages();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void MouseMove(int button, int shift, int x, int y) override;
    void Timer1_Timer();

    Contexte& ctx;

  private:
    void retourne(Place p, Point de, Point vers);
    Surface tapis_;  // the clean table ("cartei01")
    Surface tampon_; // the card sheet ("cartei08")
    Surface masque_; // the mask sheet ("cartei07")
};

} // namespace tlv
