// Quadrel as a player meets it: the real program opened from the launcher, scripted on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "path_game/chemin.h"
#include "path_game/parties.h"
#include "path_game/plateaux.h"
#include "platform/image.h"
#include "tests/robot/programme.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

std::size_t compte(const std::string& texte, const std::string& bout) {
    std::size_t n = 0;
    for (auto p = texte.find(bout); p != std::string::npos; p = texte.find(bout, p + 1)) ++n;
    return n;
}

bool contient(const std::string& texte, const std::string& bout) {
    return texte.find(bout) != std::string::npos;
}

// Every run seeded, so a failing one can be replayed as it was.
Resultat joue(const Programme& p, const std::string& script, const std::string& binaire = "./tolvanex") {
    return p.lance(script, "--graine 3", binaire);
}

// From the launcher: the Quadrel line, then "Nouvelle partie" and a name.
std::string nouvellepartie(const std::string& nom) {
    return "attends\nclic 400 170\nattends\nclic 320 130\nattends\ntexte " + nom +
           "\ntouche Entree\nattends\n";
}

std::string clic(Case k) {
    return "clic " + std::to_string(36 + (k.c - 1) * 71 + 35) + " " +
           std::to_string(48 + (k.r - 1) * 96 + 48) + "\nattends\n";
}

std::size_t ix(int v) {
    return static_cast<std::size_t>(v);
}

// The pairs that clear a board, in an order the path rule allows, found by the game's own search.
std::vector<std::pair<Case, Case>> solution(Grille g) {
    std::vector<std::pair<Case, Case>> coups;
    for (bool encore = true; encore;) {
        encore = false;
        for (int a = 0; a < 32 && !encore; ++a)
            for (int b = 0; b < 32 && !encore; ++b) {
                const Case p{a % 8 + 1, a / 8 + 1}, q{b % 8 + 1, b / 8 + 1};
                if (paire(g[ix(p.c)][ix(p.r)], g[ix(q.c)][ix(q.r)]) && cherchechemin(g, p, q)) {
                    coups.push_back({p, q});
                    g[ix(p.c)][ix(p.r)] = g[ix(q.c)][ix(q.r)] = vide;
                    encore = true;
                }
            }
    }
    return coups;
}

Grille tableau(int n) {
    Grille g;
    EXPECT_TRUE(chargecode(fichierplateaux, n, g));
    return g;
}

std::string videtableau(int n) {
    std::string s;
    for (const auto& [p, q] : solution(tableau(n))) s += clic(p) + clic(q);
    return s;
}

Surface capture(const Programme& p, const std::string& nom) {
    auto s = charge_image(p.dossier() + "/" + nom);
    EXPECT_TRUE(s.has_value()) << nom;
    return s ? *s : Surface(640, 480);
}

