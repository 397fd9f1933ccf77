// Sud's advice: the move the computer's rules then make in Sud's seat, blind to the cards Sud cannot see.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "aide.h"
#include "belote/conseil.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// The same table with the cards of Ouest, Nord and Est still in hand passed round among them.
TableBelote autresmains(TableBelote t) {
    std::vector<std::int16_t> cachees;
    for (int j = 2; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s)
            if (t.jeu[j][s] > 0) cachees.push_back(t.jeu[j][s]);
    std::rotate(cachees.begin(), cachees.begin() + static_cast<long>(cachees.size() / 3), cachees.end());
    auto c = cachees.begin();
    for (int j = 2; j <= 4; ++j)
        for (int s = 1; s <= 8; ++s)
            if (t.jeu[j][s] > 0) {
                t.jeu[j][s] = *c++;
                t.valeur[j][s] = static_cast<std::int16_t>(valeurcarte(t.jeu[j][s], t.atout));
            }
    return t;
}

// Plays Sud by the rules, as the silent table does, asking the advice first at every turn.
class Conseillee : public TableMuette {
  public:
    explicit Conseillee(Belote& b) : TableMuette(b), b_(b) {}
    std::map<EtatClic, int> suivis; // advice to take (bidding) or any card advice, by moment

    void etatclic(EtatClic e) override {
        moment_ = e;
        TableMuette::etatclic(e);
    }
    Attente attendenchere() override {
        const Conseil c = demande();
        return verifie(c, TableMuette::attendenchere());
    }
    Attente attendcarte() override {
        const Conseil c = demande();
        return verifie(c, TableMuette::attendcarte());
    }

  private:
    Conseil demande() {
        const Conseil c = conseille(b_.table, moment_, b_.rnd);
        const Conseil aveugle = conseille(autresmains(b_.table), moment_, b_.rnd);
        EXPECT_EQ(aveugle.choix, c.choix);
        EXPECT_EQ(aveugle.phrase, c.phrase);
        EXPECT_EQ(c.phrase.rfind("Conseil\u00a0: ", 0), 0u) << c.phrase;
        return c;
    }
    Attente verifie(const Conseil& c, const Attente& r) {
        EXPECT_EQ(c.choix, r.choix) << c.phrase;
        EXPECT_EQ(c.motif, r.motif) << c.phrase;
        if (r.choix > 1 || moment_ == EtatClic::carte) ++suivis[moment_];
        return r;
    }
    Belote& b_;
    EtatClic moment_ = EtatClic::aucun;
};

} // namespace

// Whole matches where Sud follows the rules: at every bid and card, the advice asked just before is that very
// move, told by its rule; and it stays the same when the hidden hands are dealt otherwise.
TEST(Conseil, IsTheRulesMoveInSudsSeatAndSeesNoHiddenCard) {
    Monde m;
    Conseillee t(m.b);
    for (std::uint64_t graine : {3, 11}) {
        m.rnd.graine(graine);
        lancelapartie(m.b, t);
    }
    EXPECT_GT(t.suivis[EtatClic::enchere1], 0);
    EXPECT_GT(t.suivis[EtatClic::enchere2], 0);
    EXPECT_GT(t.suivis[EtatClic::carte], 20);
}
