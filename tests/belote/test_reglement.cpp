// Settlement of a deal: last trick, contract made or failed, litige and reserve, capot, end of match.
#include <gtest/gtest.h>

#include <tuple>

#include "aide.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

struct CasReglement {
    const char* nom;
    std::int16_t preneur, maitre, plinous, plieux; // maitre: the seat that won the last trick
    std::int16_t nous, eux, belnous, beleux, reserve, totalnous, totaleux;
    int nousfin, euxfin, reservefin; // expected
    bool finpartie;
    const char* message; // one of the settlement messages
};

class Reglement : public ::testing::TestWithParam<CasReglement> {};

TEST_P(Reglement, PointsReserveAndTotals) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
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

using C = CasReglement;
INSTANTIATE_TEST_SUITE_P(
    Donne, Reglement,
    ::testing::Values(
        C{"Rempli", 1, 3, 1, 1, 100, 52, 0, 0, 0, 0, 0, 110, 52, 0, false, "Vous gagnez|"},
        C{"DixDeDerAuxAutres", 1, 2, 1, 1, 100, 52, 0, 0, 0, 0, 0, 100, 62, 0, false, "Eux|dix de der"},
        // A failed taker's side keeps only its belote-rebelote; the defenders take the rest.
        C{"ChuteGardeLaBelote", 1, 2, 1, 1, 70, 82, 20, 0, 0, 0, 0, 20, 142, 0, false, "Vous perdez|"},
        C{"ChuteDeEst", 2, 1, 1, 1, 90, 72, 0, 0, 0, 0, 0, 172, 0, 0, false, "Vous gagnez|"},
        // A tie puts only the taker's side in reserve; the next decided deal pays it to the side ahead.
        C{"Litige", 1, 2, 1, 1, 81, 71, 0, 0, 0, 0, 0, 0, 81, 81, false, "Égalité|"},
        C{"LitigeSurLitige", 2, 2, 1, 1, 81, 71, 0, 0, 81, 0, 0, 81, 0, 162, false, "Égalité|"},
        C{"ReservePayee", 2, 1, 1, 1, 100, 52, 0, 0, 81, 0, 0, 243, 0, 0, false, "Vous gagnez|"},
        C{"ReserveAuxAutres", 4, 4, 1, 1, 40, 112, 0, 0, 50, 0, 0, 40, 172, 0, false, "Vous perdez|"},
        // All the tricks: 100 instead of the last-trick 10, the belote kept by the side without a trick.
        C{"Capot", 1, 3, 1, 0, 152, 0, 0, 0, 0, 0, 0, 252, 0, 0, false, "Ils sont|capots"},
        C{"PreneurCapot", 1, 2, 0, 1, 20, 152, 20, 0, 0, 0, 0, 20, 252, 0, false, "Vous êtes|capots"},
        C{"UnAuDessus", 1, 3, 1, 1, 100, 52, 0, 0, 0, 950, 0, 110, 52, 0, true, "Vous gagnez|"},
        C{"LesDeuxAuDessus", 1, 3, 1, 1, 100, 52, 0, 0, 0, 950, 960, 110, 52, 0, true, "Vous gagnez|"}),
    [](const auto& info) { return std::string(info.param.nom); });
