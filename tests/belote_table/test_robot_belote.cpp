// The Belote table as a player meets it: the real program opened from the launcher, scripted.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

#include "banc.h"
#include "belote/raisons.h"
#include "belote_table/revue.h"
#include "belote_table/special.h"
#include "platform/image.h"
#include "robot.h"

namespace tlv::essai {
using namespace tlv::belote;
namespace {

constexpr const char* Ouvre = "attends\nclic 400 30\nattends\n"; // the launcher's Belote line
constexpr const char* Nouvelle = "clic 320 130\nattends\n";      // the menu's "Nouvelle partie"
constexpr const char* Menu = "clic 560 460\nattends\n";          // the table's "Menu" label

// Sud takes whenever it is asked, then tries its cards from left to right until one is accepted (a
// refused card is asked again). Clicks that mean nothing at a wait are ignored by the table, and below
// the lines of the Belote menu (y 470), they mean nothing there either. With `conseil`, the player asks
// for advice (the C key) before every click.
std::string joue(int tours, int capture_au_tour = -1, const std::string& capture = "", bool conseil = false) {
    const std::string c = conseil ? "touche C\nattends\n" : "";
    std::string s;
    for (int i = 0; i < tours; ++i) {
        s += c + "clic 260 260\nattends\n";
        for (int k = 0; k < 15; ++k)
            s += c + "clic " + std::to_string(105 + 15 * ((k + 7 * i) % 15)) + " 470\nattends\n";
        if (i == capture_au_tour) s += "capture " + capture + "\n";
    }
    return s;
}

std::string clic(const Rect& r) {
    return "clic " + std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2) + "\nattends\n";
}

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> v;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

Surface image(const Programme& p, const std::string& nom) {
    auto s = charge_image(p.dossier() + "/" + nom);
    EXPECT_TRUE(s.has_value()) << nom;
    return s ? *s : Surface(640, 480, 0, 1);
}

// Checks a journal against the rules of the trace: the deal passes round, every deal taken has eight tricks
// of four distinct cards making up the pack, totals add up, and a result ends the match.
void verifie_journal(const std::vector<std::string>& j, int partieen) {
    const std::regex donne(R"(donne n=\d+ donneur=([1-4]) retournee=[1-4][0-7])"),
        pli(R"(pli n=([1-8]) cartes=([1-4][0-7]),([1-4][0-7]),([1-4][0-7]),([1-4][0-7]) gagnant=[1-4] .*)"),
        fin(R"(fin nous=(\d+) eux=(\d+) total_nous=(\d+) total_eux=(\d+) reserve=\d+)"),
        resultat(R"(resultat (nous|eux|egalite) total_nous=(\d+) total_eux=(\d+))"),
        autre(R"(partie n=1|prise preneur=[0-4] atout=[1-4]|annonces nous=\d+ eux=\d+ meilleur=[0-4])");
    int nous = 0, eux = 0, nplis = 0, donneur = 0;
    std::set<std::string> cartes;
    for (std::size_t i = 0; i < j.size(); ++i) {
        std::smatch m;
        SCOPED_TRACE(j[i]);
        if (std::regex_match(j[i], m, donne)) {
            EXPECT_TRUE(!donneur || std::stoi(m[1]) == donneur % 4 + 1) << "the deal passes to the next seat";
            donneur = std::stoi(m[1]), nplis = 0, cartes.clear();
        } else if (std::regex_match(j[i], m, pli)) {
            EXPECT_EQ(std::stoi(m[1]), ++nplis);
            for (int k = 2; k <= 5; ++k) EXPECT_TRUE(cartes.insert(m[k]).second) << "played twice";
        } else if (std::regex_match(j[i], m, fin)) {
            EXPECT_EQ(cartes.size(), 32u);
            nous += std::stoi(m[1]), eux += std::stoi(m[2]);
            EXPECT_EQ(std::stoi(m[3]), nous);
            EXPECT_EQ(std::stoi(m[4]), eux);
        } else if (std::regex_match(j[i], m, resultat)) {
            EXPECT_EQ(i + 1, j.size()) << "nothing after the result";
            EXPECT_EQ(std::stoi(m[2]), nous);
            EXPECT_EQ(std::stoi(m[3]), eux);
            EXPECT_TRUE(nous >= partieen || eux >= partieen);
            EXPECT_EQ(m[1], nous > eux ? "nous" : eux > nous ? "eux" : "egalite");
        } else {
            EXPECT_TRUE(std::regex_match(j[i], autre)) << "not a trace line";
        }
    }
}

// Leaving from the first menu plays nothing: the match then drawn is the simulator's from the same seed.
// The trace and the sounds come out the same on any display; the pictures are checked at the area's size.
class BeloteRobotEcran : public ::testing::TestWithParam<std::string> {};

TEST_P(BeloteRobotEcran, AMatchPlayedToTheEndWritesTheSimulatorsTraceAndThePad) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const std::string script = "attends\ncapture " + d + "lanceur0.png\n" + Ouvre +
                               "clic 320 410\nattends\ncapture " + d + "lanceur1.png\n" + Ouvre +
                               "clic 100 270\nattends\nsurvol 600 20\nattends\ncapture " + d + "menu.png\n" +
                               Nouvelle + "capture " + d + "debut.png\n" + joue(500, 2, d + "pad.png") +
                               "capture " + d + "fin.png\n";
    const auto r = p.lance(script, "--graine 7 --journal " + journal + GetParam());
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const bool aire = GetParam().empty();
    if (aire) {
        EXPECT_TRUE(memes_pixels(image(p, "lanceur0.png"), image(p, "lanceur1.png"), Rect{320, 0, 320, 480}));
    }
    const auto j = lignes(p.fichier(journal));
    ASSERT_GT(j.size(), 20u);
    const auto sim = lignes(p.execute("--graine 7 --donnes 1", "", "./belote-sim").sortie);
    ASSERT_GE(sim.size(), 2u);
    // Until Sud first speaks, the game draws exactly what the simulator draws.
    EXPECT_EQ(j[0], sim[0]);
    EXPECT_EQ(j[1], sim[1]);
    verifie_journal(j, 500);
    EXPECT_EQ(j.back().rfind("resultat ", 0), 0u) << "the match went to its end";
    // Refused cards were asked again, the seats spoke, the table's tune played; the match over, a click on
    // the table led to the Belote menu, with no match to go on with, and there the player stayed.
    EXPECT_NE(r.sortie.find("effet cartew09"), std::string::npos);
    EXPECT_NE(r.sortie.find("voix voix.fr/"), std::string::npos);
    const auto table = r.sortie.rfind("musique cartem01");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(r.sortie.find("musique cartem00", table), std::string::npos);
    if (!aire) return;
    EXPECT_TRUE(memes_pixels(image(p, "menu.png"), image(p, "fin.png"), Rect{0, 0, 640, 480}));
    const Surface debut = image(p, "debut.png"), pad = image(p, "pad.png");
    EXPECT_FALSE(memes_pixels(debut, pad, Rect{483, 70, 157, 14})) << "the first line of the pad";
    EXPECT_FALSE(memes_pixels(debut, pad, Rect{490, 416, 141, 21})) << "the totals";
    EXPECT_TRUE(memes_pixels(debut, pad, Rect{483, 45, 157, 24})) << "the column heads";
    EXPECT_TRUE(memes_pixels(debut, pad, Rect{484, 442, 152, 34})) << "the Menu label";
}
INSTANTIATE_TEST_SUITE_P(Ecrans, BeloteRobotEcran, ::testing::Values("", " --ecran 1920x1080"));

