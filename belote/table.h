#pragma once
// What the rules ask of the table: every picture, sound, pause, score-pad write and wait for the player.
// A screen implements it with the platform; the simulator and the tests with a silent table. Nothing here
// needs a rule: cards are plain codes and hands plain arrays.
#include <array>
#include <string>

#include "belote/etat.h"
#include "belote/motif.h"

namespace tlv::belote {

enum class Pointeur { repos, attente }; // named apart from the platform's own cursors

// What a left click on the table means now.
enum class EtatClic {
    aucun,    // the computer plays: only the menu label and the piles answer
    suspendu, // the menu or the last trick covers the table
    enchere1, // a line of the first-round bidding panel
    enchere2, // a line or a suit of the second-round panel
    carte,    // a card of Sud's hand
};

// Answer of a wait for the player: the choice (> 0), or the stop request the player made meanwhile.
struct Attente {
    int choix = 0;
    int arret = 0;
    Motif motif = Motif::joueur; // a table that plays Sud by the rules tells which
};

class Table {
  public:
    virtual ~Table() = default;

    // Message box (one or two lines) and the second-round bidding panel (suits 1..3 of the array).
    virtual void message_on(const std::string& ligne1, const std::string& ligne2) = 0;
    virtual void message_off() = 0;
    virtual void message_on2(const std::array<int, 4>& couleurspossibles) = 0;
    virtual void message_off2(int retournee) = 0;
    // Waits that a right click cuts short; true when one did.
    virtual bool pause(float secondes) = 0;
    virtual void pause_visu() = 0;
    // The short wait between two computer cards, so that the player sees who played what.
    virtual void battement() = 0;

    virtual void joueson(const std::string& nom) = 0;
    virtual void voix(int joueur, const std::string& mot) = 0;

    // Events of the deal on the table; where things lie is the table's business.
    virtual void afficheletapis() = 0;
    virtual void rafraichit() = 0; // what was drawn shows at the next frame
    // A new deal: the cloth and the contract line are cleared.
    virtual void nouvelledonne() = 0;
    // The middle of the table, where the trick and the turned card lie, is cleared.
    virtual void videcentre() = 0;
    // The first five cards: the seat receives slots 1..nombre of its hand.
    virtual void distribue(int joueur, const Main& main, int nombre) = 0;
    // The seat's whole hand redrawn (Sud face up, the others face down); played cards are 0.
    virtual void montremain(int joueur, const Main& main) = 0;
    // The turned card put face up in the middle once the first cards are dealt.
    virtual void retourne(int carte) = 0;
    // The turned card moves from the middle to the front of the seat now bidding.
    virtual void presenteretournee(int joueur, int carte) = 0;
    // After a first bidding round: the middle cleared and the turned card back in it.
    virtual void ramene_retournee(int carte) = 0;
    // An announcement shown after trick 1: its `n` cards (slots 1..n of `cartes`) out of the seat's hand.
    virtual void exposeannonce(int joueur, const Main& main, const Main& cartes, int n) = 0;
    // ... and put back into the hand.
    virtual void rangeannonce(int joueur, const Main& main) = 0;
    // A card slides from the seat's hand to its spot on the trick.
    virtual void glissecarte(int joueur, int carte) = 0;
    // A card of the trick slides from its seat's spot to the centre.
    virtual void glisseaucentre(int joueur, int carte) = 0;
    // The gathered trick leaves the table for the camp that won it (ours: Sud and Nord).
    virtual void emportepli(bool nous) = 0;
    // The end-of-match animation, until the player cuts it short or it has run long enough.
    virtual void animationfin() = 0;
    // The contract line of the right panel: text and the trump's picture.
    virtual void affichecontrat(const std::string& texte, int atout) = 0;

    // Score pad: the current deal's line, and the totals (which move to the next line).
    virtual void lignescore(int ligne) = 0;
    virtual void ecritscore(int nous, int eux) = 0;
    virtual void ecrittotal(int nous, int eux) = 0;

    // Input: what a click means now, hover lines, cursor.
    virtual void etatclic(EtatClic etat) = 0;
    virtual void survol(int panneau, int ligne) = 0;
    virtual void curseur(Pointeur c) = 0;
    // Waits for a line of the bidding panel now shown (1 pass, 2 take or 2..4 a suit), or a slot of Sud.
    virtual Attente attendenchere() = 0;
    virtual Attente attendcarte() = 0;
    // The whole table drawn again from the rules' state (hands, the turned card, the trick under way), as
    // a resumed match takes over a table that saw none of it.
    virtual void retablit() {}
};

} // namespace tlv::belote
