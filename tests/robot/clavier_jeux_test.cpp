// The three games played with keys only, from the launcher back to « Quitter »: the focus frame shows where
// the keys act, and a Belote match played by keys deals and scores exactly as the same choices by mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "memo/regles/plateau.h"
#include "pixels.h"
#include "platform/image.h"
#include "robot.h"
#include "quadrel/regles/chemin.h"
#include "quadrel/regles/parties.h"
#include "quadrel/regles/plateaux.h"

namespace tlv::essai {
using namespace tlv::memo;
using namespace tlv::quadrel;
namespace {

constexpr const char* Quitte = "touche Haut\ntouche Entree\nattends\n"; // the launcher's last line

std::string touches(const std::string& nom, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "touche " + nom + "\n";
    return s;
}

// The arrows from one cell to another, then Entrée.
std::string vers(int& c, int& r, int c2, int r2) {
    std::string s = touches(c2 > c ? "Droite" : "Gauche", std::abs(c2 - c)) +
                    touches(r2 > r ? "Bas" : "Haut", std::abs(r2 - r)) + "touche Entree\nattends\n";
    c = c2, r = r2;
    return s;
}

// A rectangle of the play area on a capture of it, or of a display that scales it and centres it.
Rect sur_ecran(const Surface& s, const Rect& r) {
    const double e = std::min(s.largeur() / 640.0, s.hauteur() / 480.0);
    const int ox = (s.largeur() - static_cast<int>(640 * e)) / 2,
              oy = (s.hauteur() - static_cast<int>(480 * e)) / 2;
    return Rect{ox + static_cast<int>(r.x * e), oy + static_cast<int>(r.y * e), static_cast<int>(r.w * e),
                static_cast<int>(r.h * e)};
}

// The focus frame's bright line crosses the top edge of the card at (x, y) of the play area.
bool cadre_sur(const Surface& s, int x, int y) {
    const Rect r = sur_ecran(s, Rect{x + 35, y, 1, 2});
    const std::uint32_t p = s.pixel(r.x, r.y + r.h / 2);
    return ((p >> 16) & 255) < 90 && ((p >> 8) & 255) > 200 && (p & 255) > 200;
}

Surface image(const Programme& p, const std::string& nom) {
    auto s = charge_image(p.dossier() + "/" + nom);
    EXPECT_TRUE(s.has_value()) << nom;
    return s ? *s : Surface(640, 480, 0, 1);
}

class ClavierJeux : public ::testing::TestWithParam<std::string> {};

// Memo at 4x4, won and ranked by keys: the frame starts on the top left card of the block dealt and
// follows the arrows, stopping at the block's edge.
TEST_P(ClavierJeux, MemoWonAndRankedWithKeysOnly) {
    Programme p;
    const std::string d = p.dossier() + "/";
    Rnd rnd(4242);
    Plateau pl;
    tirage(pl, 0, rnd);
    std::map<int, Place> ou;
    for (int c = 3; c <= 6; ++c)
        for (int r = 1; r <= 4; ++r) ou[pl.carte({c, r})] = {c, r};
    // On the way, Tab lights the web button and takes the keys back to the lines (the first one lit).
    std::string s =
        "attends\ncapture " + d + "lanceur.png\ntouche Tab\nattends\ncapture " + d +
        "web.png\ntouche Tab\ntouche Bas\ntouche Entree\nattends\ntouche Bas\ntouche Entree\nattends\n";
    s += "capture " + d + "debut.png\ntouche Gauche\nattends\ncapture " + d + "bord.png\n" +
         "touche Droite\nattends\ncapture " + d + "droite.png\n";
    int c = 4, r = 1;
    for (int k = 0; k < 16; ++k)
        if (ou.count(k)) {
            s += vers(c, r, ou[k].c, ou[k].r);
            s += vers(c, r, ou[k + 16].c, ou[k + 16].r);
        }
    s += "texte ZOE\ntouche Entree\nattends\ntouche Echap\nattends\ntouche Echap\nattends\n";
    s += Quitte;
    const auto res = p.lance(s, "--graine 4242" + GetParam());
    ASSERT_EQ(res.code, 0) << res.erreurs;
    EXPECT_TRUE(p.fichier(p.scores() + "tlvmemo0.sco").starts_with("ZOE "))
        << p.fichier(p.scores() + "tlvmemo0.sco");
    EXPECT_NE(res.sortie.find("effet cartew08"), std::string::npos) << "the record";
    EXPECT_NE(res.sortie.find("effet cartew03"), std::string::npos) << "« Quitter » reached";

    const Surface lanceur = image(p, "lanceur.png"), web = image(p, "web.png");
    EXPECT_FALSE(test::memes_pixels(lanceur, web, sur_ecran(web, Rect{350, 235, 260, 80})));
    EXPECT_TRUE(test::memes_pixels(lanceur, web, sur_ecran(web, Rect{0, 0, 330, 220})));

    const Surface debut = image(p, "debut.png"), bord = image(p, "bord.png"), droite = image(p, "droite.png");
    const Point a = coin({3, 1}), b = coin({4, 1});
    EXPECT_TRUE(cadre_sur(debut, a.x, a.y));
    EXPECT_FALSE(cadre_sur(debut, b.x, b.y));
    EXPECT_TRUE(cadre_sur(bord, a.x, a.y)) << "Gauche stops at the block's edge";
    EXPECT_TRUE(cadre_sur(droite, b.x, b.y));
    EXPECT_FALSE(cadre_sur(droite, a.x, a.y)) << "the frame left no trace";
}

int& at(Grille& g, Case k) {
    return g[static_cast<std::size_t>(k.c)][static_cast<std::size_t>(k.r)];
}

// Quadrel by keys: a board cleared, the next one lost to the clock and its notice closed, back to the
// launcher by the menu.
TEST_P(ClavierJeux, QuadrelBoardClearedThenTimeUpDismissedWithKeysOnly) {
    Programme p;
    const std::string d = p.dossier() + "/";
    std::string s = "attends\n" + touches("Bas", 3) +
                    "touche Entree\nattends\ntouche Bas\ntouche Entree\nattends\n" +
                    "texte KB\ntouche Entree\nattends\ncapture " + d + "debut.png\n";
    Grille g;
    ASSERT_TRUE(chargecode(fichierplateaux, 0, g));
    int c = 1, r = 1;
    for (bool encore = true; encore;) {
        encore = false;
        for (int i = 0; i < 32 && !encore; ++i)
            for (int j = 0; j < 32 && !encore; ++j) {
                const Case a{i % 8 + 1, i / 8 + 1}, b{j % 8 + 1, j / 8 + 1};
                if ((encore = paire(at(g, a), at(g, b)) && cherchechemin(g, a, b))) {
                    s += vers(c, r, a.c, a.r);
                    s += vers(c, r, b.c, b.r);
                    at(g, a) = at(g, b) = vide;
                }
            }
    }
    s += "attends 200\ncapture " + d + "temps.png\ntouche Espace\nattends\n" + Quitte + Quitte;
    const auto res = p.lance(s, GetParam());
    ASSERT_EQ(res.code, 0) << res.erreurs;
    EXPECT_TRUE(p.fichier(p.scores() + fichierparties).starts_with("KB       000")) << "board 0 cleared";
    EXPECT_NE(res.sortie.find("effet cartew04"), std::string::npos) << "the time ran out";
    EXPECT_NE(res.sortie.find("effet cartew03"), std::string::npos) << "« Quitter » reached";
    EXPECT_TRUE(cadre_sur(image(p, "debut.png"), 36, 48));
    EXPECT_FALSE(cadre_sur(image(p, "temps.png"), 36, 48)) << "no frame over a notice";
}

INSTANTIATE_TEST_SUITE_P(Ecrans, ClavierJeux, ::testing::Values("", " --ecran 1920x1080"));

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> v;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

// The mouse script making the choices a journal shows Sud made: pass whenever asked (a click on the panel's
// first line, which means nothing at a card's turn), and each card clicked in Sud's hand, sorted by code
// and laid 30 pixels apart in the middle of the 480-pixel table.
std::string souris(const std::vector<std::string>& journal) {
    std::string s;
    std::vector<std::vector<int>> donnes;
    for (const std::string& l : journal) {
        if (l.starts_with("donne ")) donnes.emplace_back();
        if (const auto p = l.find(" cartes="); l.starts_with("pli ") && p != std::string::npos)
            donnes.back().push_back(std::stoi(l.substr(p + 8, 2)));
    }
    for (const auto& cartes : donnes) {
        s += "clic 240 215\nattends\nclic 240 215\nattends\n";
        for (std::size_t t = 0; t < cartes.size(); ++t) {
            std::vector<int> main(cartes.begin() + static_cast<std::ptrdiff_t>(t), cartes.end());
            std::sort(main.begin(), main.end());
            const int n = static_cast<int>(main.size());
            const int k = static_cast<int>(std::find(main.begin(), main.end(), cartes[t]) - main.begin());
            const int x = (480 - ((n - 1) * 30 + 71)) / 2 + 30 * k + (k == n - 1 ? 35 : 15);
            s += "clic " + std::to_string(x) + " 430\nattends\n";
        }
    }
    return s;
}

// Sud presses Entrée at every turn: it passes every bid and plays the first card the rules accept. The
// match goes to its end as the mouse making the same choices takes it.
TEST(ClavierBelote, AMatchPlayedWithEntreeOnlyIsTheMatchTheSameClicksPlay) {
    Programme p;
    const std::string d = p.dossier() + "/";
    std::string s = "attends\ntouche Bas\ntouche Entree\nattends\ntouche Bas\ntouche Entree\nattends\n";
    // Sud's first turns, each seen: the frame on a card of its hand shows on one of them.
    for (int i = 0; i < 4; ++i)
        s += "capture " + d + "tour" + std::to_string(i) + ".png\ntouche Entree\nattends\n";
    s += touches("Entree\nattends", 400) + "touche Echap\nattends\n" + Quitte;
    const auto clavier = p.lance(s, "--graine 7 --journal " + d + "clavier.txt");
    ASSERT_EQ(clavier.code, 0) << clavier.erreurs;
    const auto j = lignes(p.fichier(d + "clavier.txt"));
    ASSERT_FALSE(j.empty());
    EXPECT_TRUE(j.back().starts_with("resultat ")) << "the match went to its end";
    EXPECT_EQ(clavier.sortie.find("effet cartew09"), std::string::npos) << "never a refused card";
    EXPECT_NE(clavier.sortie.find("effet cartew03"), std::string::npos) << "« Quitter » reached";
    bool cadre = false;
    for (int i = 0; i < 4; ++i) {
        const Surface tour = image(p, "tour" + std::to_string(i) + ".png");
        for (int x = 100; x < 380 && !cadre; ++x) cadre = cadre_sur(tour, x - 35, 386);
    }
    EXPECT_TRUE(cadre);

    const auto souris_ = p.lance("attends\nclic 400 30\nattends\nclic 320 130\nattends\n" + souris(j) +
                                     "clic 600 20\nattends\nclic 320 415\nattends\nclic 400 440\nattends\n",
                                 "--graine 7 --journal " + d + "souris.txt");
    ASSERT_EQ(souris_.code, 0) << souris_.erreurs;
    EXPECT_EQ(lignes(p.fichier(d + "souris.txt")), j);
    EXPECT_NE(souris_.sortie.find("effet cartew03"), std::string::npos) << "the same way out";
}

} // namespace
} // namespace tlv::essai
