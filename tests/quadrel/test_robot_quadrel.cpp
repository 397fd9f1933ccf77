// Quadrel as a player meets it: the real program opened from the launcher, scripted on the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "grilles.h"
#include "pixels.h"

#include "platform/image.h"
#include "quadrel/regles/chemin.h"
#include "quadrel/regles/parties.h"
#include "quadrel/regles/plateaux.h"
#include "socle/carte.h"
#include "robot.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

const std::string Ouvre = "attends\nclic 400 170\nattends\n"; // the launcher's Quadrel line
const std::string Nouvelle = "clic 320 130\nattends\n", Charger = "clic 320 205\nattends\n",
                  Effacer = "clic 320 275\nattends\n", Menu = "clic 320 455\nattends\n";

std::size_t compte(const std::string& texte, const std::string& bout) {
    std::size_t n = 0;
    for (auto p = texte.find(bout); p != std::string::npos; p = texte.find(bout, p + 1)) ++n;
    return n;
}

Rect cellule(Case k) {
    return {36 + (k.c - 1) * LargeurCarte, 48 + (k.r - 1) * HauteurCarte, LargeurCarte, HauteurCarte};
}

std::string clic(Case k) {
    const Rect z = cellule(k);
    return "clic " + std::to_string(z.x + 35) + " " + std::to_string(z.y + 48) + "\nattends\n";
}

int& at(Grille& g, Case k) {
    return g[static_cast<std::size_t>(k.c)][static_cast<std::size_t>(k.r)];
}

// The pairs that clear a board, in an order the path rule allows, found by the game's own search.
std::vector<std::pair<Case, Case>> solution(int n) {
    Grille g;
    EXPECT_TRUE(chargecode(fichierplateaux, n, g));
    std::vector<std::pair<Case, Case>> coups;
    for (bool encore = true; encore;) {
        encore = false;
        for (int a = 0; a < 32 && !encore; ++a)
            for (int b = 0; b < 32 && !encore; ++b) {
                const Case p{a % 8 + 1, a / 8 + 1}, q{b % 8 + 1, b / 8 + 1};
                if ((encore = paire(at(g, p), at(g, q)) && cherchechemin(g, p, q))) {
                    coups.push_back({p, q});
                    at(g, p) = at(g, q) = vide;
                }
            }
    }
    return coups;
}

std::string videtableau(int n) {
    std::string s;
    for (const auto& [p, q] : solution(n)) s += clic(p) + clic(q);
    return s;
}

struct Captures {
    const Programme& p;
    std::string operator()(const std::string& nom) const {
        return "capture " + p.dossier() + "/" + nom + "\n";
    }
    Surface operator[](const std::string& nom) const {
        auto s = charge_image(p.dossier() + "/" + nom);
        EXPECT_TRUE(s.has_value()) << nom;
        return s ? *s : Surface(640, 480, 0, 1);
    }
};

using test::memes_pixels;

const Rect ZonePlateau{36, 48, 568, 384}, ZoneChrono{330, 12, 131, 24}, Tout{0, 0, 640, 480};
const Rect PlateauEtChrono{36, 12, 568, 420}; // the same board again, with a full clock
const Rect BoiteTotal{428, 444, 160, 24};

// The first board's opening pair (a, b), and a place x whose card is no pair for a.
std::array<Case, 3> premiercoup() {
    const auto coups = solution(0);
    std::array<Case, 3> c{coups[0].first, coups[0].second, Case{}};
    Grille g;
    EXPECT_TRUE(chargecode(fichierplateaux, 0, g));
    for (const auto& [p1, p2] : coups)
        if (!paire(at(g, c[0]), at(g, p1))) c[2] = p1;
    return c;
}

