// Where the program finds its data: the build tree, an install moved to another prefix, a forced folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "dossiertemp.h"
#include "shell/donnees.h"

namespace tlv {
namespace {

namespace fs = std::filesystem;

// A scratch tree: <t>/games/tolvanex (the program) and, as each case says, data in <t>/games or in
// <t>/share/games/tolvanex.
struct CasDonnees {
    const char* nom;
    bool a_cote, installe;
    const char* impose; // "{t}" is the scratch tree
    const char* attendu;
};
std::ostream& operator<<(std::ostream& o, const CasDonnees& c) {
    return o << c.nom;
}

class DossierDonnees : public ::testing::TestWithParam<CasDonnees> {};

TEST_P(DossierDonnees, IsFoundInItsTurn) {
    const CasDonnees& c = GetParam();
    test::DossierTemp t;
    const auto remplace = [&](std::string s) {
        if (s.starts_with("{t}")) s.replace(0, 3, t.racine());
        return s;
    };
    fs::create_directories(t / "games");
    fs::create_directories(t / "share/games/tolvanex");
    test::ecritbrut(t / "games/tolvanex", "");
    if (c.a_cote) test::ecritbrut(t / "games/cartei00", "x");
    if (c.installe) test::ecritbrut(t / "share/games/tolvanex/cartei00", "x");
    // A folder named cartei00 holds no data.
    if (!c.installe) fs::create_directories(t / "share/games/tolvanex/cartei00");
    EXPECT_EQ(dossier_donnees(t / "games/tolvanex", remplace(c.impose), "../share/games/tolvanex",
                              "/usr/share/games/tolvanex"),
              remplace(c.attendu));
}

INSTANTIATE_TEST_SUITE_P(Cas, DossierDonnees,
                         ::testing::Values(CasDonnees{"BuildTree", true, true, "", "{t}/games/"},
                                           CasDonnees{"MovedInstall", false, true, "",
                                                      "{t}/share/games/tolvanex/"},
                                           CasDonnees{"NothingNearbyTakesTheConfiguredOne", false, false, "",
                                                      "/usr/share/games/tolvanex/"},
                                           CasDonnees{"TheVariableWinsEvenOverTheBuildTree", true, true,
                                                      "{t}/ailleurs", "{t}/ailleurs/"}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
} // namespace tlv
