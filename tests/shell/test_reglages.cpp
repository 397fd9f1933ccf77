#include <gtest/gtest.h>

#include "shell/reglages.h"
#include "shell/textes.h"

namespace tlv {
namespace {

TEST(Tailles, FollowTheScreensTwipsPerPixel) {
    for (const auto& [twips, taille1, taille8] : {std::tuple{13, 8, 28}, std::tuple{14, 10, 36}}) {
        Reglages r;
        r.twipsparpixelx = twips;
        choisit_tailles(r);
        EXPECT_EQ(std::pair(r.taille1, r.taille8), std::pair(taille1, taille8)) << twips;
    }
}

TEST(Textes, PackedNamesAreCutInFixedFields) {
    const Textes& t = textes_fixes();
    EXPECT_EQ(champ_nu(t[Texte::NomsDesSieges], 3, 5), "Nord");
    EXPECT_EQ(champ(t[Texte::NomsDesSieges], 4, 5), "Ouest");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 7, 2), "10");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 8, 2), " 1");
    EXPECT_EQ(champ_nu(t[Texte::NomsDesCouleurs], 4, 7), "Coeur");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 5, 7), "");
    EXPECT_EQ(t[Texte::Carre], "carré");
    for (int i = 65; i <= 70; ++i) EXPECT_EQ(t[static_cast<Texte>(i)], "rien");
}

} // namespace
} // namespace tlv