std::string script_parties(const Captures& cap, Case a, Case b, Case x) {
    // The selector stops at both ends; erasing asks first.
    std::string s = Ouvre + "clic 110 205\nattends\n" + cap("s0") + "clic 110 205\nattends\n" + cap("s1") +
                    "clic 530 205\nattends\n" + cap("s2") + "clic 530 205\nattends\n" + cap("s3") + Effacer +
                    "touche Echap\nattends\n" + Effacer + "touche Entree\nattends\n";
    // UN goes on with board 1, which is cleared; with a game in progress erasing is refused.
    s += Charger + videtableau(1) + "attends\n" + Menu + Effacer + cap("encours");
    // New names must be new and not empty (a name taken asks again with a longer prompt); Escape gives up.
    s += Nouvelle + cap("invite") + "touche Entree\nattends\ntexte un\ntouche Entree\nattends\n" +
         cap("existe") + "touche Echap\nattends\n" + Nouvelle + "texte toto\ntouche Entree\nattends\n";
    // A wrong try (ten seconds), then a pair joined by a path; F5 does nothing, the clock alone ticks.
    s += cap("debut") + clic(a) + clic(x) + clic(a) + cap("choisie") + clic(b) + cap("apres") +
         "touche F5\nattends\n" + cap("f5") + "attends 3\n" + cap("3s");
    // F8 marks a moment just before the clock (less the penalty) runs out; time up is told until a click,
    // then the menu comes back and "Continuer" lays the same board again with a full clock.
    s += "attends 105\ntouche F8\nattends\nattends 3\n" + cap("fin") + "clic 320 60\nattends\n" +
         cap("menu") + "clic 320 60\nattends\n" + cap("reprise") + "touche F8\nattends\n";
    // F8 again brings the tune back. Back on the launcher, a new game, closed mid-game.
    s += Menu + "clic 320 410\nattends\n" + Ouvre + Nouvelle + "texte titi\ntouche Entree\nattends\n" +
         clic(a);
    return s;
}

// The effects and tunes the run plays.
void verifie_sons(const std::string& sortie) {
    EXPECT_EQ(compte(sortie, "effet cartew08"), 1u) << sortie;
    EXPECT_EQ(compte(sortie, "effet cartew02"), 1u);
    EXPECT_EQ(compte(sortie, "effet cartew04"), 1u);
    EXPECT_GT(sortie.find("effet cartew04"), sortie.find("musique arret\n", sortie.find("musique cartem03")));
    EXPECT_NE(sortie.find("musique cartem03", sortie.find("effet cartew04")), std::string::npos);
    EXPECT_EQ(compte(sortie, "musique cartem00"), 2u) << "back on the launcher once";
}

// The name entry, 400 x 100, is centred on the play area; its cyan prompt must fit the box.
void verifie_invites(const Captures& cap) {
    for (const char* nom : {"invite", "existe"}) {
        const Surface e = cap[nom];
        int droite = -1;
        for (int y = 192; y < 228; ++y)
            for (int x = 120; x < 520; ++x) {
                const std::uint32_t c = e.pixel(x, y);
                const int r = static_cast<int>(c >> 16), g = static_cast<int>((c >> 8) & 255),
                          b = static_cast<int>(c & 255);
                if (r < 60 && g > 100 && b > 100 && std::abs(g - b) < 30) droite = std::max(droite, x);
            }
        EXPECT_GT(droite, 300) << nom;
        EXPECT_LT(droite, 515) << nom << ": the prompt reaches the box's edge";
    }
    EXPECT_FALSE(memes_pixels(cap["invite"], cap["existe"], Rect{120, 190, 400, 40}));
}

