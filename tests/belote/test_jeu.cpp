// The play and its settlement: which card wins a trick and which a seat may play, Sud's turn on the table,
// the settlement of a deal, the end of a match, rigged deals.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>
#include <utility>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

// Trump Coeur runs V 9 As 10 R D 8 7, other suits 7 8 9 V D R 10 As: the 8 over the 7 though both are worth
// 0.
TEST(Pli, CardAgainstTheWinningOne) {
    using C = std::tuple<int, int, bool>; // card, winning card, whether it takes
    for (auto [carte, gagnante, prend] :
         {C{41, 40, true}, C{40, 41, false}, C{43, 42, true}, C{42, 47, true}, C{45, 44, true},
          C{44, 41, true}, C{46, 47, false}, C{40, 17, true}, C{17, 40, false}, C{11, 10, true},
          C{13, 12, true}, C{13, 14, false}, C{16, 15, true}, C{27, 10, false}})
        EXPECT_EQ(battue(carte, valeurcarte(carte, 4), gagnante, valeurcarte(gagnante, 4), 4), prend)
            << carte;
}

// Seats as seen from Sud (1 the seat to play, 3 its partner); rotated to test every seat.
struct CasLegalite {
    const char* nom;
    int maitre;   // 0: the seat leads
    int gagnante; // card winning the trick, trump Coeur
    int demandee; // suit led
    std::array<int, 4> main;
    int slot;
    Legalite attendu;
};

class Legal : public ::testing::TestWithParam<std::tuple<CasLegalite, int>> {};

TEST_P(Legal, SameRuleForEverySeat) {
    const auto& [c, rotation] = GetParam();
    const auto siege = [r = rotation](int s) { return (s - 1 + r) % 4 + 1; };
    TableBelote t;
    t.atout = 4;
    t.numpli = 1;
    const int joueur = siege(1);
    std::copy(c.main.begin(), c.main.end(), t.jeu[joueur].begin() + 1);
    if (c.maitre) {
        const int m = siege(c.maitre);
        t.cartesjouees[1][m] = t.jeu[m][1] = static_cast<std::int16_t>(c.gagnante);
        t.maitre = static_cast<std::int16_t>(m);
        t.cartemaitre = 1;
        t.couleurdemandee = static_cast<std::int16_t>(c.demandee);
    }
    calculevaleurs(t);
    const TableBelote avant = t;
    EXPECT_EQ(cartelegale(t, joueur, c.slot), c.attendu);
    EXPECT_TRUE(t == avant);
}

using L = Legalite;
INSTANTIATE_TEST_SUITE_P(
    Sud, Legal,
    ::testing::Combine(::testing::Values(
                           // Trump led: climb when possible, even over the partner; the 8 climbs over the 7.
                           // Plain cases the computer plays all the time are left to the property run.
                           CasLegalite{"MonterSurPartenaire", 3, 44, 4, {40, 47, 10, 0}, 1, L::monter},
                           CasLegalite{"SansPouvoirMonter", 2, 43, 4, {40, 47, 10, 0}, 1, L::permise},
                           CasLegalite{"HuitSurSept", 2, 40, 4, {41, 44, 10, 0}, 1, L::permise},
                           CasLegalite{"SeptSousHuit", 2, 41, 4, {40, 44, 10, 0}, 1, L::monter},
                           // Pique led; a trump winning it cut the Pique.
                           CasLegalite{"Fournir", 2, 17, 1, {10, 40, 20, 0}, 2, L::fournir},
                           CasLegalite{"PartenaireMaitre", 3, 17, 1, {20, 40, 30, 0}, 1, L::permise},
                           CasLegalite{"CouperObligatoire", 2, 17, 1, {20, 40, 30, 0}, 1, L::couper},
                           CasLegalite{"SousCoupeRefusee", 4, 45, 1, {20, 41, 47, 0}, 2, L::surcouper},
                           CasLegalite{"Surcoupe", 4, 45, 1, {20, 41, 47, 0}, 3, L::permise},
                           CasLegalite{"SousCoupeForcee", 4, 43, 1, {20, 41, 47, 0}, 2, L::permise},
                           CasLegalite{"SousCoupeSurPartenaire", 3, 45, 1, {20, 41, 47, 0}, 2, L::permise},
                           CasLegalite{
                               "SansAtoutNiCouleur", 2, 17, 1, {20, 30, 36, 0}, 3, L::permise_sansatout},
                           CasLegalite{"CaseVide", 2, 17, 1, {20, 30, 36, 0}, 4, L::refusee},
                           CasLegalite{"Entame", 0, 0, 0, {10, 20, 41, 0}, 1, L::permise}),
                       ::testing::Values(0, 1, 2, 3)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + "_siege" +
               std::to_string(std::get<1>(info.param) + 1);
    });

struct CasReglement {
    const char* nom;
    std::int16_t preneur, maitre, plinous, plieux; // maitre: the seat that won the last trick
    std::int16_t nous, eux, belnous, beleux, reserve, totalnous, totaleux;
    int nousfin, euxfin, reservefin; // expected
    bool finpartie;
    const char* message; // one of the settlement messages
};

class Reglement : public SurTable<CasReglement> {};

