#include "shell/parametres.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dossiertemp.h"
#include "shell/niveaux.h"
#include "shell/reglages.h"
#include "shell/textes.h"

namespace tlv {
namespace {

using test::litbrut;

class Parametres : public ::testing::Test {
  protected:
    Parametres() { r.scores = std::make_unique<StockageDisque>(d.chemin()); }
    std::string belo() const { return d / "tlvbelo.ini"; }
    std::string memo() const { return d / "tlvmemo.ini"; }
    test::DossierTemp d;
    Reglages r;
};

TEST_F(Parametres, MissingFilesWrittenWithTheDefault) {
    r.tempobelote = 9, r.tempomemo = 3.f;
    lisparammemo(r);
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, 4);
    EXPECT_EQ(r.tempomemo, 1.f);
    EXPECT_EQ(litbrut(belo()), " 4 \r\n");
    EXPECT_EQ(litbrut(memo()), " 10 \r\n");
}

// Closing a dialog stores its slider (Memo in tenths), Belote's kept within its bounds.
TEST_F(Parametres, ClosingADialogStoresTheSlider) {
    test::ecritbrut(memo(), " 15 \r\n");
    lisparammemo(r);
    ASSERT_TRUE(fermeturememo(r, curseurmemo(r.tempomemo)));
    EXPECT_EQ(r.tempomemo, 2.f);
    EXPECT_EQ(litbrut(memo()), " 20 \r\n");
    ASSERT_TRUE(fermeturememo(r, 0));
    EXPECT_EQ(litbrut(memo()), " 0 \r\n");
    lisparammemo(r);
    EXPECT_EQ(r.tempomemo, 0.f);
    ASSERT_TRUE(fermeturebelote(r, 9));
    EXPECT_EQ(litbrut(belo()), " 9 \r\n");
    ASSERT_TRUE(fermeturebelote(r, 40));
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, 12);
    EXPECT_EQ(curseurbelote(1), 2);
}

TEST_F(Parametres, FailedSaveWithoutCrashing) {
    r.scores = std::make_unique<StockageDisque>(d / "absent/");
    EXPECT_EQ(sauveparambelote(r).erreur(), ENOENT);
    lisparambelote(r); // cannot repair: the default is used
    EXPECT_EQ(r.tempobelote, 4);
}

struct CasFichier {
    bool belote;
    const char* contenu;
    double attendu; // seconds
    bool garde;     // false: rewritten with the default
};
std::ostream& operator<<(std::ostream& o, const CasFichier& c) {
    return o << (c.belote ? "belote " : "memo ") << ::testing::PrintToString(std::string(c.contenu));
}

class Lecture : public Parametres, public ::testing::WithParamInterface<CasFichier> {};