// Whether the face of `carte` lies at (x, y) of a capture: every pixel inside the card's shape, as the
// sheets beside the program draw it.
bool montre(const Surface& s, int x, int y, int carte) {
    const auto masque = charge_image("./cartei07"), feuille = charge_image("./cartei08");
    if (!masque || !feuille) return false;
    return test::montre_sous_masque(s, {x, y}, *feuille, {(carte % 10) * 71, (carte / 10 - 1) * 96}, *masque,
                                    71, 96);
}

// Seed 7: Sud takes Trefle; Est wins the second trick. The player clicks the bottom right pile while Sud is
// to play the third, and the view is caught in the middle of its second.
TEST(BeloteRobot, TheLastTrickViewShowsItsFourCardsAndTheStackLiesInTheWinnersHotArea) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const std::string s = std::string(Ouvre) + Nouvelle + "clic 260 260\nattends\nclic 105 470\nattends\n" +
                          "clic 135 470\nattends\ncapture " + d + "table.png\nclic 440 430\ncapture " + d +
                          "vue.png 0.5\nattends\ncapture " + d + "apres.png\n";
    const auto r = p.lance(s, "--graine 7 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "") << "the delayed capture was taken";
    const auto j = lignes(p.fichier(journal));
    std::smatch m;
    ASSERT_TRUE(
        std::regex_match(j.back(), m, std::regex(R"(pli n=2 cartes=(\d+),(\d+),(\d+),(\d+) gagnant=2 .*)")))
        << j.back();
    const Surface vue = image(p, "vue.png"), table = image(p, "table.png");
    const auto tapis = charge_image("./cartei03");
    ASSERT_TRUE(tapis.has_value());
    constexpr int spots[5][2] = {{}, {204, 288}, {276, 192}, {204, 96}, {132, 192}};
    for (int siege = 1; siege <= 4; ++siege)
        EXPECT_TRUE(
            montre(vue, spots[siege][0], spots[siege][1], std::stoi(m[static_cast<std::size_t>(siege)])))
            << "seat " << siege;
    EXPECT_TRUE(memes_pixels(table, image(p, "apres.png"), Rect{0, 0, 640, 480})) << "the table as it was";
    // Est and Ouest won the last trick: their stack, top left; the other hot area is bare cloth.
    EXPECT_FALSE(memes_pixels(table, *tapis, Rect{0, 0, 71, 96}));
    EXPECT_TRUE(memes_pixels(table, *tapis, Rect{410, 385, 70, 95}));
}