TEST(Quadrel, SavedGamesMovesTheClockAndTheMenuFromTheLauncher) {
    Programme p;
    const Captures cap{p};
    fs::create_directories(p.scores());
    std::ofstream(p.scores() + fichierparties, std::ios::binary)
        << "UN       00000010\r\nDEUX     00100020\r\n";
    const auto [a, b, x] = premiercoup();
    const auto r = p.lance(script_parties(cap, a, b, x), "--graine 3");
    ASSERT_EQ(r.code, 0) << r.erreurs;

    EXPECT_TRUE(memes_pixels(cap["s0"], cap["s1"], Tout));
    EXPECT_FALSE(memes_pixels(cap["s1"], cap["s2"], Tout));
    EXPECT_TRUE(memes_pixels(cap["s2"], cap["s3"], Tout));
    const std::string lignes = p.fichier(p.scores() + fichierparties);
    ASSERT_EQ(lignes.size(), 3u * 19) << lignes;
    EXPECT_EQ(lignes.substr(0, 12), "UN       001");
    EXPECT_GT(tempsdeligne(lignes.substr(0, 17)), 10);
    EXPECT_EQ(lignes.substr(19), "TOTO      -100000\r\nTITI      -100000\r\n");
    // The score table holds the game first, the defaults below it.
    const std::string scores = p.fichier(p.scores() + "tlvjong0.sco");
    EXPECT_EQ(scores.substr(0, 19), lignes.substr(0, 19));
    EXPECT_EQ(compte(scores, "INCONNU  00000120\r\n"), 9u);
    EXPECT_FALSE(fs::exists(p.scores() + fichiertempo));
    EXPECT_TRUE(memes_pixels(cap["encours"], Surface(640, 480, 0, 1), Rect{90, 250, 460, 50})) << "no erase entry";
    verifie_sons(r.sortie);

    // Shaded when chosen, then both places show the empty table; the rest of the board is untouched.
    const Surface debut = cap["debut"], choisie = cap["choisie"], apres = cap["apres"];
    EXPECT_FALSE(memes_pixels(debut, choisie, cellule(a)));
    EXPECT_TRUE(memes_pixels(debut, choisie, cellule(x)));
    for (int c = 1; c <= 8; ++c)
        for (int l = 1; l <= 4; ++l) {
            const Case k{c, l};
            EXPECT_EQ(memes_pixels(debut, apres, cellule(k)), k != a && k != b) << c << "," << l;
        }
    EXPECT_TRUE(memes_pixels(apres, cap["f5"], Tout));
    EXPECT_FALSE(memes_pixels(apres, cap["3s"], ZoneChrono));
    EXPECT_TRUE(memes_pixels(apres, cap["3s"], Rect{0, 40, 640, 398}));
    // Beside the Menu label: the game's name, and its total time, the boards cleared: still while one runs.
    const Rect Nom{52, 444, 160, 24}, Total{428, 444, 160, 24};
    EXPECT_TRUE(memes_pixels(apres, cap["3s"], Nom));
    EXPECT_TRUE(memes_pixels(apres, cap["3s"], Total));
    EXPECT_FALSE(memes_pixels(cap["s0"], apres, Nom));
    verifie_invites(cap);
    const Surface fin = cap["fin"];
    EXPECT_FALSE(memes_pixels(cap["3s"], fin, ZonePlateau));
    EXPECT_TRUE(memes_pixels(cap["3s"], fin, Rect{165, 12, 146, 24})) << "the board's number stays in sight";
    EXPECT_EQ(cap["menu"].pixel(320, 300), 0u);
    EXPECT_TRUE(memes_pixels(debut, cap["reprise"], PlateauEtChrono));
}

// A copy of the program beside a boards file of its own.
class Copie {
  public:
    explicit Copie(const Programme& p) : p_(p), jeu_(fs::path(p.dossier()) / "jeu") {
        fs::create_directories(jeu_);
        for (const auto& e : fs::directory_iterator(fs::current_path())) {
            const std::string n = e.path().filename().string();
            if (n == "tolvanex")
                fs::copy_file(e.path(), jeu_ / n);
            else if (n != fichierplateaux && (n.starts_with("carte") || n == "voix.fr"))
                fs::create_symlink(e.path(), jeu_ / n);
        }
    }
    void plateaux(const std::string& octets) const {
        std::ofstream(jeu_ / fichierplateaux, std::ios::binary) << octets;
    }
    Resultat lance(const std::string& script, const std::string& extra = "") const {
        return p_.lance(script, "--graine 3" + extra, binaire());
    }
    std::string binaire() const { return (jeu_ / "tolvanex").string(); }

  private:
    const Programme& p_;
    fs::path jeu_;
};

const std::string Toto = "texte toto\ntouche Entree\nattends\n";
const std::string LigneNeuve = "TOTO      -100000\r\n";

