// The settings files: the timing settings and the computer's levels in the score folder, the remembered
// window, the web address; each read back, any damage falling back to the default.
#include "shell/parametres.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dossiertemp.h"
#include "shell/choixfenetre.h"
#include "shell/niveaux.h"
#include "shell/reglages.h"
#include "shell/textes.h"
#include "shell/tlvweb.h"

namespace tlv {
namespace {

using test::litbrut;

class Parametres : public ::testing::Test {
  protected:
    Parametres() { r.scores = std::make_unique<StockageDisque>(d.chemin()); }
    std::string belo() const { return d / "tlvbelo.ini"; }
    std::string memo() const { return d / "tlvmemo.ini"; }
    test::DossierTemp d;
    Reglages r;
};

// The dialog's value kept within Belote's bounds; a failed save, and a default that cannot be written, go
// unseen.
TEST_F(Parametres, BoundsAndFailedSaves) {
    ASSERT_TRUE(fermeturebelote(r, 40));
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, 12);
    EXPECT_EQ(curseurbelote(1), 2);
    r.scores = std::make_unique<StockageDisque>(d / "absent/");
    EXPECT_EQ(sauveparambelote(r).erreur(), ENOENT);
    lisparambelote(r);
    EXPECT_EQ(r.tempobelote, 4);
}

// Each file's contents and the value read (seconds), none when refused: the default is then read and
// written back in its place, where a value read leaves the file as it was. 8.5 is rounded half to even.
TEST_F(Parametres, TimingValueOrDefault) {
    // Each value refused follows one that is not the default.
    const std::pair<const char*, std::optional<int>> casbelote[] = {
        {" 6 \r\n 9 \r\n", 6}, {"1", {}}, {"\t2", 2}, {"13", {}},
        {"12\n", 12},          {"", {}},  {"8.5", 8}, {"\r\n 7 \r\n", {}}};
    for (const auto& [contenu, attendu] : casbelote) {
        test::ecritbrut(belo(), contenu);
        lisparambelote(r);
        EXPECT_EQ(r.tempobelote, attendu.value_or(4)) << contenu;
        EXPECT_EQ(litbrut(belo()), attendu ? contenu : " 4 \r\n") << contenu;
    }
    const std::pair<const char*, std::optional<float>> casmemo[] = {
        {" 15 \r\n", 1.5f}, {"51", {}}, {" 0 \r\n", 0.f}, {"-1", {}}, {"50", 5.f}, {"", {}}, {" 2.5 ", .25f}};
    for (const auto& [contenu, attendu] : casmemo) {
        test::ecritbrut(memo(), contenu);
        lisparammemo(r);
        EXPECT_FLOAT_EQ(r.tempomemo, attendu.value_or(1.f)) << contenu;
        EXPECT_EQ(litbrut(memo()), attendu ? contenu : " 10 \r\n") << contenu;
    }
}

// The computer's levels: a missing file gives the defaults and is not made; a damaged one gives them and is
// rewritten with them; a good one is read and written again as it was.
TEST_F(Parametres, LevelsReadRepairedAndSaved) {
    const std::string f = d / "tlvniveaux.ini";
    const std::string bon = "partenaire=debutant\r\nadversaires=fort\r\n",
                      defaut = "partenaire=classique\r\nadversaires=classique\r\n";
    r.niveaupartenaire = r.niveauadversaires = "fort";
    lisniveaux(r);
    EXPECT_EQ(r.niveaupartenaire + r.niveauadversaires, "classiqueclassique");
    EXPECT_FALSE(std::filesystem::exists(f));
    test::ecritbrut(f, bon);
    lisniveaux(r);
    EXPECT_EQ(r.niveaupartenaire + "/" + r.niveauadversaires, "debutant/fort");
    ASSERT_TRUE(sauveniveaux(r));
    EXPECT_EQ(litbrut(f), bon);
    for (const char* abime : {"", "partenaire=fort\n", "adversaires=fort\npartenaire=fort\n",
                              "partenaire=Fort\nadversaires=fort\n", "partenaire=fort\nadversaires=fort \n",
                              "partenaire=fort\nadversaires=fort\nadversaires=fort\n"}) {
        test::ecritbrut(f, abime);
        lisniveaux(r);
        EXPECT_EQ(r.niveaupartenaire + r.niveauadversaires, "classiqueclassique") << abime;
        EXPECT_EQ(litbrut(f), defaut) << abime;
    }
}

// Rounded half to even, printed and read like the classic Basic.
TEST(Nombres, RoundedPrintedAndReadLikeTheClassicBasic) {
    const std::pair<double, double> cas[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},
                                             {-1.5, -2}, {2.4999, 2}, {2.51, 3}};
    for (const auto& [x, attendu] : cas) EXPECT_EQ(arrondipair(x), attendu) << x;
    const std::pair<float, int> curseurs[] = {{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {9.f, 5}, {NAN, 0}};
    for (const auto& [x, attendu] : curseurs) EXPECT_EQ(curseurmemo(x), attendu) << x;
    EXPECT_EQ(imprimenombre(4), " 4 ");
    EXPECT_EQ(imprimenombre(-3), "-3 ");
    const std::pair<float, const char*> reels[] = {
        {15.f, " 15 "}, {2.5f, " 2.5 "},         {0.5f, " .5 "},     {-0.5f, "-.5 "},
        {-0.f, " 0 "},  {1.f / 3, " .3333333 "}, {0.1f * 10, " 1 "}, {1234567.f, " 1234567 "}};
    for (const auto& [x, attendu] : reels) EXPECT_EQ(imprimenombre(x), attendu) << x;
    const std::pair<const char*, double> lus[] = {{".5", 0.5}, {" +3\t", 3}, {"-2.5", -2.5}, {"1D2", 100}};
    for (const auto& [ligne, attendu] : lus) EXPECT_EQ(lisnombre(ligne), attendu) << ligne;
    for (const char* refuse : {"", " ", ".", "-", "1e", "1e999", "- 3", "3 4", "3,4", "0x10",
                               "\xEF\xBB\xBF"
                               "4"})
        EXPECT_FALSE(lisnombre(refuse)) << refuse;
}

// The program's screens have fifteen twips a pixel: the larger sizes.
TEST(Tailles, FollowTheScreensTwipsPerPixel) {
    Reglages r;
    choisit_tailles(r);
    EXPECT_EQ(std::pair(r.taille1, r.taille8), std::pair(10, 36));
}

TEST(Textes, PackedNamesAreCutInFixedFields) {
    const Textes& t = textes_fixes();
    EXPECT_EQ(champ_nu(t[Texte::NomsDesSieges], 3, 5), "Nord");
    EXPECT_EQ(champ(t[Texte::NomsDesSieges], 4, 5), "Ouest");
    EXPECT_EQ(champ(t[Texte::NomsDesRangs], 8, 2), " 1");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 4, 7), "Cœur   ");
    EXPECT_EQ(champ(t[Texte::NomsDesCouleurs], 5, 7), "");
}

