// The remembered window: what is written is read back, and any damage reads as the default.
#include "shell/choixfenetre.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "shell/dossiers.h"

namespace tlv {
namespace {

TEST(ChoixFenetre, WrittenIntoAFolderStillToMakeThenReadBack) {
    test::DossierTemp d;
    const std::string f = d / "c/tolvanex/fenetre.ini";
    EXPECT_EQ(lischoixfenetre(f), ChoixFenetre{}); // missing: full screen, no size
    for (const ChoixFenetre c : {ChoixFenetre{false, 1300, 980}, ChoixFenetre{true, 16384, 480}}) {
        ASSERT_TRUE(sauvechoixfenetre(f, c));
        EXPECT_EQ(lischoixfenetre(f), c) << *test::litbrut(f);
    }
    EXPECT_EQ(test::contenudossier(d / "c/tolvanex"), std::set<std::string>{"fenetre.ini"});
    // Each damaged value falls back alone; half a size is none.
    for (const auto& [contenu, attendu] : std::initializer_list<std::pair<const char*, ChoixFenetre>>{
             {" pleinecran = non \r\nlargeur= 800\r\nhauteur =600 \r\n", {false, 800, 600}},
             {"pleinecran=peutetre\nlargeur=800\nhauteur=600\n", {true, 800, 600}},
             {"pleinecran=non\nlargeur=800\n", {false, 0, 0}},
             {"largeur=639\nhauteur=600\n", {}},
             {"largeur=800px\nhauteur=600\n", {}},
             {"largeur=800\nhauteur=16385\n", {}}}) {
        test::ecritbrut(f, contenu);
        EXPECT_EQ(lischoixfenetre(f), attendu) << contenu;
    }
}

TEST(ChoixFenetre, ItsFolderIsTheOptionsElseXdgConfigHomeElseDotConfig) {
    EXPECT_EQ(dossierconfig(std::string("/srv/c"), "/x", "/h"), "/srv/c/tolvanex/");
    EXPECT_EQ(dossierconfig(std::nullopt, "/x/conf/", "/h"), "/x/conf/tolvanex/");
    EXPECT_EQ(dossierconfig(std::nullopt, "relatif", "/h/"), "/h/.config/tolvanex/");
}

} // namespace
} // namespace tlv
