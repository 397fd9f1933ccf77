#include "shell/creefichiers.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"

namespace tlv {
namespace {

using test::DossierTemp;
using test::litbrut;

const std::string lignememo = "INCONNU         10000\r\n";
const std::string lignejong = "INCONNU  00000120\r\n";
const char* const noms[] = {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tlvjong0.sco", "tlvjong1.sco"};

TEST(CreeFichiers, FirstRunCreatesTheFoldersAndTheFiveFiles) {
    DossierTemp d;
    const std::string scores = d / "racine/tlvscore/tolvanex/";
    ASSERT_TRUE(creefichiers(scores));
    EXPECT_TRUE(std::filesystem::is_directory(d / "racine/tlvscore"));
    for (const char* memo : {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco"}) {
        std::string cinq;
        for (int i = 0; i < 5; ++i) cinq += lignememo;
        EXPECT_EQ(litbrut(scores + memo), cinq) << memo;
    }
    std::string dix;
    for (int i = 0; i < 10; ++i) dix += lignejong;
    EXPECT_EQ(litbrut(scores + "tlvjong0.sco"), dix);
    EXPECT_EQ(litbrut(scores + "tlvjong1.sco"), "");
    EXPECT_EQ(test::contenudossier(scores), std::set<std::string>(std::begin(noms), std::end(noms)));
}

TEST(CreeFichiers, NextRunTouchesNoExistingFile) {
    DossierTemp d;
    ASSERT_TRUE(creefichiers(d.chemin()));
    for (const char* nom : noms) test::ecritbrut(d / nom, std::string("autre ") + nom);
    test::ecritbrut(d / "tlvjong0.sco", ""); // even an empty score file stays as it is
    ASSERT_TRUE(creefichiers(d.chemin()));
    for (const char* nom : noms)
        EXPECT_EQ(litbrut(d / nom), std::string(nom) == "tlvjong0.sco" ? "" : std::string("autre ") + nom);
}

TEST(CreeFichiers, OnlyTheMissingOnesAreCreated) {
    DossierTemp d;
    test::ecritbrut(d / "tlvmemo1.sco", "abimé");
    ASSERT_TRUE(creefichiers(d.chemin()));
    EXPECT_EQ(litbrut(d / "tlvmemo1.sco"), "abimé");
    EXPECT_EQ(litbrut(d / "tlvmemo2.sco"), contenuinitial("tlvmemo2.sco"));
}

TEST(CreeFichiers, AnyOtherErrorAbandonsTheRest) {
    DossierTemp d;
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    EXPECT_FALSE(creefichiers(d.chemin()));
    EXPECT_EQ(litbrut(d / "tlvmemo0.sco"), contenuinitial("tlvmemo0.sco"));
    EXPECT_FALSE(litbrut(d / "tlvmemo2.sco"));
    EXPECT_FALSE(litbrut(d / "tlvjong1.sco"));
}

TEST(CreeFichiers, UncreatableFolder) {
    DossierTemp d;
    test::ecritbrut(d / "occupe", "x");
    EXPECT_FALSE(creefichiers(d / "occupe/tolvanex/"));
    EXPECT_EQ(litbrut(d / "occupe"), "x");
}

} // namespace
} // namespace tlv
