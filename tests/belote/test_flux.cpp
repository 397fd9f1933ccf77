// The flow on the table: Sud's turn, end of a match, rigged deals.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

// A fixed deal: Sud took Coeur; dealer Nord, so Ouest leads with the As of Pique. Sud clicks `clics`, the
// last one stopping the match.
struct CasSud {
    const char* nom;
    std::vector<int> clics;
    bool sanspique; // Sud holds only Carreau, so it may throw anything
    int joue, refus, appel, sansatout;
    const char* raison; // the message after a refused card
};

class TourDeSud : public ::testing::TestWithParam<CasSud> {};

TEST_P(TourDeSud, LegalCardStopOrSignal) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    donnemain(tb, 1, {10, 20, 21, 22, 23, 24, 25, 26});
    donnemain(tb, 2, {37, 41, 42, 43, 44, 45, 46, 47});
    donnemain(tb, 3, {27, 30, 31, 32, 33, 34, 35, 36});
    donnemain(tb, 4, {11, 12, 13, 14, 15, 16, 17, 40});
    if (c.sanspique) std::swap(tb.jeu[1][1], tb.jeu[3][1]); // Sud's 7 of Pique for Nord's As of Carreau
    tb.atout = 4;
    tb.preneur = 1;
    tb.donneur = 3;
    calculevaleurs(tb);
    t.clics = c.clics;
    jeudelacarte(m.b, t);
    EXPECT_EQ(tb.cartesjouees[1][1], c.joue);
    EXPECT_EQ(m.b.ecran.arret, 1);
    EXPECT_EQ(t.compte("son cartew09"), c.refus);
    EXPECT_EQ(t.compte(c.raison), c.refus);
    EXPECT_EQ(tb.appel[1], c.appel);
    EXPECT_EQ(tb.plusdatout[1], c.sansatout);
    EXPECT_EQ(tb.totalnous + tb.totaleux, 0); // a stopped deal is not settled
}

INSTANTIATE_TEST_SUITE_P(
    Flux, TourDeSud,
    ::testing::Values(
        CasSud{"CarteRefuseeRedemandee", {2, 1, -1}, false, 10, 1, 0, 0, "msg Vous devez|fournir à pique"},
        CasSud{"Arret", {-1}, false, 0, 0, 0, 0, "msg Vous devez"},
        // The discard of a Carreau asks for Trefle (5 - 2).
        CasSud{"DefausseAppelle", {1, -1}, true, 27, 0, 3, 1, "msg Vous devez"}),
    [](const auto& info) { return std::string(info.param.nom); });

// Each refusal says what the rule asks, in the words of the message box; an empty slot says nothing.
TEST(Refus, SaysWhatTheRuleAsks) {
    Monde m;
    m.b.table.couleurdemandee = 4;
    using R = std::pair<std::string, std::string>;
    EXPECT_EQ(raisonrefus(m.b, Legalite::fournir), (R{"Vous devez", "fournir à cœur"}));
    m.b.table.couleurdemandee = 2;
    EXPECT_EQ(raisonrefus(m.b, Legalite::fournir), (R{"Vous devez", "fournir à carreau"}));
    EXPECT_EQ(raisonrefus(m.b, Legalite::couper), (R{"Vous devez", "couper"}));
    EXPECT_EQ(raisonrefus(m.b, Legalite::monter), (R{"Vous devez", "monter à l'atout"}));
    EXPECT_EQ(raisonrefus(m.b, Legalite::surcouper), (R{"Vous devez", "surcouper"}));
    EXPECT_EQ(raisonrefus(m.b, Legalite::refusee), R{});
    EXPECT_EQ(raisonrefus(m.b, Legalite::permise), R{});
}

// A match ends on the message of the side with the higher total.
TEST(Partie, EndsOnTheWinnersMessage) {
    Monde m;
    TableTemoin t(m.b);
    m.rnd.graine(8);
    lancelapartie(m.b, t);
    const auto& tb = m.b.table;
    EXPECT_EQ(m.b.ecran.arret, 2);
    EXPECT_TRUE(tb.totalnous >= 1000 || tb.totaleux >= 1000);
    EXPECT_EQ(t.compte(tb.totalnous > tb.totaleux   ? "msg Vous gagnez|la partie"
                       : tb.totaleux > tb.totalnous ? "msg Vous perdez|la partie"
                                                    : "msg Égalité|"),
              1);
}

// Between two computer cards of a trick, and only there, the table leaves a beat.
TEST(Partie, ABeatBetweenTwoComputerCardsOnly) {
    Monde m;
    TableTemoin t(m.b);
    m.b.donnesmax = 3;
    lancelapartie(m.b, t);
    int avant = 0, battements = 0;
    bool battu = false;
    for (const auto& l : t.traces) {
        if (l == "pli") avant = 0;
        battu = battu || l == "battement";
        if (l.rfind("carte ", 0) != 0) continue;
        const int j = l.back() - '0';
        EXPECT_EQ(battu, avant > 1 && j > 1) << avant << " then " << j;
        battements += battu;
        avant = j, battu = false;
    }
    EXPECT_GT(battements, 20);
}

// A rigged first deal is dealt by its dealer with announcements off and consumed once somebody takes; a
// damaged one gives way to a random deal, announcements on.
TEST(FauxJeu, RiggedOrDamaged) {
    std::string bon;
    for (int k = 0; k < 32; ++k) bon += std::to_string(carteno((k * 5) % 32)); // 5 is prime to 32
    for (const std::string& texte : {bon, std::string("1011121314")}) {
        const bool valide = texte == bon;
        Monde m;
        m.b.paquet.fauxjeu = texte;
        m.b.paquet.avecfauxjeu = true;
        m.b.paquet.donneurfauxjeu = 2;
        m.b.donnesmax = 1;
        std::ostringstream trace;
        Journal j(trace);
        m.b.suivi = &j;
        TableTemoin t(m.b);
        lancelapartie(m.b, t);
        EXPECT_EQ(t.compte("msg Donne composée"), valide ? 1 : 0) << "announcements turned off, said once";
        const std::string donne = "donne n=1 donneur=2 retournee=" + std::to_string(carteno(100 % 32));
        EXPECT_EQ(trace.str().find(donne) != std::string::npos, valide);
        EXPECT_EQ(m.r.avecannonces, !valide);
        EXPECT_EQ(m.b.paquet.avecfauxjeu, valide && trace.str().find("prise preneur=0") != std::string::npos);
    }
}
