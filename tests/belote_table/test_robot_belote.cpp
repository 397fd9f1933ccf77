// The Belote table as a player meets it: the real program opened from the launcher and played by
// scenarios, and a match cut anywhere taken up again by a second run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "belote/raisons.h"
#include "belote/recit.h"
#include "belote_table/revue.h"
#include "belote_table/special.h"
#include "pixels.h"
#include "platform/image.h"
#include "robot.h"

namespace tlv::essai {
using namespace tlv::belote;
using test::memes_pixels;
namespace {

const Scenario Nouvelle = ouvre(Jeu::Belote) + Scenario{clic(320, 130)}; // the menu's "Nouvelle partie"
const Scenario Continuer = ouvre(Jeu::Belote) + Scenario{clic(320, 60)};
const Pas Menu = clic(560, 460); // the table's label
const Rect Tout{0, 0, 640, 480}, TableSeule{0, 0, 480, 480};

// Seed 7, the journal in the scratch folder.
std::string graine7(const Programme& p) {
    return "--graine 7 --journal " + p.dossier() + "/j";
}

// Sud takes whenever it is asked, then tries its cards from left to right, from a place that moves each
// turn, until one is accepted; with `conseil`, asking for advice (the C key) before every click. These
// clicks mean nothing elsewhere: below the Belote menu's lines, or between its entries.
Scenario joue(int tours, bool conseil = false) {
    Scenario s;
    const auto ajoute = [&](Pas p) {
        if (conseil) s.push_back(touche("C"));
        s.push_back(p);
    };
    for (int i = 0; i < tours; ++i) {
        ajoute(clic(260, 260));
        for (int k = 0; k < 15; ++k) ajoute(clic(105 + 15 * ((k + 7 * i) % 15), 470));
    }
    return s;
}

// Entrée plays the first card the rules accept, passes in the bidding and hurries every pause: what Sud
// does depends on the table only, never on where in the scenario the run stands.
Scenario entrees(int n) {
    return repete(n, {touche("Entree")});
}

std::vector<std::string> journal(const Programme& p) {
    return Resultat{0, p.fichier("j"), ""}.lignes();
}

// A journal's match: each deal's points add up to the totals, and the result, last, names the side ahead
// past the target. The rules' own soundness (the dealer's turn too) is the in-process property run's.
void verifie_journal(const std::vector<std::string>& j, int partieen) {
    int nous = 0, eux = 0, n = 0, e = 0, tn = 0, te = 0;
    char qui[10] = {};
    for (const std::string& l : j)
        if (std::sscanf(l.c_str(), "fin nous=%d eux=%d total_nous=%d total_eux=%d", &n, &e, &tn, &te) == 4) {
            nous += n, eux += e;
            EXPECT_TRUE(tn == nous && te == eux) << l;
        }
    ASSERT_EQ(std::sscanf(j.back().c_str(), "resultat %9s total_nous=%d total_eux=%d", qui, &tn, &te), 3);
    EXPECT_TRUE(tn == nous && te == eux && std::max(nous, eux) >= partieen) << j.back();
    EXPECT_EQ(std::string(qui), nous > eux ? "nous" : eux > nous ? "eux" : "egalite");
}

// Leaving from the first menu plays nothing: the match then drawn is the simulator's from the same seed.
// The trace and the sounds come out the same on any display; the pictures are checked at the area's size.
class BeloteRobotEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(BeloteRobotEcran, AMatchPlayedToTheEndWritesTheSimulatorsTraceAndThePad) {
    Programme p;
    const auto r =
        p.joue(ouvre(Jeu::Belote) + Scenario{clic(320, 410)} + ouvre(Jeu::Belote) +
                   Scenario{clic(100, 270), survol(600, 20), capture("menu.png"), clic(320, 130),
                            capture("debut.png")} +
                   joue(3) + Scenario{capture("pad.png")} + joue(497) + Scenario{capture("fin.png")},
               graine7(p) + GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = journal(p);
    const auto sim = p.execute("--graine 7 --donnes 1", "", "./belote-sim").lignes();
    ASSERT_TRUE(j.size() > 20 && sim.size() >= 2);
    // Until Sud first speaks, the game draws exactly what the simulator draws.
    EXPECT_EQ(j[0], sim[0]);
    EXPECT_EQ(j[1], sim[1]);
    verifie_journal(j, 500);
    // The seats spoke, the table's tune played; the match over, a click on the table led to the Belote
    // menu, with no match to go on with, and there the player stayed.
    EXPECT_TRUE(r.contient("voix voix.fr/"));
    const auto table = r.sortie.rfind("musique cartem01");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(r.sortie.find("musique cartem00", table), std::string::npos);
    if (!GetParam().empty()) return;
    EXPECT_TRUE(memes_pixels(p.capture("menu.png"), p.capture("fin.png"), Tout));
    const Surface debut = p.capture("debut.png"), pad = p.capture("pad.png");
    EXPECT_FALSE(memes_pixels(debut, pad, Rect{483, 70, 157, 14})) << "the first line of the pad";
    EXPECT_FALSE(memes_pixels(debut, pad, Rect{490, 416, 141, 21})) << "the totals";
    EXPECT_TRUE(memes_pixels(debut, pad, Rect{484, 442, 152, 34})) << "the Menu label";
}
INSTANTIATE_TEST_SUITE_P(Ecrans, BeloteRobotEcran, ::testing::Values("", " --ecran 1920x1080"));

// Whether the face of `carte` lies at (x, y) of a capture: every pixel inside the card's shape, as the
// sheets beside the program draw it.
bool montre(const Surface& s, int x, int y, int carte) {
    const auto masque = charge_image("./cartei07"), feuille = charge_image("./cartei08");
    return masque && feuille &&
           test::montre_sous_masque(s, {x, y}, *feuille, {(carte % 10) * 71, (carte / 10 - 1) * 96}, *masque,
                                    71, 96);
}

// Seed 7: at the second deal's bidding the player replays the first: every card forward (keys and left
// clicks), then back (keys and right clicks), a capture on the way, and leaves. Advice, asked before every
// bid and card, is told on stdout with its rule. The match goes on exactly as it does without the replay
// and the advice.
TEST(BeloteRobot, TheReplayAndAdviceAreToldAndChangeNothing) {
    Scenario revue{touche("R")};
    for (int i = 0; i < 33; ++i) {
        revue.push_back(i % 2 ? clic(240, 240) : touche("Droite"));
        if (i == 28) revue.push_back(capture("revue.png"));
    }
    for (int i = 0; i < 33; ++i) revue.push_back(i % 2 ? clicdroit(240, 240) : touche("Gauche"));
    revue.push_back(touche("Echap"));
    Programme p, sans;
    const auto r = p.joue(Nouvelle + joue(1, true) + revue + joue(2, true), graine7(p));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    ASSERT_EQ(sans.joue(Nouvelle + joue(1) + joue(2), graine7(sans)).code, 0);
    EXPECT_EQ(p.fichier("j"), sans.fichier("j"));
    EXPECT_TRUE(std::regex_search(
        r.sortie, std::regex("\nconseil (prend|passe)_[a-z_]+ Conseil\u00a0: (prenez|passez) ")));
    EXPECT_TRUE(
        std::regex_search(r.sortie, std::regex("\nconseil [a-z_]+ Conseil\u00a0: jouez (le |la |l')")));
    const auto j = journal(p);
    ASSERT_GE(j.size(), 12u);

    // The bids on opening and again back at the start; between them the 32 cards forward, then back.
    const auto raisons = r.lignes("raison ");
    const std::size_t encheres = (raisons.size() - 63) / 2;
    ASSERT_EQ(raisons.size(), 2 * encheres + 63);
    const std::vector<std::string> avant(raisons.begin() + encheres, raisons.begin() + encheres + 32);
    EXPECT_TRUE(std::equal(raisons.rbegin() + encheres, raisons.rbegin() + encheres + 31, avant.begin()))
        << "back, the same reasons reversed";
    // Each card of a trick told by one of the trick's four reasons; after 28 cards, the seventh trick on its
    // spots and each hand its last card, face up.
    const Surface vue = p.capture("revue.png");
    constexpr int spots[5][2] = {{}, {204, 288}, {276, 192}, {204, 96}, {132, 192}};
    constexpr int mains[5][2] = {{}, {204, 384}, {405, 192}, {204, 0}, {4, 192}};
    for (std::size_t t = 0; t < 8; ++t) {
        int c[5] = {};
        ASSERT_EQ(std::sscanf(j[4 + t].c_str(), "pli n=%*d cartes=%d,%d,%d,%d", &c[1], &c[2], &c[3], &c[4]),
                  4);
        for (int siege = 1; siege <= 4; ++siege) {
            const std::string nom = nomcarte(c[siege]);
            EXPECT_TRUE(std::any_of(avant.begin() + 4 * t, avant.begin() + 4 * t + 4,
                                    [&](const std::string& l) { return l.find(nom) != std::string::npos; }))
                << "trick " << t + 1 << ", " << nom;
            const int(*lieu)[2] = t == 6 ? spots : mains;
            EXPECT_TRUE(t < 6 || montre(vue, lieu[siege][0], lieu[siege][1], c[siege])) << "seat " << siege;
        }
    }
}

// Seed 7 again: from the replay of the first deal, "Rejouer cette donne" starts a new match whose first deal
// is that deal: the same dealer and turned card, and, replayed in turn, the same record.
TEST(BeloteRobot, RejouerCetteDonneDealsTheSameDealAgain) {
    Programme p;
    const auto r = p.joue(Nouvelle + joue(1) +
                              Scenario{touche("R"), touche("K"), clic(Revue::zone(Revue::Label::rejouer))} +
                              joue(1) + Scenario{touche("R"), touche("c ctrl"), touche("Echap")},
                          graine7(p));
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = journal(p);
    const auto partie2 = std::find(j.begin(), j.end(), "partie n=2");
    ASSERT_GE(j.end() - partie2, 3);
    EXPECT_EQ(partie2[1], j[1]) << "the same dealer and turned card";
    EXPECT_EQ(partie2[2], j[2]) << "the same taker";
    const auto copies = r.lignes("presse-papiers ");
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0], copies[1]);
    std::string fauxjeu;
    int donneur = 0;
    EXPECT_TRUE(litpartage(copies[0].substr(15), fauxjeu, donneur)) << copies[0];
}

// The deal editor filled with the whole pack: every card's label inside its slot, the frames untouched; the
// exclusive choices are round buttons, the corners of their square the form's grey.
void verifie_editeur(const Surface& e) {
    const std::uint32_t gris = e.pixel(4, 470);
    const auto net = [&](const Rect& c) {
        for (int y = c.y; y < c.y + c.h; ++y)
            if (e.pixel(c.x - 1, y) != gris || e.pixel(c.x + c.w, y) != gris) return false;
        return true;
    };
    for (int i = 0; i <= 32; ++i)
        EXPECT_TRUE(net(Special::place_carte(i)) &&
                    Special::place_carte(i).x + Special::place_carte(i).w < 630)
            << "slot " << i;
    for (int k = 1; k <= 4; ++k)
        for (int rg = 0; rg < 8; ++rg) EXPECT_TRUE(net(Special::place_paquet(k, rg))) << k << rg;
    for (int k = 0; k <= 12; ++k) {
        const Rect o = k <= 8 ? Special::place_joueurchoix(k) : Special::place_joueur(k - 9);
        const int cx = o.x + 6, cy = o.y + o.h / 2;
        EXPECT_TRUE(e.pixel(cx - 5, cy - 5) == gris && e.pixel(cx + 5, cy + 5) == gris &&
                    e.pixel(cx - 5, cy) != gris)
            << o.x << "," << o.y;
    }
}

TEST(BeloteRobot, AComposedDealTheMenuF5F7AndClosingMidDeal) {
    // Line 5 with Shift+Alt: the editor. Ouest deals; the pack in order fills Sud's, Est's, Nord's and
    // Ouest's first five, then the turned card, then the rests (Sud's, after the dealer, one slot less).
    Scenario s =
        ouvre(Jeu::Belote) + Scenario{{"clic 320 340 maj+alt\nattends"}, clic(Special::place_joueur(3))};
    for (int k = 0, carte = 0; k <= 8; ++k) {
        s.push_back(clic(Special::place_joueurchoix(k)));
        for (int i = 0; i < (k <= 3 ? 5 : k == 4 ? 1 : k == 5 ? 2 : 3); ++i, ++carte)
            s.push_back(clic(Special::place_paquet(carte / 8 + 1, carte % 8)));
    }
    // Continuer goes on with the same wait; F5's dialog leaves the table as it was. A new match, then back
    // on the launcher, then a match whose sounds F7 silences (F8 marks the moment).
    const Scenario valide{capture("editeur.png"), touche("v alt"), clic(320, 130), capture("attente.png")},
        suite{Menu, capture("menu.png"), clic(320, 60), capture("suite.png")},
        f5{touche("F5"), capture("f5.png"), touche("Droite"), touche("Echap"), capture("apresf5.png")},
        retour{Menu, clic(320, 130), Menu, clic(320, 410)};
    s = s + valide + suite + f5 + retour + Nouvelle + Scenario{touche("F7"), touche("F8")} + joue(2);
    Programme p;
    const auto r = p.joue(s, "--graine 4 --journal " + p.dossier() + "/j");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    verifie_editeur(p.capture("editeur.png"));
    // The rigged deal opens both matches of that visit; back from the launcher, the count starts again.
    const auto j = journal(p);
    ASSERT_GE(j.size(), 6u);
    EXPECT_EQ(j[1], "donne n=1 donneur=4 retournee=34");
    EXPECT_EQ(j[2], "partie n=2");
    EXPECT_EQ(j[3], j[1]);
    EXPECT_EQ(j[4], "partie n=1");
    EXPECT_EQ(p.fichier("j").find("fin "), std::string::npos) << "dropped deals are not scored";
    const Surface attente = p.capture("attente.png");
    EXPECT_FALSE(memes_pixels(attente, p.capture("menu.png"), Tout));
    EXPECT_TRUE(memes_pixels(attente, p.capture("suite.png"), TableSeule)) << "the same wait after Continuer";
    EXPECT_FALSE(memes_pixels(attente, p.capture("f5.png"), Tout));
    EXPECT_TRUE(memes_pixels(attente, p.capture("apresf5.png"), TableSeule));
    EXPECT_NE(p.fichier(p.scores() + "tlvbelo.ini"), "");
    const auto lanceur = r.sortie.find("musique cartem00", r.sortie.find("musique cartem01"));
    ASSERT_NE(lanceur, std::string::npos) << "back on the launcher";
    // Between the F8 mark and the closing, nothing sounded.
    const auto fin = r.sortie.rfind("musique arret"), marque = r.sortie.rfind("musique arret", fin - 1);
    ASSERT_GT(marque, lanceur);
    const std::string muet = r.sortie.substr(marque, fin - marque);
    EXPECT_TRUE(muet.find("effet ") == std::string::npos && muet.find("voix ") == std::string::npos) << muet;
}

// The levels chosen in the menu go to tlvniveaux.ini, come back on the next run's levels screen, and a
// match begun with them carries them in its save (Nord's, then Est's and Ouest's).
TEST(Niveaux, ChosenSavedShownAgainAndCarriedByTheMatch) {
    Programme p;
    const Scenario niveaux = ouvre(Jeu::Belote) + Scenario{clic(320, 340)};
    // Partner: Classique back to Débutant; opponents: on to Fort. The pointer then leaves every line.
    const auto r = p.joue(niveaux + Scenario{clic(100, 200), clic(530, 270), survol(320, 340),
                                             capture("choix.png"), touche("Echap"), clic(320, 130)});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvniveaux.ini"), "partenaire=debutant\r\nadversaires=fort\r\n");
    EXPECT_NE(p.fichier(p.scores() + "tlvbelote.partie").find("\nniveaux debutant fort\n"),
              std::string::npos);
    ASSERT_EQ(p.joue(niveaux + Scenario{capture("revu.png")}).code, 0);
    EXPECT_TRUE(memes_pixels(p.capture("choix.png"), p.capture("revu.png"), Tout));
}

// The journal up to the end of its first match.
std::string premiere(const std::string& journal) {
    const auto r = journal.find("resultat ");
    return r == std::string::npos ? journal : journal.substr(0, journal.find('\n', r) + 1);
}

// A match killed right after the 40th card it played with a sound, mid-trick or mid-deal, and taken up by a
// second run writes, across both runs, the very journal of the match played through at once, with Entrée
// throughout. A cut at every kind of point is the in-process resume test's; a save kept when the window
// closes, the levels test's.
TEST(Reprise, KilledTheMatchComesBackAsIfNothingHappened) {
    Programme entier, p;
    entier.joue(Nouvelle + entrees(400), graine7(entier));
    const std::string entiere = premiere(entier.fichier("j"));
    ASSERT_NE(entiere.find("resultat "), std::string::npos);
    // The shell prints its id, then becomes the program.
    const std::string commande =
        "echo $$; SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec ./tolvanex --robot " +
        p.script(Nouvelle + entrees(400)) + " --dossier-scores " + p.dossier() + " " + graine7(p);
    FILE* sortie = popen(commande.c_str(), "r");
    ASSERT_NE(sortie, nullptr);
    char ligne[512];
    const pid_t pid = std::fgets(ligne, sizeof ligne, sortie) ? std::atoi(ligne) : 0;
    ASSERT_GT(pid, 0);
    for (int cartes = 0; cartes < 40 && std::fgets(ligne, sizeof ligne, sortie);)
        cartes += std::string(ligne) == "effet cartew07\n";
    kill(pid, SIGKILL);
    ASSERT_TRUE(WIFSIGNALED(pclose(sortie))) << "the match ended before the kill";
    ASSERT_NE(p.fichier(p.scores() + "tlvbelote.partie"), "");
    const auto r = p.joue(Continuer + entrees(400), "--graine 3 --journal " + p.dossier() + "/j");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(premiere(p.fichier("j")), entiere);
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie"), "") << "a finished match leaves no save";
}

// A saved file that holds no match: Belote opens with nothing to continue (the menu's first line gives
// nothing), and the file is set aside whole, never removed. Which files hold a match is the in-process
// save test's.
TEST(SauvegardeAbimee, IsSetAsideAndNeverResumed) {
    const std::string abimee("\x89PNG\r\n\x1a\n\0\xff", 10);
    Programme p;
    ASSERT_EQ(p.joue({attends()}).code, 0);
    std::ofstream(p.scores() + "tlvbelote.partie", std::ios::binary) << abimee;
    ASSERT_EQ(p.joue(Continuer + Scenario{clic(320, 60)}, "--journal " + p.dossier() + "/j").code, 0);
    EXPECT_EQ(p.fichier("j"), "") << "no match was played";
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie.abimee"), abimee);
    EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie"), "");
}

} // namespace
} // namespace tlv::essai
