// Memo as a player meets it: the real program, opened from the launcher and driven by one script on the
// virtual clock. The seed fixes the layouts, so the script knows where each pair lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "memo/regles/plateau.h"
#include "pixels.h"
#include "platform/image.h"
#include "shell/creefichiers.h"
#include "robot.h"

namespace tlv::essai {
using namespace tlv::memo;
namespace {

constexpr std::uint64_t Graine = 4242;
const std::string Ouvre = "attends\nclic 400 100\nattends\n"; // the launcher's "Memo" line
const std::string Continuer = "clic 320 65\nattends\n";       // menu entry 1
const std::string Nouvelle = "clic 320 135\nattends\n";       // menu entry 2
const std::string MenuPrincipal = "clic 320 415\nattends\n";  // menu entry 6
const std::string LabelMenu = "clic 320 455\nattends\n";      // the table's Menu label
const std::string Scores = "clic 320 205\nattends\n";         // menu entry 3
const std::string Gauche = "clic 110 275\nattends\n", Droite = "clic 530 275\nattends\n"; // entry 4's arrows
const std::string Retour = "clic 445 420\nattends\n"; // the score screen's "Retour"

std::string clic(Place p) {
    const Point o = coin(p);
    return "clic " + std::to_string(o.x + 35) + " " + std::to_string(o.y + 48) + "\nattends\n";
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

// Every pair of the layout, turned one after the other: the game ends on the last.
std::string trouvetout(const std::vector<std::pair<Place, Place>>& v) {
    std::string s;
    for (const auto& [a, b] : v) s += clic(a) + clic(b);
    return s;
}

using test::memebloc;

std::size_t compte(const std::string& texte, const std::string& bout) {
    std::size_t n = 0;
    for (auto p = texte.find(bout); p != std::string::npos; p = texte.find(bout, p + 1)) ++n;
    return n;
}

// The files and sounds come out the same on any display; the picture is checked at the play area's size.
class RobotMemoEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(RobotMemoEcran, GamesFromTheLauncherAreTimedRecordedAndClosingMidGameKeepsTheFiles) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const auto premiere = paires(0), v = paires(1);
    ASSERT_EQ(v.size(), 8u);
    const Place a = v[0].first, b = v[1].first;
    std::string s = Ouvre + Nouvelle + clic(premiere[0].first) + LabelMenu + MenuPrincipal;
    // Back from the launcher no game is in progress: "Continuer" does nothing.
    s += Ouvre + Continuer + Nouvelle;
    // The same two cards twice: free the first time, 100 s the second; the first card again, an unused
    // column and the cloth count nothing.
    s += clic(a) + clic(b) + clic(b) + clic(a) + clic(a) + clic(a) + clic({1, 1}) + "clic 320 20\nattends\n" +
         clic(v[0].second);
    // 3 s of play count, 30 s with the menu open do not.
    s += "attends 3\n" + LabelMenu + "attends 30\n" + Continuer;
    for (std::size_t i = 1; i < v.size(); ++i) s += clic(v[i].first) + clic(v[i].second);
    s += "texte Zoé\ntouche Entree\nattends\n" + Retour;
    // Level 2 by the arrows (stopping at both ends), then a card turned and F5's slider moved.
    s += Gauche + Droite + Droite + Droite + "clic 320 275\nattends\n" + Nouvelle + "capture " + d +
         "niveau2.png\n" + clic({1, 1}) +
         "touche F5\nattends\ntouche Droite\nattends\ntouche Echap\nattends\n";
    const auto r = p.lance(s, "--graine " + std::to_string(Graine) + GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;

    // Before the menu: two failed tries of four 135 ms flips and the 1 s delay, a 135 ms flip and 3 s:
    // 6 ticks (the clock's second starts afresh after the menu); then 7 pairs of two flips: 1 tick.
    std::string attendu = "ZO\xc9             107\r\n";
    for (int i = 0; i < 4; ++i) attendu += "INCONNU         10000\r\n";
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo0.sco"), attendu);
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo2.sco"), contenuinitial("tlvmemo2.sco"));
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), contenuinitial("tlvjong0.sco"));
    EXPECT_NE(p.fichier(p.scores() + "tlvmemo.ini").find("20"), std::string::npos) << "slider at 2 s";
    EXPECT_EQ(compte(r.sortie, "effet cartew02"), 2u) << r.sortie; // the failed tries
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 1u);             // the record
    EXPECT_EQ(compte(r.sortie, "musique cartem02"), 2u);           // once each time it is opened
    EXPECT_EQ(compte(r.sortie, "musique cartem00"), 2u) << "back on the launcher once";