TEST_P(Lecture, ValueOrDefault) {
    const CasFichier& c = GetParam();
    test::ecritbrut(c.belote ? belo() : memo(), c.contenu);
    if (c.belote) {
        lisparambelote(r);
        EXPECT_EQ(r.tempobelote, c.attendu);
    } else {
        lisparammemo(r);
        EXPECT_FLOAT_EQ(r.tempomemo, static_cast<float>(c.attendu));
    }
    EXPECT_EQ(litbrut(c.belote ? belo() : memo()), c.garde ? c.contenu : c.belote ? " 4 \r\n" : " 10 \r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Belote, Lecture,
    ::testing::Values(CasFichier{true, " 7 \r\n", 7, true}, CasFichier{true, "12\n", 12, true},
                      CasFichier{true, "\t2", 2, true}, CasFichier{true, " 6 \r\n 9 \r\n", 6, true},
                      CasFichier{true, "1E1", 10, true}, CasFichier{true, "4.5", 4, true},
                      CasFichier{true, "", 4, false}, CasFichier{true, "\r\n 7 \r\n", 4, false},
                      CasFichier{true, "7abc", 4, false}, CasFichier{true, "7 8", 4, false},
                      CasFichier{true, "13", 4, false}, CasFichier{true, "1", 4, false},
                      CasFichier{true, "-3 \r\n", 4, false},
                      CasFichier{true, "99999999999999999999", 4, false},
                      CasFichier{true, "1e999", 4, false}));
INSTANTIATE_TEST_SUITE_P(
    Memo, Lecture,
    ::testing::Values(CasFichier{false, " 15 \r\n", 1.5, true}, CasFichier{false, " 0 \r\n", 0, true},
                      CasFichier{false, "50", 5, true}, CasFichier{false, " 2.5 ", .25, true},
                      CasFichier{false, "51", 1, false}, CasFichier{false, "-1", 1, false},
                      CasFichier{false, "nan", 1, false}, CasFichier{false, "inf", 1, false},
                      CasFichier{false, "", 1, false}, CasFichier{false, "dix", 1, false}));

// The computer's levels: a missing file gives the defaults and is not made; a damaged one gives them and is
// rewritten with them; a good one is read and written again as it was.
TEST_F(Parametres, LevelsReadRepairedAndSaved) {
    const std::string f = d / "tlvniveaux.ini";
    const std::string bon = "partenaire=debutant\r\nadversaires=fort\r\n",
                      defaut = "partenaire=classique\r\nadversaires=classique\r\n";
    r.niveaupartenaire = r.niveauadversaires = "fort";
    lisniveaux(r);
    EXPECT_EQ(r.niveaupartenaire + r.niveauadversaires, "classiqueclassique");
    EXPECT_FALSE(std::filesystem::exists(f));
    test::ecritbrut(f, bon);
    lisniveaux(r);
    EXPECT_EQ(r.niveaupartenaire + "/" + r.niveauadversaires, "debutant/fort");
    ASSERT_TRUE(sauveniveaux(r));
    EXPECT_EQ(litbrut(f), bon);
    for (const char* abime : {"", "partenaire=fort\n", "adversaires=fort\npartenaire=fort\n",
                              "partenaire=Fort\nadversaires=fort\n", "partenaire=fort\nadversaires=fort \n",
                              "partenaire=fort\nadversaires=fort\nadversaires=fort\n"}) {
        test::ecritbrut(f, abime);
        lisniveaux(r);
        EXPECT_EQ(r.niveaupartenaire + r.niveauadversaires, "classiqueclassique") << abime;
        EXPECT_EQ(litbrut(f), defaut) << abime;
    }
}

TEST(ArrondiPair, HalfGoesToEven) {
    const std::pair<double, double> cas[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},  {3.5, 4}, {-0.5, 0},
                                             {-1.5, -2}, {2.4999, 2}, {2.51, 3}, {7, 7}};
    for (const auto& [x, attendu] : cas) EXPECT_EQ(arrondipair(x), attendu) << x;
    const std::pair<float, int> curseurs[] = {{0.5f, 0}, {2.5f, 2}, {9.f, 5}, {NAN, 0}};
    for (const auto& [x, attendu] : curseurs) EXPECT_EQ(curseurmemo(x), attendu) << x;
}

TEST(Nombres, PrintedAndReadLikeTheClassicBasic) {
    EXPECT_EQ(imprimenombre(4), " 4 ");
    EXPECT_EQ(imprimenombre(-3), "-3 ");
    const std::pair<float, const char*> reels[] = {
        {15.f, " 15 "}, {2.5f, " 2.5 "},         {0.5f, " .5 "},     {-0.5f, "-.5 "},
        {-0.f, " 0 "},  {1.f / 3, " .3333333 "}, {0.1f * 10, " 1 "}, {1234567.f, " 1234567 "}};
    for (const auto& [x, attendu] : reels) EXPECT_EQ(imprimenombre(x), attendu) << x;
    const std::pair<const char*, double> lus[] = {{".5", 0.5}, {" +3\t", 3}, {"-2.5", -2.5}, {"1D2", 100}};
    for (const auto& [ligne, attendu] : lus) EXPECT_EQ(lisnombre(ligne), attendu) << ligne;
    for (const char* refuse : {"", " ", ".", "-", "1e", "- 3", "3 4", "3,4", "0x10",
                               "\xEF\xBB\xBF"
                               "4"})
        EXPECT_FALSE(lisnombre(refuse)) << refuse;
}

TEST(Tailles, FollowTheScreensTwipsPerPixel) {
    for (const auto& [twips, taille1, taille8] : {std::tuple{13, 8, 28}, std::tuple{14, 10, 36}}) {
        Reglages r;
        r.twipsparpixelx = twips;
        choisit_tailles(r);
        EXPECT_EQ(std::pair(r.taille1, r.taille8), std::pair(taille1, taille8)) << twips;
    }
}

TEST(Textes, PackedNamesAreCutInFixedFields) {
    const Textes& t = textes_fixes();
    EXPECT_EQ(champ_nu(t[Texte::NomsDesSieges], 3, 5), "Nord");
    EXPECT_EQ(champ(t[Texte::NomsDesSieges], 4, 5), "Ouest");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 7, 2), "10");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 8, 2), " 1");
    EXPECT_EQ(champ_nu(t[Texte::NomsDesCouleurs], 3, 7), "Trèfle");
    EXPECT_EQ(champ_nu(t[Texte::NomsDesCouleurs], 4, 7), "Cœur");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 5, 7), "");
}

} // namespace
} // namespace tlv
