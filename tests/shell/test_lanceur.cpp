#include <gtest/gtest.h>

#include "shell/avis.h"
#include "shell/base.h"

namespace tlv {
namespace {

// The launcher's line under a point: bands exclusive at both ends, 0 outside them.
TEST(LigneSous, BandsAreExclusiveAtBothEnds) {
    const int cas[][3] = {{400, 30, 1},  {400, 9, 0},   {400, 10, 1},  {400, 68, 1},  {400, 69, 0},
                          {400, 74, 0},  {400, 100, 2}, {400, 200, 3}, {400, 260, 0}, {400, 370, 4},
                          {400, 469, 5}, {400, 470, 0}, {328, 30, 0},  {329, 30, 1},  {627, 440, 5},
                          {628, 440, 0}, {100, 100, 0}};
    for (const auto& [x, y, ligne] : cas) EXPECT_EQ(Base::ligne_sous(x, y), ligne) << x << " " << y;
}

// The notice names the score folder on one line of the launcher: a long path keeps its start and its end.
int caracteres(const std::string& s) {
    int n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(RaccourcitChemin, FitsAndKeepsTheFoldersOwnName) {
    const std::pair<std::string, int> cas[] = {
        // the path, the width in characters
        {"/tmp/x/tolvanex", 30},
        {"/tmp/x/tolvanex", 15},
        {"/home/joueur/.local/share/un/long/chemin/tlvscore/tolvanex", 30},
        {"/home/zoé/ééééééééééééééééééééé/tlvscore/tolvanex", 24},
        {"/home/zoé/ééééééééééééééééééééé/tlvscore/tolvanex", 5},
        {"/home/joueur/tolvanex", 2}};
    for (const auto& [chemin, n] : cas) {
        SCOPED_TRACE(chemin + " / " + std::to_string(n));
        const auto r =
            raccourcit_chemin(chemin, n * 10, [](const std::string& s) { return caracteres(s) * 10; });
        EXPECT_LE(caracteres(r), n) << r;
        if (caracteres(chemin) <= n) {
            EXPECT_EQ(r, chemin);
            continue;
        }
        const auto i = r.find("\u2026");
        ASSERT_NE(i, std::string::npos) << r;
        // A start and an end of the path, cut between whole characters.
        const std::string debut = r.substr(0, i), fin = r.substr(i + 3);
        EXPECT_TRUE(chemin.starts_with(debut) && chemin.ends_with(fin)) << r;
        const auto suite = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
        EXPECT_FALSE(suite(chemin[debut.size()]) || (!fin.empty() && suite(fin[0]))) << r;
        EXPECT_GE(caracteres(r), n - 1) << r; // nothing dropped that would have fitted
        EXPECT_TRUE(n < 20 || (r.ends_with("/tolvanex") && debut.size() >= 4)) << r;
    }
}

} // namespace
} // namespace tlv