// Advice asked before every bid and card is told on stdout with its rule, and changes nothing of the match:
// the journal is the one of the same play without it.
TEST(BeloteRobot, AdviceIsToldWithItsRuleAndChangesNothingOfTheMatch) {
    const auto partie = [](bool conseil, std::string& sortie) {
        Programme p;
        const std::string journal = p.dossier() + "/journal.txt";
        const auto r = p.lance(std::string(Ouvre) + Nouvelle + joue(10, -1, "", conseil),
                               "--graine 7 --journal " + journal);
        EXPECT_EQ(r.code, 0) << r.erreurs;
        sortie = r.sortie;
        return p.fichier(journal);
    };
    std::string avec, sans;
    const std::string j = partie(true, avec);
    EXPECT_NE(j.find("pli n=8"), std::string::npos) << "a whole deal was played";
    EXPECT_EQ(j, partie(false, sans));
    EXPECT_TRUE(std::regex_search(
        avec, std::regex("\nconseil (prend|passe)_[a-z_]+ Conseil\u00a0: (prenez|passez) ")))
        << avec;
    EXPECT_TRUE(std::regex_search(avec, std::regex("\nconseil [a-z_]+ Conseil\u00a0: jouez (le |la |l')")));
}

// The lines of the robot's output that start with `debut`, that word taken off.
std::vector<std::string> sorties(const std::string& sortie, const std::string& debut) {
    std::vector<std::string> v;
    for (const std::string& l : lignes(sortie))
        if (l.rfind(debut + " ", 0) == 0) v.push_back(l.substr(debut.size() + 1));
    return v;
}

