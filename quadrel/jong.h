#pragma once
// The Quadrel table `jong`: the board drawn from the sheets, two clicks choose a pair, the path joining it
// is shown and the cards go; a two-minute clock per board, board after board, with the menu, the saved
// games and the score table.
#include <string>

#include "grille/choixpaire.h"
#include "grille/focusgrille.h"
#include "menujong.h"
#include "platform/form.h"
#include "platform/minuterie.h"
#include "regles/chemin.h"
#include "regles/plateaux.h"
#include "shell/contexte.h"
#include "shell/pause.h"

namespace tlv {
struct Reglages;
}

namespace tlv::quadrel {

// What a click on the Quadrel table means now.
enum class EtatClicJong {
    Libre, // no loop waits: an activation prepares the table
    AttendPremiere,
    PremiereChoisie, // shaded, then the path: clicks are lost
    AttendSeconde,
    SecondeChoisie,
    Quitter, // the menu's answers
    Nouvelle,
    Charger,
    TempsEcoule,     // the clock ran out: the board is lost
    AvisTempsEcoule, // "Temps écoulé" waits for a click
    AvisLu,
    TableauTermine, // a cleared board's time is shown; a click or a key cuts it short
    EcranFinal,     // the closing screen waits for a click on Menu or a key
    EcranFinalLu,
    DialogueOuvert // a menu or dialog is shown; the state before comes back when it closes
};

// The selected cards `carte1` and `carte2`, the click state and the Menu label's highlight come with the
// pair's choice.
class Jong : public Form, public ChoixPaire<EtatClicJong, Case> {
  public:
    explicit Jong(Contexte& ctx);

    bool partieencours = false;
    int numtableau = 0;
    std::string nompartie;

    int chrono = 0;
    int tempscumule = 0;
    std::string fichepartie; // this game's line in the score table as last written
    Grille grille{};
    int niveaumax = -1;
    bool sortie = false;
    // The clock has run out on this board: it stays lost whatever the loop was doing at that tick.
    bool tempsecoule = false;
    bool clic = false; // a click or a key cuts the cleared board's notice short
    // The game's name as last fitted to its box, with the size it was fitted from and the size found.
    std::string nom_ajuste_;
    std::pair<int, int> taille_nom_ajuste_{0, 0};

    Minuterie tictac;  // the game clock, once a second
    FocusGrille focus; // where Entrée and Espace select a card

    // Events.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override { fond_MouseDown(button, shift, x, y); }
    void MouseMove(int button, int shift, int x, int y) override { fond_MouseMove(button, shift, x, y); }
    void fond_MouseDown(int button, int shift, int x, int y);
    void fond_MouseMove(int button, int shift, int x, int y);
    // The player leaving the window pauses a board whose clock runs: the clock holds under the notice.
    void fenetre(bool active) override;
    // The clock counts only while the table is on top (a dialog over it, the pause's notice).
    void recouvert(bool oui) override { tictac.suspend(oui); }
    void seconde_ecoulee();

    // Loads the pictures and counts the boards: what activation does before the loop.
    void prepare();
    // The game loop (jong.cpp).
    void jouerajong();
    // Menus and saved games (jong_parties.cpp).
    ReponseJong affichelemenu();
    std::string donnemoilenom();
    void affichelesscores();

    // Drawing (jong_dessin.cpp).
    void affichetapis();
    void affichepetit(bool surligne);
    void depose();
    void retourneoui(Case k);
    void retournenon(Case k);
    void retourneout(Case k);
    bool bonchemin();
    void chemine(const Chemin& ch);
    void ecranfinal();
    void afficheheure();
    // The game's name and total time (the boards cleared), in the boxes either side of the Menu label.
    void affichepartie();
    // Two lines over the board, the board darkened under them or cleared, and how to go on.
    void annonce(const std::string& ligne1, const std::string& ligne2, bool assombri);
    // "Temps écoulé" until a click; the cleared board's time for a moment.
    void tempsfini();
    void tableaufini(int secondes);
    void pause(float secondes);
    void monrefresh(int x, int y, int w, int h);

    // The card cell under a point of the table, {-1, -1} outside the board.
    static Case casesous(int x, int y);

  private:
    enum class Suite { Menu, Nouvelle, Charge, Tableau, Fin, Sortie };
    Suite menu();
    Suite nouvelle();
    Suite charge();
    Suite joueletableau();
    // The board laid out and the clock started.
    void poseletableau();
    // The board cleared: the time saved and counted, then the next board or the end.
    Suite tableaureussi();
    void attendetat(EtatClicJong fin);
    EtatClicJong attendcarte_ouperdu(EtatClicJong attente);
    void copiecarte(Case k);
    // A card at `k` chosen by a click or a key.
    void choisitcase(Case k);
    // The Menu label clicked, or Échap, while a card is awaited.
    void ouvremenu();
    // A notice waiting for the player ends (Entrée, Espace or Échap, or a click anywhere but on the
    // closing screen); false when none.
    bool finitavis();
    void montrefocus();
    void afficheboite(int tableau);
    bool fichierabsent();
    bool tableaupret(int tableau);

    Contexte& ctx_;
    Reglages& r_;
    Surface tapis_;  // the screen's own picture: the clean table with its labels, to restore from
    Surface table_;  // the table as loaded, under the labels
    Surface tampon_; // card sheet
    Surface masque_; // mask sheet
    bool animation_ = false;
    Pause pause_;
};

} // namespace tlv::quadrel