bool memes(const Surface& a, const Surface& b, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

Rect cellule(Case k) {
    return {36 + (k.c - 1) * 71, 48 + (k.r - 1) * 96, 71, 96};
}

TEST(Quadrel, APairJoinedByAPathLeavesTheTableAndTheGameIsSaved) {
    Programme p;
    const auto coups = solution(tableau(0));
    ASSERT_FALSE(coups.empty());
    const auto [a, b] = coups.front();
    const std::string d = p.dossier() + "/";
    const auto r = joue(p, nouvellepartie("toto") + "capture " + d + "avant.png\n" + clic(a) + "capture " +
                               d + "choisie.png\n" + clic(b) + "capture " + d + "apres.png\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "musique cartem03")) << r.sortie;
    EXPECT_EQ(compte(r.sortie, "effet cartew07"), 2u) << r.sortie;
    EXPECT_FALSE(contient(r.sortie, "effet cartew02"));
    const Surface avant = capture(p, "avant.png"), choisie = capture(p, "choisie.png"),
                  apres = capture(p, "apres.png");
    // Shaded when chosen, then both places show the empty table; the rest of the board is untouched.
    EXPECT_FALSE(memes(avant, choisie, cellule(a)));
    EXPECT_TRUE(memes(avant, choisie, cellule(b)));
    EXPECT_FALSE(memes(avant, apres, cellule(a)));
    EXPECT_FALSE(memes(avant, apres, cellule(b)));
    for (int c = 1; c <= 8; ++c)
        for (int l = 1; l <= 4; ++l)
            if (Case{c, l} != a && Case{c, l} != b) {
                EXPECT_TRUE(memes(avant, apres, cellule({c, l}))) << c << "," << l;
            }
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "TOTO      -100000\r\n");
}

TEST(Quadrel, AWrongTryCostsTenSecondsAndTimeUpLetsTheBoardStartAgain) {
    // Two cards that are not a pair.
    const Grille g = tableau(0);
    std::vector<Case> cartes;
    for (int l = 1; l <= 4; ++l)
        for (int c = 1; c <= 8; ++c)
            if (estcarte(g[ix(c)][ix(l)])) cartes.push_back({c, l});
    Case a = cartes[0], b{};
    for (const Case k : cartes)
        if (k != a && !paire(g[ix(a.c)][ix(a.r)], g[ix(k.c)][ix(k.r)])) b = k;
    const auto paire1 = solution(g).front();
    Programme sans, avec;
    const std::string d = avec.dossier() + "/";
    const auto r1 = joue(sans, nouvellepartie("A") + "attends 119.5\ntouche F8\nattends\nattends 2\n");
    const auto r2 = joue(avec, nouvellepartie("B") + "capture " + d + "debut.png\n" + clic(a) + clic(b) +
                                   clic(paire1.first) + clic(paire1.second) +
                                   "attends 108\ntouche F8\nattends\nattends 3\ncapture " + d +
                                   "fin.png\nclic 320 60\nattends\ncapture " + d + "reprise.png\n");
    ASSERT_EQ(r1.code, 0) << r1.erreurs;
    ASSERT_EQ(r2.code, 0) << r2.erreurs;
    EXPECT_TRUE(contient(r2.sortie, "effet cartew02")) << r2.sortie;
    // F8 marks a moment just before the clock runs out; the time-up sound comes after it.
    for (const auto* r : {&r1, &r2}) {
        const auto f8 = r->sortie.find("musique arret\n", r->sortie.find("musique cartem03"));
        const auto fin = r->sortie.find("effet cartew04");
        ASSERT_NE(fin, std::string::npos) << r->sortie;
        EXPECT_GT(fin, f8) << r->sortie;
        EXPECT_EQ(compte(r->sortie, "effet cartew04"), 1u);
    }
    // Time up brings the menu back; "Continuer la partie" lays the same board again with a full clock.
    EXPECT_EQ(capture(avec, "fin.png").pixel(320, 300), 0u);
    const Surface debut = capture(avec, "debut.png"), reprise = capture(avec, "reprise.png");
    EXPECT_TRUE(memes(debut, reprise, Rect{36, 48, 568, 384}));
    EXPECT_TRUE(memes(debut, reprise, Rect{330, 12, 131, 24}));
}

TEST(Quadrel, ABoardClearedIsSavedScoredAndTheGameResumesAtTheNextBoard) {
    Programme p;
    const auto r = joue(p, nouvellepartie("toto") + videtableau(0) + "attends 3\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(contient(r.sortie, "effet cartew08")) << r.sortie;
    const std::string ligne = p.fichier(p.scores() + fichierparties);
    ASSERT_EQ(ligne.size(), 19u) << ligne;
    EXPECT_EQ(ligne.substr(0, 12), "TOTO     000");
    const int temps = tempsdeligne(ligne);
    EXPECT_GT(temps, 0);
    EXPECT_LT(temps, 60);
    // The score table holds the game first, the defaults below it.
    const std::string scores = p.fichier(p.scores() + "tlvjong0.sco");
    EXPECT_EQ(scores.substr(0, 19), ligne);
    EXPECT_EQ(compte(scores, "INCONNU  00000120\r\n"), 9u);

    // Later: the game is chosen in the menu's selector and goes on with board 1.
    const auto r2 =
        joue(p, "attends\nclic 400 170\nattends\nclic 320 205\nattends\n" + videtableau(1) + "attends\n");
    ASSERT_EQ(r2.code, 0) << r2.erreurs;
    const std::string ligne2 = p.fichier(p.scores() + fichierparties);
    EXPECT_EQ(ligne2.substr(0, 12), "TOTO     001") << ligne2;
    EXPECT_GT(tempsdeligne(ligne2), temps);
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco").substr(0, 19), ligne2);
    EXPECT_FALSE(fs::exists(p.scores() + fichiertempo));
}

TEST(Quadrel, LeavingByTheMenuOrClosingMidGameKeepsTheFiles) {
    Programme p;
    const auto coups = solution(tableau(0));
    const auto r =
        joue(p, nouvellepartie("toto") + clic(coups[0].first) + clic(coups[0].second) +
                    "clic 320 455\nattends\nclic 320 410\nattends\n" // Menu, then "Menu principal"
                    "clic 400 170\nattends\nclic 320 130\nattends\ntexte titi\ntouche Entree\nattends\n" +
                    clic(coups[0].first));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(compte(r.sortie, "musique cartem00"), 2u) << r.sortie; // back on the launcher once
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "TOTO      -100000\r\nTITI      -100000\r\n");
    std::string defaut;
    for (int i = 0; i < 10; ++i) defaut += "INCONNU  00000120\r\n";
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), defaut);
    EXPECT_FALSE(fs::exists(p.scores() + fichiertempo));
}

