// Announcements: what each hand announces, which side scores, and belote-rebelote.
#include <gtest/gtest.h>

#include <sstream>

#include "aide.h"
#include "belote/annonces.h"
#include "belote/flux.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

// Four hands (Sud first, "" an empty hand), a trump, and what the announcements give.
struct CasAnnonces {
    const char* nom;
    std::array<const char*, 4> mains;
    int atout, meilleur, nous, eux;
    int dites;  // announcements said
    int belote; // 1: one hand holds the Roi and Dame of trump
};

class Decision : public ::testing::TestWithParam<CasAnnonces> {};

TEST_P(Decision, BestAnnouncerAndSidePoints) {
    const auto& c = GetParam();
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    for (int j = 1; j <= 4; ++j) {
        std::istringstream cartes(c.mains[static_cast<std::size_t>(j - 1)]);
        for (int s = 1, carte = 0; cartes >> carte; ++s) tb.jeu[j][s] = static_cast<std::int16_t>(carte);
    }
    tb.atout = static_cast<std::int16_t>(c.atout);
    chercheannonces(tb, m.b.annonces);
    afficheannonce(m.b, t);
    EXPECT_EQ(m.b.annonces.meilleurannonceur, c.meilleur);
    EXPECT_EQ(tb.pointsnous, c.nous);
    EXPECT_EQ(tb.pointseux, c.eux);
    EXPECT_EQ(t.compte("msg Vous :") + t.compte("msg Eux :"), c.nous + c.eux > 0 ? 1 : 0);
    EXPECT_EQ(t.compte("voix"), c.dites);
    EXPECT_EQ(tb.compteurbelote, c.belote); // looked for even with no announcement
}

using A = CasAnnonces;
// Sequences run 7 8 9 10 V D R As: "22 26 23" is the tierce 9-10-V of Carreau.
INSTANTIATE_TEST_SUITE_P(
    Annonces, Decision,
    ::testing::Values(
        // Equal tierces of opponents: the one in trump wins, else both cancel; partners' do not cancel.
        A{"AtoutDepartage", {"22 26 23", "32 36 33", "", ""}, 2, 1, 20, 0, 2, 0},
        A{"EgauxSAnnulent", {"22 26 23", "32 36 33", "", ""}, 1, 0, 0, 0, 2, 0},
        A{"PartenairesEgaux", {"22 26 23", "", "32 36 33", ""}, 1, 1, 40, 0, 2, 0},
        A{"DeuxTierces", {"10 11 12 22 23 26", "", "", ""}, 1, 1, 40, 0, 2, 0},
        // Of a hand's two equal tierces, the second in trump breaks the tie with an opponent's.
        A{"SecondeEnAtout", {"22 26 23 42 46 43", "32 36 33", "", ""}, 4, 1, 40, 0, 3, 0},
        // A carré beats a cent; the partner's tierce counts for the side, so does a cinquante's.
        A{"CarreBatCent", {"", "14 24 34 44", "23 24 25 26 27", "32 36 33"}, 1, 2, 0, 120, 3, 0},
        A{"CinquanteEtTierce", {"", "33 34 35 36", "", "12 16 13"}, 4, 2, 0, 70, 2, 0},
        // Eight of one suit is one cent topped by the As: it beats a cent topped by the Roi.
        A{"HuitDUneCouleur", {"40 41 42 43 44 45 46 47", "12 13 14 15 16", "", ""}, 1, 1, 100, 0, 2, 1},
        // Carrés: Valets (200) above 9s (150); 7s and 8s are none; a hand counts its first carré only.
        A{"ValetsSurNeufs", {"12 22 32 42", "13 23 33 43", "", ""}, 1, 2, 0, 200, 2, 0},
        A{"SeptsEtHuits", {"10 20 30 40 11 21 31 41", "", "", ""}, 1, 0, 0, 0, 0, 0},
        A{"DeuxCarres", {"12 13 22 23 32 33 42 43", "", "", ""}, 1, 1, 150, 0, 1, 0},
        // The Roi and Dame of trump count only in one hand.
        A{"Belote", {"44 45", "", "", ""}, 4, 0, 0, 0, 0, 1},
        A{"RoiEtDameChezPartenaires", {"44", "", "45", ""}, 4, 0, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

// Est holds the Roi and Dame of trump: the Roi says belote, the Dame rebelote and scores 20 for its side.
TEST(BeloteRebelote, TwentyAtTheSecondHonour) {
    Monde m;
    TableTemoin t(m.b);
    auto& tb = m.b.table;
    tb.atout = 4;
    donnemain(tb, 2, {10, 44, 45});
    cherchebelote(tb);
    tlv::belote::belote(m.b, t, 2, 3); // the Roi
    tlv::belote::belote(m.b, t, 2, 1); // not a trump honour: nothing
    EXPECT_EQ(tb.pointseux, 0);
    tlv::belote::belote(m.b, t, 2, 2); // the Dame
    EXPECT_EQ(tb.pointseux, 20);
    EXPECT_EQ(m.b.ecran.beloteeux, 20);
    EXPECT_EQ(t.compte("msg Belote|") + t.compte("msg Rebelote|"), 2);
    EXPECT_EQ(t.compte("voix 2 belote") + t.compte("voix 2 rebel"), 2);
}
