#pragma once
// The trace of a match, one line per event, as belote-sim prints it and the game's journal appends it.
#include <ostream>
#include <string>
#include <vector>

#include "belote/suivi.h"

namespace tlv::belote {

class Journal : public Suivi {
  public:
    explicit Journal(std::ostream& sortie) : o_(sortie) {}
    void partie(int numero) override;
    void donne(int numero, int donneur, int retournee) override;
    void prise(int preneur, int atout) override;
    void annonces(int nous, int eux, int meilleur) override;
    void pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous, int eux) override;
    void fin(int nous, int eux, int totalnous, int totaleux, int reserve) override;
    void resultat(int totalnous, int totaleux) override;
    void illegale(int joueur, int carte, int numpli) override;

  private:
    std::ostream& o_;
};

// The same trace with the reason of every decision as comment lines: after the line that closes a bidding,
// "# enchere <seat> <identifier> <sentence>" per bid; after each trick, "# carte <seat> <code> <identifier>
// <sentence>" per card, in the order spoken or played.
class JournalExplique : public Journal {
  public:
    explicit JournalExplique(std::ostream& sortie) : Journal(sortie), o_(sortie) {}
    bool raisons() const override { return true; }
    void enchere(int joueur, int couleur, const Raison& raison) override;
    void carte(int joueur, int carte, const Raison& raison) override;
    void prise(int preneur, int atout) override;
    void pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous, int eux) override;

  private:
    void vide();
    std::ostream& o_;
    std::vector<std::string> attente_;
};

} // namespace tlv::belote
