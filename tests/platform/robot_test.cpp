#include <gtest/gtest.h>

#include "platform/robot.h"

namespace tlv {
namespace {

using T = Robot::Commande::Type;

TEST(Script, ReadsEveryCommandWithItsArguments) {
    const auto c = Robot::analyse("# début\n"
                                  "clic 10 20 maj+alt\n"
                                  "clicdroit 1 2\r\n"
                                  "survol 3 4   # commentaire\n"
                                  "\n"
                                  "touche F5\n"
                                  "touche é\n"
                                  "touche a ctrl\n"
                                  "texte Jean # pas un commentaire\n"
                                  "attends\n"
                                  "attends 2.5\n"
                                  "capture a.png\n"
                                  "capture b.png 1.25\n");
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(c[0].type, T::Clic);
    EXPECT_EQ(c[0].maj, 1 | 4);
    EXPECT_EQ(c[0].ligne, 2);
    EXPECT_EQ(c[1].type, T::ClicDroit);
    EXPECT_EQ(c[2].type, T::Survol);
    EXPECT_EQ(c[2].y, 4);
    EXPECT_EQ(c[3].code, Touche::F5);
    EXPECT_EQ(c[4].texte, "é");
    EXPECT_EQ(c[5].code, touche_caractere('A'));
    EXPECT_EQ(c[6].texte, "Jean # pas un commentaire");
    EXPECT_EQ(c[7].duree_ms, 0);
    EXPECT_EQ(c[8].duree_ms, 2500);
    EXPECT_EQ(c[9].texte, "a.png");
    EXPECT_FALSE(c[9].differee);
    EXPECT_EQ(c[10].texte, "b.png");
    EXPECT_TRUE(c[10].differee);
    EXPECT_EQ(c[10].duree_ms, 1250);
}

class MauvaiseLigne : public ::testing::TestWithParam<const char*> {};

TEST_P(MauvaiseLigne, IsRefusedWithItsLineNumber) {
    try {
        Robot::analyse(std::string("attends\n") + GetParam() + "\n");
        FAIL() << "accepted: " << GetParam();
    } catch (const ErreurScript& e) {
        EXPECT_NE(std::string(e.what()).find("ligne 2"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Script, MauvaiseLigne,
                         ::testing::Values("clic", "clic 10", "clic a b", "clic 1 2 super", "survol 1 2 maj",
                                           "touche", "touche F13", "touche ab", "attends -1", "attends x",
                                           "attends 1 2", "capture", "capture a.png x", "capture a.png -1",
                                           "capture a.png 1 2", "saute 3", "clic 1.5 2"));

} // namespace
} // namespace tlv
