// The flow on the table: Sud's turn, voices of a trick, end of a match, rigged and passed deals.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"

using namespace tlv;
using namespace tlv::essai;

// A fixed deal: Sud took Coeur; dealer Nord, so Ouest leads, with the As of Pique.
class TourDeSud : public ::testing::Test {
  protected:
    Monde m;
    TableTemoin t{m.b};
    TableBelote& tb = m.b.table;
    void SetUp() override {
        donnemain(tb, 1, {10, 20, 21, 22, 23, 24, 25, 26});
        donnemain(tb, 2, {37, 41, 42, 43, 44, 45, 46, 47});
        donnemain(tb, 3, {27, 30, 31, 32, 33, 34, 35, 36});
        donnemain(tb, 4, {11, 12, 13, 14, 15, 16, 17, 40});
        tb.atout = 4;
        tb.preneur = 1;
        tb.donneur = 3;
        calculevaleurs(tb);
    }
};

TEST_F(TourDeSud, IllegalClickIsRefusedAndAskedAgain) {
    t.cartessud = {2, 1}; // a Carreau on the Pique led, then the 7 of Pique
    partie(m.b, t);
    EXPECT_EQ(t.traces[0], "voix 4 pique"); // the leader names the suit
    EXPECT_EQ(tb.cartesjouees[1][4], 17);
    EXPECT_EQ(tb.cartesjouees[1][1], 10);
    EXPECT_EQ(t.compte("son cartew09"), 1);
    EXPECT_EQ(m.b.ecran.arret, 0);
}

TEST_F(TourDeSud, StopWhileWaitingDropsTheDeal) {
    t.cartessud = {-1};
    partie(m.b, t);
    EXPECT_EQ(m.b.ecran.arret, 1);
    EXPECT_EQ(tb.totalnous + tb.totaleux, 0);
    EXPECT_EQ(tb.numpli, 1);
}

TEST_F(TourDeSud, DiscardSignalsTheOppositeSuit) {
    // Sud holds neither Pique nor trump: it may throw anything on Ouest's As.
    donnemain(tb, 1, {20, 21, 22, 23, 24, 25, 26, 27});
    donnemain(tb, 3, {10, 30, 31, 32, 33, 34, 35, 36});
    calculevaleurs(tb);
    t.cartessud = {1, -1};
    partie(m.b, t);
    EXPECT_EQ(tb.cartesjouees[1][1], 20);
    EXPECT_EQ(tb.plusdatout[1], 1);
    EXPECT_EQ(tb.appel[1], 3); // 5 - Carreau
}

// Three matches by the computer: the first trump on a plain lead says "coupe", later ones in the trick do
// not; the match ends on the winner's message.
TEST(Partie, CutVoicedOncePerTrickAndTheWinnerAnnounced) {
    Monde m;
    TableTemoin t(m.b);
    m.rnd.graine(3);
    const std::set<std::string> entames{"pique", "carro", "trefle", "coeur", "atout"};
    int plis = 0;
    for (int i = 0; i < 3; ++i) {
        t.traces.clear();
        lancelapartie(m.b, t);
        int coupes = 0;
        for (const auto& l : t.traces) {
            const std::string mot = l.substr(l.rfind(' ') + 1);
            if (l.rfind("voix", 0) == 0 && entames.count(mot)) coupes = 0, ++plis;
            coupes += mot == "coupe";
            EXPECT_LE(coupes, 1);
        }
        const auto& tb = m.b.table;
        EXPECT_EQ(m.b.ecran.arret, 2);
        EXPECT_TRUE(tb.totalnous >= 1000 || tb.totaleux >= 1000);
        EXPECT_EQ(t.compte(tb.totalnous > tb.totaleux   ? "msg Vous gagnez|la partie"
                           : tb.totaleux > tb.totalnous ? "msg Vous perdez|la partie"
                                                        : "msg Egalité|"),
                  1);
    }
    EXPECT_GT(plis, 100);
}

// The journal of `parties` matches played by the computer on a silent table.
std::string journal(Monde& m, int parties) {
    std::ostringstream trace;
    Journal j(trace);
    m.b.suivi = &j;
    TableMuette t(m.b);
    for (int i = 0; i < parties; ++i) lancelapartie(m.b, t);
    m.b.suivi = nullptr;
    return trace.str();
}

TEST(Partie, PassedDealGoesStraightToTheNextDealer) {
    Monde m;
    m.rnd.graine(21);
    std::istringstream lignes(journal(m, 5));
    std::string l, precedente;
    int passes = 0, donneur = 0;
    while (std::getline(lignes, l)) {
        if (precedente.rfind("prise preneur=0", 0) == 0) {
            ++passes;
            EXPECT_EQ(l.rfind("donne n=", 0), 0u) << l;
            EXPECT_EQ(l[l.find("donneur=") + 8] - '0', donneur % 4 + 1);
        }
        if (l.rfind("donne ", 0) == 0) donneur = l[l.find("donneur=") + 8] - '0';
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
    m.b.donnesmax = 1;
    const std::string trace = journal(m, 1);
    EXPECT_NE(trace.find("donne n=1 donneur=2 retournee=" + std::to_string(carteno(100 % 32))),
              std::string::npos);
    EXPECT_FALSE(m.r.avecannonces);
    // Consumed when somebody took; otherwise still pending for the next match.
    EXPECT_EQ(m.b.paquet.avecfauxjeu, trace.find("prise preneur=0") != std::string::npos);
}

TEST(FauxJeu, DamagedTextIsDroppedForARandomDeal) {
    Monde m;
    m.b.paquet.fauxjeu = "1011121314";
    m.b.paquet.avecfauxjeu = true;
    m.b.donnesmax = 1;
    journal(m, 1);
    EXPECT_FALSE(m.b.paquet.avecfauxjeu);
    EXPECT_TRUE(m.r.avecannonces);
}
