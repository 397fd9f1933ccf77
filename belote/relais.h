#pragma once
// The table a saved match is played on. Every call goes on to the real table and Sud's answers are kept;
// each time Sud is awaited and each time a deal begins, the match is handed to `ecrit` to be saved.
// Resuming, it first plays the saved answers again with no picture, sound or pause, the score pad and the
// contract line apart, and hands over to the real table at the point the match was saved, redrawn.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "belote/belote.h"
#include "belote/sauvegarde.h"
#include "belote/table.h"

namespace tlv::belote {

class Relais : public Table {
  public:
    using Ecrit = std::function<void(const Sauvegarde&)>;
    // `retabli` runs once, when a resumed match reaches its point and the real table takes over.
    Relais(Table& reelle, Belote& b, Ecrit ecrit, std::function<void()> retabli);

    // A new match starts on the next call of the rules: its state as it begins.
    void nouvellepartie();
    // The saved match is played again up to its point. The caller has set the random source, the
    // options, the rigged deal and the match number from it.
    void reprend(const Sauvegarde& s);
    // Still playing the saved answers: a match that ends in this state did not come back to its point.
    bool enavance() const { return avance_; }

    void message_on(const std::string& ligne1, const std::string& ligne2) override;
    void message_off() override;
    void message_on2(const std::array<int, 4>& couleurspossibles) override;
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
    void emportepli(bool nous) override;
    void animationfin() override;
    void affichecontrat(const std::string& texte, int atout) override;
    void lignescore(int ligne) override;
    void ecritscore(int nous, int eux) override;
    void ecrittotal(int nous, int eux) override;
    void etatclic(EtatClic etat) override;
    void survol(int panneau, int ligne) override;
    void curseur(Pointeur c) override;
    Attente attendenchere() override { return attend(true); }
    Attente attendcarte() override { return attend(false); }
    void retablit() override { reelle_.retablit(); }

  private:
    class Appel;
    // A call that only shows, sounds or waits: made on the real table unless the answers are played again.
    template <class F> void muet(F montre);
    // The end of a call: an option the menu changed during it is kept, or, playing again, given back.
    void finappel();
    Attente attend(bool enchere);
    void sauve(Point p);
    // The real table takes over; at Sud's wait, the table as the rules hold it, then what was on it.
    void bascule(bool ausud);

    Table& reelle_;
    Belote& b_;
    Ecrit ecrit_;
    std::function<void()> retabli_;
    Sauvegarde partie_; // the match as saved so far
    bool debut_ = false, avance_ = false;
    std::size_t lues_ = 0;                     // saved answers played again
    std::size_t options_ = 0;                  // saved option changes given back
    long appels_ = 0;                          // the rules' calls on the table in this match
    std::pair<bool, int> connues_{true, 1000}; // the options as last seen: announcements, points
    // What the muted calls left on the table at the point: restored when the real table takes over.
    std::optional<std::pair<std::string, std::string>> message_;
    std::optional<std::array<int, 4>> message2_;
    EtatClic etatclic_ = EtatClic::aucun;
    Pointeur curseur_ = Pointeur::repos;
    std::array<int, 3> survol_{};
};

} // namespace tlv::belote
