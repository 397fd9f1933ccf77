// The texts of the notices that end a board: the board at a sentence's head, and a board's time.
#include <gtest/gtest.h>

#include "path_game/libelles.h"

namespace tlv::essai {
namespace {

struct Duree {
    int secondes;
    const char* texte;
};

class DureeEnClair : public ::testing::TestWithParam<Duree> {};

TEST_P(DureeEnClair, SaysMinutesOnlyFromOneOn) {
    EXPECT_EQ(dureeenclair(GetParam().secondes), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Quadrel, DureeEnClair,
                         ::testing::Values(Duree{0, "0 s"}, Duree{47, "47 s"}, Duree{59, "59 s"},
                                           Duree{60, "1 min 00 s"}, Duree{65, "1 min 05 s"},
                                           Duree{130, "2 min 10 s"}, Duree{-3, "0 s"}));

TEST(Libelles, TheBoardAtASentencesHeadKeepsItsNumber) {
    EXPECT_EQ(titretableau("tableau", 7), "Tableau 007");
    EXPECT_EQ(titretableau("Tableau", 12), "Tableau 012");
    EXPECT_EQ(titretableau("écran", 1), "écran 001") << "only a plain letter is raised";
}

} // namespace
} // namespace tlv::essai
