#pragma once
// Shared helpers of the Belote tests: a whole pack in code order, hands from lists, a table that records.
#include <initializer_list>
#include <string>
#include <vector>

#include "belote/belote.h"
#include "belote/carte.h"
#include "belote/requetes.h"
#include "belote/table_muette.h"
#include "shell/textes.h"

namespace tlv::essai {

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

// A Belote with the fixed texts, announcements on, target 1000.
struct Monde {
    Reglages r;
    Rnd rnd{1};
    Belote b{r, rnd};
    Monde() { r.textes = textes_fixes(); }
};

// A silent table that also keeps a line for each message, voice and sound, and can script Sud.
class TableTemoin : public TableMuette {
  public:
    using TableMuette::TableMuette;
    std::vector<std::string> traces;
    std::vector<int> cartessud; // slots Sud clicks, in turn; empty: the computer plays Sud
    std::vector<int> encheressud;
    void message_on(const std::string& a, const std::string& b) override {
        traces.push_back("msg " + a + "|" + b);
    }
    void voix(int j, const std::string& mot) override {
        traces.push_back("voix " + std::to_string(j) + " " + mot);
    }
    void joueson(const std::string& nom) override { traces.push_back("son " + nom); }
    Attente attendcarte() override {
        if (cartessud.empty()) return TableMuette::attendcarte();
        const int s = cartessud.front();
        cartessud.erase(cartessud.begin());
        return {s, s < 0 ? 1 : 0};
    }
    Attente attendenchere() override {
        if (encheressud.empty()) return TableMuette::attendenchere();
        const int c = encheressud.front();
        encheressud.erase(encheressud.begin());
        return {c, c < 0 ? 1 : 0};
    }
    int compte(const std::string& debut) const {
        int n = 0;
        for (const auto& l : traces) n += l.rfind(debut, 0) == 0;
        return n;
    }
};

} // namespace tlv::essai