// The tricks of a journal, by seat.
std::vector<std::array<int, 5>> plis(const std::vector<std::string>& journal) {
    std::vector<std::array<int, 5>> v;
    const std::regex pli(R"(pli n=\d cartes=(\d+),(\d+),(\d+),(\d+) .*)");
    for (const std::string& l : journal)
        if (std::smatch m; std::regex_match(l, m, pli))
            v.push_back({0, std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])});
    return v;
}

// Seed 7: Sud takes the first deal. At the second deal's bidding the player replays the first: every card
// forward (keys and left clicks), then back (keys and right clicks), a capture on the way, and leaves; the
// match goes on exactly as it does without the replay.
TEST(BeloteRobot, TheReplayToldEveryCardForwardAndBackAndChangedNothing) {
    Programme p;
    const std::string d = p.dossier() + "/", avec = d + "avec.txt", sans = d + "sans.txt";
    std::string revue = "touche R\nattends\n";
    for (int i = 0; i < 33; ++i) {
        revue += i % 2 ? "clic 240 240\nattends\n" : "touche Droite\nattends\n";
        if (i == 28) revue += "capture " + d + "revue.png\n";
    }
    for (int i = 0; i < 33; ++i) revue += i % 2 ? "clicdroit 240 240\nattends\n" : "touche Gauche\nattends\n";
    revue += "touche Echap\nattends\n";
    const std::string debut = std::string(Ouvre) + Nouvelle + joue(1), suite = joue(2);
    const auto r = p.lance(debut + revue + suite, "--graine 7 --journal " + avec);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    ASSERT_EQ(p.lance(debut + suite, "--graine 7 --journal " + sans).code, 0);
    const std::string journal = p.fichier(avec);
    EXPECT_EQ(journal, p.fichier(sans));
    const auto j = lignes(journal);
    ASSERT_GE(j.size(), 14u);
    ASSERT_EQ(j[1], "donne n=1 donneur=3 retournee=30");
    ASSERT_EQ(j[13], "donne n=2 donneur=4 retournee=17") << "the replay opened at the second deal";

    // The bids on opening and again back at the start; between them the 32 cards forward, then back.
    const auto raisons = sorties(r.sortie, "raison");
    const std::size_t encheres = (raisons.size() - 63) / 2;
    ASSERT_EQ(raisons.size(), 2 * encheres + 63);
    const std::vector<std::string> avant(raisons.begin() + encheres, raisons.begin() + encheres + 32),
        arriere(raisons.rbegin() + encheres, raisons.rbegin() + encheres + 31);
    EXPECT_TRUE(std::equal(arriere.begin(), arriere.end(), avant.begin()))
        << "back, the same reasons reversed";
    const auto tours = plis(j);
    ASSERT_GE(tours.size(), 8u);
    // Each card of a trick told by one of the trick's four reasons.
    for (std::size_t t = 0; t < 8; ++t)
        for (std::size_t siege = 1; siege <= 4; ++siege) {
            const std::string nom = nomcarte(tours[t][siege]);
            EXPECT_TRUE(std::any_of(avant.begin() + 4 * t, avant.begin() + 4 * t + 4,
                                    [&](const std::string& l) { return l.find(nom) != std::string::npos; }))
                << "trick " << t + 1 << ", " << nom;
        }
    // After 28 cards: the seventh trick on its spots, and each hand its last card, face up.
    const Surface vue = image(p, "revue.png");
    constexpr int spots[5][2] = {{}, {204, 288}, {276, 192}, {204, 96}, {132, 192}};
    constexpr int mains[5][2] = {{}, {204, 384}, {405, 192}, {204, 0}, {4, 192}};
    for (int siege = 1; siege <= 4; ++siege) {
        const auto s = static_cast<std::size_t>(siege);
        EXPECT_TRUE(montre(vue, spots[siege][0], spots[siege][1], tours[6][s])) << "trick, seat " << siege;
        EXPECT_TRUE(montre(vue, mains[siege][0], mains[siege][1], tours[7][s])) << "hand, seat " << siege;
    }
}