    if (!GetParam().empty()) return;
    // Column 1 holds cards at level 2: place (1, 1) shows the back of the sheet.
    const auto plateau = charge_image(d + "niveau2.png"), feuille = charge_image("./cartei08");
    ASSERT_TRUE(plateau && feuille);
    EXPECT_TRUE(memebloc(*plateau, {36, 48}, *feuille, {0, 384}, 71, 96));
}
INSTANTIATE_TEST_SUITE_P(Ecrans, RobotMemoEcran, ::testing::Values("", " --ecran 1366x768"));

// Away from the window the game pauses: no card shows under the notice and the clock holds, as it does
// under the F5 dialog; the click that brings the game back, on a card that would be a wrong second one,
// turns none. The time recorded is the time played.
TEST(RobotMemo, AwayFromTheWindowOrUnderADialogTheClockHoldsAndNoCardShows) {
    const auto v = paires(0);
    const auto joue = [&v](const Programme& p, const std::string& absence) {
        std::string s = Ouvre + Nouvelle + clic(v[0].first) + "attends 2.5\n" + absence + clic(v[0].second);
        for (std::size_t i = 1; i < v.size(); ++i) s += clic(v[i].first) + clic(v[i].second);
        const auto r =
            p.lance(s + "texte Zoé\ntouche Entree\nattends\n", "--graine " + std::to_string(Graine));
        EXPECT_EQ(r.code, 0) << r.erreurs;
        return p.fichier(p.scores() + "tlvmemo0.sco");
    };
    Programme sans, avec;
    const std::string absence = "fenetre inactive\nattends 60\ncapture " + avec.dossier() +
                                "/pause.png\nfenetre active\nattends\n" + clic(v[1].first) +
                                "attends 0.6\ntouche F5\nattends\nattends 30\ntouche Echap\nattends\n";
    const std::string temps = joue(sans, "attends 0.6\n");
    EXPECT_EQ(temps.substr(0, 4), "ZO\xc9 ") << temps;
    EXPECT_EQ(joue(avec, absence), temps);
    const Surface pause = avec.capture("pause.png");
    EXPECT_FALSE(carte_en_vue(pause, Rect{36, 48, 568, 384}));
    EXPECT_TRUE(texte_sarcelle(pause, Rect{36, 48, 568, 384})) << "the notice";
}

// The level chosen in the menu during a game waits for the next deal: the game in progress keeps its own
// level for the table shown from its menu, for its ranking and for its record.
TEST(RobotMemo, AGameKeepsTheLevelItWasDealtAtWhenTheArrowsMoveDuringIt) {
    Programme p;
    const std::string d = p.dossier() + "/";
    std::string s = Ouvre + Nouvelle + LabelMenu + Scores + "capture " + d + "avant.png\n" + Retour;
    s += Droite + Droite + Scores + "capture " + d + "apres.png\n" + Retour + Continuer;
    s += trouvetout(paires(0)) + "texte Léa\ntouche Entree\nattends\ncapture " + d + "record.png\n" + Retour;
    // With the game over, the menu's level is the one that counts: its table, then the next deal.
    s += Scores + "capture " + d + "menu.png\n" + Retour + Nouvelle + "capture " + d + "suivante.png\n";
    const auto r = p.lance(s, "--graine " + std::to_string(Graine));
    ASSERT_EQ(r.code, 0) << r.erreurs;

    const std::string t0 = p.fichier(p.scores() + "tlvmemo0.sco");
    EXPECT_EQ(t0.substr(0, 4), "L\xc9\x41 ") << t0;
    EXPECT_EQ(compte(t0, "INCONNU         10000\r\n"), 4u) << t0;
    for (const char* f : {"tlvmemo1.sco", "tlvmemo2.sco"})
        EXPECT_EQ(p.fichier(p.scores() + f), contenuinitial(f));

    // Every table shown here holds defaults only but the record: the titles tell the levels apart.
    const auto avant = charge_image(d + "avant.png"), apres = charge_image(d + "apres.png"),
               record = charge_image(d + "record.png"), menu = charge_image(d + "menu.png"),
               suivante = charge_image(d + "suivante.png"), feuille = charge_image("./cartei08");
    ASSERT_TRUE(avant && apres && record && menu && suivante && feuille);
    const int gauche = 70, haut = 40, titre = 45; // the score screen, centred, and its title band
    EXPECT_TRUE(memebloc(*apres, {gauche, haut}, *avant, {gauche, haut}, 500, 400))
        << "4x4 table during the game";
    EXPECT_TRUE(memebloc(*record, {gauche, haut}, *avant, {gauche, haut}, 500, titre))
        << "the record's table is 4x4";
    EXPECT_FALSE(memebloc(*menu, {gauche, haut}, *avant, {gauche, haut}, 500, titre)) << "8x4 after the game";
    EXPECT_TRUE(memebloc(*suivante, {36, 48}, *feuille, {0, 384}, 71, 96)) << "the next deal uses column 1";
}

