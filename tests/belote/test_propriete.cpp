// Seeded property run over many deals: every card dealt and played once, 152 card points a deal, no illegal
// card, the gathered pack equal to the tricks in order, the dealer's turn, the cut said once a trick, and the
// same seed giving the same trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// Each of the 32 cards exactly once.
void unefois(std::vector<int> cartes) {
    std::sort(cartes.begin(), cartes.end());
    ASSERT_EQ(cartes.size(), 32u);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(cartes[static_cast<std::size_t>(i)], carteno(i));
}

// Plays the matches silently and checks every deal as it goes.
class Verificateur : public TableMuette, public Suivi {
  public:
    explicit Verificateur(Belote& b) : TableMuette(b), b_(b) { b.suivi = this; }
    int donnesjouees = 0;

    // A passed deal goes straight to the next dealer.
    void partie(int) override { donneur_ = 0; }
    void donne(int, int donneur, int) override {
        EXPECT_TRUE(donneur_ == 0 || donneur == donneur_ % 4 + 1);
        donneur_ = donneur;
    }
    // The first trump on a plain lead says "coupe", later ones in the trick do not.
    void voix(int, const std::string& mot) override { coupes_ += mot == "coupe"; }

    // Called once the hands are complete and sorted.
    void annonces(int, int, int) override {
        std::vector<int> mains;
        for (int j = 1; j <= 4; ++j) {
            mains.insert(mains.end(), b_.table.jeu[j].begin() + 1, b_.table.jeu[j].end());
            EXPECT_TRUE(std::is_sorted(b_.table.jeu[j].begin() + 1, b_.table.jeu[j].end()));
        }
        unefois(mains);
        joues_.clear();
        points_ = 0;
    }
    void pli(int n, const std::array<std::int16_t, 5>& cartes, int, int, int) override {
        EXPECT_EQ(n, static_cast<int>(joues_.size()) / 4 + 1);
        EXPECT_LE(coupes_, 1);
        coupes_ = 0;
        for (int j = 1; j <= 4; ++j) {
            joues_.push_back(cartes[static_cast<std::size_t>(j)]);
            points_ += valeurcarte(joues_.back(), b_.table.atout);
        }
    }
    void fin(int, int, int, int, int) override {
        ++donnesjouees;
        unefois(joues_);
        EXPECT_EQ(points_, 152);
        EXPECT_EQ(b_.paquet.positionpaquet, 33);
        EXPECT_TRUE(std::equal(joues_.begin(), joues_.end(), b_.paquet.paquet.begin() + 1));
    }
    void illegale(int j, int c, int n) override {
        ADD_FAILURE() << "seat " << j << " card " << c << " trick " << n;
    }

  private:
    const Belote& b_;
    std::vector<int> joues_;
    int points_ = 0, donneur_ = 0, coupes_ = 0;
};

} // namespace

// TLV_DONNES_PROPRIETE sets how many played deals the run needs (10000 by default), half of them with
// announcements.
TEST(Propriete, EveryDealIsSound) {
    const char* v = std::getenv("TLV_DONNES_PROPRIETE");
    const int voulues = v && std::atoi(v) > 0 ? std::atoi(v) : 10000;
    for (bool annonces : {true, false}) {
        Monde m;
        m.r.avecannonces = annonces;
        m.r.partieen = 1500;
        m.rnd.graine(annonces ? 20261206 : 7);
        Verificateur verif(m.b);
        while (verif.donnesjouees < voulues / 2 && !::testing::Test::HasFailure()) lancelapartie(m.b, verif);
        EXPECT_GE(verif.donnesjouees, voulues / 2);
    }
}

TEST(Propriete, SameSeedSameTrace) {
    const auto trace = [](std::uint64_t graine) {
        Monde m;
        m.rnd.graine(graine);
        std::ostringstream o;
        Journal j(o);
        m.b.suivi = &j;
        TableMuette t(m.b);
        for (int i = 0; i < 3; ++i) lancelapartie(m.b, t);
        return o.str();
    };
    const std::string a = trace(42);
    EXPECT_EQ(a, trace(42));
    EXPECT_NE(a, trace(43));
    EXPECT_NE(a.find("resultat"), std::string::npos);
}
