#include "shell/dossiers.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tlv {
namespace {

struct Cas {
    std::optional<std::string> racine;
    const char* xdg;
    const char* home;
    std::string attendu;
};

class DossierScores : public ::testing::TestWithParam<Cas> {};

TEST_P(DossierScores, Choice) {
    const Cas& c = GetParam();
    EXPECT_EQ(dossierscores(c.racine, c.xdg, c.home), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, DossierScores,
    ::testing::Values(Cas{"/srv/s", "/x", "/h", "/srv/s/tolvanex/"},
                      Cas{"/srv/s/", nullptr, nullptr, "/srv/s/tolvanex/"},
                      Cas{std::nullopt, "/x/data", "/h", "/x/data/tlvscore/tolvanex/"},
                      Cas{std::nullopt, "/x/data/", "/h", "/x/data/tlvscore/tolvanex/"},
                      Cas{std::nullopt, "relatif", "/h", "/h/.local/share/tlvscore/tolvanex/"},
                      Cas{std::nullopt, "", "/h/", "/h/.local/share/tlvscore/tolvanex/"}));

TEST(DossierScoresRepli, WithoutHomeAnAbsolutePath) {
    for (const char* home : {static_cast<const char*>(nullptr), "", "relatif"}) {
        const std::string d = dossierscores(std::nullopt, nullptr, home);
        EXPECT_EQ(d.front(), '/') << d;
        EXPECT_TRUE(d.ends_with("/.local/share/tlvscore/tolvanex/")) << d;
    }
}

TEST(DossierScoresRepli, RelativeRootAnchoredOnTheCurrentFolder) {
    const std::string courant = std::filesystem::current_path().string();
    EXPECT_EQ(dossierscores(std::string("essai"), nullptr, "/h"), courant + "/essai/tolvanex/");
}

} // namespace
} // namespace tlv
