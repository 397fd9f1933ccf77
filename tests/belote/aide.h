#pragma once
// Shared helpers of the Belote tests: card numbering, hands from lists, a table that records and scripts Sud.
#include <initializer_list>
#include <string>
#include <vector>

#include "belote/belote.h"
#include "belote/carte.h"
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

// A Belote with the fixed texts, announcements on, target 1000.
struct Monde {
    Reglages r;
    Rnd rnd{1};
    Belote b{r, rnd};
    Monde() { r.textes = textes_fixes(); }
};

// A silent table that keeps a line for each message, voice and sound. Sud's clicks, cards or bids, come from
// `clics` (a negative entry stops); once it is empty, the computer plays Sud.
class TableTemoin : public TableMuette {
  public:
    using TableMuette::TableMuette;
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
    void emportepli(bool) override { traces.push_back("pli"); }
    Attente attendcarte() override { return clics.empty() ? TableMuette::attendcarte() : lit(); }
    Attente attendenchere() override { return clics.empty() ? TableMuette::attendenchere() : lit(); }
    int compte(const std::string& debut) const {
        int n = 0;
        for (const auto& l : traces) n += l.rfind(debut, 0) == 0;
        return n;
    }

  private:
    Attente lit() {
        const int c = clics.front();
        clics.erase(clics.begin());
        return {c, c < 0 ? 1 : 0};
    }
};

} // namespace tlv::essai
