#include "shell/dossiers.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tlv {
namespace {

TEST(DossierScores, TheOptionElseXdgDataHomeElseHome) {
    struct Cas {
        std::optional<std::string> racine;
        const char *xdg, *home;
        std::string attendu;
    };
    const std::string courant = std::filesystem::current_path().string();
    for (const Cas& c :
         {Cas{"/srv/s", "/x", "/h", "/srv/s/tolvanex/"}, Cas{"/srv/s/", nullptr, nullptr, "/srv/s/tolvanex/"},
          Cas{"essai", nullptr, "/h", courant + "/essai/tolvanex/"},
          Cas{std::nullopt, "/x/data", "/h", "/x/data/tlvscore/tolvanex/"},
          Cas{std::nullopt, "/x/data/", "/h", "/x/data/tlvscore/tolvanex/"},
          Cas{std::nullopt, "relatif", "/h", "/h/.local/share/tlvscore/tolvanex/"},
          Cas{std::nullopt, "", "/h/", "/h/.local/share/tlvscore/tolvanex/"}})
        EXPECT_EQ(dossierscores(c.racine, c.xdg, c.home), c.attendu) << c.attendu;
    // Without a usable home, still an absolute path.
    for (const char* home : {static_cast<const char*>(nullptr), "", "relatif"}) {
        const std::string d = dossierscores(std::nullopt, nullptr, home);
        EXPECT_EQ(d.front(), '/') << d;
        EXPECT_TRUE(d.ends_with("/.local/share/tlvscore/tolvanex/")) << d;
    }
}

} // namespace
} // namespace tlv
