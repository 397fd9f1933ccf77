#pragma once
// A table that shows and sounds nothing and plays Sud by the computer rules: for the simulator and tests.
// Its clock is virtual: pauses move it forward, so a whole match plays at once.
#include "belote/belote.h"
#include "belote/table.h"

namespace tlv {

class TableMuette : public Table {
  public:
    explicit TableMuette(Belote& b) : b_(b) {}

    void message_on(const std::string&, const std::string&) override {}
    void message_off() override {}
    void message_on2(const std::array<int, 4>&) override {}
    void message_off2(int) override {}
    bool pause(float secondes) override {
        horloge_ += secondes;
        return false;
    }
    void pause_visu() override { horloge_ += b_.reglages.tempobelote; }
    void joueson(const std::string&) override {}
    void voix(int, const std::string&) override {}
    void afficheletapis() override {}
    void restaure(int, int, int, int) override {}
    void rafraichit() override {}
    void monrefresh(int, int, int, int) override { horloge_ += 0.015; }
    void poseface(int, int, int) override {}
    void posedos(int, int) override {}
    void posecarte(int, const Main&, int, int) override {}
    void posemescartes(const Main&) override {}
    void glissecarte(int, int) override {}
    void glisseaucentre(int, int) override {}
    void evacuepile(bool) override {}
    void affichecontrat(const std::string&, int) override {}
    void lignescore(int) override {}
    void ecritscore(int, int) override {}
    void ecrittotal(int, int) override {}
    void etatclic(int etat) override { etatclic_ = etat; }
    void survol(int, int) override {}
    void curseur(Pointeur) override {}
    // Sud bids with the computer evaluation of its round.
    Attente attendenchere() override;
    // Sud plays the computer choice; a card the rules refuse is reported and stops the match.
    Attente attendcarte() override;
    bool clic() override { return false; }
    void effaceclic() override {}
    double secondes() override { return horloge_; }

  private:
    Belote& b_;
    int etatclic_ = -1;
    double horloge_ = 0;
};

} // namespace tlv