// A time that does not rank is shown with the reason until a click; only then the menu. Its clock ran
// long enough for any trace the digits left on the frame to show.
TEST(RobotMemo, AFinishThatDoesNotRankShowsItsTimeUntilAClickAndTheClockStaysInItsBox) {
    Programme p;
    const std::string d = p.dossier() + "/";
    std::string table;
    for (int i = 0; i < 5; ++i) table += "ANNE            1\r\n";
    std::filesystem::create_directories(p.scores());
    std::ofstream(p.scores() + "tlvmemo0.sco", std::ios::binary) << table;
    const std::string s = Ouvre + Nouvelle + "attends 150\ncapture " + d + "horloge.png\n" +
                          trouvetout(paires(0)) + "capture " + d + "fin.png\nclic 600 20\nattends\ncapture " +
                          d + "menu.png\n";
    const auto r = p.lance(s, "--graine " + std::to_string(Graine));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvmemo0.sco"), table);
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 0u);

    const auto horloge = charge_image(d + "horloge.png"), fin = charge_image(d + "fin.png"),
               menu = charge_image(d + "menu.png"), tapis = charge_image("./cartei01"),
               boite = charge_image("./cartei10"), fondmenu = charge_image("./cartei04");
    ASSERT_TRUE(horloge && fin && menu && tapis && boite && fondmenu);
    // The frame of the clock box and the cloth around it, as clean as ever.
    for (const Rect z :
         {Rect{225, 0, 176, 12}, Rect{225, 36, 176, 12}, Rect{225, 12, 20, 24}, Rect{381, 12, 20, 24}})
        EXPECT_TRUE(test::memes_pixels(*horloge, *tapis, z)) << z.x << "," << z.y;

    // The box of the name entry, centred over the darkened table, its two texts printed.
    const int x = 120, y = 190;
    EXPECT_TRUE(memebloc(*fin, {x, y}, *boite, {0, 0}, 4, 100)) << "left edge";
    EXPECT_TRUE(memebloc(*fin, {x, y + 90}, *boite, {0, 90}, 400, 10)) << "bottom edge";
    const auto encre = [&](int y0, int y1) {
        int n = 0;
        for (int j = y0; j < y1; ++j)
            for (int i = 5; i < 395; ++i) n += fin->pixel(x + i, y + j) == rgb(0, 255, 255);
        return n;
    };
    EXPECT_GT(encre(5, 38), 50) << "the time";
    EXPECT_GT(encre(40, 88), 50) << "not in the table";
    EXPECT_FALSE(memebloc(*fin, {0, 0}, *fondmenu, {0, 0}, 60, 30));
    EXPECT_TRUE(memebloc(*menu, {0, 0}, *fondmenu, {0, 0}, 60, 30)) << "the menu after the click";
}

// No line of the menu shows under the score screen opened from it; the Menu label is unlit once the menu
// is left by « Continuer ». At the play area's size and at 1920x1080.
class RobotMemoMenu : public ::testing::TestWithParam<std::string> {};

TEST_P(RobotMemoMenu, NothingPeeksUnderTheScoresAndTheLabelIsUnlitAfterContinuer) {
    Programme p;
    const std::string d = "capture " + p.dossier() + "/";
    const auto r = p.lance(Ouvre + Scores + d + "scores.png\n" + Retour + Nouvelle + d + "debut.png\n" +
                               "survol 320 455\nattends\n" + LabelMenu + Continuer + d + "suite.png\n",
                           "--graine 3" + GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface scores = p.capture("scores.png"), debut = p.capture("debut.png"),
                  suite = p.capture("suite.png");
    EXPECT_FALSE(texte_sarcelle(scores, dans_capture(scores, Rect{70, 440, 500, 8})));
    EXPECT_TRUE(test::memes_pixels(debut, suite, dans_capture(debut, Rect{243, 437, 154, 38})));
}
INSTANTIATE_TEST_SUITE_P(Ecrans, RobotMemoMenu, ::testing::Values("", " --ecran 1920x1080"));

} // namespace
} // namespace tlv::essai
