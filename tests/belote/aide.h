#pragma once
// Shared helpers of the Belote tests: card numbering, hands from lists, a table that records and scripts Sud.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "belote/belote.h"
#include "belote/carte.h"
#include "belote/donne.h"
#include "belote/requetes.h"
#include "belote/table_muette.h"
#include "shell/textes.h"

namespace tlv::essai {
using namespace tlv::belote;

// The 32 codes in increasing order: 10..17, 20..27, 30..37, 40..47.
inline int carteno(int i) {
    return (i / 8 + 1) * 10 + i % 8;
}

// Fills the seat's hand from slot 1 on; the other slots are left empty.
inline void donnemain(TableBelote& t, int joueur, std::initializer_list<int> cartes) {
    t.jeu[joueur].fill(0);
    int s = 1;
    for (int c : cartes) t.jeu[joueur][s++] = static_cast<std::int16_t>(c);
}

// A whole deal from the seed, dealt by `donneur` and taken by `preneur`: hands sorted and valued.
inline void donnetable(TableBelote& t, std::uint64_t graine, int donneur, int preneur) {
    Rnd rnd{graine};
    Annonces a;
    Paquet p;
    initdonne(t, a, p);
    t.donneur = static_cast<std::int16_t>(donneur);
    distribution(t, p, rnd);
    t.preneur = static_cast<std::int16_t>(preneur);
    distributiondureste(t, p, rnd);
    triejeux(t);
    calculevaleurs(t);
}

// The eight tricks of a dealt table (whole hands valued, the taker set): `choisit(j)` gives the slot seat j
// plays, put on the trick as the flow puts it; a slot of 0 stops the deal.
template <class F> void joueplis(TableBelote& t, F choisit) {
    t.maitre = static_cast<std::int16_t>(suivant(t.donneur));
    for (t.numpli = 1; t.numpli <= 8; ++t.numpli) {
        t.couleurdemandee = 0;
        int j = precedent(t.maitre);
        for (t.numcarte = 1; t.numcarte <= 4; ++t.numcarte) {
            j = suivant(j);
            const int s = choisit(j);
            if (s == 0) return;
            metsurlepli(t, j, s);
            t.jeu[j][s] = 0;
        }
    }
}

// The hidden cards dealt again among the seats other than `joueur`, each in the slots it had filled; while
// bidding (no taker yet) only the five first cards, the turned card staying apart. The flag that a seat
// holds the belote, which only that seat knows before it is said, flipped.
inline void redistribue(TableBelote& t, int joueur, Rnd& rnd) {
    const int fin = t.preneur == 0 ? 5 : 8;
    std::vector<std::int16_t*> places;
    std::vector<std::int16_t> cartes;
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= fin; ++s)
            if (j != joueur && t.jeu[j][s] != 0) {
                places.push_back(&t.jeu[j][s]);
                cartes.push_back(t.jeu[j][s]);
            }
    for (std::size_t i = cartes.size(); i > 1; --i)
        std::swap(cartes[i - 1], cartes[static_cast<std::size_t>(rnd() * static_cast<double>(i))]);
    for (std::size_t i = 0; i < places.size(); ++i) *places[i] = cartes[i];
    for (int j = 1; j <= 4; ++j) // the played cards keep their values, which the trick's comparisons read
        for (int s = 1; s <= 8; ++s)
            if (t.jeu[j][s] != 0)
                t.valeur[j][s] = static_cast<std::int16_t>(valeurcarte(t.jeu[j][s], t.atout));
    if (t.compteurbelote < 2) t.compteurbelote = static_cast<std::int16_t>(1 - t.compteurbelote);
}

// A Belote with the fixed texts, announcements on, target 1000.
struct Monde {
    Reglages r;
    Rnd rnd{1};
    Belote b{r, rnd};
    Monde() { r.textes = textes_fixes(); }
};

// A silent table that keeps a line for each message, voice and sound. Sud's clicks, cards or bids, come from
// `clics` (a negative entry stops); once it is empty, the computer plays Sud. A trick carried off to the
// wrong side's stack is kept as "pli au mauvais camp".
class TableTemoin : public TableMuette {
  public:
    explicit TableTemoin(Belote& b) : TableMuette(b), b_(b) {}
    std::vector<std::string> traces;
    std::vector<int> clics;
    void message_on(const std::string& a, const std::string& b) override {
        traces.push_back("msg " + a + "|" + b);
    }
    void voix(int j, const std::string& m) override {
        traces.push_back("voix " + std::to_string(j) + " " + m);
    }
    void joueson(const std::string& nom) override { traces.push_back("son " + nom); }
    void glissecarte(int j, int) override { traces.push_back("carte " + std::to_string(j)); }
    void battement() override { traces.push_back("battement"); }
    void emportepli(bool nous) override {
        traces.push_back(nous == (b_.table.maitre == 1 || b_.table.maitre == 3) ? "pli"
                                                                                : "pli au mauvais camp");
    }
    Attente attendcarte() override { return clics.empty() ? TableMuette::attendcarte() : lit(); }
    Attente attendenchere() override { return clics.empty() ? TableMuette::attendenchere() : lit(); }
    int compte(const std::string& debut) const {
        int n = 0;
        for (const auto& l : traces) n += l.rfind(debut, 0) == 0;
        return n;
    }

  private:
    Belote& b_;
    Attente lit() {
        const int c = clics.front();
        clics.erase(clics.begin());
        return {c, c < 0 ? 1 : 0};
    }
};

// A table-driven case on a fresh Belote and its silent table.
template <class Cas> class SurTable : public ::testing::TestWithParam<Cas> {
  protected:
    Monde m;
    TableTemoin t{m.b};
    TableBelote& tb = m.b.table;
};

} // namespace tlv::essai
