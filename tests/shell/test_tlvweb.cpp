#include "shell/tlvweb.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

struct CasIni {
    const char* contenu;
    const char* attendu;
};
std::ostream& operator<<(std::ostream& o, const CasIni& c) {
    return o << ::testing::PrintToString(std::string(c.contenu));
}

class LitValeurIni : public ::testing::TestWithParam<CasIni> {
  protected:
    test::DossierTemp d;
};

TEST_P(LitValeurIni, SiteconfUrl) {
    test::ecritbrut(d / "tlvweb.ini", GetParam().contenu);
    EXPECT_EQ(litvaleurini(d / "tlvweb.ini", "siteconf", "url"), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Entrees, LitValeurIni,
    ::testing::Values(CasIni{"[siteconf]\r\nurl=https://a.fr/\r\n", "https://a.fr/"},
                      CasIni{"  [ SiteConf ]  \n\tURL  =  https://b.fr  \n", "https://b.fr"},
                      CasIni{"[autre]\nurl=non\n[siteconf]\nnom=x\nurl=oui\n[fin]\nurl=non", "oui"},
                      CasIni{"\xEF\xBB\xBF[siteconf]\nurl=bom", "bom"},
                      CasIni{"[siteconf]\n; url=commentaire\nsans egal\nurlx=non\nurl=a?b=c\nurl=second",
                             "a?b=c"},
                      CasIni{"[siteconf]\nurl=\"entre guillemets\"", "entre guillemets"},
                      CasIni{"[siteconf]\nurl=\"", "\""}, CasIni{"[siteconf\nurl=ouvert", "ouvert"},
                      CasIni{"[siteconf]\nurl=caf\xE9", "café"}, CasIni{"[siteconf]\nurl=", ""},
                      CasIni{"url=horsection\n[siteconf]", ""}, CasIni{"[autre]\nurl=x", ""}, CasIni{"", ""},
                      CasIni{"\r\n\r\n[]\n=\n", ""}));

TEST(LitValeurIniFichier, MissingGivesEmpty) {
    test::DossierTemp d;
    EXPECT_EQ(litvaleurini(d / "absent.ini", "siteconf", "url"), "");
    test::ecritbrut(d / "tlvweb.ini", "[siteconf]\r\nurl=https://c.fr\r\n");
    EXPECT_EQ(urlsite(d.chemin()), "https://c.fr");
    EXPECT_EQ(urlsite(d.chemin().substr(0, d.chemin().size() - 1)), "https://c.fr");
}

struct CasAdresse {
    const char* lue;
    bool gardee; // opened as it is; otherwise the offline page
};
std::ostream& operator<<(std::ostream& o, const CasAdresse& c) {
    return o << ::testing::PrintToString(std::string(c.lue));
}

class AdresseWeb : public ::testing::TestWithParam<CasAdresse> {};

TEST_P(AdresseWeb, OnlyHttpAndHttpsLeaveTheOfflinePage) {
    const std::string horsligne = "file:///usr/share/tolvanex/tolvanex.html";
    EXPECT_EQ(adresseweb(GetParam().lue, "/usr/share/tolvanex/"),
              GetParam().gardee ? GetParam().lue : horsligne);
    EXPECT_EQ(adresseweb(GetParam().lue, "/usr/share/tolvanex"),
              GetParam().gardee ? GetParam().lue : horsligne);
}

INSTANTIATE_TEST_SUITE_P(
    Adresses, AdresseWeb,
    ::testing::Values(CasAdresse{"", false}, CasAdresse{"https://exemple.fr/", true},
                      CasAdresse{"http://exemple.fr/jeux?a=1&b=%20", true},
                      CasAdresse{"HTTPS://EXEMPLE.FR", true}, CasAdresse{"https://", false},
                      CasAdresse{"http:///chemin", false}, CasAdresse{"ftp://exemple.fr/", false},
                      CasAdresse{"file:///etc/passwd", false}, CasAdresse{"javascript:alert(1)", false},
                      CasAdresse{"exemple.fr", false}, CasAdresse{"https:exemple.fr", false},
                      CasAdresse{"https://a.fr/ --autre", false}, CasAdresse{"https://a.fr/\tx", false},
                      CasAdresse{" https://a.fr/", false}));

TEST(UrlFichier, EveryByteButTheSafeOnesIsEncoded) {
    EXPECT_EQ(urlfichier("/opt/jeux/tolvanex.html"), "file:///opt/jeux/tolvanex.html");
    EXPECT_EQ(urlfichier("/home/zoé/mes jeux/#1%/a?b.html"),
              "file:///home/zo%C3%A9/mes%20jeux/%231%25/a%3Fb.html");
}

} // namespace
} // namespace tlv
