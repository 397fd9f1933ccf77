// The remembered window: what is written is read back, and any damage reads as the default.
#include "shell/choixfenetre.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

TEST(ChoixFenetre, WrittenIntoAFolderStillToMakeThenReadBack) {
    test::DossierTemp d;
    const std::string f = d / "conf/tolvanex/fenetre.ini";
    EXPECT_EQ(lischoixfenetre(f), ChoixFenetre{}); // missing: full screen, no size
    for (const ChoixFenetre c : {ChoixFenetre{false, 1300, 980}, ChoixFenetre{true, 640, 480},
                                 ChoixFenetre{false, 0, 0}, ChoixFenetre{true, 16384, 16384}}) {
        ASSERT_TRUE(sauvechoixfenetre(f, c));
        EXPECT_EQ(lischoixfenetre(f), c) << *test::litbrut(f);
    }
    // Nothing else is left in the folder (the temporary file was renamed).
    EXPECT_EQ(test::contenudossier(d / "conf/tolvanex"), std::set<std::string>{"fenetre.ini"});
}

struct Abime {
    const char* contenu;
    ChoixFenetre attendu;
};

class FichierAbime : public ::testing::TestWithParam<Abime> {};

TEST_P(FichierAbime, ReadsAsTheDefaultOfWhatIsDamaged) {
    test::DossierTemp d;
    test::ecritbrut(d / "fenetre.ini", GetParam().contenu);
    EXPECT_EQ(lischoixfenetre(d / "fenetre.ini"), GetParam().attendu) << GetParam().contenu;
}

INSTANTIATE_TEST_SUITE_P(
    Contenus, FichierAbime,
    ::testing::Values(Abime{"", {}}, Abime{"\x01\xff\xfe garbage", {}},
                      Abime{"pleinecran=peutetre\nlargeur=800\nhauteur=600\n", {true, 800, 600}},
                      Abime{" pleinecran = non \r\nlargeur= 800\r\nhauteur =600 \r\n", {false, 800, 600}},
                      Abime{"pleinecran=non\nlargeur=800\n", {false, 0, 0}},
                      Abime{"pleinecran=non\nlargeur=-800\nhauteur=600\n", {false, 0, 0}},
                      Abime{"pleinecran=non\nlargeur=639\nhauteur=600\n", {false, 0, 0}},
                      Abime{"pleinecran=non\nlargeur=800\nhauteur=99999999999\n", {false, 0, 0}},
                      Abime{"pleinecran=non\nlargeur=800px\nhauteur=600\n", {false, 0, 0}},
                      Abime{"pleinecran=non\nlargeur=16385\nhauteur=600\n", {false, 0, 0}}));

} // namespace
} // namespace tlv
