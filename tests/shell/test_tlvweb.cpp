#include "shell/tlvweb.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

TEST(LitValeurIni, SiteconfUrl) {
    test::DossierTemp d;
    EXPECT_EQ(litvaleurini(d / "absent.ini", "siteconf", "url"), "");
    const std::pair<const char*, const char*> cas[] = {
        {"[siteconf]\r\nurl=https://a.fr/\r\n", "https://a.fr/"},
        {"  [ SiteConf ]  \n\tURL  =  https://b.fr  \n", "https://b.fr"},
        {"[autre]\nurl=non\n[siteconf]\nnom=x\nurl=oui\n[fin]\nurl=non", "oui"},
        {"\xEF\xBB\xBF[siteconf]\nurl=bom", "bom"},
        {"[siteconf]\n; url=commentaire\nsans egal\nurlx=non\nurl=a?b=c\nurl=second", "a?b=c"},
        {"[siteconf]\nurl=\"entre guillemets\"", "entre guillemets"},
        {"[siteconf]\nurl=\"", "\""},
        {"[siteconf\nurl=ouvert", "ouvert"},
        {"[siteconf]\nurl=caf\xE9", "café"},
        {"url=horsection\n[siteconf]", ""},
        {"[autre]\nurl=x", ""},
        {"\r\n\r\n[]\n=\n", ""}};
    for (const auto& [contenu, attendu] : cas) {
        test::ecritbrut(d / "tlvweb.ini", contenu);
        EXPECT_EQ(litvaleurini(d / "tlvweb.ini", "siteconf", "url"), attendu) << contenu;
    }
    // The folder with or without its '/'.
    test::ecritbrut(d / "tlvweb.ini", "[siteconf]\r\nurl=https://c.fr\r\n");
    EXPECT_EQ(urlsite(d.chemin()), "https://c.fr");
    EXPECT_EQ(urlsite(d.racine()), "https://c.fr");
}

TEST(AdresseWeb, OnlyHttpAndHttpsLeaveTheOfflinePage) {
    const std::pair<const char*, bool> cas[] = {// opened as it is; otherwise the offline page
                                                {"", false},
                                                {"https://exemple.fr/", true},
                                                {"http://exemple.fr/jeux?a=1&b=%20", true},
                                                {"HTTPS://EXEMPLE.FR", true},
                                                {"https://", false},
                                                {"http:///chemin", false},
                                                {"ftp://exemple.fr/", false},
                                                {"file:///etc/passwd", false},
                                                {"javascript:alert(1)", false},
                                                {"exemple.fr", false},
                                                {"https:exemple.fr", false},
                                                {"https://a.fr/ --autre", false},
                                                {"https://a.fr/\tx", false},
                                                {" https://a.fr/", false}};
    for (const auto& [lue, gardee] : cas)
        for (const char* donnees : {"/usr/share/tolvanex/", "/usr/share/tolvanex"})
            EXPECT_EQ(adresseweb(lue, donnees), gardee ? lue : "file:///usr/share/tolvanex/tolvanex.html")
                << lue << " " << donnees;
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
    EXPECT_EQ(urlfichier("/opt/jeux/tolvanex.html"), "file:///opt/jeux/tolvanex.html");
    EXPECT_EQ(urlfichier("/home/zoé/mes jeux/#1%/a?b.html"),
              "file:///home/zo%C3%A9/mes%20jeux/%231%25/a%3Fb.html");
}

} // namespace
} // namespace tlv
