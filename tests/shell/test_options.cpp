#include <gtest/gtest.h>

#include <stdexcept>

#include "shell/options.h"

namespace tlv {
namespace {

TEST(Options, ReadsEveryOption) {
    const Options o =
        lit_options({"--fenetre", "--robot", "s.txt", "--graine", "18446744073709551615", "--dossier-scores",
                     "/tmp/x", "--journal", "j.txt", "--dossier-config", "/tmp/c", "--ecran", "1366x768"});
    EXPECT_TRUE(o.fenetre);
    EXPECT_EQ((std::pair{o.ecran_largeur, o.ecran_hauteur}), (std::pair{1366, 768}));
    EXPECT_EQ(o.robot, "s.txt");
    EXPECT_EQ(*o.graine, 18446744073709551615ULL);
    EXPECT_EQ(o.dossier_scores, "/tmp/x");
    EXPECT_EQ(o.journal, "j.txt");
    EXPECT_EQ(o.dossier_config, "/tmp/c");
}

class MauvaiseOption : public ::testing::TestWithParam<std::vector<std::string>> {};
TEST_P(MauvaiseOption, IsRefused) {
    EXPECT_THROW(lit_options(GetParam()), std::invalid_argument);
}
INSTANTIATE_TEST_SUITE_P(
    Options, MauvaiseOption,
    ::testing::Values(
        std::vector<std::string>{"--graine"}, std::vector<std::string>{"--graine", "-3"},
        std::vector<std::string>{"--graine", "12x"},
        std::vector<std::string>{"--graine", "99999999999999999999"}, std::vector<std::string>{"--robot", ""},
        std::vector<std::string>{"--ecran", "1366"}, std::vector<std::string>{"--ecran", "1366x"},
        std::vector<std::string>{"--ecran", "x768"}, std::vector<std::string>{"--ecran", "1366x-768"},
        std::vector<std::string>{"--ecran", "0x0"}, std::vector<std::string>{"--ecran", "99999x768"},
        std::vector<std::string>{"--ecran", "1366x99999"}, std::vector<std::string>{"--ecran", "1366x768x2"},
        std::vector<std::string>{"--inconnue"}));

} // namespace
} // namespace tlv
