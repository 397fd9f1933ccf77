#pragma once
// The Belote screen `ecran`: the player's mouse and keys, the menu label, the waits for a bid or a card.
// Its `Tapis` draws what the rules ask of the table. Its first activation runs the matches until the
// player leaves.
#include <fstream>
#include <memory>
#include <optional>

#include "belote/belote.h"
#include "belote/journal.h"
#include "belote/recit.h"
#include "belote/relais.h"
#include "belote/sauvegarde.h"
#include "belote_table/tapis.h"
#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv::belote {

class Ecran : public Form, public Joueur {
  public:
    explicit Ecran(Contexte& ctx);
    ~Ecran() override;

    // Screen handlers.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void MouseMove(int button, int shift, int x, int y) override;

    // The player's side of the table.
    bool pause(float secondes) override;
    bool prendclic() override;
    void etatclic(EtatClic etat) override;
    void survol(int panneau, int ligne) override { (panneau == 1 ? survol1_ : survol2_) = ligne; }
    void curseur(Pointeur c) override;
    Attente attendenchere() override;
    Attente attendcarte() override;

    // After a finished match, until the player clicks or presses a key.
    void attendapresfin();

    Belote& belote() { return b_; }
    Tapis& tapis() { return tapis_; }
    EtatClic etatclic() const { return etatclic_; }
    // The hovered line of the bidding panel 1 or 2.
    int survol(int panneau) const { return panneau == 1 ? survol1_ : survol2_; }
    // The bidding line or the slot of Sud's hand chosen and not yet taken by a wait.
    int choixenchere() const { return choixenchere_; }
    int carteclic() const { return carteclic_; }
    // A right click not yet consumed: the flag that cuts pauses short.
    bool clic() const { return clic_; }
    // The advice asked since the match began.
    int conseils() const { return conseils_; }

  private:
    // The Belote menu over the table, and what its answer does.
    void affichelemenu();
    // The Menu label clicked, or Échap, while the player is awaited.
    void ouvremenu();
    // "Revoir la donne": the last deal played, told again, from the key R or the "Revoir" label, while the
    // player is awaited outside a trick (or after a match); its "Rejouer cette donne" starts a new match
    // dealt as that deal.
    bool revue_possible() const;
    void ouvrerevue();
    void rejoue(const std::string& fiche);
    // The "Revoir" label shown while the replay can be opened, highlighted under the mouse.
    void majrevoir();
    // The last trick shown, from its pile or its key.
    void montredernierpli();
    // Sud's advice, from its label or its key, while Sud is awaited: shown, or put away when it is shown.
    // False when Sud is not awaited.
    bool demandeconseil();
    // The keys in the bidding panels and on Sud's hand; false for a key they do not use now.
    bool touche_enchere(Touche code);
    bool touche_carte(Touche code);
    // The keys' line of the bidding panel now shown, highlighted as the mouse's is.
    void surlignefocus();
    // The keys' card of Sud's hand framed.
    void montrefocuscarte();
    // The hovered line of a bidding panel follows the mouse; false when the mouse is off the panel.
    bool survolpanneau(int numero, int& survol, int x, int y);
    // Slot of Sud's hand under the mouse, 0 when none.
    int cartesous(int x, int y) const;
    bool curseur_attente() const;
    // The saved match: read as Belote opens (a damaged one set aside), written at every point the relay
    // hands it, played again on "Continuer la partie", removed once the match is over.
    void chargepartie();
    void sauvepartie(Sauvegarde s);
    void reprendpartie();
    void oubliepartie();
    // The journal cut back to what it held at the saved point, so that the resumed match repeats no line.
    void recoupejournal(std::uint64_t taille);
    // One match on the relay: new, or the saved one resumed.
    void joue();

    Contexte& ctx_;
    Belote b_;
    Tapis tapis_;
    std::unique_ptr<std::ofstream> fichierjournal_;
    std::unique_ptr<Suivi> journal_;
    Enregistreur recit_;               // every deal as it went, for the replay; the journal follows it
    Relais relais_;                    // the table the rules play on: it saves the match at every point
    std::optional<Sauvegarde> sauvee_; // a saved match, offered by the menu while no match is played
    bool reprendre_ = false;           // the menu chose it
    bool active_ = false;
    EtatClic etatclic_ = EtatClic::aucun;
    int choixenchere_ = 0, carteclic_ = 0;
    int survol1_ = 0, survol2_ = 0;
    bool clic_ = false;               // a right click, or a left one where it counts as one, not yet consumed
    bool enpause_ = false;            // a pause runs: a left click ends it as a right click does
    bool attendfin_ = false;          // after a finished match, until a click
    int sourisx_ = -1, sourisy_ = -1; // where the mouse was last seen on the table
    int focusenchere_ = 1;            // the bidding line Entrée chooses
    int focuscarte_ = 0;              // the slot of Sud's hand Entrée plays
    int conseils_ = 0;                // advice asked in the match under way
};

} // namespace tlv::belote
