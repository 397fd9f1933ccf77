// Where the program finds its data: the build tree, an install moved to another prefix, a forced folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "dossiertemp.h"
#include "shell/donnees.h"

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

} // namespace
} // namespace tlv