// Seed 7 again: from the replay of the first deal, "Rejouer cette donne" starts a new match whose first deal
// is that deal: the same dealer and turned card, and, replayed in turn, the same record.
TEST(BeloteRobot, RejouerCetteDonneDealsTheSameDealAgain) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const Rect rejouer = Revue::zone(Revue::Label::rejouer);
    const std::string s = std::string(Ouvre) + Nouvelle + joue(1) + "touche R\nattends\ntouche K\nattends\n" +
                          clic(rejouer) + joue(1) + "touche R\nattends\ntouche c ctrl\nattends\n" +
                          "touche Echap\nattends\n";
    const auto r = p.lance(s, "--graine 7 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = lignes(p.fichier(journal));
    const auto partie2 = std::find(j.begin(), j.end(), "partie n=2");
    ASSERT_NE(partie2, j.end());
    ASSERT_GE(j.end() - partie2, 3);
    EXPECT_EQ(partie2[1], j[1]) << "the same dealer and turned card";
    EXPECT_EQ(partie2[2], j[2]) << "the same taker";
    const auto copies = sorties(r.sortie, "presse-papiers");
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0], copies[1]);
    std::string fauxjeu;
    int donneur = 0;
    EXPECT_TRUE(litpartage(copies[0], fauxjeu, donneur)) << copies[0];
}

// The deal editor filled with the whole pack: every card's label inside its slot, the frames untouched.
void verifie_editeur(const Surface& e) {
    const std::uint32_t gris = e.pixel(4, 470);
    const auto net = [&](const Rect& c) {
        for (int y = c.y; y < c.y + c.h; ++y)
            if (e.pixel(c.x - 1, y) != gris || e.pixel(c.x + c.w, y) != gris) return false;
        return true;
    };
    for (int i = 0; i <= 32; ++i) {
        EXPECT_TRUE(net(Special::place_carte(i))) << "slot " << i;
        EXPECT_LT(Special::place_carte(i).x + Special::place_carte(i).w, 630)
            << "clear of the frame's right edge";
    }
    for (int k = 1; k <= 4; ++k)
        for (int rg = 0; rg < 8; ++rg) EXPECT_TRUE(net(Special::place_paquet(k, rg))) << k << rg;
    // The exclusive choices are round buttons: the corners of their square show the form's grey.
    std::vector<Rect> options;
    for (int k = 0; k <= 8; ++k) options.push_back(Special::place_joueurchoix(k));
    for (int i = 0; i < 4; ++i) options.push_back(Special::place_joueur(i));
    for (const Rect& o : options) {
        const int cx = o.x + 6, cy = o.y + o.h / 2;
        EXPECT_TRUE(e.pixel(cx - 5, cy - 5) == gris && e.pixel(cx + 5, cy + 5) == gris &&
                    e.pixel(cx - 5, cy) != gris)
            << o.x << "," << o.y;
    }
}

