// The flow on the table: Sud's turn, voices of a trick, stops, rigged deals, passed deals.
#include <gtest/gtest.h>

#include <sstream>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"

using namespace tlv;
using namespace tlv::essai;

namespace {

// A fixed deal: Sud took Coeur; Ouest leads first (dealer Nord).
void donnefixe(Belote& b) {
    auto& t = b.table;
    donnemain(t, 1, {10, 20, 21, 22, 23, 24, 25, 26});
    donnemain(t, 2, {37, 41, 42, 43, 44, 45, 46, 47});
    donnemain(t, 3, {27, 30, 31, 32, 33, 34, 35, 36});
    donnemain(t, 4, {11, 12, 13, 14, 15, 16, 17, 40});
    t.atout = 4;
    t.preneur = 1;
    t.donneur = 3;
    calculevaleurs(t);
}

// Puts the trace events into the table's own record, so both read in one order.
class Marqueur : public Suivi {
  public:
    explicit Marqueur(TableTemoin& t) : t_(t) {}
    void pli(int n, const std::array<std::int16_t, 5>&, int, int, int) override {
        t_.traces.push_back("pli " + std::to_string(n));
    }
    void fin(int, int, int, int, int) override { t_.traces.push_back("fin"); }
    void illegale(int, int, int) override { ADD_FAILURE() << "illegal card"; }

  private:
    TableTemoin& t_;
};

} // namespace

TEST(TourDeSud, IllegalClickIsRefusedAndAskedAgain) {
    Monde m;
    TableTemoin t(m.b);
    donnefixe(m.b);
    t.cartessud = {2, 1}; // a Carreau on the As of Pique led by Ouest, then the 7 of Pique
    partie(m.b, t);
    EXPECT_EQ(m.b.table.cartesjouees[1][4], 17);
    EXPECT_EQ(m.b.table.cartesjouees[1][1], 10);
    EXPECT_EQ(t.compte("son cartew09"), 1);
    EXPECT_EQ(t.traces[0], "voix 4 pique"); // the leader names the suit
    EXPECT_TRUE(m.b.ecran.arret == 0);
}

TEST(TourDeSud, StopWhileWaitingDropsTheDeal) {
    Monde m;
    TableTemoin t(m.b);
    donnefixe(m.b);
    t.cartessud = {-1};
    partie(m.b, t);
    EXPECT_EQ(m.b.ecran.arret, 1);
    EXPECT_EQ(m.b.table.totalnous + m.b.table.totaleux, 0);
    EXPECT_EQ(m.b.table.numpli, 1);
}

TEST(TourDeSud, DiscardSignalsTheOppositeSuit) {
    Monde m;
    TableTemoin t(m.b);
    donnefixe(m.b);
    // Sud holds neither Pique nor trump: it may throw anything on Ouest's As.
    donnemain(m.b.table, 1, {20, 21, 22, 23, 24, 25, 26, 27});
    donnemain(m.b.table, 3, {10, 30, 31, 32, 33, 34, 35, 36});
    calculevaleurs(m.b.table);
    t.cartessud = {1, -1};
    partie(m.b, t);
    EXPECT_EQ(m.b.table.cartesjouees[1][1], 20);
    EXPECT_EQ(m.b.table.plusdatout[1], 1);
    EXPECT_EQ(m.b.table.appel[1], 3); // 5 - Carreau
}

TEST(Voix, CutIsAnnouncedOncePerTrick) {
    Monde m;
    TableTemoin t(m.b);
    Marqueur marque(t);
    m.b.suivi = &marque;
    m.rnd.graine(3);
    for (int i = 0; i < 3; ++i) lancelapartie(m.b, t);
    int coupes = 0, plis = 0;
    for (const auto& l : t.traces) {
        if (l.rfind("pli", 0) == 0) {
            EXPECT_LE(coupes, 1);
            coupes = 0;
            ++plis;
        }
        coupes += l.find(" coupe") != std::string::npos;
    }
    EXPECT_GT(plis, 100);
}

TEST(Partie, EndsWithTheWinnerAndLeavesTheTable) {
    Monde m;
    TableTemoin t(m.b);
    m.rnd.graine(8);
    lancelapartie(m.b, t);
    const auto& tb = m.b.table;
    EXPECT_EQ(m.b.ecran.arret, 2);
    EXPECT_FALSE(tb.partieencours);
    EXPECT_TRUE(tb.totalnous >= 1000 || tb.totaleux >= 1000);
    const std::string attendu = tb.totalnous > tb.totaleux   ? "msg Vous gagnez|la partie"
                                : tb.totaleux > tb.totalnous ? "msg Vous perdez|la partie"
                                                             : "msg Egalité|";
    EXPECT_EQ(t.compte(attendu), 1);
}

TEST(Partie, PassedDealsWriteNothingOnThePad) {
    Monde m;
    std::ostringstream trace;
    Journal journal(trace);
    m.b.suivi = &journal;
    TableMuette t(m.b);
    m.rnd.graine(21);
    for (int i = 0; i < 5; ++i) lancelapartie(m.b, t);
    std::istringstream lignes(trace.str());
    std::string l, precedente;
    int passes = 0, donneurpasse = 0;
    while (std::getline(lignes, l)) {
        if (precedente.rfind("prise preneur=0", 0) == 0) {
            ++passes;
            EXPECT_EQ(l.rfind("donne ", 0), 0u) << l; // straight to the next deal
            const int donneur = l[l.find("donneur=") + 8] - '0';
            EXPECT_EQ(donneur, donneurpasse % 4 + 1);
        }
        if (l.rfind("donne ", 0) == 0) donneurpasse = l[l.find("donneur=") + 8] - '0';
        precedente = l;
    }
    EXPECT_GT(passes, 0);
}

TEST(FauxJeu, DealtByItsDealerWithoutAnnouncements) {
    Monde m;
    std::string f;
    for (int k = 0; k < 32; ++k) f += std::to_string(carteno((k * 5) % 32)); // 5 is prime to 32
    m.b.paquet.fauxjeu = f;
    m.b.paquet.avecfauxjeu = true;
    m.b.paquet.donneurfauxjeu = 2;
    std::ostringstream trace;
    Journal journal(trace);
    m.b.suivi = &journal;
    m.b.donnesmax = 1;
    TableMuette t(m.b);
    lancelapartie(m.b, t);
    EXPECT_NE(trace.str().find("donne n=1 donneur=2 retournee=" + std::to_string(carteno((20 * 5) % 32))),
              std::string::npos);
    EXPECT_FALSE(m.r.avecannonces);
    EXPECT_EQ(trace.str().find("resultat"), std::string::npos);
    // Consumed when somebody took; otherwise still pending for the next match.
    EXPECT_EQ(m.b.paquet.avecfauxjeu, trace.str().find("prise preneur=0") != std::string::npos);
}

TEST(FauxJeu, DamagedTextIsDroppedForARandomDeal) {
    Monde m;
    m.b.paquet.fauxjeu = "1011121314";
    m.b.paquet.avecfauxjeu = true;
    m.b.paquet.donneurfauxjeu = 2;
    m.b.donnesmax = 1;
    TableMuette t(m.b);
    lancelapartie(m.b, t);
    EXPECT_FALSE(m.b.paquet.avecfauxjeu);
    EXPECT_TRUE(m.r.avecannonces);
}