TEST(Quadrel, AMissingBoardsFileIsToldAndTheLastBoardClearedEndsTheGame) {
    Programme p;
    const Captures cap{p};
    const Copie jeu(p);
    const auto r1 = jeu.lance(Ouvre + Nouvelle + "touche Entree\nattends\nclic 320 410\nattends\n");
    ASSERT_EQ(r1.code, 0) << r1.erreurs;
    EXPECT_EQ(compte(r1.sortie, "musique cartem00"), 2u) << r1.sortie;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "");

    // Obstacles are left on the top row when the last board is cleared.
    jeu.plateaux(fichede({"XXXXXXXX", "..Aa....", "........", "........"}) +
                 fichede({"X......X", "...B....", "...b....", "XXXXXXXX"}));
    // The closing screen, ended by the Menu label, is shown again when the finished game is loaded.
    const auto r2 =
        jeu.lance(Ouvre + Nouvelle + Toto + clic({3, 2}) + clic({4, 2}) + clic({4, 2}) + clic({4, 3}) +
                  cap("fin") + "clic 100 100\nattends\n" + Menu + Ouvre + Charger + cap("fin2"));
    ASSERT_EQ(r2.code, 0) << r2.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties).substr(0, 12), "TOTO     001");
    const Surface fin = cap["fin"], fin2 = cap["fin2"];
    EXPECT_TRUE(memes_pixels(fin, fin2, Rect{0, 12, 640, 468})) << "the board's number, name and total too";
    bool texte = false;
    for (int x = 40; x < 600 && !texte; ++x) {
        const std::uint32_t c = fin.pixel(x, 100);
        texte = (c >> 16) < 80 && ((c >> 8) & 255) > 200 && (c & 255) > 200; // the bright edge of the print
    }
    EXPECT_TRUE(texte);
    // Nothing of the obstacles is left above the first line.
    const auto table = charge_image("cartei02");
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(memes_pixels(fin, *table, Rect{36, 48, 568, 30}));
}

// The tick that runs the clock out falls while the loop is busy with the cards just clicked. Each refresh
// lasts 15 ms and the clock reaches -1 at 121 s: the first click is timed so that this tick lands in the
// shading of the first card, in the removal of a pair (the last one too), or in a path drawn.
struct Echeance {
    const char* nom;
    const char* rang1;       // the board's top row, the rest empty
    const char* attente;     // from the board's start to the first click
    std::vector<Case> avant; // up to the click whose handling the tick falls in
    std::vector<Case> apres; // what would clear the board then
};

void PrintTo(const Echeance& e, std::ostream* os) {
    *os << e.nom;
}

class TempsEcoule : public ::testing::TestWithParam<Echeance> {};

TEST_P(TempsEcoule, TheBoardIsLostEvenWhenTheLastTickComesMidMove) {
    Programme p;
    const Captures cap{p};
    const Copie jeu(p);
    jeu.plateaux(fichede({GetParam().rang1, "........", "........", "........"}));
    std::string s = Ouvre + Nouvelle + Toto + cap("debut") + "attends " + GetParam().attente + "\n";
    for (const Case k : GetParam().avant) s += clic(k);
    // The notice waits for a click (the next card's); then the menu offers the same board again.
    s += cap("ecoule");
    for (const Case k : GetParam().apres) s += clic(k);
    s += cap("menu") + "clic 320 60\nattends\n" + cap("reprise");
    const auto r = jeu.lance(s);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), LigneNeuve);
    EXPECT_EQ(compte(r.sortie, "effet cartew04"), 1u) << r.sortie;
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 0u);
    EXPECT_FALSE(memes_pixels(cap["debut"], cap["ecoule"], Rect{200, 200, 240, 80}));
    EXPECT_FALSE(memes_pixels(cap["ecoule"], cap["menu"], Tout));
    EXPECT_TRUE(memes_pixels(cap["debut"], cap["reprise"], PlateauEtChrono));
    EXPECT_TRUE(memes_pixels(cap["ecoule"], cap["reprise"], BoiteTotal)) << "a lost board adds nothing";
}

