// The Belote table as a player meets it: the real program opened from the launcher, scripted.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

#include "belote_table/special.h"
#include "platform/image.h"
#include "tests/robot/programme.h"

namespace tlv::essai {
namespace {

constexpr const char* Ouvre = "attends\nclic 400 30\nattends\n"; // the launcher's Belote line
constexpr const char* Nouvelle = "clic 320 130\nattends\n";      // the menu's "Nouvelle partie"
constexpr const char* Menu = "clic 560 460\nattends\n";          // the table's "Menu" label

// Sud takes whenever it is asked, then tries its cards from left to right until one is accepted (a
// refused card is asked again). Clicks that mean nothing at a wait are ignored by the table.
std::string joue(int tours, int capture_au_tour = -1, const std::string& capture = "") {
    std::string s;
    for (int i = 0; i < tours; ++i) {
        s += "clic 260 260\nattends\n";
        for (int k = 0; k < 15; ++k)
            s += "clic " + std::to_string(105 + 15 * ((k + 7 * i) % 15)) + " 430\nattends\n";
        if (i == capture_au_tour) s += "capture " + capture + "\n";
    }
    return s;
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
    return s ? *s : Surface(640, 480);
}

bool memes(const Surface& a, const Surface& b, Rect z) {
    for (int y = z.y; y < z.y + z.h; ++y)
        for (int x = z.x; x < z.x + z.w; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

std::string belote_sim(const std::string& arguments) {
    std::string sortie;
    if (FILE* f = popen(("./belote-sim " + arguments).c_str(), "r")) {
        char tampon[4096];
        for (std::size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;) sortie.append(tampon, n);
        pclose(f);
    }
    return sortie;
}

bool carte_valide(int c) {
    return c / 10 >= 1 && c / 10 <= 4 && c % 10 <= 7;
}

// Checks a journal against the rules of the trace: every deal taken has eight tricks of four distinct
// cards making up the pack, points that only grow, totals that add up, and a result that ends the match.
void verifie_journal(const std::vector<std::string>& j, int partieen) {
    const std::regex partie(R"(partie n=(\d+))"), donne(R"(donne n=(\d+) donneur=([1-4]) retournee=(\d+))"),
        prise(R"(prise preneur=([0-4]) atout=([1-4]))"),
        annonces(R"(annonces nous=(\d+) eux=(\d+) meilleur=([0-4]))"),
        pli(R"(pli n=([1-8]) cartes=(\d+),(\d+),(\d+),(\d+) gagnant=([1-4]) nous=(\d+) eux=(\d+))"),
        fin(R"(fin nous=(\d+) eux=(\d+) total_nous=(\d+) total_eux=(\d+) reserve=(\d+))"),
        resultat(R"(resultat (nous|eux|egalite) total_nous=(\d+) total_eux=(\d+))");
    int totalnous = 0, totaleux = 0, nplis = 0, dernierdonneur = 0, prisenous = 0, priseeux = 0;
    std::set<int> cartes;
    bool fini = false;
    for (const std::string& l : j) {
        std::smatch m;
        SCOPED_TRACE(l);
        ASSERT_FALSE(fini) << "nothing after the result";
        if (std::regex_match(l, m, partie)) {
            totalnous = totaleux = 0;
        } else if (std::regex_match(l, m, donne)) {
            const int d = std::stoi(m[2]);
            if (dernierdonneur) {
                EXPECT_EQ(d, dernierdonneur % 4 + 1) << "the deal passes to the next seat";
            }
            dernierdonneur = d;
            EXPECT_TRUE(carte_valide(std::stoi(m[3])));
            nplis = 0, cartes.clear(), prisenous = priseeux = 0;
        } else if (std::regex_match(l, m, prise)) {
        } else if (std::regex_match(l, m, annonces)) {
            prisenous = std::stoi(m[1]), priseeux = std::stoi(m[2]);
        } else if (std::regex_match(l, m, pli)) {
            EXPECT_EQ(std::stoi(m[1]), ++nplis);
            for (int k = 2; k <= 5; ++k) {
                const int c = std::stoi(m[k]);
                EXPECT_TRUE(carte_valide(c));
                EXPECT_TRUE(cartes.insert(c).second) << "card " << c << " played twice";
            }
            const int nous = std::stoi(m[7]), eux = std::stoi(m[8]);
            EXPECT_GE(nous, prisenous);
            EXPECT_GE(eux, priseeux);
            prisenous = nous, priseeux = eux;
        } else if (std::regex_match(l, m, fin)) {
            EXPECT_EQ(nplis, 8);
            EXPECT_EQ(cartes.size(), 32u);
            totalnous += std::stoi(m[1]), totaleux += std::stoi(m[2]);
            EXPECT_EQ(std::stoi(m[3]), totalnous);
            EXPECT_EQ(std::stoi(m[4]), totaleux);
        } else if (std::regex_match(l, m, resultat)) {
            EXPECT_EQ(std::stoi(m[2]), totalnous);
            EXPECT_EQ(std::stoi(m[3]), totaleux);
            EXPECT_TRUE(totalnous >= partieen || totaleux >= partieen);
            EXPECT_EQ(m[1], totalnous > totaleux ? "nous" : totaleux > totalnous ? "eux" : "egalite");
            fini = true;
        } else {
            ADD_FAILURE() << "not a trace line";
        }
    }
}

TEST(BeloteRobot, AMatchPlayedToTheEndWritesTheSimulatorsTraceAndThePad) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const std::string script = std::string(Ouvre) + "clic 100 270\nattends\n" + Nouvelle + "capture " + d +
                               "debut.png\n" + joue(500, 2, d + "pad.png");
    const auto r = p.lance(script, "--graine 7 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = lignes(p.fichier(journal));
    ASSERT_GT(j.size(), 20u);
    // Until Sud first speaks, the game draws exactly what the simulator draws from the same seed.
    const auto sim = lignes(belote_sim("--graine 7 --donnes 1"));
    ASSERT_GE(sim.size(), 2u);
    EXPECT_EQ(j[0], sim[0]);
    EXPECT_EQ(j[1], sim[1]);
    verifie_journal(j, 500);
    EXPECT_EQ(j.back().rfind("resultat ", 0), 0u) << "the match went to its end";
    // Refused cards were asked again, the seats spoke, the table's tune played, then the launcher's again.
    EXPECT_NE(r.sortie.find("effet cartew09"), std::string::npos);
    EXPECT_NE(r.sortie.find("voix voix.fr/"), std::string::npos);
    const auto table = r.sortie.find("musique cartem01");
    ASSERT_NE(table, std::string::npos);
    EXPECT_NE(r.sortie.find("musique cartem00", table), std::string::npos);

    const Surface debut = image(p, "debut.png"), pad = image(p, "pad.png");
    EXPECT_FALSE(memes(debut, pad, Rect{483, 70, 157, 14})) << "the first line of the pad";
    EXPECT_FALSE(memes(debut, pad, Rect{490, 416, 141, 21})) << "the totals";
    EXPECT_TRUE(memes(debut, pad, Rect{483, 45, 157, 24})) << "the column heads";
    EXPECT_TRUE(memes(debut, pad, Rect{484, 442, 152, 34})) << "the Menu label";
}

TEST(BeloteRobot, TheMenuContinuesStartsAgainAndLeaves) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const std::string script = "attends\ncapture " + d + "lanceur0.png\n" + Ouvre + Nouvelle + "capture " +
                               d + "attente.png\n" + Menu + "capture " + d +
                               "menu.png\nclic 320 60\nattends\ncapture " + d + "suite.png\n" + Menu +
                               Nouvelle + Menu + "clic 320 410\nattends\ncapture " + d + "lanceur.png\n";
    const auto r = p.lance(script, "--graine 11 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface attente = image(p, "attente.png"), menu = image(p, "menu.png"),
                  suite = image(p, "suite.png"), lanceur = image(p, "lanceur.png");
    EXPECT_FALSE(memes(attente, menu, Rect{0, 0, 640, 480}));
    EXPECT_TRUE(memes(attente, suite, Rect{0, 0, 480, 480})) << "the same wait goes on after Continuer";
    EXPECT_TRUE(memes(image(p, "lanceur0.png"), lanceur, Rect{320, 0, 320, 480})) << "back on the launcher";
    const std::string j = p.fichier(journal);
    EXPECT_NE(j.find("partie n=2\n"), std::string::npos);
    EXPECT_EQ(j.find("partie n=3"), std::string::npos);
    EXPECT_EQ(j.find("fin "), std::string::npos) << "dropped deals are not scored";
    const auto quitte = r.sortie.rfind("musique cartem00");
    ASSERT_NE(quitte, std::string::npos);
    EXPECT_GT(quitte, r.sortie.find("musique cartem01"));
}

TEST(BeloteRobot, F5OpensTheBeloteTimingDialogOverTheTable) {
    Programme p;
    const std::string d = p.dossier() + "/";
    const std::string script = std::string(Ouvre) + Nouvelle + "capture " + d +
                               "a.png\ntouche F5\nattends\ncapture " + d +
                               "b.png\ntouche Droite\ntouche Echap\nattends\ncapture " + d + "c.png\n";
    const auto r = p.lance(script, "--graine 3");
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Surface a = image(p, "a.png"), b = image(p, "b.png"), c = image(p, "c.png");
    EXPECT_FALSE(memes(a, b, Rect{0, 0, 640, 480}));
    EXPECT_TRUE(memes(a, c, Rect{0, 0, 480, 480}));
    EXPECT_NE(p.fichier(p.scores() + "tlvbelo.ini"), "");
}

TEST(BeloteRobot, ClosingTheWindowMidDealEndsCleanly) {
    Programme p;
    const std::string journal = p.dossier() + "/journal.txt";
    const auto r = p.lance(std::string(Ouvre) + Nouvelle + joue(3), "--graine 5 --journal " + journal);
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.erreurs, "");
    const auto j = lignes(p.fichier(journal));
    ASSERT_GE(j.size(), 3u);
    EXPECT_EQ(j[0], "partie n=1");
    verifie_journal(j, 1000);
    EXPECT_NE(r.sortie.find("musique arret"), std::string::npos);
}

TEST(BeloteRobot, TheJournalIsAppendedRunAfterRun) {
    Programme p;
    const std::string journal = p.dossier() + "/journal.txt";
    const std::string script = std::string(Ouvre) + Nouvelle;
    ASSERT_EQ(p.lance(script, "--graine 9 --journal " + journal).code, 0);
    const std::string une = p.fichier(journal);
    ASSERT_EQ(p.lance(script, "--graine 9 --journal " + journal).code, 0);
    EXPECT_EQ(p.fichier(journal), une + une);
}

std::string clic(const Rect& r) {
    return "clic " + std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2) + "\nattends\n";
}

TEST(BeloteRobot, ADealComposedInTheEditorIsTheFirstDealOfTheNewMatch) {
    // Ouest deals; the pack in order fills Sud's, Est's, Nord's and Ouest's first five, then the turned card.
    std::string s = std::string(Ouvre) + "clic 320 340 maj+alt\nattends\n" + clic(Special::place_joueur(3));
    int couleur = 1, rang = 0;
    for (int k = 0; k <= 8; ++k) {
        s += clic(Special::place_joueurchoix(k));
        const int n =
            k <= 3 ? 5 : (k == 4 ? 1 : (k == 5 ? 2 : 3)); // Sud, after the dealer, has one rest slot less
        for (int i = 0; i < n; ++i) {
            s += clic(Special::place_paquet(couleur, rang));
            if (++rang == 8) rang = 0, ++couleur;
        }
    }
    s += "touche v alt\nattends\n" + std::string(Nouvelle);
    Programme p;
    const std::string journal = p.dossier() + "/journal.txt";
    const auto r = p.lance(s, "--graine 4 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const auto j = lignes(p.fichier(journal));
    ASSERT_GE(j.size(), 2u);
    EXPECT_EQ(j[1], "donne n=1 donneur=4 retournee=34");
}

TEST(BeloteRobot, F7SilencesTheTableAndF7AgainBringsItBack) {
    Programme p;
    const std::string debut = std::string(Ouvre) + Nouvelle;
    const auto avant = p.lance(debut, "--graine 6");
    ASSERT_EQ(avant.code, 0) << avant.erreurs;
    // What sounded up to the first wait for the player, before the program was closed.
    const std::string prefixe = avant.sortie.substr(0, avant.sortie.rfind("musique arret"));
    const auto muet = p.lance(debut + "touche F7\nattends\n" + joue(2), "--graine 6");
    ASSERT_EQ(muet.code, 0) << muet.erreurs;
    ASSERT_EQ(muet.sortie.compare(0, prefixe.size(), prefixe), 0) << muet.sortie;
    const std::string reste = muet.sortie.substr(prefixe.size());
    EXPECT_EQ(reste.find("effet "), std::string::npos) << reste;
    EXPECT_EQ(reste.find("voix "), std::string::npos) << reste;
    const auto retour = p.lance(debut + "touche F7\nattends\ntouche F7\nattends\n" + joue(2), "--graine 6");
    ASSERT_EQ(retour.code, 0) << retour.erreurs;
    EXPECT_NE(retour.sortie.find("effet ", prefixe.size()), std::string::npos);
}

TEST(BeloteRobot, LeavingFromTheFirstMenuPlaysNothing) {
    Programme p;
    const std::string d = p.dossier() + "/", journal = d + "journal.txt";
    const auto r = p.lance("attends\ncapture " + d + "a.png\n" + Ouvre + "clic 320 410\nattends\ncapture " +
                               d + "b.png\n",
                           "--graine 2 --journal " + journal);
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(p.fichier(journal), "");
    EXPECT_TRUE(memes(image(p, "a.png"), image(p, "b.png"), Rect{320, 0, 320, 480}));
    EXPECT_EQ(r.sortie.find("effet cartew01"), std::string::npos);
}

} // namespace
} // namespace tlv::essai
