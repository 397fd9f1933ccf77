// Where the program finds its data (the build tree, an install moved to another prefix, a forced folder) and
// where it keeps scores.
#include <gtest/gtest.h>

#include <filesystem>

#include "dossiertemp.h"
#include "shell/donnees.h"
#include "shell/dossiers.h"

namespace tlv {
namespace {

namespace fs = std::filesystem;

// A scratch tree: <t>/games/tolvanex (the program) and, as each case says, data in <t>/games or in
// <t>/share/games/tolvanex; "{t}" stands for the tree.
TEST(DossierDonnees, IsFoundInItsTurn) {
    struct Cas {
        bool a_cote, installe;
        const char *impose, *attendu;
    };
    for (const Cas& c : {Cas{true, true, "", "{t}/games/"}, Cas{false, true, "", "{t}/share/games/tolvanex/"},
                         Cas{false, false, "", "/usr/share/games/tolvanex/"},
                         Cas{true, true, "{t}/ailleurs", "{t}/ailleurs/"}}) {
        test::DossierTemp t;
        const auto remplace = [&](std::string s) {
            if (s.starts_with("{t}")) s.replace(0, 3, t.racine());
            return s;
        };
        fs::create_directories(t / "games");
        test::ecritbrut(t / "games/tolvanex", "");
        if (c.a_cote) test::ecritbrut(t / "games/cartei00", "x");
        // A folder named cartei00 holds no data.
        fs::create_directories(t / (c.installe ? "share/games/tolvanex" : "share/games/tolvanex/cartei00"));
        if (c.installe) test::ecritbrut(t / "share/games/tolvanex/cartei00", "x");
        EXPECT_EQ(dossier_donnees(t / "games/tolvanex", remplace(c.impose), "../share/games/tolvanex",
                                  "/usr/share/games/tolvanex"),
                  remplace(c.attendu));
    }
}

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
