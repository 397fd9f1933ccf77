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

TEST(Options, BadOnesAreRefused) {
    for (const char* valeur : {"-3", "12x", "99999999999999999999"})
        EXPECT_THROW(lit_options({"--graine", valeur}), std::invalid_argument) << valeur;
    for (const char* valeur :
         {"1366", "1366x", "x768", "1366x-768", "0x0", "99999x768", "1366x99999", "1366x768x2"})
        EXPECT_THROW(lit_options({"--ecran", valeur}), std::invalid_argument) << valeur;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--graine"}, {"--robot", ""}, {"--inconnue"}})
        EXPECT_THROW(lit_options(args), std::invalid_argument) << args[0];
}

} // namespace
} // namespace tlv
