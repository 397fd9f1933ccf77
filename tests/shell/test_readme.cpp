// The command line, and the README as a newcomer reads it: the two commands first, and the same options.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "shell/options.h"
#include <stdexcept>

namespace tlv {
namespace {

std::string readme() {
    std::ifstream f(TLV_README, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::set<std::string> options_de(const std::string& texte, const std::regex& motif) {
    std::set<std::string> r;
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), motif); it != std::sregex_iterator();
         ++it)
        r.insert((*it)[1]);
    return r;
}

TEST(Readme, TheTitleThenTheTwoCommands) {
    const std::string r = readme();
    EXPECT_TRUE(r.starts_with("# Tolva'nexes\n\n```\n./tolvanex.sh\n./test.sh\n```\n")) << r.substr(0, 80);
    // Every exit code has its row: main returns 0, 2 or 3; a fatal error ends the process with 1.
    for (int code = 0; code <= 3; ++code)
        EXPECT_NE(r.find("\n| " + std::to_string(code) + " | "), std::string::npos) << code;
}

TEST(Readme, ItsOptionTableIsTheProgramsCommandLine) {
    const std::string r = readme();
    const auto documentees = options_de(r, std::regex(R"(\n\| `(--[a-z-]+))"));
    const auto programme = options_de(usage(), std::regex(R"(\n  (--[a-z-]+))"));
    EXPECT_EQ(documentees, programme);
    for (const auto& o : documentees) {
        // Accepted alone or with its value.
        bool acceptee = false;
        for (const std::vector<std::string>& essai :
             {std::vector<std::string>{o}, {o, "1"}, {o, "800x600"}}) {
            try {
                lit_options(essai);
                acceptee = true;
            } catch (const std::invalid_argument&) {
            }
        }
        EXPECT_TRUE(acceptee) << o;
    }
}

// `--aide` in a terminal: every description starts in one column, no line wraps at 80 characters.
TEST(Options, UsageDescriptionsLineUpWithinEightyColumns) {
    std::istringstream lignes(usage());
    std::set<std::size_t> colonnes;
    for (std::string l; std::getline(lignes, l);) {
        if (!l.starts_with("  ")) continue;
        // After the option and its value (one blank between them), the first blank run leads to the text.
        const auto blancs = l.find("  ", l.find_first_not_of(' '));
        colonnes.insert(l.find_first_not_of(' ', l.starts_with("  -") ? blancs : 0));
        EXPECT_LE(std::count_if(l.begin(), l.end(), [](char c) { return (c & 0xC0) != 0x80; }), 80) << l;
    }
    EXPECT_EQ(colonnes.size(), 1u) << usage();
}

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