TEST_P(Reglement, PointsReserveAndTotals) {
    const auto& c = GetParam();
    std::tie(tb.preneur, tb.maitre, tb.plinous, tb.plieux, tb.pointsnous, tb.pointseux, tb.totalnous,
             tb.totaleux) =
        std::tie(c.preneur, c.maitre, c.plinous, c.plieux, c.nous, c.eux, c.totalnous, c.totaleux);
    std::tie(m.b.ecran.belotenous, m.b.ecran.beloteeux, m.b.ecran.reserve) =
        std::tie(c.belnous, c.beleux, c.reserve);
    regledonne(m.b, t);
    EXPECT_EQ(tb.pointsnous, c.nousfin);
    EXPECT_EQ(tb.pointseux, c.euxfin);
    EXPECT_EQ(m.b.ecran.reserve, c.reservefin);
    EXPECT_EQ(tb.totalnous, c.totalnous + c.nousfin);
    EXPECT_EQ(tb.totaleux, c.totaleux + c.euxfin);
    EXPECT_EQ(m.b.ecran.finpartie, c.finpartie);
    EXPECT_EQ(t.compte(std::string("msg ") + c.message), 1);
}

using R = CasReglement;
INSTANTIATE_TEST_SUITE_P(
    Donne, Reglement,
    ::testing::Values(
        R{"Rempli", 1, 3, 1, 1, 100, 52, 0, 0, 0, 0, 0, 110, 52, 0, false, "Vous gagnez|"},
        R{"DixDeDerAuxAutres", 1, 2, 1, 1, 100, 52, 0, 0, 0, 0, 0, 100, 62, 0, false, "Eux|dix de der"},
        // A failed taker's side keeps only its belote-rebelote; the defenders take the rest.
        R{"ChuteGardeLaBelote", 1, 2, 1, 1, 70, 82, 20, 0, 0, 0, 0, 20, 142, 0, false, "Vous perdez|"},
        R{"ChuteDeEst", 2, 1, 1, 1, 90, 72, 0, 0, 0, 0, 0, 172, 0, 0, false, "Vous gagnez|"},
        // A tie puts only the taker's side in reserve; the next decided deal pays it to the side ahead.
        R{"Litige", 1, 2, 1, 1, 81, 71, 0, 0, 0, 0, 0, 0, 81, 81, false, "Égalité|"},
        R{"LitigeSurLitige", 2, 2, 1, 1, 81, 71, 0, 0, 81, 0, 0, 81, 0, 162, false, "Égalité|"},
        R{"ReservePayee", 2, 1, 1, 1, 100, 52, 0, 0, 81, 0, 0, 243, 0, 0, false, "Vous gagnez|"},
        R{"ReserveAuxAutres", 4, 4, 1, 1, 40, 112, 0, 0, 50, 0, 0, 40, 172, 0, false, "Vous perdez|"},
        // All the tricks: 100 instead of the last-trick 10, the belote kept by the side without a trick.
        R{"Capot", 1, 3, 1, 0, 152, 0, 0, 0, 0, 0, 0, 252, 0, 0, false, "Ils sont|capots"},
        R{"PreneurCapot", 1, 2, 0, 1, 20, 152, 20, 0, 0, 0, 0, 20, 252, 0, false, "Vous êtes|capots"},
        R{"UnAuDessus", 1, 3, 1, 1, 100, 52, 0, 0, 0, 950, 0, 110, 52, 0, true, "Vous gagnez|"},
        R{"LesDeuxAuDessus", 1, 3, 1, 1, 100, 52, 0, 0, 0, 950, 960, 110, 52, 0, true, "Vous gagnez|"}),
    [](const auto& info) { return std::string(info.param.nom); });

// A fixed deal: Sud took Coeur; dealer Nord, so Ouest leads with the As of Pique. Sud clicks `clics`, the
// last one stopping the match.
struct CasSud {
    const char* nom;
    std::vector<int> clics;
    bool sanspique; // Sud holds only Carreau, so it may throw anything
    int joue, refus, appel, sansatout;
    const char* raison; // the message after a refused card
};

class TourDeSud : public SurTable<CasSud> {};

TEST_P(TourDeSud, LegalCardStopOrSignal) {
    const auto& c = GetParam();
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

// A whole match: between two computer cards of a trick, and only there, the table leaves a beat; each trick
// goes to its winners' stack; the match ends on the message of the side with the higher total.
TEST(Partie, ABeatBetweenTwoComputerCardsOnlyAndTheWinnersMessage) {
    Monde m;
    TableTemoin t(m.b);
    m.rnd.graine(8);
    lancelapartie(m.b, t);
    int avant = 0, battements = 0;
    bool battu = false;
    for (const auto& l : t.traces) {
        if (l.starts_with("pli")) avant = 0;
        battu = battu || l == "battement";
        if (l.rfind("carte ", 0) != 0) continue;
        const int j = l.back() - '0';
        EXPECT_EQ(battu, avant > 1 && j > 1) << avant << " then " << j;
        battements += battu;
        avant = j, battu = false;
    }
    EXPECT_GT(battements, 20);
    EXPECT_EQ(t.compte("pli au mauvais camp"), 0) << "each trick to its winners' stack";
    const auto& tb = m.b.table;
    EXPECT_EQ(m.b.ecran.arret, 2);
    EXPECT_TRUE(tb.totalnous >= 1000 || tb.totaleux >= 1000);
    EXPECT_EQ(t.compte(tb.totalnous > tb.totaleux   ? "msg Vous gagnez|la partie"
                       : tb.totaleux > tb.totalnous ? "msg Vous perdez|la partie"
                                                    : "msg Égalité|"),
              1);
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
