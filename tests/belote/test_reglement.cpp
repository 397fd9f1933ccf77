// Settlement of a deal: last trick, contract made or failed, litige and reserve, capot, end of match.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::essai;

struct CasReglement {
    const char* nom;
    int preneur, maitre, plinous, plieux;
    int nous, eux, belnous, beleux, reserve;
    int totalnous, totaleux;
    // expected
    int nousfin, euxfin, reservefin;
    bool finpartie;
    const char* message; // a settlement message expected among the others
};

class Reglement : public ::testing::TestWithParam<CasReglement> {};

TEST_P(Reglement, PointsReserveAndTotals) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    tb.preneur = static_cast<std::int16_t>(c.preneur);
    tb.maitre = static_cast<std::int16_t>(c.maitre);
    tb.plinous = static_cast<std::int16_t>(c.plinous);
    tb.plieux = static_cast<std::int16_t>(c.plieux);
    tb.pointsnous = static_cast<std::int16_t>(c.nous);
    tb.pointseux = static_cast<std::int16_t>(c.eux);
    m.b.ecran.belotenous = static_cast<std::int16_t>(c.belnous);
    m.b.ecran.beloteeux = static_cast<std::int16_t>(c.beleux);
    m.b.ecran.reserve = static_cast<std::int16_t>(c.reserve);
    tb.totalnous = static_cast<std::int16_t>(c.totalnous);
    tb.totaleux = static_cast<std::int16_t>(c.totaleux);
    reglepartie(m.b, t);
    EXPECT_EQ(tb.pointsnous, c.nousfin);
    EXPECT_EQ(tb.pointseux, c.euxfin);
    EXPECT_EQ(m.b.ecran.reserve, c.reservefin);
    EXPECT_EQ(tb.totalnous, c.totalnous + c.nousfin);
    EXPECT_EQ(tb.totaleux, c.totaleux + c.euxfin);
    EXPECT_EQ(m.b.ecran.finpartie, c.finpartie);
    EXPECT_EQ(t.compte(std::string("msg ") + c.message), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Donne, Reglement,
    ::testing::Values(
        CasReglement{"ContratRempli", 1, 3, 1, 1, 100, 52, 0, 0, 0, 0, 0, 110, 52, 0, false, "Vous gagnez|"},
        CasReglement{"DixDeDerAuxAutres", 1, 2, 1, 1, 100, 52, 0, 0, 0, 0, 0, 100, 62, 0, false,
                     "Eux|dix de der"},
        // The defenders take everything but the belote-rebelote of the failed side.
        CasReglement{"ChuteGardeLaBelote", 1, 2, 1, 1, 70, 82, 20, 0, 0, 0, 0, 20, 142, 0, false,
                     "Vous perdez|"},
        CasReglement{"ChuteDeEst", 2, 1, 1, 1, 90, 72, 0, 0, 0, 0, 0, 172, 0, 0, false, "Vous gagnez|"},
        // Tie: only the taker's side goes to the reserve.
        CasReglement{"Litige", 1, 2, 1, 1, 81, 71, 0, 0, 0, 0, 0, 0, 81, 81, false, "Egalité|"},
        CasReglement{"LitigeSurLitige", 2, 2, 1, 1, 81, 71, 0, 0, 81, 0, 0, 81, 0, 162, false, "Egalité|"},
        // The next decided deal pays the whole reserve to the side ahead after the failed contract.
        CasReglement{"ReservePayee", 2, 1, 1, 1, 100, 52, 0, 0, 81, 0, 0, 243, 0, 0, false, "Vous gagnez|"},
        CasReglement{"ReserveAuxAutres", 4, 4, 1, 1, 40, 112, 0, 0, 50, 0, 0, 40, 172, 0, false,
                     "Vous perdez|"},
        // All tricks: 100 instead of the last-trick bonus.
        CasReglement{"Capot", 1, 3, 1, 0, 152, 0, 0, 0, 0, 0, 0, 252, 0, 0, false, "Ils sont|capots"},
        // The taker's side without a trick keeps only its belote; the defenders add 100.
        CasReglement{"PreneurCapot", 1, 2, 0, 1, 20, 152, 20, 0, 0, 0, 0, 20, 252, 0, false,
                     "Vous êtes|capots"},
        // Both totals over the target in the same deal.
        CasReglement{"LesDeuxAuDessus", 1, 3, 1, 1, 100, 52, 0, 0, 0, 950, 960, 110, 52, 0, true,
                     "Vous gagnez|"}),
    [](const auto& info) { return std::string(info.param.nom); });
