// The Fort level over real matches: at each of Sud's decisions its card is legal, comes from what Sud may
// know only (the same with every hidden card dealt again and the hidden belote flag flipped), and is the same
// each time the same situation comes, without drawing from the match's random source.
#include <gtest/gtest.h>

#include <algorithm>

#include "aide.h"
#include "belote/annonces.h"
#include "belote/deroule.h"
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

namespace {

// Every deal of real matches played again card by card on a `Deroule`: the trick winners, the belote and
// the settled score must be the flow's own.
class Rejoueur : public Suivi {
  public:
    int donnes = 0;
    void partie(int) override { reserve_ = 0; }
    void donne(int, int donneur, int) override {
        d_.t = TableBelote{}, d_.t.donneur = static_cast<std::int16_t>(donneur);
    }
    void prise(int preneur, int atout) override {
        d_.t.preneur = static_cast<std::int16_t>(preneur);
        d_.t.atout = static_cast<std::int16_t>(atout);
    }
    void mains(const std::array<Main, 5>& jeu) override {
        d_.t.jeu = jeu;
        calculevaleurs(d_.t);
        d_.belotenous = d_.beloteeux = 0;
    }
    void annonces(int nous, int eux, int) override {
        d_.t.pointsnous = static_cast<std::int16_t>(nous);
        d_.t.pointseux = static_cast<std::int16_t>(eux);
        cherchebelote(d_.t);
        commencejeu(d_);
    }
    void carte(int joueur, int carte, const Raison&) override {
        EXPECT_EQ(d_.prochain, joueur);
        posecarte(d_, cherchecarte(d_.t, joueur, carte));
    }
    void pli(int, const std::array<std::int16_t, 5>&, int gagnant, int nous, int eux) override {
        EXPECT_EQ(d_.t.maitre, gagnant);
        EXPECT_EQ(d_.t.pointsnous, nous);
        EXPECT_EQ(d_.t.pointseux, eux);
    }
    void fin(int nous, int eux, int, int, int reserve) override {
        ++donnes;
        EXPECT_TRUE(d_.fini);
        const Score s = comptedonne(d_.t, d_.belotenous, d_.beloteeux, reserve_);
        EXPECT_EQ(s.nous, nous);
        EXPECT_EQ(s.eux, eux);
        EXPECT_EQ(reserve_, reserve);
    }

  private:
    Deroule d_;
    int reserve_ = 0;
};

} // namespace

TEST(Fort, ImaginedDealsScoreAsTheFlow) {
    Monde m;
    m.rnd.graine(31);
    Rejoueur r;
    m.b.suivi = &r;
    TableMuette t(m.b);
    while (r.donnes < 600 && !::testing::Test::HasFailure()) lancelapartie(m.b, t);
}