const Echeance Echeances[] = {
    {"carte_ombree", "Aa......", "120.995", {{1, 1}}, {{2, 1}}},
    {"paire_otee", "AaBb....", "120.95", {{1, 1}, {2, 1}}, {{3, 1}, {4, 1}}},
    {"derniere_paire_otee", "Aa......", "120.95", {{1, 1}, {2, 1}}, {{1, 1}}},
    {"chemin_trace", "A.aBb...", "120.94", {{1, 1}, {3, 1}}, {{4, 1}, {5, 1}}},
};
INSTANTIATE_TEST_SUITE_P(Quadrel, TempsEcoule, ::testing::ValuesIn(Echeances),
                         [](const auto& i) { return std::string(i.param.nom); });

// The last tick of a cleared board falls in the path drawn: the clock, the total and the notice then tell
// the same 15 s, as the next board does after 15 s. No menu line peeks under the score screen; the Menu
// label is unlit once the menu is left by « Continuer ». At the play area's size and at 1920x1080.
class QuadrelEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(QuadrelEcran, OneTimeEverywhereNothingUnderTheScoresAndTheLabelUnlit) {
    Programme p;
    const Copie jeu(p);
    jeu.plateaux(fichede({"A.a.....", "........", "........", "........"}) +
                 fichede({"B.b.....", "........", "........", "........"}));
    const std::string d = "capture " + p.dossier() + "/";
    const auto r =
        jeu.lance(Ouvre + "clic 320 345\nattends\n" + d + "scores.png\nclic 445 420\nattends\n" + Nouvelle +
                      Toto + "attends 14.94\n" + clic({1, 1}) + d + "fini.png 1.5\n" + clic({3, 1}) +
                      "clic 320 240\nattends\nattends 15.5\n" + d + "suivant.png\n" +
                      "survol 320 455\nattends\n" + Menu + "clic 320 60\nattends\n" + d + "suite.png\n",
                  GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface scores = p.capture("scores.png"), fini = p.capture("fini.png"),
                  suivant = p.capture("suivant.png"), suite = p.capture("suite.png");
    EXPECT_FALSE(texte_sarcelle(scores, dans_capture(scores, Rect{70, 440, 500, 8})));
    EXPECT_TRUE(memes_pixels(fini, suivant, dans_capture(fini, ZoneChrono))) << "the clock";
    EXPECT_TRUE(memes_pixels(fini, suivant, dans_capture(fini, BoiteTotal))) << "the total";
    EXPECT_TRUE(memes_pixels(suivant, suite, dans_capture(suite, Rect{243, 437, 154, 38}))) << "the label";
}
INSTANTIATE_TEST_SUITE_P(Quadrel, QuadrelEcran, ::testing::Values("", " --ecran 1920x1080"));

// Records that read as a board no one can clear are refused like a missing one, before any name.
struct Injouable {
    const char* nom;
    std::string fichier;
    std::vector<Case> clics; // what clears the boards before the bad one, once the game is named
    const char* ligne;       // the saved game after it
};

void PrintTo(const Injouable& e, std::ostream* os) {
    *os << e.nom;
}

class PlateauInjouable : public ::testing::TestWithParam<Injouable> {};

TEST_P(PlateauInjouable, IsToldAndNeverRepeated) {
    Programme p;
    const Captures cap{p};
    const Copie jeu(p);
    jeu.plateaux(GetParam().fichier);
    std::string s = Ouvre + cap("menu0") + Nouvelle;
    if (!GetParam().clics.empty()) s += Toto;
    for (const Case k : GetParam().clics) s += clic(k);
    s += cap("message") + "touche Entree\nattends\n" + cap("menu") + "clic 320 60\nattends\n" + cap("menu2");
    const auto r = jeu.lance(s);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), GetParam().ligne);
    // No "Continuer la partie": the menu looks as it did with no game, and stays after a click there.
    const Rect Continuer{80, 35, 480, 60};
    EXPECT_TRUE(memes_pixels(cap["menu0"], cap["menu"], Continuer));
    EXPECT_TRUE(memes_pixels(cap["menu"], cap["menu2"], Tout));
    EXPECT_FALSE(memes_pixels(cap["message"], cap["menu"], Tout));
}

const std::string Vide = fichede({"........", "........", "........", "........"});
const std::string Blanche = [] {
    const std::string ligne = std::string(24, ' ') + "\r\n";
    return ligne + ligne + ligne + ligne + "\r\n";
}();