TEST(Quadrel, NamesMustBeNewAndNotEmptyAndEscapeGivesUp) {
    Programme p;
    fs::create_directories(p.scores());
    std::ofstream(p.scores() + fichierparties, std::ios::binary) << "TOTO     00300200\r\n";
    const auto r = joue(p, "attends\nclic 400 170\nattends\nclic 320 130\nattends\n"
                           "touche Entree\nattends\n"             // empty: asked again
                           "texte toto\ntouche Entree\nattends\n" // already saved: asked again
                           "touche Echap\nattends\n"              // given up: back to the menu
                           "clic 320 130\nattends\ntexte zaza\ntouche Entree\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "TOTO     00300200\r\nZAZA      -100000\r\n");
}

TEST(Quadrel, ErasingAsksFirstAndIsRefusedDuringAGame) {
    Programme p;
    fs::create_directories(p.scores());
    std::ofstream(p.scores() + fichierparties, std::ios::binary)
        << "UN       00000010\r\nDEUX     00100020\r\n";
    const std::string d = p.dossier() + "/";
    const auto r = joue(p, "attends\nclic 400 170\nattends\n"
                           "clic 530 205\nattends\n"                        // next saved game: DEUX
                           "clic 320 275\nattends\ntouche Echap\nattends\n" // erase, cancelled
                           "clic 320 275\nattends\ncapture " +
                               d +
                               "question.png\ntouche Entree\nattends\n"
                               "capture " +
                               d + "apres.png\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "UN       00000010\r\n");

    // With a game in progress the erase entry is neither drawn nor active.
    const auto r2 =
        joue(p, nouvellepartie("trois") + "clic 320 455\nattends\nclic 320 275\nattends\ncapture " + d +
                    "encours.png\nclic 320 275\nattends\n");
    ASSERT_EQ(r2.code, 0) << r2.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "UN       00000010\r\nTROIS     -100000\r\n");
    const Surface encours = capture(p, "encours.png");
    for (int y = 250; y < 300; y += 5)
        for (int x = 90; x < 550; x += 5) ASSERT_EQ(encours.pixel(x, y), 0u) << x << "," << y;
}

TEST(Quadrel, TheSelectorStopsSilentlyAtBothEndsAndLoadsTheNameShown) {
    Programme p;
    fs::create_directories(p.scores());
    std::ofstream(p.scores() + fichierparties, std::ios::binary)
        << "UN       00000010\r\nDEUX     00100020\r\n";
    const auto r = joue(p, "attends\nclic 400 170\nattends\n"
                           "clic 110 205\nattends\nclic 530 205\nattends\nclic 530 205\nattends\n"
                           "clic 320 205\nattends\n" +
                               videtableau(2));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    // The launcher's line, one step to the right, the name: nothing at either end.
    EXPECT_EQ(compte(r.sortie, "effet cartew00"), 3u) << r.sortie;
    const std::string lignes = p.fichier(p.scores() + fichierparties);
    EXPECT_EQ(lignes.substr(0, 19), "UN       00000010\r\n");
    EXPECT_EQ(lignes.substr(19, 12), "DEUX     002") << lignes;
}

// A copy of the program whose boards file is replaced.
class AutresPlateaux : public ::testing::Test {
  protected:
    void installe(const std::string& plateaux) {
        jeu = fs::path(p.dossier()) / "jeu";
        fs::create_directories(jeu);
        for (const auto& e : fs::directory_iterator(fs::current_path())) {
            const std::string n = e.path().filename().string();
            if (n == "tolvanex")
                fs::copy_file(e.path(), jeu / n);
            else if (n != fichierplateaux && (n.starts_with("carte") || n == "voix.fr"))
                fs::create_symlink(e.path(), jeu / n);
        }
        if (!plateaux.empty()) std::ofstream(jeu / fichierplateaux, std::ios::binary) << plateaux;
    }
    Programme p;
    fs::path jeu;
};

TEST_F(AutresPlateaux, TheLastBoardClearedShowsTheClosingScreenAndLoadingItAgainToo) {
    std::string un;
    {
        std::ifstream f(fichierplateaux, std::ios::binary);
        un.resize(taillefiche);
        f.read(un.data(), taillefiche);
    }
    installe(un);
    const std::string d = p.dossier() + "/";
    const auto r = joue(p,
                        nouvellepartie("toto") + videtableau(0) + "capture " + d + "fin.png\nclic 100 100\n" +
                            "attends\nclic 320 455\nattends\n" // the Menu label ends the closing screen
                            "clic 400 170\nattends\nclic 320 205\nattends\ncapture " +
                            d + "fin2.png\n",
                        (jeu / "tolvanex").string());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties).substr(0, 12), "TOTO     000");
    const Surface fin = capture(p, "fin.png"), fin2 = capture(p, "fin2.png");
    // The congratulations over the table, the same when the finished game is loaded again.
    EXPECT_TRUE(memes(fin, fin2, Rect{20, 80, 600, 200}));
    bool texte = false;
    for (int x = 40; x < 600 && !texte; ++x) {
        const std::uint32_t c = fin.pixel(x, 100);
        texte = (c >> 16) < 80 && ((c >> 8) & 255) > 200 && (c & 255) > 200; // the bright edge of the print
    }
    EXPECT_TRUE(texte);
    EXPECT_EQ(compte(r.sortie, "musique cartem00"), 2u) << r.sortie;
}

