// Quadrel as a player meets it: the real program opened from the launcher, scripted on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>

#include "grilles.h"
#include "pixels.h"
#include "platform/image.h"
#include "quadrel/regles/chemin.h"
#include "quadrel/regles/parties.h"
#include "robot.h"
#include "socle/carte.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;
using test::memes_pixels;

const Scenario Nouvelle{clic(320, 130)}, Charger{clic(320, 205)}, Effacer{clic(320, 275)},
    Menu{clic(320, 455)}, Continuer{clic(320, 60)}, Toto{tape("toto"), touche("Entree")};
const Rect ZonePlateau{36, 48, 568, 384}, ZoneChrono{330, 12, 131, 24}, Tout{0, 0, 640, 480};
const Rect PlateauEtChrono{36, 12, 568, 420}; // the same board again, with a full clock
const Rect BoiteTotal{428, 444, 160, 24};

Rect cellule(Case k) {
    return {36 + (k.c - 1) * LargeurCarte, 48 + (k.r - 1) * HauteurCarte, LargeurCarte, HauteurCarte};
}
Pas carte(Case k) {
    return clic(cellule(k).x + 35, cellule(k).y + 48);
}

// A copy of the program beside a boards file of its own (none when empty); runs it with the seed 3.
struct Copie {
    const Programme& p;
    std::string binaire;
    Copie(const Programme& q, const std::string& plateaux) : p(q), binaire(q.copie_du_jeu(fichierplateaux)) {
        if (!plateaux.empty()) test::ecritbrut(fs::path(binaire).parent_path() / fichierplateaux, plateaux);
    }
    Resultat joue(const Scenario& s, const std::string& extra = "") const {
        return p.joue(s, "--graine 3 " + extra, "", binaire);
    }
};

// Board 0 holds two pairs side by side: A at a, its partner at b, and B at x, no pair for A.
const Case a{1, 1}, b{2, 1}, x{3, 1};
const std::string AaBb = fichede({"AaBb....", "........", "........", "........"}),
                  Bb = fichede({"Bb......", "........", "........", "........"});

Scenario script_parties() {
    // The selector stops at both ends; erasing asks first.
    Scenario s = ouvre(Jeu::Quadrel) +
                 Scenario{clic(110, 205), capture("s0.png"), clic(110, 205), capture("s1.png"),
                          clic(530, 205), capture("s2.png"), clic(530, 205), capture("s3.png")} +
                 Effacer + Scenario{touche("Echap")} + Effacer + Scenario{touche("Entree")};
    // UN goes on with board 1, which is cleared (its notice let pass); with a game in progress erasing is
    // refused.
    s = s + Charger + Scenario{attends(2), carte(a), carte(b), attends()} + Menu + Effacer +
        Scenario{capture("encours.png")};
    // New names must be new and not empty (a name taken asks again with a longer prompt); Escape gives up.
    s = s + Nouvelle + Scenario{capture("invite.png"), touche("Entree"),      tape("un"),
                                touche("Entree"),      capture("existe.png"), touche("Echap")} +
        Nouvelle + Toto;
    // A wrong try (ten seconds), then a pair joined by a path; F5 does nothing, the clock alone ticks.
    s = s + Scenario{capture("debut.png"), carte(a), carte(x), carte(a), capture("choisie.png"), carte(b)} +
        Scenario{capture("apres.png"), touche("F5"), capture("f5.png"), attends(3), capture("3s.png")};
    // The clock, less the penalty, has run out: time up is told until a click, then the menu comes back.
    s = s + Scenario{attends(108), capture("fin.png"), clic(320, 60), capture("menu.png")};
    // Back on the launcher, a new game, closed mid-game.
    return s + Scenario{clic(320, 410)} + ouvre(Jeu::Quadrel) + Nouvelle +
           Scenario{tape("titi"), touche("Entree"), carte(a)};
}

