#pragma once
// A table that shows and sounds nothing and plays Sud by the computer rules: for the simulator and tests.
// Nothing waits, so a whole match plays at once.
#include "belote/belote.h"
#include "belote/table.h"

namespace tlv::belote {

class TableMuette : public Table {
  public:
    explicit TableMuette(Belote& b) : b_(b) {}

    void message_on(const std::string&, const std::string&) override {}
    void message_off() override {}
    void message_on2(const std::array<int, 4>&) override {}
    void message_off2(int) override {}
    bool pause(float) override { return false; }
    void pause_visu() override {}
    void battement() override {}
    void joueson(const std::string&) override {}
    void voix(int, const std::string&) override {}
    void afficheletapis() override {}
    void rafraichit() override {}
    void nouvelledonne() override {}
    void videcentre() override {}
    void distribue(int, const Main&, int) override {}
    void montremain(int, const Main&) override {}
    void retourne(int) override {}
    void presenteretournee(int, int) override {}
    void ramene_retournee(int) override {}
    void exposeannonce(int, const Main&, const Main&, int) override {}
    void rangeannonce(int, const Main&) override {}
    void glissecarte(int, int) override {}
    void glisseaucentre(int, int) override {}
    void emportepli(bool) override {}
    void animationfin() override {}
    void affichecontrat(const std::string&, int) override {}
    void lignescore(int) override {}
    void ecritscore(int, int) override {}
    void ecrittotal(int, int) override {}
    void etatclic(EtatClic etat) override { etatclic_ = etat; }
    void survol(int, int) override {}
    void curseur(Pointeur) override {}
    // Sud bids with the computer evaluation of its round.
    Attente attendenchere() override;
    // Sud plays the computer choice; a card the rules refuse is reported and stops the match.
    Attente attendcarte() override;

  private:
    Belote& b_;
    EtatClic etatclic_ = EtatClic::aucun;
};

} // namespace tlv::belote
