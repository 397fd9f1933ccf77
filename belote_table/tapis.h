#pragma once
// The Belote table as the rules see it: `Tapis` turns the game's events into pictures (the buffers, the
// cards, their slides, the message box, the bidding panels, the contract line and the score pad) and hands
// the waits and what a click means to the `Joueur` the screen implements.
#include <array>
#include <cstdint>
#include <string>

#include "belote/belote.h"
#include "belote/table.h"
#include "platform/surface.h"
#include "shell/contexte.h"

namespace tlv::belote {

// The suit icons of the second-round panel: three 44-pixel tiles from here, inside the box's frame.
constexpr int IconeX = 238, IconeY = 236;
// The "Conseil" label, its hot area: the cloth's bottom left corner, beside Sud's hand, where no card and no
// mark ever lies. The advice's box lies over the score pad, from its top.
constexpr Rect ZoneConseil{4, 446, 68, 30};
constexpr Rect ZonePad{484, 70, 152, 294};

// A card face up at (x, y) of `fond`, cut out by the mask sheet from the card sheet: how the table and the
// replay lay a card.
void posecarteface(Surface& fond, const Surface& masque, const Surface& feuille, int x, int y, int carte);

// The player's side of the port: the waits, which a click cuts short, and what a click means now.
class Joueur {
  public:
    virtual ~Joueur() = default;
    // True when a click cut it short.
    virtual bool pause(float secondes) = 0;
    // A click not yet consumed, consumed now.
    virtual bool prendclic() = 0;
    virtual void etatclic(EtatClic etat) = 0;
    virtual void survol(int panneau, int ligne) = 0;
    virtual void curseur(Pointeur c) = 0;
    virtual Attente attendenchere() = 0;
    virtual Attente attendcarte() = 0;
};

class Tapis : public Table {
  public:
    // Draws on `fond`, the screen's own picture; reads the dealer, the turned card and the totals from `b`.
    Tapis(Contexte& ctx, const Belote& b, Surface& fond, Joueur& joueur);

    // Buffers, loaded once on the first activation.
    void prepare();

    void message_on(const std::string& ligne1, const std::string& ligne2) override;
    void message_off() override;
    void message_on2(const std::array<int, 4>& possibles) override;
    void message_off2(int retournee) override;
    bool pause(float secondes) override { return joueur_.pause(secondes); }
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
    void emportepli(bool nous) override;
    void animationfin() override;
    void affichecontrat(const std::string& texte, int atout) override;
    void lignescore(int ligne) override { lignescore_ = ligne; }
    void ecritscore(int nous, int eux) override;
    void ecrittotal(int nous, int eux) override;
    void etatclic(EtatClic etat) override { joueur_.etatclic(etat); }
    void survol(int panneau, int ligne) override { joueur_.survol(panneau, ligne); }
    void curseur(Pointeur c) override { joueur_.curseur(c); }
    Attente attendenchere() override { return joueur_.attendenchere(); }
    Attente attendcarte() override { return joueur_.attendcarte(); }
    void retablit() override;

    // The bidding panel 1 or 2 with this line highlighted (0: none).
    void panneau(int numero, int ligne);
    // The "Menu" label, highlighted while the mouse is over it; drawn only when that changes.
    void labelmenu(bool allume);
    // The "Revoir" label at the top of the right panel: shown (highlighted while the mouse is over it) or
    // taken away; never over the contract, which keeps its place while the deal is played.
    void labelrevoir(bool montre, bool allume);
    bool revoirvisible() const { return revoir_ > 0; }
    // The contract's line taken away once the match is over.
    void effacecontrat();
    // The clean table back over everything, as a new match starts.
    void remetletapis();
    // Everything black, as the player leaves.
    void noircit();
    // The last trick over the darkened table for a second, then the table as it was.
    void affichedernierpli();
    // After a finished match: the result, both totals and how to go on, over the table; under the pad's
    // last line, how many advice the player asked when there were some.
    void montreresultat(int conseils = 0);
    // The "Conseil" label, highlighted while the mouse is over it and advice may be asked; drawn only when
    // that changes.
    void labelconseil(bool allume);
    // Sud's advice in a box over the score pad, a new one in place of the one shown; the pad back as it was.
    void montreconseil(const std::string& phrase);
    void effaceconseil();
    bool conseilmontre() const { return conseilmontre_; }