const std::string Aa = fichede({"Aa......", "........", "........", "........"});
const Injouable Injouables[] = {
    {"fiche_blanche", Blanche, {}, ""},
    {"fiche_vide", Vide, {}, ""},
    {"obstacles_seuls", fichede({"XXXXXXXX", "........", "........", "XXXXXXXX"}), {}, ""},
    {"carte_sans_partenaire", fichede({"A.......", "........", "a.......", "B......."}), {}, ""},
    {"second_tableau_abime",
     Aa + fichede({"Aa......", "b.......", "........", "........"}),
     {{1, 1}, {2, 1}},
     "TOTO     00000000\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Quadrel, PlateauInjouable, ::testing::ValuesIn(Injouables),
                         [](const auto& i) { return std::string(i.param.nom); });

// A new game refused for its first board leaves the game in progress as it was.
TEST(Quadrel, ANewGameRefusedKeepsTheGameInProgress) {
    Programme p;
    const Captures cap{p};
    const Copie jeu(p);
    jeu.plateaux(Blanche + Aa);
    fs::create_directories(p.scores());
    std::ofstream(p.scores() + fichierparties, std::ios::binary) << "UN       00000010\r\n";
    const auto r = jeu.lance(Ouvre + Charger + cap("un") + Menu + Nouvelle + "touche Entree\nattends\n" +
                             "clic 320 60\nattends\n" + cap("repris"));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(memes_pixels(cap["un"], cap["repris"], Tout));
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "UN       00000010\r\n");
}

// Runs the copy with every file it writes limited to `octets` bytes: its saves then fail as on a full disk,
// and the limit binds root too (a folder made read-only would not stop root). Its output goes through a pipe,
// which the limit does not bind, and ends with its exit code.
Resultat lance_limite(const Copie& jeu, const Programme& p, const std::string& script, int octets) {
    const std::string limite = "sh -c '{ prlimit --fsize=" + std::to_string(octets) +
                               " \"$0\" \"$@\"; echo \"code=$?\"; } 2>&1 | cat' " + jeu.binaire();
    return p.execute("--robot " + p.script(script) + " --dossier-scores " + p.dossier() + " --graine 3", "",
                     limite);
}

// The folder fills up mid-game: the first save that fails is told once, in French, with the folder and
// the reason; the saves after it fail quietly, and the score chime, which tells a score kept, is not heard.
TEST(Quadrel, AFolderThatFillsUpMidGameIsToldOnceAndTheChimeWaitsForTheScore) {
    Programme p;
    const Copie jeu(p);
    jeu.plateaux(Aa);
    ASSERT_EQ(jeu.lance("attends\n").code, 0); // a first run makes the folder and its files
    // Five saved games: a sixth would pass the limit, as would the score table.
    std::string cinq;
    for (const char* n : {"A", "B", "C", "D", "E"}) cinq += lignepartie(n, 0, 60) + "\r\n";
    std::ofstream(p.scores() + fichierparties, std::ios::binary) << cinq;
    const std::string scores = p.fichier(p.scores() + "tlvjong0.sco");
    ASSERT_GT(scores.size(), 100u);
    const auto noms = test::contenudossier(p.scores());

    const auto r = lance_limite(
        jeu, p, Ouvre + Nouvelle + Toto + "touche Entree\nattends\n" + clic({1, 1}) + clic({2, 1}), 100);
    ASSERT_TRUE(r.sortie.ends_with("code=0\n")) << r.sortie;
    const std::string dossier = p.scores().substr(0, p.scores().size() - 1);
    EXPECT_EQ(compte(r.sortie, "boite "), 1u) << r.sortie;
    EXPECT_NE(r.sortie.find("boite Impossible d'enregistrer la partie dans " + dossier +
                            "\u00A0: fichier trop volumineux.\n"),
              std::string::npos)
        << r.sortie;
    EXPECT_EQ(compte(r.sortie, "effet cartew08"), 0u) << r.sortie;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), cinq);
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), scores);
    EXPECT_EQ(test::contenudossier(p.scores()), noms);
}

} // namespace
} // namespace tlv::essai