TEST(BeloteRobot, AComposedDealTheMenuF5F7AndClosingMidDeal) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    // Ouest deals; the pack in order fills Sud's, Est's, Nord's and Ouest's first five, then the turned card.
    std::string s = std::string(Ouvre) + "clic 320 340 maj+alt\nattends\n" + clic(Special::place_joueur(3));
    int couleur = 1, rang = 0;
    for (int k = 0; k <= 8; ++k) {
        s += clic(Special::place_joueurchoix(k));
        // Sud, after the dealer, has one rest slot less.
        for (int i = 0; i < (k <= 3 ? 5 : k == 4 ? 1 : k == 5 ? 2 : 3); ++i) {
            s += clic(Special::place_paquet(couleur, rang));
            if (++rang == 8) rang = 0, ++couleur;
        }
    }
    s += "capture " + d + "editeur.png\n";
    // Continuer goes on with the same wait; F5's dialog leaves the table as it was.
    s += "touche v alt\nattends\n" + std::string(Nouvelle) + "capture " + d + "attente.png\n" + Menu +
         "capture " + d + "menu.png\nclic 320 60\nattends\ncapture " + d +
         "suite.png\ntouche F5\nattends\ncapture " + d +
         "f5.png\ntouche Droite\ntouche Echap\nattends\ncapture " + d + "apresf5.png\n";
    // A new match, then back on the launcher, then a match whose sounds F7 silences (F8 marks the moment).
    s += std::string(Menu) + Nouvelle + Menu + "clic 320 410\nattends\ncapture " + d + "lanceur.png\n" +
         Ouvre + Nouvelle + "touche F7\nattends\ntouche F8\nattends\n" + joue(2);
    const auto r = p.lance(s, "--graine 4 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    verifie_editeur(image(p, "editeur.png"));
    // The rigged deal opens both matches of that visit; back from the launcher, the count starts again.
    const auto j = lignes(p.fichier(journal));
    ASSERT_GE(j.size(), 6u);
    EXPECT_EQ(j[1], "donne n=1 donneur=4 retournee=34");
    EXPECT_EQ(j[2], "partie n=2");
    EXPECT_EQ(j[3], j[1]);
    EXPECT_EQ(j[4], "partie n=1");
    EXPECT_EQ(p.fichier(journal).find("fin "), std::string::npos) << "dropped deals are not scored";

    const Surface attente = image(p, "attente.png");
    EXPECT_FALSE(memes_pixels(attente, image(p, "menu.png"), Rect{0, 0, 640, 480}));
    EXPECT_TRUE(memes_pixels(attente, image(p, "suite.png"), Rect{0, 0, 480, 480}))
        << "the same wait after Continuer";
    EXPECT_FALSE(memes_pixels(attente, image(p, "f5.png"), Rect{0, 0, 640, 480}));
    EXPECT_TRUE(memes_pixels(attente, image(p, "apresf5.png"), Rect{0, 0, 480, 480}));
    EXPECT_NE(p.fichier(p.scores() + "tlvbelo.ini"), "");
    const auto lanceur = r.sortie.find("musique cartem00", r.sortie.find("musique cartem01"));
    ASSERT_NE(lanceur, std::string::npos) << "back on the launcher";
    // Between the F8 mark and the closing, nothing sounded.
    const auto fin = r.sortie.rfind("musique arret"), marque = r.sortie.rfind("musique arret", fin - 1);
    ASSERT_GT(marque, lanceur);
    const std::string muet = r.sortie.substr(marque, fin - marque);
    EXPECT_EQ(muet.find("effet "), std::string::npos) << muet;
    EXPECT_EQ(muet.find("voix "), std::string::npos) << muet;
}

// The levels chosen in the menu go to tlvniveaux.ini, come back on the next run's levels screen, and a
// match begun with them carries them in its save (Nord's, then Est's and Ouest's).
TEST(Niveaux, ChosenSavedShownAgainAndCarriedByTheMatch) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const std::string niveaux = "clic 320 340\nattends\n";
    // Partner: Classique back to Débutant; opponents: on to Fort. The pointer then leaves every line.
    const auto r =
        p.lance(std::string(Ouvre) + niveaux + "clic 100 200\nattends\nclic 530 270\nattends\n" +
                "survol 320 340\nattends\ncapture " + d + "choix.png\ntouche Echap\nattends\n" + Nouvelle);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(p.scores() + "tlvniveaux.ini"), "partenaire=debutant\r\nadversaires=fort\r\n");
    EXPECT_NE(p.fichier(p.scores() + "tlvbelote.partie").find("\nniveaux debutant fort\n"),
              std::string::npos);
    ASSERT_EQ(p.lance(std::string(Ouvre) + niveaux + "capture " + d + "revu.png\n").code, 0);
    EXPECT_TRUE(memes_pixels(image(p, "choix.png"), image(p, "revu.png"), Rect{0, 0, 640, 480}));
}

} // namespace
} // namespace tlv::essai