    // Slot of Sud's hand under x (relative to the row's left end), 0 when none.
    static int jaiclique(const Main& jeu, int largeur, int x);
    // The ends of Sud's row as last drawn.
    int gauchesud() const { return gauchesud_; }
    int droitesud() const { return droitesud_; }
    int lignescore() const { return lignescore_; }
    const Surface& fond() const { return fond_; }
    const Surface& ecranbis() const { return ecranbis_; } // the clean table
    const Surface& masque() const { return masque_; }
    const Surface& tampon() const { return tampon_; } // card faces and sprites, save areas below

  private:
    // `restaure` copies a rectangle back from the clean table.
    void restaure(int x, int y, int largeur, int hauteur);
    void monrefresh(int x, int y, int largeur, int hauteur);
    void poseface(int x, int y, int carte); // a card face up, masked
    void posedos(int x, int y);             // an upright card face down, masked
    // A hand from slots 1..nombre with this spacing (Sud face up, the others face down).
    void posecarte(int joueur, const Main& main, int nombre, int espacement);
    // Sud's hand from a working copy where the shown cards are 0.
    void posemescartes(const Main& mescartes);
    // A sprite: its mask ANDed, then its picture ORed.
    void sprite(int x, int y, int w, int h, int mx, int my, int sx, int sy);
    // A text printed light then dark one pixel lower right, or the other way round when highlighted.
    void imprime_releve(int x, int y, const std::string& texte, int points, bool allume,
                        std::uint32_t sombre);
    void dessine_label_menu(bool allume);
    void dessine_label_conseil(Surface& s, bool allume);
    // The count of advice asked, on the pad's first free line.
    void ecritconseils(int conseils);
    // The message box at (100, y), nothing saved.
    void boite(int y, const std::string& ligne1, const std::string& ligne2);
    // The small stack of backs in the hot area of the side that won the last trick (Sud and Nord: nous).
    void posepile(bool nous);
    // The dealer's mark by the dealer's hand.
    void posedonneur();
    // The reserve of a tie under the pad, while there is one.
    void ecritreserve();
    // Whether this rectangle of the table shows the bare cloth.
    bool tapisnu(int x, int y, int largeur, int hauteur) const;
    // A card slides by 16-pixel steps over the table, what lies under it saved and put back.
    void glisse(int carte, bool face, int x0, int y0, int x1, int y1, bool laisse);
    // One run of a face-down card along a band of the table; true when a right click cut it short.
    bool courtbande(int y, int depart, int fin, int pas);

    Contexte& ctx_;
    Plateforme& pf_;
    const Belote& b_;
    Surface& fond_;                      // the visible table
    Surface ecranbis_, masque_, tampon_; // clean table, masks, sprites
    Joueur& joueur_;
    int gauchesud_ = 0, droitesud_ = 0;
    std::array<int, 4> couleurspossibles_{}; // the suits of the second-round panel, 1..3
    bool menuallume_ = false;
    int lignescore_ = 0;
    int boitey_ = 192;     // where the message box under way lies
    bool contrat_ = false; // the contract's line is in the top strip of the right panel
    int revoir_ = 0;       // the "Revoir" label: 0 away, 1 shown, 2 highlighted
    // The table as loaded, under the "Menu" label: all of it that is needed once the clean table has its
    // labels, which it keeps for the whole game.
    Surface souslabel_;
    bool labelsposes_ = false;
    Surface sousconseil_; // the table as loaded under the "Conseil" label
    Surface souspad_;     // the pad under the advice's box while it is shown
    bool conseilallume_ = false;
    bool conseilmontre_ = false;
};

} // namespace tlv::belote
