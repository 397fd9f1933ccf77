// The Fort level over real matches: at each of Sud's decisions its card is legal, comes from what Sud may
// know only (the same with every hidden card dealt again and the hidden belote flag flipped), and is the same
// each time the same situation comes, without drawing from the match's random source.
#include <gtest/gtest.h>

#include <algorithm>

#include "aide.h"
#include "belote/flux.h"
#include "belote/fort.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

constexpr BudgetFort Petit{6, 6}; // a small budget keeps ten thousand decisions fast

// Sud's seat: every card asked of the Fort level and checked, then played; its bids checked the same way.
class Sonde : public TableMuette {
  public:
    explicit Sonde(Belote& b) : TableMuette(b), b_(b) {}
    int decisions = 0;

    void etatclic(EtatClic e) override {
        etat_ = e;
        TableMuette::etatclic(e);
    }
    Attente attendcarte() override {
        const TableBelote avant = b_.table;
        const std::uint64_t source = b_.rnd.etat();
        const Choix c = cartefort(b_, 1, Petit);
        ++decisions;
        EXPECT_TRUE(permise(cartelegale(avant, 1, c.slot))) << "slot " << c.slot << " trick " << avant.numpli;
        EXPECT_EQ(b_.rnd.etat(), source);
        if (decisions % 5 == 0) {
            const TableBelote apres = b_.table;
            EXPECT_EQ(carte(avant), c.slot) << "the same situation twice";
            redistribue(b_.table = avant, 1, tirage_);
            EXPECT_EQ(carte(b_.table), c.slot) << "hidden cards moved, trick " << avant.numpli;
            b_.table = apres;
        }
        return {c.slot, 0, c.motif};
    }
    Attente attendenchere() override {
        const TableBelote avant = b_.table;
        const auto enchere = [&](const TableBelote& t) {
            b_.table = t;
            const Motif m =
                etat_ == EtatClic::enchere1 ? premiertourfort(b_, 1, Petit) : secondtourfort(b_, 1, Petit);
            return std::pair{m, b_.table.atout};
        };
        const auto premiere = enchere(avant);
        TableBelote autre = avant;
        redistribue(autre, 1, tirage_);
        EXPECT_EQ(enchere(autre), premiere) << "hidden cards moved while bidding";
        b_.table = avant;
        return TableMuette::attendenchere();
    }

  private:
    Belote& b_;
    EtatClic etat_ = EtatClic::aucun;
    Rnd tirage_{99};
    int carte(const TableBelote& t) {
        b_.table = t;
        return cartefort(b_, 1, Petit).slot;
    }
};

} // namespace

TEST(Fort, LegalBlindAndDeterministicOverManyDecisions) {
    Monde m;
    m.r.partieen = 1500;
    m.rnd.graine(2026);
    Sonde sonde(m.b);
    for (int partie = 0; sonde.decisions < 10000 && !::testing::Test::HasFailure(); ++partie) {
        m.r.avecannonces = partie % 2 == 0;
        lancelapartie(m.b, sonde);
    }
    EXPECT_GE(sonde.decisions, 10000);
}