TEST(Quadrel, SavedGamesMovesTheClockAndTheMenuFromTheLauncher) {
    Programme p;
    const Copie jeu(p, AaBb + Bb + Bb);
    fs::create_directories(p.scores());
    test::ecritbrut(p.scores() + fichierparties, "UN       00000010\r\nDEUX     00100020\r\n");
    const auto r = jeu.joue(script_parties());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto cap = [&p](const std::string& nom) { return p.capture(nom + ".png"); };

    EXPECT_TRUE(memes_pixels(cap("s0"), cap("s1"), Tout));
    EXPECT_FALSE(memes_pixels(cap("s1"), cap("s2"), Tout));
    EXPECT_TRUE(memes_pixels(cap("s2"), cap("s3"), Tout));
    const std::string lignes = p.fichier(p.scores() + fichierparties);
    ASSERT_EQ(lignes.size(), 3u * 19) << lignes;
    EXPECT_EQ(lignes.substr(0, 12), "UN       001");
    EXPECT_GT(tempsdeligne(lignes.substr(0, 17)), 10);
    EXPECT_EQ(lignes.substr(19), "TOTO      -100000\r\nTITI      -100000\r\n");
    // The game ranks in the score table (the ranking itself is the score tests' business).
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco").substr(0, 19), lignes.substr(0, 19));
    EXPECT_FALSE(fs::exists(p.scores() + fichiertempo));
    EXPECT_TRUE(memes_pixels(cap("encours"), Surface(640, 480, 0, 1), Rect{90, 250, 460, 50})) << "no erase";
    EXPECT_EQ(r.compte("effet cartew08"), 1u) << r.sortie;
    EXPECT_EQ(r.compte("effet cartew02"), 1u);
    EXPECT_EQ(r.compte("effet cartew04"), 1u);
    EXPECT_EQ(r.compte("musique cartem00"), 2u) << "back on the launcher once";

    // Shaded when chosen, then both places show the empty table; the rest of the board is untouched.
    const Surface debut = cap("debut"), choisie = cap("choisie"), apres = cap("apres"), trois = cap("3s");
    EXPECT_FALSE(memes_pixels(debut, choisie, cellule(a)));
    EXPECT_TRUE(memes_pixels(debut, choisie, cellule(x)));
    for (int c = 1; c <= 8; ++c)
        for (int l = 1; l <= 4; ++l)
            EXPECT_EQ(memes_pixels(debut, apres, cellule({c, l})), (Case{c, l} != a && Case{c, l} != b))
                << c << l;
    EXPECT_TRUE(memes_pixels(apres, cap("f5"), Tout));
    EXPECT_FALSE(memes_pixels(apres, trois, ZoneChrono));
    // All else stays while a board runs, the game's name and total beside the Menu label too.
    EXPECT_TRUE(memes_pixels(apres, trois, Rect{0, 40, 640, 440}));
    EXPECT_FALSE(memes_pixels(cap("s0"), apres, Rect{52, 444, 160, 24})) << "the name";
    // The name entry, 400 x 100, is centred on the play area: its cyan prompt fits the box; a name taken asks
    // again with another prompt.
    for (const Surface& e : {cap("invite"), cap("existe")}) {
        EXPECT_TRUE(texte_sarcelle(e, Rect{300, 192, 215, 36}));
        EXPECT_FALSE(texte_sarcelle(e, Rect{515, 192, 5, 36})) << "the prompt reaches the box's edge";
    }
    EXPECT_FALSE(memes_pixels(cap("invite"), cap("existe"), Rect{120, 190, 400, 40}));
    EXPECT_FALSE(memes_pixels(trois, cap("fin"), ZonePlateau));
    EXPECT_EQ(cap("menu").pixel(320, 300), 0u);
}

// No card shows under the pause notice, the clock holds, and the click that brings the board back selects
// no card: 10.1 s of play show the same board and clock, with or without 100 s away between them.
TEST(Quadrel, AwayFromTheWindowTheClockHoldsAndNoCardShows) {
    const auto joue = [](const Programme& p, const Scenario& milieu) {
        const auto r = Copie(p, AaBb).joue(ouvre(Jeu::Quadrel) + Nouvelle + Toto + Scenario{attends(2.5)} +
                                           milieu + Scenario{attends(7.6), capture("fin.png")});
        EXPECT_EQ(r.code, 0) << r.erreurs;
        return p.capture("fin.png");
    };
    Programme sans, avec;
    const Surface fin = joue(sans, {}),
                  finpause = joue(avec, {fenetre(false), attends(100), capture("pause.png"), fenetre(true),
                                         attends(), carte(a)});
    EXPECT_TRUE(memes_pixels(fin, finpause, PlateauEtChrono));
    EXPECT_TRUE(carte_en_vue(fin, ZonePlateau));
    EXPECT_FALSE(carte_en_vue(avec.capture("pause.png"), ZonePlateau));
}

