// The scroll bar's keys: the arrows step by SmallChange, Home and End go to the ends, others do nothing.
#include <gtest/gtest.h>

#include "platform/controles.h"

namespace tlv {
namespace {

struct CasBarre {
    Touche touche;
    int depart, attendu; // on a 2..9 bar stepping by 2
};

class ToucheBarre : public ::testing::TestWithParam<CasBarre> {};

TEST_P(ToucheBarre, MovesTheValueAsTheKeySays) {
    BarreHorizontale b;
    b.Min = 2, b.Max = 9, b.SmallChange = 2;
    b.valeur(GetParam().depart);
    b.touche(GetParam().touche);
    EXPECT_EQ(b.valeur(), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Touches, ToucheBarre,
                         ::testing::Values(CasBarre{Touche::Gauche, 5, 3}, CasBarre{Touche::Droite, 5, 7},
                                           CasBarre{Touche::Gauche, 3, 2}, CasBarre{Touche::Droite, 8, 9},
                                           CasBarre{Touche::Debut, 5, 2}, CasBarre{Touche::Fin, 5, 9},
                                           CasBarre{Touche::Haut, 5, 5}, CasBarre{Touche::Espace, 5, 5},
                                           CasBarre{touche_caractere('A'), 5, 5}));

} // namespace
} // namespace tlv