TEST(ChoixFenetre, WrittenIntoAFolderStillToMakeThenReadBack) {
    test::DossierTemp d;
    const std::string f = d / "c/tolvanex/fenetre.ini";
    EXPECT_EQ(lischoixfenetre(f), ChoixFenetre{}); // missing: full screen, no size
    for (const ChoixFenetre c : {ChoixFenetre{false, 1300, 980}, ChoixFenetre{true, 16384, 480}}) {
        ASSERT_TRUE(sauvechoixfenetre(f, c));
        EXPECT_EQ(lischoixfenetre(f), c) << *test::litbrut(f);
    }
    // Each damaged value falls back alone; half a size is none.
    for (const auto& [contenu, attendu] : std::initializer_list<std::pair<const char*, ChoixFenetre>>{
             {" pleinecran = non \r\nlargeur= 800\r\nhauteur =600 \r\n", {false, 800, 600}},
             {"pleinecran=peutetre\nlargeur=800\nhauteur=600\n", {true, 800, 600}},
             {"pleinecran=non\nlargeur=800\n", {false, 0, 0}},
             {"largeur=639\nhauteur=600\n", {}},
             {"largeur=800px\nhauteur=600\n", {}},
             {"largeur=800\nhauteur=16385\n", {}}}) {
        test::ecritbrut(f, contenu);
        EXPECT_EQ(lischoixfenetre(f), attendu) << contenu;
    }
}

