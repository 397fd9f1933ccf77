// Memo as a player meets it: the real program, opened from the launcher and driven by one script on the
// virtual clock. The seed fixes the layouts, so the script knows where each pair lies.
#include <gtest/gtest.h>

#include <map>

#include "memo/plateau.h"
#include "platform/image.h"
#include "shell/creefichiers.h"
#include "tests/robot/programme.h"

namespace tlv::essai {
namespace {

constexpr std::uint64_t Graine = 4242;
const std::string Ouvre = "attends\nclic 400 100\nattends\n"; // the launcher's "Memo" line
const std::string Continuer = "clic 320 65\nattends\n";       // menu entry 1
const std::string Nouvelle = "clic 320 135\nattends\n";       // menu entry 2
const std::string MenuPrincipal = "clic 320 415\nattends\n";  // menu entry 6
const std::string LabelMenu = "clic 320 455\nattends\n";      // the table's Menu label

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

std::size_t compte(const std::string& texte, const std::string& bout) {
    std::size_t n = 0;
    for (auto p = texte.find(bout); p != std::string::npos; p = texte.find(bout, p + 1)) ++n;
    return n;
}

TEST(RobotMemo, GamesFromTheLauncherAreTimedRecordedAndClosingMidGameKeepsTheFiles) {
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
    s += "texte Zoé\ntouche Entree\nattends\nclic 445 420\nattends\n";
    // Level 2 by the arrows (stopping at both ends), then a card turned and F5's slider moved.
    const std::string gauche = "clic 110 275\nattends\n", droite = "clic 530 275\nattends\n";
    s += gauche + droite + droite + droite + "clic 320 275\nattends\n" + Nouvelle + "capture " + d +
         "niveau2.png\n" + clic({1, 1}) +
         "touche F5\nattends\ntouche Droite\nattends\ntouche Echap\nattends\n";
    const auto r = p.lance(s, "--graine " + std::to_string(Graine));
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

    // Column 1 holds cards at level 2: place (1, 1) shows the back of the sheet.
    const auto plateau = charge_image(d + "niveau2.png"), feuille = charge_image("./cartei08");
    ASSERT_TRUE(plateau && feuille);
    for (int y = 0; y < 96; y += 7)
        for (int x = 0; x < 71; x += 7)
            ASSERT_EQ(plateau->pixel(36 + x, 48 + y), feuille->pixel(x, 384 + y)) << x << "," << y;
}

} // namespace
} // namespace tlv::essai