// By keys, at the play area's size and on a large display: a board cleared, the next one lost to the clock
// and its notice closed, back to the launcher by the menu. The focus frame shows where the keys act.
class QuadrelEcrans : public ::testing::TestWithParam<std::string> {};

TEST_P(QuadrelEcrans, BoardClearedThenTimeUpDismissedWithKeysOnly) {
    Programme p;
    Scenario s = Scenario{attends()} + repete(3, {touche("Bas")}) +
                 Scenario{touche("Entree"), touche("Bas"),        touche("Entree"), tape("KB"),
                          touche("Entree"), capture("debut.png"), touche("Entree")};
    for (int i = 0; i < 3; ++i) s = s + Scenario{touche("Droite"), touche("Entree")}; // along the top row
    const Scenario quitte{touche("Haut"), touche("Entree")}; // the menu's and the launcher's last line
    s = s + Scenario{attends(200), capture("temps.png"), touche("Espace")} + quitte + quitte;
    const auto r = Copie(p, AaBb + Bb).joue(s, GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(p.fichier(p.scores() + fichierparties).starts_with("KB       000")) << "board 0 cleared";
    EXPECT_TRUE(r.contient("effet cartew04")) << "the time ran out";
    EXPECT_TRUE(r.contient("effet cartew03")) << "« Quitter » reached";
    const auto cadre = [&p](const std::string& nom) {
        const Surface s = p.capture(nom);
        return texte_sarcelle(s, dans_capture(s, Rect{36 + 35, 48, 1, 2}));
    };
    EXPECT_TRUE(cadre("debut.png"));
    EXPECT_FALSE(cadre("temps.png")) << "no frame over a notice";
}

TEST(Quadrel, TheLastBoardClearedEndsTheGame) {
    // Obstacles are left on the top row when the last board is cleared.
    Programme q;
    const Copie jeu(q, fichede({"XXXXXXXX", "..Aa....", "........", "........"}) +
                           fichede({"X......X", "...B....", "...b....", "XXXXXXXX"}));
    // The closing screen, ended by the Menu label, is shown again when the finished game is loaded.
    const auto r2 = jeu.joue(ouvre(Jeu::Quadrel) + Nouvelle + Toto +
                             Scenario{carte({3, 2}), carte({4, 2}), carte({4, 2}), carte({4, 3}),
                                      capture("fin.png"), clic(100, 100)} +
                             Menu + ouvre(Jeu::Quadrel) + Charger + Scenario{capture("fin2.png")});
    ASSERT_EQ(r2.code, 0) << r2.erreurs;
    EXPECT_EQ(q.fichier(q.scores() + fichierparties).substr(0, 12), "TOTO     001");
    const Surface fin = q.capture("fin.png");
    EXPECT_TRUE(memes_pixels(fin, q.capture("fin2.png"), Rect{0, 12, 640, 468})) << "number, name and total";
    EXPECT_TRUE(texte_sarcelle(fin, Rect{40, 100, 560, 1}));
    // Nothing of the obstacles is left above the first line.
    const auto table = charge_image("cartei02");
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(memes_pixels(fin, *table, Rect{36, 48, 568, 30}));
}

// The tick that runs the clock out falls while the loop is busy with the cards just clicked. Each refresh
// lasts 15 ms and the clock reaches -1 at 121 s: the first click is timed so that this tick lands in the
// shading of the first card, or in the path drawn for the last pair.
struct Echeance {
    const char* nom;
    const char* rang1;       // the board's top row, the rest empty
    double attente;          // from the board's start to the first click
    std::vector<Case> avant; // up to the click whose handling the tick falls in
    std::vector<Case> apres; // what would clear the board then
};

class TempsEcoule : public ::testing::TestWithParam<Echeance> {};

TEST_P(TempsEcoule, TheBoardIsLostEvenWhenTheLastTickComesMidMove) {
    Programme p;
    const Copie jeu(p, fichede({GetParam().rang1, "........", "........", "........"}));
    Scenario s =
        ouvre(Jeu::Quadrel) + Nouvelle + Toto + Scenario{capture("debut.png"), attends(GetParam().attente)};
    for (const Case k : GetParam().avant) s.push_back(carte(k));
    // The notice waits for a click of any button (on the next card); then the menu offers the same board.
    const std::vector<Case>& apres = GetParam().apres;
    s = s + Scenario{capture("ecoule.png"), clicdroit(cellule(apres[0]).x + 35, cellule(apres[0]).y + 48)};
    for (std::size_t i = 1; i < apres.size(); ++i) s.push_back(carte(apres[i]));
    const auto r = jeu.joue(s + Scenario{capture("menu.png"), clic(320, 60), capture("reprise.png")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "TOTO      -100000\r\n");
    EXPECT_EQ(r.compte("effet cartew04"), 1u) << r.sortie;
    EXPECT_EQ(r.compte("effet cartew08"), 0u);
    const Surface debut = p.capture("debut.png"), ecoule = p.capture("ecoule.png"),
                  reprise = p.capture("reprise.png");
    EXPECT_FALSE(memes_pixels(debut, ecoule, Rect{200, 200, 240, 80}));
    EXPECT_FALSE(memes_pixels(ecoule, p.capture("menu.png"), Tout));
    EXPECT_TRUE(memes_pixels(debut, reprise, PlateauEtChrono));
    EXPECT_TRUE(memes_pixels(ecoule, reprise, BoiteTotal)) << "a lost board adds nothing";
}

const Echeance Echeances[] = {
    {"carte_ombree", "Aa......", 120.995, {{1, 1}}, {{2, 1}}},
    {"chemin_de_la_derniere_paire", "A.a.....", 120.94, {{1, 1}, {3, 1}}, {{1, 1}}},
};
INSTANTIATE_TEST_SUITE_P(Quadrel, TempsEcoule, ::testing::ValuesIn(Echeances),
                         [](const auto& i) { return std::string(i.param.nom); });

// The last tick of a cleared board falls in the path drawn: the clock, the total and the notice then tell
// the same 15 s, as the next board does after 15 s. No menu line peeks under the score screen; the Menu
// label is unlit once the menu is left by « Continuer ». At the play area's size and at 1920x1080.
TEST_P(QuadrelEcrans, OneTimeEverywhereNothingUnderTheScoresAndTheLabelUnlit) {
    Programme p;
    const Copie jeu(p, fichede({"A.a.....", "........", "........", "........"}) +
                           fichede({"B.b.....", "........", "........", "........"}));
    const auto r =
        jeu.joue(ouvre(Jeu::Quadrel) + Scenario{clic(320, 345), capture("scores.png"), clic(445, 420)} +
                     Nouvelle + Toto +
                     Scenario{attends(14.94), carte({1, 1}), capture("fini.png", 1.5), carte({3, 1}),
                              clic(320, 240), attends(15.5), capture("suivant.png"), survol(320, 455)} +
                     Menu + Continuer + Scenario{capture("suite.png")},
                 GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface scores = p.capture("scores.png"), fini = p.capture("fini.png"),
                  suivant = p.capture("suivant.png"), suite = p.capture("suite.png");
    EXPECT_FALSE(texte_sarcelle(scores, dans_capture(scores, Rect{70, 440, 500, 8})));
    EXPECT_TRUE(memes_pixels(fini, suivant, dans_capture(fini, ZoneChrono))) << "the clock";
    EXPECT_TRUE(memes_pixels(fini, suivant, dans_capture(fini, BoiteTotal))) << "the total";
    EXPECT_TRUE(memes_pixels(suivant, suite, dans_capture(suite, Rect{243, 437, 154, 38}))) << "the label";
}
INSTANTIATE_TEST_SUITE_P(Ecrans, QuadrelEcrans, ::testing::Values("", "--ecran 1920x1080"));

// A missing boards file, or records that read as a board no one can clear, are told before any name;
// which records those are is the board tests' business.
struct Injouable {
    const char* nom;
    std::string fichier;
    std::vector<Case> clics; // what clears the boards before the bad one, once the game is named
    const char* ligne;       // the saved game after it
};

class PlateauInjouable : public ::testing::TestWithParam<Injouable> {};

TEST_P(PlateauInjouable, IsToldAndNeverRepeated) {
    Programme p;
    const Copie jeu(p, GetParam().fichier);
    Scenario s = ouvre(Jeu::Quadrel) + Scenario{capture("menu0.png")} + Nouvelle;
    if (!GetParam().clics.empty()) s = s + Toto;
    for (const Case k : GetParam().clics) s.push_back(carte(k));
    const auto r = jeu.joue(s + Scenario{capture("message.png"), touche("Entree"), capture("menu.png"),
                                         clic(320, 60), capture("menu2.png")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), GetParam().ligne);
    // No "Continuer la partie": the menu looks as it did with no game, and stays after a click there.
    const Surface menu = p.capture("menu.png");
    EXPECT_TRUE(memes_pixels(p.capture("menu0.png"), menu, Rect{80, 35, 480, 60}));
    EXPECT_TRUE(memes_pixels(menu, p.capture("menu2.png"), Tout));
    EXPECT_FALSE(memes_pixels(p.capture("message.png"), menu, Tout));
}

const std::string Aa = fichede({"Aa......", "........", "........", "........"});
const Injouable Injouables[] = {
    {"fichier_absent", "", {}, ""},
    {"second_tableau_abime",
     Aa + fichede({"Aa......", "b.......", "........", "........"}),
     {{1, 1}, {2, 1}},
     "TOTO     00000000\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Quadrel, PlateauInjouable, ::testing::ValuesIn(Injouables),
                         [](const auto& i) { return std::string(i.param.nom); });

// A new game refused for its first board (a card with no partner) leaves the game in progress as it was.
TEST(Quadrel, ANewGameRefusedKeepsTheGameInProgress) {
    Programme p;
    const Copie jeu(p, fichede({"A.......", "........", "........", "........"}) + Aa);
    fs::create_directories(p.scores());
    test::ecritbrut(p.scores() + fichierparties, "UN       00000010\r\n");
    const auto r = jeu.joue(ouvre(Jeu::Quadrel) + Charger + Scenario{capture("un.png")} + Menu + Nouvelle +
                            Scenario{touche("Entree"), clic(320, 60), capture("repris.png")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_TRUE(memes_pixels(p.capture("un.png"), p.capture("repris.png"), Tout));
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), "UN       00000010\r\n");
}

// The folder fills up mid-game: the first save that fails is told once, in French, with the folder and
// the reason; the saves after it fail quietly, and the score chime, which tells a score kept, is not heard.
// Every file the copy writes is limited to 100 bytes, which binds root too (a read-only folder would not);
// its output goes through a pipe, which the limit does not bind, and ends with its exit code.
TEST(Quadrel, AFolderThatFillsUpMidGameIsToldOnceAndTheChimeWaitsForTheScore) {
    Programme p;
    const Copie jeu(p, Aa);
    ASSERT_EQ(jeu.joue({attends()}).code, 0); // a first run makes the folder and its files
    // Five saved games: a sixth would pass the limit, as would the score table.
    std::string cinq;
    for (const char* n : {"A", "B", "C", "D", "E"}) cinq += lignepartie(n, 0, 60) + "\r\n";
    test::ecritbrut(p.scores() + fichierparties, cinq);
    const std::string scores = p.fichier(p.scores() + "tlvjong0.sco");
    ASSERT_GT(scores.size(), 100u);
    const auto noms = test::contenudossier(p.scores());

    const Scenario s =
        ouvre(Jeu::Quadrel) + Nouvelle + Toto + Scenario{touche("Entree"), carte({1, 1}), carte({2, 1})};
    const auto r = p.execute(
        "--robot " + p.script(s) + " --dossier-scores " + p.dossier() + " --graine 3", "",
        "sh -c '{ prlimit --fsize=100 \"$0\" \"$@\"; echo \"code=$?\"; } 2>&1 | cat' " + jeu.binaire);
    ASSERT_TRUE(r.sortie.ends_with("code=0\n")) << r.sortie;
    const std::string dossier = p.scores().substr(0, p.scores().size() - 1);
    EXPECT_EQ(r.compte("boite "), 1u) << r.sortie;
    EXPECT_TRUE(r.contient("boite Impossible d'enregistrer la partie dans " + dossier +
                           "\u00A0: fichier trop volumineux.\n"))
        << r.sortie;
    EXPECT_EQ(r.compte("effet cartew08"), 0u) << r.sortie;
    EXPECT_EQ(p.fichier(p.scores() + fichierparties), cinq);
    EXPECT_EQ(p.fichier(p.scores() + "tlvjong0.sco"), scores);
    EXPECT_EQ(test::contenudossier(p.scores()), noms);
}

} // namespace
} // namespace tlv::essai
