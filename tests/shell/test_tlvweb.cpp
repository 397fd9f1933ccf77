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

TEST(LitValeurIniFichier, AbsentDonneVide) {
    test::DossierTemp d;
    EXPECT_EQ(litvaleurini(d / "absent.ini", "siteconf", "url"), "");
    test::ecritbrut(d / "tlvweb.ini", "[siteconf]\r\nurl=https://c.fr\r\n");
    EXPECT_EQ(urlsite(d.chemin()), "https://c.fr");
    EXPECT_EQ(urlsite(d.chemin().substr(0, d.chemin().size() - 1)), "https://c.fr");
}

} // namespace
} // namespace tlv
