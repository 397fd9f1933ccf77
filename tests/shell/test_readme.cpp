// The README as a newcomer reads it: the two commands first, and a command line that matches the program's.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "shell/options.h"

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

} // namespace
} // namespace tlv
