#include <gtest/gtest.h>

#include "shell/reglages.h"
#include "shell/textes.h"

namespace tlv {
namespace {

struct CasTailles {
    int twips;
    int taille1, taille8;
};
class Tailles : public ::testing::TestWithParam<CasTailles> {};

TEST_P(Tailles, FollowTheScreensTwipsPerPixel) {
    Reglages r;
    r.twipsparpixelx = GetParam().twips;
    choisit_tailles(r);
    EXPECT_EQ(r.taille1, GetParam().taille1);
    EXPECT_EQ(r.taille8, GetParam().taille8);
}

INSTANTIATE_TEST_SUITE_P(Ecrans, Tailles,
                         ::testing::Values(CasTailles{12, 8, 28}, CasTailles{13, 8, 28},
                                           CasTailles{14, 10, 36}, CasTailles{15, 10, 36}));

TEST(Textes, PackedNamesAreCutInFixedFields) {
    const Textes& t = textes_fixes();
    EXPECT_EQ(champ_nu(t[Texte::NomsDesSieges], 3, 5), "Nord");
    EXPECT_EQ(champ(t[Texte::NomsDesSieges], 4, 5), "Ouest");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 7, 2), "10");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 8, 2), " 1");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 2, 7), "Carreau");
    EXPECT_EQ(champ_nu(t[Texte::NomsDesCouleurs], 4, 7), "Coeur");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 5, 7), "");
    EXPECT_EQ(t[Texte::Carre], "carré");
    EXPECT_EQ(t[Texte::DossierVoix], "voix.fr");
    for (int i = 65; i <= 70; ++i) EXPECT_EQ(t[static_cast<Texte>(i)], "rien");
}

} // namespace
} // namespace tlv
