// Memo as a player meets it: the real program, opened from the launcher and driven by scripts on the
// virtual clock. The seed fixes the layout, so the scripts know where each pair lies.
#include <gtest/gtest.h>

#include <fstream>

#include <map>
#include <string>
#include <vector>

#include "memo/plateau.h"
#include "platform/image.h"
#include "shell/creefichiers.h"
#include "tests/robot/programme.h"

namespace tlv::essai {
namespace {

constexpr std::uint64_t Graine = 4242;
const std::string Ouvre = "attends\nclic 400 100\nattends\n"; // the launcher's "Memo" line
const std::string Nouvelle = "clic 320 135\nattends\n";       // menu entry 2
const std::string MenuPrincipal = "clic 320 415\nattends\n";  // menu entry 6
const std::string Quitte = "clic 400 440\nattends\n";         // the launcher's last line
const std::string Retour = "clic 445 420\nattends\n";         // score screen
const std::string LabelMenu = "clic 320 455\nattends\n";      // the table's Menu label

std::string clic(Place p) {
    const Point o = coin(p);
    return "clic " + std::to_string(o.x + 35) + " " + std::to_string(o.y + 48) + "\nattends\n";
}

// The pairs of the `rang`-th layout (0 first) the program draws with this seed at level `niveau`.
std::vector<std::pair<Place, Place>> paires(std::uint64_t graine, int niveau, int rang = 0) {
    Rnd rnd(graine);
    Plateau p;
    for (int i = 0; i <= rang; ++i) tirage(p, niveau, rnd);
    std::map<int, Place> ou;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 4; ++r)
            if (p.carte({c, r}) != -1) ou[p.carte({c, r})] = {c, r};
    std::vector<std::pair<Place, Place>> v;
    for (int k = 0; k < 16; ++k)
        if (ou.count(k)) v.push_back({ou[k], ou[k + 16]});
    return v;
}

std::string jouetout(const std::vector<std::pair<Place, Place>>& v) {
    std::string s;
    for (const auto& [a, b] : v) s += clic(a) + clic(b);
    return s;
}

std::size_t compte(const std::string& texte, const std::string& bout) {
    std::size_t n = 0;
    for (auto p = texte.find(bout); p != std::string::npos; p = texte.find(bout, p + 1)) ++n;
    return n;
}

std::string table(const std::string& premiere) {
    std::string s = premiere;
    for (int i = 0; i < 4; ++i) s += "INCONNU         10000\r\n";
    return s;
}

class RobotMemo : public ::testing::Test {
  protected:
    Resultat lance(const std::string& script) {
        return p.lance(script, "--graine " + std::to_string(Graine));
    }
    std::string memo0() const { return p.fichier(p.scores() + "tlvmemo0.sco"); }
    Surface capture(const std::string& nom) const {
        auto s = charge_image(p.dossier() + "/" + nom);
        EXPECT_TRUE(s.has_value()) << nom;
        return s ? *s : Surface(640, 480);
    }
    std::string chemin(const std::string& nom) const { return p.dossier() + "/" + nom; }
    Programme p;
};

TEST_F(RobotMemo, AWholeLevelZeroGameIsTimedAndRecordedUnderTheNameTyped) {
    const auto v = paires(Graine, 0);
    ASSERT_EQ(v.size(), 8u);
    // Odd clicks on the way: the first card again, an unused column, the cloth: none of them counts.
    const Place premiere = v[0].first;
    const std::string script =
        Ouvre + Nouvelle + "capture " + chemin("depart.png") + "\n" + clic(premiere) + clic(premiere) +
        clic({1, 1}) + "clic 320 20\nattends\n" + clic(v[0].second) + jouetout({v.begin() + 1, v.end()}) +
        "capture " + chemin("nom.png") + "\ntexte Zoé\nattends\ncapture " + chemin("nomtape.png") +
        "\ntouche Entree\nattends\ncapture " + chemin("scores.png") + "\n" + Retour + MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    // 8 tries of two 135 ms flips: 2160 ms on the clock, so 2 seconds.
    EXPECT_EQ(memo0(), table("ZO\xc9             2\r\n"));
    EXPECT_NE(r.sortie.find("musique cartem02"), std::string::npos) << r.sortie;
    EXPECT_EQ(compte(r.sortie, "effet cartew07"), 16u) << r.sortie; // each first card and each pair
    EXPECT_EQ(compte(r.sortie, "effet cartew02"), 0u);
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 1u);
    // Back in the launcher its tune plays again.
    EXPECT_GT(r.sortie.rfind("musique cartem00"), r.sortie.find("musique cartem02"));
    // The other levels' tables are untouched.
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo1.sco"), contenuinitial("tlvmemo1.sco"));
}

