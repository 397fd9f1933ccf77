// The scroll bar's keys: the arrows step by SmallChange, Home and End go to the ends, others do nothing.
#include <gtest/gtest.h>

#include "platform/controles.h"

namespace tlv {
namespace {

struct CasBarre {
    Touche touche;
    int attendu; // from 5 on a 2..9 bar stepping by 2
};

class ToucheBarre : public ::testing::TestWithParam<CasBarre> {};

TEST_P(ToucheBarre, MovesTheValueAsTheKeySays) {
    BarreHorizontale b;
    b.Min = 2, b.Max = 9, b.SmallChange = 2;
    b.valeur(5);
    b.touche(GetParam().touche);
    EXPECT_EQ(b.valeur(), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Touches, ToucheBarre,
                         ::testing::Values(CasBarre{Touche::Gauche, 3}, CasBarre{Touche::Droite, 7},
                                           CasBarre{Touche::Debut, 2}, CasBarre{Touche::Fin, 9},
                                           CasBarre{Touche::Haut, 5}, CasBarre{Touche::Bas, 5},
                                           CasBarre{Touche::Espace, 5}, CasBarre{touche_caractere('A'), 5}));

TEST(ToucheBarre, StepsStopAtTheEnds) {
    BarreHorizontale b;
    b.Min = 2, b.Max = 9, b.SmallChange = 2;
    b.valeur(3);
    b.touche(Touche::Gauche);
    EXPECT_EQ(b.valeur(), 2);
    b.valeur(8);
    b.touche(Touche::Droite);
    EXPECT_EQ(b.valeur(), 9);
}

} // namespace
} // namespace tlv