TEST(LitValeurIni, SiteconfUrl) {
    test::DossierTemp d;
    EXPECT_EQ(litvaleurini(d / "absent.ini", "siteconf", "url"), "");
    const std::pair<const char*, const char*> cas[] = {
        {"[siteconf]\r\nurl=https://a.fr/\r\n", "https://a.fr/"},
        {"  [ SiteConf ]  \n\tURL  =  https://b.fr  \n", "https://b.fr"},
        {"[autre]\nurl=non\n[siteconf]\nnom=x\nurl=oui\n[fin]\nurl=non", "oui"},
        {"\xEF\xBB\xBF[siteconf]\nurl=caf\xE9", "café"},
        {"[siteconf]\n\n; url=commentaire\nsans egal\n=\nurlx=non\nurl=a?b=c\nurl=second", "a?b=c"},
        {"[siteconf]\nurl=\"entre guillemets\"", "entre guillemets"},
        {"[siteconf]\nurl=\"", "\""},
        {"[siteconf\nurl=ouvert", "ouvert"},
        {"url=horsection\n[siteconf]", ""}};
    for (const auto& [contenu, attendu] : cas) {
        test::ecritbrut(d / "tlvweb.ini", contenu);
        EXPECT_EQ(litvaleurini(d / "tlvweb.ini", "siteconf", "url"), attendu) << contenu;
    }
    // The folder with or without its '/'.
    test::ecritbrut(d / "tlvweb.ini", "[siteconf]\r\nurl=https://c.fr\r\n");
    EXPECT_EQ(urlsite(d.chemin()), "https://c.fr");
    EXPECT_EQ(urlsite(d.racine()), "https://c.fr");
}

// Opened as it is; otherwise the offline page.
TEST(AdresseWeb, OnlyHttpAndHttpsLeaveTheOfflinePage) {
    const auto ouverte = [](const std::string& lue, bool gardee) {
        for (const char* donnees : {"/usr/share/tolvanex/", "/usr/share/tolvanex"})
            EXPECT_EQ(adresseweb(lue, donnees), gardee ? lue : "file:///usr/share/tolvanex/tolvanex.html")
                << lue << " " << donnees;
    };
    for (const char* lue : {"https://exemple.fr/", "http://exemple.fr/jeux?a=1&b=%20", "HTTPS://EXEMPLE.FR"})
        ouverte(lue, true);
    for (const char* lue : {"", "https://", "http:///chemin", "file:///etc/passwd", "https://a.fr/ --autre",
                            "https://a.fr/\tx"})
        ouverte(lue, false);
}

// When no program opens it, the box gives the page as a player types it in: a local page by its path.
TEST(PageNonOuverte, GivesThePageToOpenByHand) {
    for (const std::string dossier : {"/usr/share/games/tolvanex/", "/home/zoé/mes jeux/%1/"}) {
        const std::string texte = textepagenonouverte(adresseweb("", dossier));
        EXPECT_TRUE(texte.ends_with("\n" + dossier + "tolvanex.html")) << texte;
        EXPECT_NE(texte.find("xdg-open"), std::string::npos);
    }
    EXPECT_TRUE(textepagenonouverte("https://exemple.fr/a%20b").ends_with("\nhttps://exemple.fr/a%20b"));
}

TEST(UrlFichier, EveryByteButTheSafeOnesIsEncoded) {
    EXPECT_EQ(urlfichier("/home/zoé/mes jeux/#1%/a?b.html"),
              "file:///home/zo%C3%A9/mes%20jeux/%231%25/a%3Fb.html");
}

} // namespace
} // namespace tlv
