// A deal's record and a saved match: the record deals again into the same hands and is replayed step by
// step; a saved match, played again from its answers, goes on as if never cut; a damaged file is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "aide.h"
#include "belote/choix.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/recit.h"
#include "belote/relais.h"
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
    for (const std::string& faux :
         {partage(fj, 5), partage(fj, 0), fj, fj + "/", partage(fj.substr(2), 1),
          partage("3131" + fj.substr(4), 1), partage("18" + fj.substr(2), 1), partage(fj, 2) + "2"})
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
        // From the dealer's left, round after round, up to the taker, or eight passes; each with its reason.
        const std::size_t n = r.encheres.size();
        EXPECT_TRUE(r.preneur ? r.encheres.back().joueur == r.preneur : n == 8);
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_EQ(r.encheres[k].joueur, apres(r.donneur, static_cast<int>(k % 4) + 1));
            EXPECT_EQ(identifiant(r.encheres[k].raison.motif).starts_with("prend"), r.preneur && k + 1 == n);
            EXPECT_NE(r.encheres[k].raison.phrase, "");
        }
        EXPECT_EQ(rl.position(rl.tours()).mains, r.mains);
        for (int k = 0; k < 32; ++k) {
            SCOPED_TRACE(k);
            const Position p = rl.position(rl.tours() + 1 + k);
            EXPECT_EQ(p.carte, r.cartes[k].carte);
            EXPECT_EQ(p.raison, &r.cartes[k].raison);
            EXPECT_NE(r.cartes[k].raison.phrase, "");
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

namespace {

// Sud as a player would be: its choice by the rules, thought out on copies so that it leaves the match
// alone. With `menu`, at the third trick of every third deal it opens the menu while awaited and changes
// the options.
class Joueuse : public TableMuette {
  public:
    Joueuse(Belote& b, bool menu) : TableMuette(b), b_(b), menu_(menu) {}
    Attente attendenchere() override {
        const TableBelote t = b_.table;
        const Attente a = TableMuette::attendenchere();
        b_.table = t;
        return {a.choix, 0};
    }
    Attente attendcarte() override {
        if (menu_ && b_.numerodonne % 3 == 2 && b_.table.numpli == 3) {
            b_.reglages.avecannonces = !b_.reglages.avecannonces;
            b_.reglages.partieen = b_.reglages.partieen == 1000 ? 1500 : 1000;
        }
        TableBelote t = b_.table;
        Rnd r = b_.rnd;
        return {choisitcarte(t, 1, r).slot, 0};
    }

  private:
    Belote& b_;
    bool menu_;
};

struct Partie {
    Monde m;
    std::ostringstream texte;
    Journal trace{texte};
    std::size_t repris = 0; // the journal's length when a resumed match reached its point
    std::vector<Sauvegarde> sauvees;
    Joueuse joueuse;
    Relais relais;
    explicit Partie(bool menu)
        : joueuse(m.b, menu), relais(
                                  joueuse, m.b,
                                  [this](Sauvegarde s) {
                                      s.journal = texte.str().size();
                                      sauvees.push_back(s);
                                  },
                                  [this] { repris = texte.str().size(); }) {
        m.b.suivi = &trace;
    }
};

} // namespace

class Reprise : public ::testing::TestWithParam<bool> {};

// Cut at every saved point of a whole match (Sud's bids and cards, each new deal), resumed in a new
// world: the journal of the first run up to the cut and of the second from there is the whole match's. Every
// cut of the last save's file, and bytes changed in it, are refused rather than read as another match.
TEST_P(Reprise, EverySavedPointGoesOnAsTheUncutMatchAndADamagedFileIsRefused) {
    Partie a(GetParam());
    a.m.rnd.graine(7);
    a.relais.nouvellepartie();
    lancelapartie(a.m.b, a.relais);
    const std::string entiere = a.texte.str();
    ASSERT_GT(a.sauvees.size(), 100u);
    for (std::size_t i = 0; i < a.sauvees.size(); i += 3) {
        const Sauvegarde s = *litsauvegarde(decoupelignes(ecritsauvegarde(a.sauvees[i]), 1 << 20));
        Partie b(GetParam());
        b.m.rnd.graine(s.graine);
        b.m.r.partieen = s.partieen;
        b.m.r.avecannonces = s.avecannonces;
        b.m.b.numeropartie = s.numeropartie - 1;
        b.relais.reprend(s);
        lancelapartie(b.m.b, b.relais);
        ASSERT_FALSE(b.relais.enavance()) << "point " << i;
        ASSERT_EQ(entiere.substr(0, s.journal) + b.texte.str().substr(b.repris), entiere) << "point " << i;
    }
    const std::string texte = ecritsauvegarde(a.sauvees.back());
    ASSERT_EQ(a.sauvees.back().options.empty(), !GetParam()) << "the options the menu changed";
    for (std::size_t n = 0; n + 1 < texte.size(); ++n)
        EXPECT_FALSE(litsauvegarde(decoupelignes(texte.substr(0, n), 1 << 20))) << n;
    Rnd r(5);
    for (int essai = 0; essai < 300; ++essai) {
        std::string abime = texte;
        abime[static_cast<std::size_t>(r() * static_cast<double>(abime.size()))] =
            static_cast<char>(r() * 256);
        if (abime != texte) {
            EXPECT_FALSE(litsauvegarde(decoupelignes(abime, 1 << 20))) << essai;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Options, Reprise, ::testing::Bool());
