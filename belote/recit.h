#pragma once
// One deal as it went, from the deal to the settling: what a replay shows and what deals it again.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "belote/etat.h"
#include "belote/raisons.h"
#include "belote/suivi.h"

namespace tlv::belote {

struct Parole {
    int joueur = 0;
    int couleur = 0; // the suit taken, 0 for a pass
    Raison raison;
};

struct Jouee {
    int joueur = 0;
    int carte = 0;
    Raison raison;
};

struct Recit {
    int numero = 0; // the deal's number in its match
    int donneur = 0, retournee = 0;
    std::array<Main, 5> premiere{}; // the first half: slots 1..5, the turned card in slot 6 of the seat after
                                    // the dealer
    std::array<Main, 5> mains{};    // the whole hands, sorted, once the rest is dealt
    std::vector<Parole> encheres;   // in the order spoken
    int preneur = 0, atout = 0;
    std::vector<Jouee> cartes; // in the order played, four a trick
    std::vector<int> gagnants; // the winner of each trick
    int nous = 0, eux = 0;     // the deal's points as settled
    int totalnous = 0, totaleux = 0;
};

// The deal written as the deal editor's rigged deal: 64 digits, the 32 cards in deal order, such that
// dealing it again with the same dealer and the same taker gives the same hands. Empty for a deal whose
// hands were not all seen.
std::string fauxjeudurecit(const Recit& r);

// A shared deal: the rigged deal and its dealer, "<64 digits>/<dealer>".
std::string partage(const std::string& fauxjeu, int donneur);
// Reads a shared deal back, blanks and line ends around it forgiven; false when it is not one.
bool litpartage(const std::string& texte, std::string& fauxjeu, int& donneur);

// Records every deal of the matches it watches and keeps the last one settled; every event goes on to
// `suite` (the journal) when there is one.
class Enregistreur : public Suivi {
  public:
    explicit Enregistreur(Suivi* suite = nullptr) : suite_(suite) {}
    void suite(Suivi* s) { suite_ = s; }
    // The last deal played to its end, if any.
    const std::optional<Recit>& dernier() const { return dernier_; }

    void partie(int numero) override;
    void donne(int numero, int donneur, int retournee) override;
    void prise(int preneur, int atout) override;
    void annonces(int nous, int eux, int meilleur) override;
    void distribution(const std::array<Main, 5>& jeu) override;
    void mains(const std::array<Main, 5>& jeu) override;
    bool raisons() const override { return true; }
    void enchere(int joueur, int couleur, const Raison& raison) override;
    void carte(int joueur, int carte, const Raison& raison) override;
    void pli(int numpli, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous, int eux) override;
    void fin(int nous, int eux, int totalnous, int totaleux, int reserve) override;
    void resultat(int totalnous, int totaleux) override;
    void illegale(int joueur, int carte, int numpli) override;

  private:
    Suivi* suite_;
    Recit encours_;
    std::optional<Recit> dernier_;
};

} // namespace tlv::belote
