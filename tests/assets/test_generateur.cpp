// The generator and the texts it writes: the same bytes on every run, a file list in step with the build,
// clear failures; the help file and the offline page in French typography with the rules they must state;
// the Quadrel boards; the web settings file.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/pageweb.h"
#include "assets/typographie.h"
#include "quadrel/regles/chemin.h"
#include "robot.h"
#include "socle/chaines.h"
#include "tests/assets/lecture.h"

namespace tlv::essai {
namespace {

namespace fs = std::filesystem;

// The generator run with `p`'s scratch folder as "{d}".
Resultat genere(const Programme& p, const std::string& arguments, const std::string& environnement = "") {
    return p.execute(p.dans(arguments), environnement, TLV_GENERATEUR);
}

TEST(Generateur, SameBytesAsTheBuild) {
    // Pictures, the clip, the card sheets, a picture drawn finer, a chime and the music: drawing, text, the
    // deck, synthesis, the encoder.
    const std::string noms = "cartei00,cartef00,cartei08,cartei07,cartei10.2x,cartew06,cartem00";
    Programme p;
    const Resultat r = genere(p, "--seulement " + noms + " {d}/sortie");
    ASSERT_EQ(r.code, 0) << r.sortie << r.erreurs;
    std::istringstream in(noms);
    for (std::string n; std::getline(in, n, ',');) {
        const std::string neuf = litfichier(p.dossier() + "/sortie/" + n);
        ASSERT_FALSE(neuf.empty()) << n;
        EXPECT_TRUE(neuf == litfichier(n)) << n << " diffère d'une génération à l'autre";
    }
}

TEST(Generateur, ListMatchesTheBuildsAndBadRunsFailClearly) {
    Programme p;
    const Resultat r = genere(p, "--liste");
    ASSERT_EQ(r.code, 0);
    std::set<std::string> produits, attendus;
    std::istringstream a(r.sortie), b(TLV_DONNEES);
    for (std::string n; std::getline(a, n);) produits.insert(n);
    for (std::string n; std::getline(b, n, ',');) attendus.insert(n);
    EXPECT_EQ(produits, attendus);
    for (auto& n : attendus) EXPECT_TRUE(fs::exists(n)) << n;
    const Resultat sans = genere(p, "--seulement cartem00 {d}/sortie", "PATH=/nonexistent");
    EXPECT_NE(sans.code, 0);
    EXPECT_NE((sans.sortie + sans.erreurs).find("vorbis-tools"), std::string::npos) << sans.erreurs;
    EXPECT_EQ(genere(p, "--inconnu").code, 2);
    EXPECT_EQ(genere(p, "").code, 2);
}

TEST(Generateur, ContactSheetOfEveryPicture) {
    Programme p;
    const std::string png = p.dossier() + "/planche.png";
    const Resultat r = genere(p, "--planche " + png + " .");
    ASSERT_EQ(r.code, 0) << r.sortie << r.erreurs;
    Png planche;
    ASSERT_TRUE(lispng(png, planche));
    EXPECT_EQ(planche.w, 3 * 660);
    EXPECT_GT(planche.h, 4 * 480);
    // Without the pictures it fails cleanly.
    EXPECT_EQ(genere(p, "--planche " + png + " {d}").code, 1);
}

// French marks: typographic apostrophes, no-break spaces inside guillemets and before ; : ! ?
TEST(Typographie, FrenchMarks) {
    const std::pair<const char*, const char*> cas[] = {
        {"l'écran d'accueil", "l\u2019écran d\u2019accueil"},
        {"« Aide » affiche", "«\u00A0Aide\u00A0» affiche"},
        {"F5 : réglage ; F6 ! vraiment ?", "F5\u00A0: réglage\u00A0; F6\u00A0! vraiment\u00A0?"},
        {"« s'annulent »", "«\u00A0s\u2019annulent\u00A0»"},
        // Marks without a blank before them, and a blank after them, are left as they are.
        {"https://exemple.fr/?a=1 ; fin", "https://exemple.fr/?a=1\u00A0; fin"},
        {"4x4 (16 cartes).\n# Titre\n- point", "4x4 (16 cartes).\n# Titre\n- point"},
        {"", ""}};
    for (const auto& [avant, apres] : cas) EXPECT_EQ(typographie(avant), apres) << avant;
}

TEST(PageWeb, HeadingsBecomeSectionsListedAtTheTop) {
    const std::string p = pageweb("# Jeux & règles\n\nUn <b> paragraphe\nsur deux lignes.\n\n"
                                  "# La Belote\n- un\n- deux\nsuite\n\n# Le Memo\nfin");
    EXPECT_TRUE(p.starts_with("<!DOCTYPE html>\n<html lang=\"fr\">")) << p;
    EXPECT_TRUE(p.ends_with("</html>\n"));
    for (const char* bout : {"<meta charset=\"utf-8\">", "<title>Jeux &amp; règles</title>",
                             "<h1>Jeux &amp; règles</h1>", "<p>Un &lt;b&gt; paragraphe sur deux lignes.</p>",
                             "<li><a href=\"#s1\">La Belote</a></li>\n<li><a href=\"#s2\">Le Memo</a></li>",
                             "<h2 id=\"s1\">La Belote</h2>\n<ul>\n<li>un</li>\n<li>deux suite</li>\n</ul>",
                             "<h2 id=\"s2\">Le Memo</h2>\n<p>fin</p>"})
        EXPECT_NE(p.find(bout), std::string::npos) << bout << "\n" << p;
}

// The help file in the build's bin folder: the keys, the sections and the rules a player would not guess
// (overtrumping an opponent's winning trump; equal best announcements of the two sides, neither in trumps,
// scoring nothing; the square of nines in words, not a 9 read with its points as one number), in valid UTF-8
// without CR, with French typography: no straight apostrophe and no ordinary blank where a line could break
// before a mark.
TEST(FichierAide, FrenchWithTheKeysTheRulesAndItsTypography) {
    const std::string s = litfichier("tolvanex.hlp");
    ASSERT_TRUE(s.starts_with("# "));
    for (const char* mot :
         {"F5", "F6", "F7", "F8", "# La Belote", "# Le Memo", "# Le Quadrel", "dix de der", "Capot",
          "rebelote", "Litige", "Tierce", "Carré", "carré de neuf\u00A0: 150 points", "deux minutes",
          "6x4 (24 cartes)", "50 secondes", "10 secondes",
          "qu\u2019un adversaire est maître du pli avec un atout, il faut surcouper",
          "il faut tout de même couper avec un atout plus faible",
          "sans que l\u2019une soit à l\u2019atout, elles s\u2019annulent\u00A0: aucun camp ne marque",
          // What the Belote table does now.
          "dit pourquoi", "gauche ou droit", "couleur sœur", "restent affichés"})
        EXPECT_NE(s.find(mot), std::string::npos) << mot;
    for (const char* interdit : {"\r", "'", " ;", " :", " !", " ?", " \u00BB", "\u00AB "}) {
        const auto i = s.find(interdit);
        EXPECT_EQ(i, std::string::npos)
            << "« " << interdit << " » dans: " << s.substr(i > 30 ? i - 30 : 0, 60);
    }
    for (size_t i = 0; i < s.size();) {
        const size_t debut = i;
        ASSERT_TRUE(lis_utf8(s, i).has_value()) << "octet " << debut;
    }
}

// The offline page is the help file made a page (PageWeb, FichierAide): its title, its sections on the keys
// and on the credits, the licence, and nothing to fetch: no script, no outside style sheet, no picture.
TEST(PageHorsLigne, TitleKeysCreditsLicenceAndNothingToFetch) {
    const std::string p = litfichier("tolvanex.html");
    for (const char* mot : {"<title>Tolva\u2019nexes</title>", ">La souris et les touches</h2>",
                            ">Crédits et licence</h2>", "svg-gm-paris", "GPL", "version 3 ou ultérieure"})
        EXPECT_NE(p.find(mot), std::string::npos) << mot;
    for (const char* dehors : {"<script", "<link", "<img", "http://", "https://"})
        EXPECT_EQ(p.find(dehors), std::string::npos) << dehors;
}

TEST(Textes, WebFileWithoutAnAddressInCrlf) {
    // No address: the web button opens the offline page; the comments are Windows-1252 like every text file.
    const std::string s = litfichier("tlvweb.ini");
    EXPECT_TRUE(s.ends_with("\r\n[siteconf]\r\nurl=\r\n")) << s;
    EXPECT_NE(s.find("Acc\xE8s au site web"), std::string::npos) << s;
    EXPECT_FALSE(std::regex_search(s, std::regex("(^|[^\r])\n"))) << "a line ends without its CR";
}

using namespace tlv::quadrel;

int& at(Grille& g, Case k) {
    return g[static_cast<size_t>(k.c)][static_cast<size_t>(k.r)];
}

const std::vector<Case> cases = [] {
    std::vector<Case> v;
    for (int i = 0; i < 32; ++i) v.push_back({i % 8 + 1, i / 8 + 1});
    return v;
}();

struct Fichier : public ::testing::Test {
    static std::string octets;
    static std::vector<Grille> grilles;
    static void SetUpTestSuite() {
        octets = litfichier(fichierplateaux);
        for (int t = 0; static_cast<size_t>(t) * taillefiche < octets.size(); ++t)
            chargecode_octets(octets, t, grilles.emplace_back());
    }
};
std::string Fichier::octets;
std::vector<Grille> Fichier::grilles;

// Four lines of eight 3-byte fields, each 0 (empty), a face (1..32) or an obstacle, CR LF; then CR LF.
TEST_F(Fichier, RecordsOf106BytesWithOnlyFacesAndObstacles) {
    ASSERT_EQ(octets.size() % taillefiche, 0u);
    EXPECT_GE(octets.size() / taillefiche, 100u);
    for (size_t r = 0; r < octets.size(); r += taillefiche) {
        SCOPED_TRACE("enregistrement " + std::to_string(r / taillefiche));
        for (size_t l = 0; l < 4; ++l) {
            EXPECT_EQ(octets.substr(r + l * 26 + 24, 2), "\r\n");
            for (size_t i = 0; i < 24; i += 3) {
                const std::string champ = octets.substr(r + l * 26 + i, 3);
                ASSERT_EQ(champ.find_first_not_of(" 0123456789"), std::string::npos) << champ;
                const int v = std::stoi(champ) - 1;
                EXPECT_TRUE(v == vide || (v >= 0 && v < 32) || estobstacle(v)) << champ;
            }
        }
        EXPECT_EQ(octets.substr(r + 104, 2), "\r\n");
    }
}

// The pairs the path rule lets go now.
std::vector<std::pair<Case, Case>> coups(Grille& g) {
    std::vector<std::pair<Case, Case>> l;
    for (const Case p : cases)
        for (const Case q : cases)
            if (at(g, p) < at(g, q) && paire(at(g, p), at(g, q)) && cherchechemin(g, p, q))
                l.push_back({p, q});
    return l;
}

// Cards, each face at most once, and every board clears (a face without its pair never would).
TEST_F(Fichier, EachFaceAtMostOnceAndEveryBoardCanBeCleared) {
    for (size_t b = 0; b < grilles.size(); ++b) {
        Grille g = grilles[b];
        EXPECT_TRUE(resteunecarte(g)) << b;
        std::array<int, 32> vues{};
        for (const Case k : cases)
            if (const int v = at(g, k); v >= 0 && v < 32) {
                EXPECT_EQ(++vues[static_cast<size_t>(v)], 1) << b;
            }
        for (auto l = coups(g); !l.empty(); l = coups(g)) at(g, l[0].first) = at(g, l[0].second) = vide;
        EXPECT_FALSE(resteunecarte(g)) << "plateau " << b << " bloqué";
    }
}

// Thirds of the file: more cards, more obstacles, fewer free moves.
TEST_F(Fichier, DifficultyRises) {
    const size_t n = grilles.size(), tiers = n / 3;
    auto mesure = [&](size_t a) {
        std::array<double, 3> m{}; // cards, obstacles, free moves
        for (size_t i = a; i < a + tiers; ++i) {
            for (const Case k : cases)
                m[0] += estcarte(at(grilles[i], k)), m[1] += estobstacle(at(grilles[i], k));
            m[2] += static_cast<double>(coups(grilles[i]).size());
        }
        for (double& v : m) v /= static_cast<double>(tiers);
        return m;
    };
    const auto debut = mesure(0), fin = mesure(n - tiers);
    EXPECT_GT(fin[0], debut[0] + 8);
    EXPECT_LT(debut[1], 0.5);
    EXPECT_GE(fin[1], 2);
    EXPECT_LT(fin[2], debut[2] - 2);
}

} // namespace
} // namespace tlv::essai
