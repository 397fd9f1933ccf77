// Memo as a player meets it: the real program, opened from the launcher and driven by one script on the
// virtual clock. The seed fixes the layouts, so the script knows where each pair lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "memo/regles/plateau.h"
#include "pixels.h"
#include "platform/image.h"
#include "robot.h"
#include "shell/creefichiers.h"

namespace tlv::essai {
using namespace tlv::memo;
namespace {

constexpr int Graine = 4242;
const std::string AvecGraine = "--graine 4242";
const Scenario Continuer{clic(320, 65)}, Nouvelle{clic(320, 135)}, Scores{clic(320, 205)}, // menu entries
    MenuPrincipal{clic(320, 415)}, LabelMenu{clic(320, 455)}, Retour{clic(445, 420)},      // and labels
    Gauche{clic(110, 275)}, Droite{clic(530, 275)};                                        // entry 4's arrows

Pas carte(Place p) {
    return clic(coin(p).x + 35, coin(p).y + 48);
}

// The pairs of the `rang`-th layout (0 first) the program draws with the seed at level 0.
std::vector<std::pair<Place, Place>> paires(int rang) {
    Rnd rnd(Graine);
    Plateau p;
    for (int i = 0; i <= rang; ++i) tirage(p, 0, rnd);
    std::map<int, Place> ou;
    for (int c = 3; c <= 6; ++c)
        for (int r = 1; r <= 4; ++r) ou[p.carte({c, r})] = {c, r};
    std::vector<std::pair<Place, Place>> v;
    for (int k = 0; k < 16; ++k)
        if (ou.count(k)) v.push_back({ou[k], ou[k + 16]});
    return v;
}

// Every pair of the layout from the `debut`-th on, turned one after the other: the game ends on the last.
Scenario trouvetout(const std::vector<std::pair<Place, Place>>& v, std::size_t debut = 0) {
    Scenario s;
    for (std::size_t i = debut; i < v.size(); ++i) s = s + Scenario{carte(v[i].first), carte(v[i].second)};
    return s;
}

const Scenario Zoe{tape("Zoé"), touche("Entree")};
const std::string Inconnus = [] { // a score table's default lines below a record
    std::string s;
    for (int i = 0; i < 4; ++i) s += "INCONNU         10000\r\n";
    return s;
}();

using test::memebloc;

// Two games from the launcher, timed and ranked, the level changed, the game left open at the end. At the
// play area's size: the large display's scenarios are the menu's and the keys' below.
TEST(RobotMemo, GamesFromTheLauncherAreTimedRecordedAndClosingMidGameKeepsTheFiles) {
    Programme p;
    const auto premiere = paires(0), v = paires(1);
    const Place a = v[0].first, b = v[1].first;
    Scenario s = ouvre(Jeu::Memo) + Nouvelle + Scenario{carte(premiere[0].first)} + LabelMenu + MenuPrincipal;
    // Back from the launcher no game is in progress: "Continuer" does nothing.
    s = s + ouvre(Jeu::Memo) + Continuer + Nouvelle;
    // The same two cards twice: free the first time, 100 s the second; the first card again, an unused
    // column and the cloth count nothing.
    s = s + Scenario{carte(a), carte(b),      carte(b),      carte(a),          carte(a),
                     carte(a), carte({1, 1}), clic(320, 20), carte(v[0].second)};
    // 3 s of play count, 30 s with the menu open do not.
    s = s + Scenario{attends(3)} + LabelMenu + Scenario{attends(30)} + Continuer + trouvetout(v, 1) + Zoe +
        Retour;
    // Level 2 by the arrows (stopping at both ends), then a card turned and F5's slider moved.
    s = s + Gauche + Droite + Droite + Droite + Scenario{clic(320, 275)} + Nouvelle +
        Scenario{capture("niveau2.png"), carte({1, 1}), touche("F5"), touche("Droite"), touche("Echap")};
    const auto r = p.joue(s, AvecGraine);
    ASSERT_EQ(r.code, 0) << r.erreurs;

    // Before the menu: two failed tries of four 135 ms flips and the 1 s delay, a 135 ms flip and 3 s:
    // 6 ticks (the clock's second starts afresh after the menu); then 7 pairs of two flips: 1 tick.
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo0.sco"), "ZO\xc9             107\r\n" + Inconnus);
    EXPECT_NE(p.fichier(p.scores() + "tlvmemo.ini").find("20"), std::string::npos) << "slider at 2 s";
    EXPECT_EQ(r.compte("effet cartew02"), 2u) << r.sortie; // the failed tries
    EXPECT_EQ(r.compte("effet cartew08"), 1u);             // the record
    EXPECT_EQ(r.compte("musique cartem02"), 2u);           // once each time it is opened

    // Column 1 holds cards at level 2: place (1, 1) shows the back of the sheet.
    const auto feuille = charge_image("./cartei08");
    ASSERT_TRUE(feuille);
    EXPECT_TRUE(memebloc(p.capture("niveau2.png"), {36, 48}, *feuille, {0, 384}, 71, 96));
}

// Away from the window the game pauses: no card shows under the notice and the clock holds, as it does
// under the F5 dialog; the click that brings the game back, on a card that would be a wrong second one,
// turns none. The time recorded is the time played.
TEST(RobotMemo, AwayFromTheWindowOrUnderADialogTheClockHoldsAndNoCardShows) {
    const auto v = paires(0);
    const auto joue = [&v](const Programme& p, const Scenario& absence) {
        const Scenario s = ouvre(Jeu::Memo) + Nouvelle + Scenario{carte(v[0].first), attends(2.5)} + absence +
                           Scenario{carte(v[0].second)} + trouvetout(v, 1) + Zoe;
        const auto r = p.joue(s, AvecGraine);
        EXPECT_EQ(r.code, 0) << r.erreurs;
        return p.fichier(p.scores() + "tlvmemo0.sco");
    };
    Programme sans, avec;
    const std::string temps = joue(sans, {attends(0.6)});
    EXPECT_EQ(temps.substr(0, 4), "ZO\xc9 ") << temps;
    EXPECT_EQ(joue(avec, {fenetre(false), attends(60), capture("pause.png"), fenetre(true), attends(),
                          carte(v[1].first), attends(0.6), touche("F5"), attends(30), touche("Echap")}),
              temps);
    const Surface pause = avec.capture("pause.png");
    EXPECT_FALSE(carte_en_vue(pause, Rect{36, 48, 568, 384}));
    EXPECT_TRUE(texte_sarcelle(pause, Rect{36, 48, 568, 384})) << "the notice";
}

// The level chosen in the menu during a game waits for the next deal: the game in progress keeps its own
// level for the table shown from its menu, for its ranking and for its record.
TEST(RobotMemo, AGameKeepsTheLevelItWasDealtAtWhenTheArrowsMoveDuringIt) {
    Programme p;
    Scenario s = ouvre(Jeu::Memo) + Nouvelle + LabelMenu + Scores + Scenario{capture("avant.png")} + Retour;
    s = s + Droite + Droite + Scores + Scenario{capture("apres.png")} + Retour + Continuer;
    s = s + trouvetout(paires(0)) + Scenario{tape("Léa"), touche("Entree"), capture("record.png")} + Retour;
    // With the game over, the menu's level is the one that counts: its table, then the next deal.
    s = s + Scores + Scenario{capture("menu.png")} + Retour + Nouvelle + Scenario{capture("suivante.png")};
    const auto r = p.joue(s, AvecGraine);
    ASSERT_EQ(r.code, 0) << r.erreurs;

    const std::string t0 = p.fichier(p.scores() + "tlvmemo0.sco");
    EXPECT_EQ(t0.substr(0, 4), "L\xc9\x41 ") << t0;
    EXPECT_EQ(t0.substr(t0.find('\n') + 1), Inconnus);
    for (const char* f : {"tlvmemo1.sco", "tlvmemo2.sco"})
        EXPECT_EQ(p.fichier(p.scores() + f), contenuinitial(f));

    // Every table shown here holds defaults only but the record: the titles tell the levels apart.
    const Surface avant = p.capture("avant.png");
    const auto feuille = charge_image("./cartei08");
    ASSERT_TRUE(feuille);
    const Point coin{70, 40}; // the score screen, centred; its title band is 45 high
    EXPECT_TRUE(memebloc(p.capture("apres.png"), coin, avant, coin, 500, 400)) << "4x4 table during the game";
    EXPECT_TRUE(memebloc(p.capture("record.png"), coin, avant, coin, 500, 45)) << "the record's table is 4x4";
    EXPECT_FALSE(memebloc(p.capture("menu.png"), coin, avant, coin, 500, 45)) << "8x4 after the game";
    EXPECT_TRUE(memebloc(p.capture("suivante.png"), {36, 48}, *feuille, {0, 384}, 71, 96)) << "column 1 used";
}

// Memo at 4x4, won with keys in a time that does not rank: the launcher's Tab lights the web button and
// takes the keys back to the lines; the focus frame starts on the top left card of the block dealt and
// follows the arrows, stopping at the block's edge; the time is shown until a key, then the menu. Then by
// mouse: no line of the menu shows under the score screen opened from it, and the Menu label is unlit once
// the menu is left by « Continuer ». At the play area's size and at 1920x1080.
class RobotMemoEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(RobotMemoEcran, AGameWonWithKeysThatDoesNotRankThenTheMenuByMouse) {
    Programme p;
    std::string cinq; // five times of 1 s: none is beaten
    for (int i = 0; i < 5; ++i) cinq += "ANNE            1\r\n";
    std::filesystem::create_directories(p.scores());
    test::ecritbrut(p.scores() + "tlvmemo0.sco", cinq);
    Scenario s{attends(),        capture("lanceur.png"), touche("Tab"),    capture("web.png"),
               touche("Tab"),    touche("Bas"),          touche("Entree"), touche("Bas"),
               touche("Entree"), capture("debut.png"),   touche("Gauche"), capture("bord.png"),
               touche("Droite"), capture("droite.png")};
    Place ou{4, 1};
    for (const auto& [a, b] : paires(0))
        for (const Place k : {a, b}) {
            s = s + fleches(k.c - ou.c, k.r - ou.r) + Scenario{touche("Entree")};
            ou = k;
        }
    s = s + Scenario{capture("fin.png"), touche("Entree"), capture("menu.png"), touche("Echap")} +
        ouvre(Jeu::Memo) + Scores + Scenario{capture("scores.png")} + Retour + Nouvelle +
        Scenario{capture("table.png"), survol(320, 455)} + LabelMenu + Continuer +
        Scenario{capture("suite.png")} + LabelMenu + MenuPrincipal +
        Scenario{touche("Haut"), touche("Entree")};
    const auto r = p.joue(s, AvecGraine + " " + GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo0.sco"), cinq);
    EXPECT_EQ(r.compte("effet cartew08"), 0u) << "no record";
    // The time and why it does not rank, raised in bright cyan over the darkened table (the way on below them
    // is not bright), until Entrée brings the menu.
    const Surface fin = p.capture("fin.png");
    const auto vif = [&fin](const Rect& zone) {
        const Rect z = dans_capture(fin, zone);
        int n = 0;
        for (int y = z.y; y < z.y + z.h; ++y)
            for (int x = z.x; x < z.x + z.w; ++x) n += fin.pixel(x, y) == rgb(0, 255, 255);
        return n;
    };
    EXPECT_GT(vif(Rect{125, 195, 390, 33}), 50) << "the time";
    EXPECT_GT(vif(Rect{125, 230, 390, 48}), 50) << "the reason";
    EXPECT_FALSE(test::memes_pixels(fin, p.capture("menu.png"), dans_capture(fin, Rect{0, 0, 60, 30})));
    EXPECT_TRUE(r.contient("effet cartew03")) << "« Quitter » reached";
    const Surface scores = p.capture("scores.png"), table = p.capture("table.png");
    EXPECT_FALSE(texte_sarcelle(scores, dans_capture(scores, Rect{70, 440, 500, 8})));
    EXPECT_TRUE(
        test::memes_pixels(table, p.capture("suite.png"), dans_capture(table, Rect{243, 437, 154, 38})));
    const Surface lanceur = p.capture("lanceur.png"), web = p.capture("web.png");
    EXPECT_FALSE(test::memes_pixels(lanceur, web, dans_capture(web, Rect{350, 235, 260, 80})));
    EXPECT_TRUE(test::memes_pixels(lanceur, web, dans_capture(web, Rect{0, 0, 330, 220})));
    // The focus frame's bright line across the top edge of the card at place k.
    const auto cadre = [](const Surface& s, Place k) {
        return texte_sarcelle(s, dans_capture(s, Rect{coin(k).x + 35, coin(k).y, 1, 2}));
    };
    const Surface debut = p.capture("debut.png"), bord = p.capture("bord.png"),
                  droite = p.capture("droite.png");
    EXPECT_TRUE(cadre(debut, {3, 1}));
    EXPECT_FALSE(cadre(debut, {4, 1}));
    EXPECT_TRUE(cadre(bord, {3, 1})) << "Gauche stops at the block's edge";
    EXPECT_TRUE(cadre(droite, {4, 1}));
    EXPECT_FALSE(cadre(droite, {3, 1})) << "the frame left no trace";
}

INSTANTIATE_TEST_SUITE_P(Ecrans, RobotMemoEcran, ::testing::Values("", "--ecran 1920x1080"));

} // namespace
} // namespace tlv::essai