TEST_F(AutresPlateaux, AMissingBoardsFileIsToldAndTheMenuComesBack) {
    installe("");
    const auto r = joue(p,
                        "attends\nclic 400 170\nattends\nclic 320 130\nattends\ntouche Entree\nattends\n"
                        "clic 320 410\nattends\n",
                        (jeu / "tolvanex").string());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(compte(r.sortie, "musique cartem00"), 2u) << r.sortie;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "");
}

TEST(Quadrel, TheClockTicksWhileF5DoesNothingAndF8RestartsTheTune) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const auto r =
        joue(p, nouvellepartie("toto") + "capture " + d + "a.png\ntouche F5\nattends\ncapture " + d +
                    "b.png\nattends 3\ncapture " + d + "c.png\ntouche F8\nattends\ntouche F8\nattends\n");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto air = r.sortie.find("musique cartem03");
    ASSERT_NE(air, std::string::npos);
    EXPECT_NE(r.sortie.find("musique cartem03", air + 1), std::string::npos) << r.sortie;
    const Surface a = capture(p, "a.png"), b = capture(p, "b.png"), c = capture(p, "c.png");
    EXPECT_TRUE(memes(a, b, Rect{0, 0, 640, 480}));
    // Three seconds later only the clock has changed.
    EXPECT_FALSE(memes(a, c, Rect{330, 12, 131, 24}));
    EXPECT_TRUE(memes(a, c, Rect{0, 40, 640, 440}));
}

} // namespace
} // namespace tlv::essai
