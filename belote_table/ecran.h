#pragma once
// The Belote table `ecran`: the picture buffers, the message box, the score pad and the player's mouse,
// serving the rules through `Table`. Its first activation runs the matches until the player leaves.
#include <array>
#include <cstdint>
#include <fstream>
#include <memory>

#include "belote/belote.h"
#include "belote/journal.h"
#include "belote/table.h"
#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv::belote {

// The suit icons of the second-round panel: three 44-pixel tiles from here, inside the box's frame.
constexpr int IconeX = 238, IconeY = 236;

class Ecran : public Form, public Table {
  public:
    explicit Ecran(Contexte& ctx);
    ~Ecran() override;

    // Screen handlers.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override { fond_MouseDown(button, shift, x, y); }
    void MouseMove(int button, int shift, int x, int y) override { fond_MouseMove(button, shift, x, y); }
    void fond_MouseDown(int button, int shift, int x, int y);
    void fond_MouseMove(int button, int shift, int x, int y);

    // What the rules ask of the table.
    void message_on(const std::string& ligne1, const std::string& ligne2) override;
    void message_off() override;
    void message_on2(const std::array<int, 4>& possibles) override;
    void message_off2(int retournee) override;
    bool pause(float secondes) override;
    void pause_visu() override;
    void battement() override;
    void joueson(const std::string& nom) override;
    void voix(int joueur, const std::string& mot) override;
    void afficheletapis() override;
    void rafraichit() override;
    void nouvelledonne() override;
    void videcentre() override;
    void distribue(int joueur, const Main& main, int nombre) override;
    void montremain(int joueur, const Main& main) override;
    void retourne(int carte) override;
    void presenteretournee(int joueur, int carte) override;
    void ramene_retournee(int carte) override;
    void exposeannonce(int joueur, const Main& main, const Main& cartes, int n) override;
    void rangeannonce(int joueur, const Main& main) override;
    void glissecarte(int joueur, int carte) override;
    void glisseaucentre(int joueur, int carte) override;
    void emportepli(bool nous) override { evacuepile(nous); }
    void animationfin() override;
    void affichecontrat(const std::string& texte, int atout) override;
    void lignescore(int ligne) override { lignescore_ = ligne; }
    int lignescore() const { return lignescore_; }
    void ecritscore(int nous, int eux) override;
    void ecrittotal(int nous, int eux) override;
    void etatclic(EtatClic etat) override;
    EtatClic etatclic() const { return etatclic_; }
    void survol(int panneau, int ligne) override { (panneau == 1 ? survol1 : survol2) = ligne; }
    void curseur(Pointeur c) override;
    Attente attendenchere() override;
    Attente attendcarte() override;

    // The drawing under the events: `restaure` copies a rectangle back from the clean table.
    void restaure(int x, int y, int largeur, int hauteur);
    void monrefresh(int x, int y, int largeur, int hauteur);
    void poseface(int x, int y, int carte); // a card face up, masked
    void posedos(int x, int y);             // an upright card face down, masked
    // A hand from slots 1..nombre with this spacing (Sud face up, the others face down).
    void posecarte(int joueur, const Main& main, int nombre, int espacement);
    // Sud's hand from a working copy where the shown cards are 0.
    void posemescartes(const Main& mescartes);
    // The gathered trick leaves the table, down (Sud and Nord won it) or up.
    void evacuepile(bool versbas);
    // A right click not yet consumed: the flag that cuts pauses short.
    bool clic() const { return clic_; }

    // Buffers, drawn once on the first activation.
    void prepare();
    // The hovered line of the bidding panels, highlighted.
    void menu03(int ligne);
    void menu04(int ligne);
    void affichelemenu();
    void affichedernierpli();
    // After a finished match: the result, both totals and how to go on, over the table.
    void montreresultat();
    // ... which stays shown until the player clicks.
    void attendapresfin();
    // Slot of Sud's hand under x (relative to the row's left end), 0 when none.
    static int jaiclique(const Main& jeu, int largeur, int x);

    Contexte& ctx;
    Belote b;
    Surface& fond;                    // the visible table: the form's own picture
    Surface ecranbis, masque, tampon; // clean table, masks, sprites
    int choixenchere = 0, carteclic = 0, survol1 = 0, survol2 = 0;
    bool menuallume = false;
    int gauchesud = 0, droitesud = 0;
    std::array<int, 4> couleurspossibles{};
    int pile = 0;           // stack of the last trick gathered: 0 none, 1 Sud and Nord's, 2 Est and Ouest's
    int surlepli = 0;       // cards lying on the trick's spots
    bool attendfin = false; // after a finished match, until a click

  private:
    // The Menu label clicked, or Échap, while the player is awaited.
    void ouvremenu();
    // The last trick shown, from its pile or its key.
    void montredernierpli();
    // The keys in the bidding panels and on Sud's hand; false for a key they do not use now.
    bool touche_enchere(Touche code);
    bool touche_carte(Touche code);
    // The keys' line of the bidding panel now shown, highlighted as the mouse's is.
    void surlignefocus();
    // The keys' card of Sud's hand framed.
    void montrefocuscarte();
    // A sprite: its mask ANDed, then its picture ORed.
    void sprite(int x, int y, int w, int h, int mx, int my, int sx, int sy);
    // A text printed light then dark one pixel lower right, or the other way round when highlighted.
    void imprime_releve(int x, int y, const std::string& texte, int points, bool allume,
                        std::uint32_t sombre);
    void dessine_label_menu(bool allume);
    void panneau(int ligne, bool second);
    // The message box at (100, y), nothing saved.
    void boite(int y, const std::string& ligne1, const std::string& ligne2);
    // The small stack of backs in the hot area of the side that won the last trick.
    void posepile();
    // The dealer's mark by the dealer's hand.
    void posedonneur();
    // The reserve of a tie under the pad, while there is one.
    void ecritreserve();
    // Whether this rectangle of the table shows the bare cloth.
    bool tapisnu(int x, int y, int largeur, int hauteur) const;
    // A card slides by 16-pixel steps over the table, what lies under it saved and put back.
    void glisse(int carte, bool face, int x0, int y0, int x1, int y1, bool laisse);
    bool curseur_attente() const;
    // One run of a face-down card along a band of the table; true when a right click cut it short.
    bool courtbande(int y, int depart, int fin, int pas);

    std::unique_ptr<std::ofstream> fichierjournal_;
    std::unique_ptr<Suivi> journal_;
    bool active_ = false;
    EtatClic etatclic_ = EtatClic::aucun;
    bool clic_ = false;               // a right click, or a left one where it counts as one, not yet consumed
    bool enpause_ = false;            // a pause runs: a left click ends it as a right click does
    int sourisx_ = -1, sourisy_ = -1; // where the mouse was last seen on the table
    int lignescore_ = 0;
    int boitey_ = 192; // where the message box under way lies
    // The table as loaded, under the "Menu" label: all of it that is needed once the clean table has its
    // labels, which it keeps for the whole game.
    Surface souslabel_;
    bool labelsposes_ = false;
    int focusenchere_ = 1; // the bidding line Entrée chooses
    int focuscarte_ = 0;   // the slot of Sud's hand Entrée plays
};

} // namespace tlv::belote
