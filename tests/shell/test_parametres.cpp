#include "shell/parametres.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dossiertemp.h"

namespace tlv {
namespace {

using test::litbrut;

class Parametres : public ::testing::Test {
  protected:
    Parametres() { r.dossier_scores = d.chemin(); }
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

TEST_F(Parametres, MemoDialogOpenedAndClosedUntouchedStores20) {
    test::ecritbrut(memo(), " 15 \r\n");
    lisparammemo(r);
    EXPECT_EQ(r.tempomemo, 1.5f);
    EXPECT_EQ(litbrut(memo()), " 15 \r\n"); // a good file is not rewritten on reading
    const int curseur = curseurmemo(r.tempomemo);
    EXPECT_EQ(curseur, 2);
    ASSERT_TRUE(fermeturememo(r, curseur));
    EXPECT_EQ(r.tempomemo, 2.f);
    EXPECT_EQ(litbrut(memo()), " 20 \r\n");
}

TEST_F(Parametres, MemoSliderAtZeroStoresZero) {
    ASSERT_TRUE(fermeturememo(r, 0));
    EXPECT_EQ(litbrut(memo()), " 0 \r\n");
    lisparammemo(r);
    EXPECT_EQ(r.tempomemo, 0.f);
}

TEST_F(Parametres, BeloteDialogKeepsTheValueInItsBounds) {
    ASSERT_TRUE(fermeturebelote(r, 9));
    EXPECT_EQ(litbrut(belo()), " 9 \r\n");
    ASSERT_TRUE(fermeturebelote(r, 40));
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, 12);
    EXPECT_EQ(curseurbelote(1), 2);
}

TEST_F(Parametres, FailedSaveWithoutCrashing) {
    r.dossier_scores = d / "absent/";
    EXPECT_FALSE(sauveparambelote(r));
    lisparambelote(r); // cannot repair: the default is used
    EXPECT_EQ(r.tempobelote, 4);
}

struct CasFichier {
    const char* contenu;
    double attendu; // seconds
    bool garde;     // false: rewritten with the default
};
std::ostream& operator<<(std::ostream& o, const CasFichier& c) {
    return o << ::testing::PrintToString(std::string(c.contenu));
}

class LectureBelote : public Parametres, public ::testing::WithParamInterface<CasFichier> {};
class LectureMemo : public Parametres, public ::testing::WithParamInterface<CasFichier> {};

TEST_P(LectureBelote, ValueOrDefault) {
    test::ecritbrut(belo(), GetParam().contenu);
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, GetParam().attendu);
    EXPECT_EQ(litbrut(belo()), GetParam().garde ? GetParam().contenu : " 4 \r\n");
}

TEST_P(LectureMemo, ValueOrDefault) {
    test::ecritbrut(memo(), GetParam().contenu);
    lisparammemo(r);
    EXPECT_FLOAT_EQ(r.tempomemo, static_cast<float>(GetParam().attendu));
    EXPECT_EQ(litbrut(memo()), GetParam().garde ? GetParam().contenu : " 10 \r\n");
}

INSTANTIATE_TEST_SUITE_P(Cas, LectureBelote,
                         ::testing::Values(CasFichier{" 7 \r\n", 7, true}, CasFichier{"12\n", 12, true},
                                           CasFichier{"\t2", 2, true}, CasFichier{" 6 \r\n 9 \r\n", 6, true},
                                           CasFichier{"1E1", 10, true}, CasFichier{"4.5", 4, true},
                                           CasFichier{"abc\r\n", 4, false}, CasFichier{"", 4, false},
                                           CasFichier{"\r\n 7 \r\n", 4, false}, CasFichier{"7abc", 4, false},
                                           CasFichier{"7 8", 4, false}, CasFichier{"13", 4, false},
                                           CasFichier{"1", 4, false}, CasFichier{"-3 \r\n", 4, false},
                                           CasFichier{"99999999999999999999", 4, false},
                                           CasFichier{"1e999", 4, false}));

INSTANTIATE_TEST_SUITE_P(Cas, LectureMemo,
                         ::testing::Values(CasFichier{" 15 \r\n", 1.5, true}, CasFichier{" 0 \r\n", 0, true},
                                           CasFichier{"50", 5, true}, CasFichier{" 2.5 ", .25, true},
                                           CasFichier{"51", 1, false}, CasFichier{"-1", 1, false},
                                           CasFichier{"nan", 1, false}, CasFichier{"inf", 1, false},
                                           CasFichier{"", 1, false}, CasFichier{"dix", 1, false}));

TEST(ArrondiPair, HalfGoesToEven) {
    const std::pair<double, double> cas[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},  {3.5, 4}, {-0.5, 0},
                                             {-1.5, -2}, {2.4999, 2}, {2.51, 3}, {7, 7}};
    for (const auto& [x, attendu] : cas) EXPECT_EQ(arrondipair(x), attendu) << x;
    EXPECT_EQ(curseurmemo(0.5f), 0);
    EXPECT_EQ(curseurmemo(2.5f), 2);
    EXPECT_EQ(curseurmemo(9.f), 5);
    EXPECT_EQ(curseurmemo(NAN), 0);
}

TEST(ImprimeNombre, LikeTheClassicPrint) {
    EXPECT_EQ(imprimenombre(4), " 4 ");
    EXPECT_EQ(imprimenombre(0), " 0 ");
    EXPECT_EQ(imprimenombre(-3), "-3 ");
    EXPECT_EQ(imprimenombre(15.f), " 15 ");
    EXPECT_EQ(imprimenombre(2.5f), " 2.5 ");
    EXPECT_EQ(imprimenombre(0.5f), " .5 ");
    EXPECT_EQ(imprimenombre(-0.5f), "-.5 ");
    EXPECT_EQ(imprimenombre(-0.f), " 0 ");
    EXPECT_EQ(imprimenombre(1.f / 3), " .3333333 ");
    EXPECT_EQ(imprimenombre(0.1f * 10), " 1 ");
    EXPECT_EQ(imprimenombre(1234567.f), " 1234567 ");
}

TEST(LisNombre, AcceptedAndRefusedForms) {
    EXPECT_EQ(lisnombre(".5"), 0.5);
    EXPECT_EQ(lisnombre(" +3\t"), 3);
    EXPECT_EQ(lisnombre("-2.5"), -2.5);
    EXPECT_EQ(lisnombre("1D2"), 100);
    for (const char* refuse : {"", " ", ".", "-", "1e", "- 3", "3 4", "3,4", "0x10",
                               "\xEF\xBB\xBF"
                               "4"})
        EXPECT_FALSE(lisnombre(refuse)) << refuse;
}

} // namespace
} // namespace tlv
