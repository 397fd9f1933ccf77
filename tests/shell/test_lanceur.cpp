#include <gtest/gtest.h>

#include "shell/avis.h"
#include "shell/base.h"

namespace tlv {
namespace {

struct Point {
    int x, y, ligne;
};
class LigneSous : public ::testing::TestWithParam<Point> {};

TEST_P(LigneSous, BandsAreExclusiveAtBothEnds) {
    EXPECT_EQ(Base::ligne_sous(GetParam().x, GetParam().y), GetParam().ligne);
}

INSTANTIATE_TEST_SUITE_P(Lanceur, LigneSous,
                         ::testing::Values(Point{400, 30, 1}, Point{400, 9, 0}, Point{400, 10, 1},
                                           Point{400, 68, 1}, Point{400, 69, 0}, Point{400, 74, 0},
                                           Point{400, 100, 2}, Point{400, 200, 3}, Point{400, 260, 0},
                                           Point{400, 370, 4}, Point{400, 469, 5}, Point{400, 470, 0},
                                           Point{328, 30, 0}, Point{329, 30, 1}, Point{627, 440, 5},
                                           Point{628, 440, 0}, Point{100, 100, 0}));

// The notice names the score folder on one line of the launcher: a long path keeps its start and its end.
int caracteres(const std::string& s) {
    int n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

struct CasChemin {
    const char* chemin;
    int largeur; // in characters
};
std::ostream& operator<<(std::ostream& o, const CasChemin& c) {
    return o << c.chemin << " / " << c.largeur;
}

class RaccourcitChemin : public ::testing::TestWithParam<CasChemin> {};

TEST_P(RaccourcitChemin, FitsAndKeepsTheFoldersOwnName) {
    const std::string chemin = GetParam().chemin;
    const int largeur = GetParam().largeur * 10;
    const auto r =
        raccourcit_chemin(chemin, largeur, [](const std::string& s) { return caracteres(s) * 10; });
    EXPECT_LE(caracteres(r) * 10, largeur) << r;
    if (caracteres(chemin) <= GetParam().largeur) {
        EXPECT_EQ(r, chemin);
        return;
    }
    const auto i = r.find("\u2026");
    ASSERT_NE(i, std::string::npos) << r;
    // A start and an end of the path, cut between whole characters.
    const std::string debut = r.substr(0, i), fin = r.substr(i + 3);
    EXPECT_TRUE(chemin.starts_with(debut) && chemin.ends_with(fin)) << r;
    const auto suite = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    EXPECT_FALSE(suite(chemin[debut.size()]) || (!fin.empty() && suite(fin[0]))) << r;
    EXPECT_GE(caracteres(r), GetParam().largeur - 1) << r; // nothing dropped that would have fitted
    EXPECT_TRUE(GetParam().largeur < 20 || (r.ends_with("/tolvanex") && debut.size() >= 4)) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Lanceur, RaccourcitChemin,
    ::testing::Values(CasChemin{"/tmp/x/tolvanex", 30}, CasChemin{"/tmp/x/tolvanex", 15},
                      CasChemin{"/home/joueur/.local/share/un/long/chemin/tlvscore/tolvanex", 30},
                      CasChemin{"/home/zoé/ééééééééééééééééééééé/tlvscore/tolvanex", 24},
                      CasChemin{"/home/zoé/ééééééééééééééééééééé/tlvscore/tolvanex", 5},
                      CasChemin{"/home/joueur/tolvanex", 2}));

} // namespace
} // namespace tlv