TEST_F(RobotMemo, FailedTriesCostFiftyPerCardSeenBefore) {
    const auto v = paires(Graine, 0);
    const Place a = v[0].first, b = v[1].first;
    // The same two cards twice: free the first time, 100 seconds the second.
    const std::string script = Ouvre + Nouvelle + clic(a) + clic(b) + clic(b) + clic(a) + jouetout(v) +
                               "texte x\ntouche Entree\nattends\n" + Retour + MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    // 8 pairs (2160 ms) and two failed tries of four flips and the 1 s delay (2 x 1540 ms): 5 ticks.
    EXPECT_EQ(memo0(), table("X               105\r\n"));
    EXPECT_EQ(compte(r.sortie, "effet cartew02"), 2u);
}

TEST_F(RobotMemo, TheClockStopsWhileTheMenuIsOpenAndContinueGoesOn) {
    const auto v = paires(Graine, 0);
    // 30 seconds with the menu open count nothing; 3 seconds of play count 3.
    const std::string script = Ouvre + Nouvelle + "attends 3\n" + LabelMenu + "attends 30\ncapture " +
                               chemin("menu.png") + "\nclic 320 65\nattends\n" + jouetout(v) +
                               "texte a\ntouche Entree\nattends\n" + Retour + MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(memo0(), table("A               5\r\n"));
}

TEST_F(RobotMemo, ATimeThatDoesNotRankAsksNoName) {
    std::string lent;
    for (int i = 0; i < 5; ++i) lent += "RAPIDE          1\r\n";
    const auto v = paires(Graine, 0);
    // First run creates the folder; the table is then replaced by five one-second times.
    ASSERT_EQ(lance("attends\n").code, 0);
    std::ofstream(p.scores() + "tlvmemo0.sco", std::ios::binary) << lent;
    const auto r = lance(Ouvre + Nouvelle + jouetout(v) + "capture " + chemin("fin.png") + "\n" +
                         MenuPrincipal + Quitte);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(memo0(), lent);
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 0u);
}

TEST_F(RobotMemo, LeavingMidTryThenComingBackStartsFromTheMenu) {
    const auto v = paires(Graine, 0), suivante = paires(Graine, 0, 1);
    // Back from the launcher no game is in progress: "Continuer la partie" is not there to click.
    const std::string script = Ouvre + Nouvelle + clic(v[0].first) + LabelMenu + MenuPrincipal + "capture " +
                               chemin("lanceur.png") + "\n" + Ouvre + "capture " + chemin("retour.png") +
                               "\n" + "clic 320 65\nattends\n" + Nouvelle + jouetout(suivante) +
                               "texte oublie\ntouche Echap\nattends\n" + Retour + MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(compte(r.sortie, "musique cartem02"), 2u) << r.sortie;
    // The second game used the next draws of the seed; Escape at the name records "INCONNU".
    EXPECT_EQ(memo0(), table("INCONNU         2\r\n"));
    // After "Menu principal" the launcher's picture is back, not the table.
    const Surface lanceur = capture("lanceur.png"), menu = capture("retour.png");
    EXPECT_NE(lanceur.pixels(), menu.pixels());
}

