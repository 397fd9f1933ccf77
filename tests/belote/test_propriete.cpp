// Seeded property run over many deals: every card dealt and played once, 152 card points a deal, no illegal
// card, the gathered pack equal to the tricks in order, and the same seed giving the same trace.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"

using namespace tlv;
using namespace tlv::essai;

namespace {

// TLV_DONNES_PROPRIETE overrides how many played deals the run needs (10000 by default).
int donnesvoulues() {
    const char* v = std::getenv("TLV_DONNES_PROPRIETE");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 10000;
}

class Verificateur : public Suivi {
  public:
    explicit Verificateur(const Belote& b) : b_(b) {}
    int donnesjouees = 0;

    void annonces(int, int, int) override {
        // The whole pack is in the hands, each hand sorted.
        std::array<int, 48> vu{};
        for (int j = 1; j <= 4; ++j)
            for (int s = 1; s <= 8; ++s) {
                const int c = b_.table.jeu[j][s];
                ASSERT_TRUE(estcarte(c));
                ++vu[static_cast<std::size_t>(c)];
                if (s > 1) {
                    EXPECT_LT(b_.table.jeu[j][s - 1], c);
                }
            }
        for (int c = 10; c <= 47; ++c)
            if (estcarte(c)) {
                EXPECT_EQ(vu[static_cast<std::size_t>(c)], 1) << c;
            }
        joues_.clear();
        pointscartes_ = 0;
    }
    void pli(int n, const std::array<std::int16_t, 5>& cartes, int, int, int) override {
        EXPECT_EQ(n, static_cast<int>(joues_.size()) / 4 + 1);
        for (int j = 1; j <= 4; ++j) {
            joues_.push_back(cartes[static_cast<std::size_t>(j)]);
            pointscartes_ += valeurcarte(cartes[static_cast<std::size_t>(j)], b_.table.atout);
        }
    }
    void fin(int, int, int, int, int) override {
        ++donnesjouees;
        ASSERT_EQ(joues_.size(), 32u);
        std::array<int, 48> vu{};
        for (int c : joues_) ++vu[static_cast<std::size_t>(c)];
        for (int c = 10; c <= 47; ++c)
            if (estcarte(c)) {
                EXPECT_EQ(vu[static_cast<std::size_t>(c)], 1) << c;
            }
        EXPECT_EQ(pointscartes_, 152);
        EXPECT_EQ(b_.paquet.positionpaquet, 33);
        for (int k = 1; k <= 32; ++k) EXPECT_EQ(b_.paquet.paquet[k], joues_[static_cast<std::size_t>(k - 1)]);
        for (int j = 1; j <= 4; ++j)
            for (int s = 1; s <= 8; ++s) EXPECT_EQ(b_.table.jeu[j][s], 0);
    }
    void illegale(int joueur, int carte, int numpli) override {
        ADD_FAILURE() << "illegal card " << carte << " by seat " << joueur << " in trick " << numpli;
    }

  private:
    const Belote& b_;
    std::vector<int> joues_;
    int pointscartes_ = 0;
};

std::string trace(std::uint64_t graine, int parties, bool annonces) {
    Monde m;
    m.r.avecannonces = annonces;
    m.rnd.graine(graine);
    std::ostringstream o;
    Journal j(o);
    m.b.suivi = &j;
    TableMuette t(m.b);
    for (int i = 0; i < parties; ++i) lancelapartie(m.b, t);
    return o.str();
}

} // namespace

TEST(Propriete, EveryDealIsSound) {
    const int voulues = donnesvoulues();
    for (bool annonces : {true, false}) {
        Monde m;
        m.r.avecannonces = annonces;
        m.r.partieen = 1500;
        m.rnd.graine(annonces ? 20261206 : 7);
        Verificateur v(m.b);
        m.b.suivi = &v;
        TableMuette t(m.b);
        while (v.donnesjouees < voulues / 2 && !::testing::Test::HasFailure()) lancelapartie(m.b, t);
        EXPECT_GE(v.donnesjouees, voulues / 2);
    }
}

TEST(Propriete, SameSeedSameTrace) {
    const std::string a = trace(42, 3, true);
    EXPECT_EQ(a, trace(42, 3, true));
    EXPECT_NE(a, trace(43, 3, true));
    EXPECT_NE(a.find("resultat"), std::string::npos);
}
