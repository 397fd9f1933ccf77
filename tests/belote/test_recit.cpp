// A deal recorded as it went deals again, through the rigged-deal path, into the very same hands.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/donne.h"
#include "belote/flux.h"
#include "belote/recit.h"
#include "belote/relecture.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// Keeps every deal the recorder settles.
class Collecte : public Suivi {
  public:
    explicit Collecte(const Enregistreur& e) : e_(e) {}
    std::vector<Recit> recits;
    void fin(int, int, int, int, int) override { recits.push_back(*e_.dernier()); }

  private:
    const Enregistreur& e_;
};

// Every deal of one silent match from this seed, as recorded.
std::vector<Recit> recits(std::uint64_t graine) {
    Monde m;
    m.rnd.graine(graine);
    TableMuette table(m.b);
    Enregistreur e;
    Collecte c(e);
    e.suite(&c);
    m.b.suivi = &e;
    lancelapartie(m.b, table);
    return c.recits;
}

} // namespace

// Random first deals and cut deals, every taker: the record deals the first half and, with the same taker,
// the whole hands again.
TEST(Recit, ItsRiggedDealGivesTheSameHands) {
    int donnes = 0;
    for (std::uint64_t graine = 1; graine <= 30; ++graine) {
        Rnd rnd;
        for (const Recit& r : recits(graine)) {
            ++donnes;
            const std::string fj = fauxjeudurecit(r);
            ASSERT_TRUE(fauxjeuvalide(fj)) << "seed " << graine << " deal " << r.numero;
            TableBelote t;
            Paquet p;
            p.fauxjeu = fj;
            p.avecfauxjeu = true;
            t.donneur = static_cast<std::int16_t>(r.donneur);
            distribution(t, p, rnd);
            EXPECT_EQ(t.jeu, r.premiere) << "seed " << graine << " deal " << r.numero;
            t.preneur = static_cast<std::int16_t>(r.preneur);
            distributionfauxjeudureste(t, p);
            triejeux(t);
            EXPECT_EQ(t.jeu, r.mains) << "seed " << graine << " deal " << r.numero;
            ASSERT_EQ(r.cartes.size(), 32u);
            ASSERT_EQ(r.gagnants.size(), 8u);
        }
    }
    EXPECT_GT(donnes, 200);
}

TEST(Partage, ReadsBackWhatItWritesAndRefusesTheRest) {
    const std::string fj = "3111414246321023441737123425161314243521204022362726301543334745";
    std::string lu;
    int d = 0;
    ASSERT_TRUE(litpartage(" \n" + partage(fj, 3) + "\r\n", lu, d));
    EXPECT_EQ(lu, fj);
    EXPECT_EQ(d, 3);
    for (const std::string& faux : {partage(fj, 5), partage(fj, 0), fj, fj + "/", partage(fj.substr(2), 1),
                                    partage("3131" + fj.substr(4), 1), partage(fj, 2) + "2"})
        EXPECT_FALSE(litpartage(faux, lu, d)) << faux;
}

// The replay's steps of played deals: five cards each and the turned card in the middle while the seats
// bid, round by round, every bid told once; the whole hands; then after each card the hands without every
// card played so far and the trick under way alone in the middle, its winner once it is whole.
TEST(Relecture, EachStepShowsTheHandsLeftAndTheTrickUnderWay) {
    const std::vector<Recit> deals = recits(3);
    const auto compte = [](const std::array<Main, 5>& mains) {
        int n = 0;
        for (int j = 1; j <= 4; ++j)
            for (int s = 1; s <= 8; ++s) n += mains[j][s] > 0;
        return n;
    };
    bool secondtour = false;
    for (const Recit& r : deals) {
        SCOPED_TRACE(r.numero);
        const Relecture rl(r);
        ASSERT_EQ(rl.etapes(), rl.tours() + 33);
        secondtour = secondtour || rl.tours() == 2;
        int dites = 0;
        for (int t = 0; t < rl.tours(); ++t) {
            const Position p = rl.position(t);
            EXPECT_EQ(p.premiere, t == 0 ? 0 : 4) << "a second round only after four passes";
            EXPECT_LE(p.nombre, 4);
            dites += p.nombre;
            EXPECT_EQ(p.retournee, r.retournee);
            EXPECT_EQ(compte(p.mains), 20) << "five each, the turned card apart";
        }
        EXPECT_EQ(dites, static_cast<int>(r.encheres.size()));
        EXPECT_EQ(rl.position(rl.tours()).mains, r.mains);
        for (int k = 0; k < 32; ++k) {
            SCOPED_TRACE(k);
            const Position p = rl.position(rl.tours() + 1 + k);
            EXPECT_EQ(p.carte, r.cartes[k].carte);
            EXPECT_EQ(p.raison, &r.cartes[k].raison);
            EXPECT_EQ(compte(p.mains), 31 - k);
            int surlatable = 0;
            for (int j = 1; j <= 4; ++j) surlatable += p.pli[j] > 0;
            EXPECT_EQ(surlatable, k % 4 + 1);
            EXPECT_EQ(p.pli[p.joueur], p.carte);
            EXPECT_EQ(p.gagnant, k % 4 == 3 ? r.gagnants[k / 4] : 0);
        }
        EXPECT_EQ(rl.position(99).carte, r.cartes[31].carte) << "a step past the end is the last";
    }
    EXPECT_TRUE(secondtour) << "some deal went to the second round";
}