TEST_F(RobotMemo, LevelArrowsChooseTheBoardAndStopAtTheEnds) {
    const auto v = paires(Graine, 2);
    ASSERT_EQ(v.size(), 16u);
    const std::string droite = "clic 530 275\nattends\n", gauche = "clic 110 275\nattends\n";
    const std::string script = Ouvre + gauche + droite + droite + droite + "clic 320 275\nattends\ncapture " +
                               chemin("niveau2.png") + "\n" + Nouvelle + "capture " + chemin("plateau2.png") +
                               "\n" + jouetout(v) + "texte huit\ntouche Entree\nattends\ncapture " +
                               chemin("scores2.png") + "\n" + Retour + MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    // 16 tries of two flips: 4320 ms, 4 seconds, in the level's own table.
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo2.sco"), table("HUIT            4\r\n"));
    EXPECT_EQ(memo0(), contenuinitial("tlvmemo0.sco"));
    // Column 1 holds cards at level 2: place (1, 1) shows the back of the sheet.
    const Surface plateau = capture("plateau2.png");
    const auto feuille = charge_image("./cartei08");
    ASSERT_TRUE(feuille.has_value());
    for (int y = 0; y < 96; y += 7)
        for (int x = 0; x < 71; x += 7)
            ASSERT_EQ(plateau.pixel(36 + x, 48 + y), feuille->pixel(x, 384 + y)) << x << "," << y;
}

TEST_F(RobotMemo, MenuScoresShowTheLevelsTableAndF5OpensTheDelayDialog) {
    const std::string script = Ouvre + "clic 320 205\nattends\ncapture " + chemin("table.png") + "\n" +
                               Retour + Nouvelle + "touche F5\nattends\ncapture " + chemin("f5.png") +
                               "\ntouche Droite\nattends\ntouche Echap\nattends\n" + LabelMenu +
                               MenuPrincipal + Quitte;
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    // The dialog stored its slider moved from 1 s to 2 s, in tenths.
    EXPECT_NE(p.fichier(p.scores() + "tlvmemo.ini").find("20"), std::string::npos);
    const Surface table = capture("table.png"), f5 = capture("f5.png");
    EXPECT_NE(table.pixels(), f5.pixels());
}

bool memes(const Surface& a, const Surface& b, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST_F(RobotMemo, HoveringTheMenuLabelHighlightsItAndLeavingRestoresItExactly) {
    const std::string script = Ouvre + Nouvelle + "capture " + chemin("avant.png") +
                               "\nsurvol 320 455\nattends\ncapture " + chemin("dessus.png") +
                               "\nsurvol 320 300\nattends\ncapture " + chemin("apres.png") + "\n";
    const auto r = lance(script);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface avant = capture("avant.png"), dessus = capture("dessus.png"), apres = capture("apres.png");
    const Rect bande{0, 432, 640, 48}, reste{0, 0, 640, 432};
    EXPECT_FALSE(memes(avant, dessus, bande));
    EXPECT_TRUE(memes(avant, dessus, reste));
    EXPECT_TRUE(memes(avant, apres, Rect{0, 0, 640, 480}));
}

TEST_F(RobotMemo, ClosingMidGameExitsCleanlyAndKeepsTheFiles) {
    const auto v = paires(Graine, 0);
    const auto r = lance(Ouvre + Nouvelle + clic(v[0].first) + clic(v[1].first));
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(memo0(), contenuinitial("tlvmemo0.sco"));
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), contenuinitial("tlvjong0.sco"));
}

TEST_F(RobotMemo, ClosingAtTheNameEntryWritesNothing) {
    const auto v = paires(Graine, 0);
    const auto r = lance(Ouvre + Nouvelle + jouetout(v) + "texte presque\n");
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 1u);
    EXPECT_EQ(memo0(), contenuinitial("tlvmemo0.sco"));
}

TEST_F(RobotMemo, ADamagedTableIsRepairedByTheNextRecord) {
    ASSERT_EQ(lance("attends\n").code, 0);
    std::ofstream(p.scores() + "tlvmemo0.sco", std::ios::binary) << "LENT            9\r\n\x01\x02\r\nabc";
    const auto v = paires(Graine, 0);
    const auto r = lance(Ouvre + Nouvelle + jouetout(v) + "texte vite\ntouche Entree\nattends\n" + Retour +
                         MenuPrincipal + Quitte);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(memo0(), "VITE            2\r\nLENT            9\r\nINCONNU         10000\r\n"
                       "INCONNU         10000\r\nINCONNU         10000\r\n");
}

} // namespace
} // namespace tlv::essai
