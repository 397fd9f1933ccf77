// A score folder that cannot be used: the session keeps its files in memory and never touches the disk.
#include "shell/memoire.h"

#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "shell/creefichiers.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"

namespace tlv {
namespace {

using test::DossierTemp;
using Lignes = std::vector<std::string>;

class ScoresEnMemoire : public ::testing::Test {
  protected:
    DossierTemp d;
    void TearDown() override { gardeenmemoire(""); }
};

TEST_F(ScoresEnMemoire, AFolderUnderARegularFileGetsItsDefaultsAndKeepsWhatIsWritten) {
    test::ecritbrut(d / "fichier", "pas un dossier");
    const std::string dossier = d / "fichier/x/tolvanex/";
    ASSERT_FALSE(creefichiers(dossier)); // on disk nothing can be made there
    gardeenmemoire(dossier);
    EXPECT_TRUE(creefichiers(dossier));
    EXPECT_EQ(litlignes(dossier + "tlvmemo2.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(litlignes(dossier + "tlvjong1.sco"), Lignes{}); // an empty file is a file too

    EXPECT_TRUE(ecritfichier(dossier + "tlvmemo2.sco", "ZOE             00042\r\n"));
    EXPECT_EQ(litlignes(dossier + "tlvmemo2.sco"), Lignes{"ZOE             00042"});
    // The same file however its path is spelt.
    EXPECT_EQ(litlignes(d / "fichier/x/./y/../tolvanex/tlvmemo2.sco"), Lignes{"ZOE             00042"});
    EXPECT_EQ(test::litbrut(d / "fichier"), "pas un dossier");
}

TEST_F(ScoresEnMemoire, DiskFilesAreReadUntilTheSessionWritesThemAndStayUntouched) {
    test::ecritbrut(d / "tlvmemo0.sco", "ALICE           00020\r\n");
    test::ecritbrut(d / "tlvmemo.ini", " 15 \r\n");
    gardeenmemoire(d.chemin());
    EXPECT_TRUE(creefichiers(d.chemin()));
    EXPECT_EQ(litlignes(d / "tlvmemo0.sco"), Lignes{"ALICE           00020"});

    Reglages r;
    r.dossier_scores = d.chemin();
    lisparammemo(r);
    EXPECT_FLOAT_EQ(r.tempomemo, 1.5f);
    r.tempomemo = 3.f;
    EXPECT_TRUE(sauveparammemo(r));
    lisparammemo(r);
    EXPECT_FLOAT_EQ(r.tempomemo, 3.f);

    // The disk holds exactly what it held: no default file, no rewrite, no temporary file.
    EXPECT_EQ(test::contenudossier(d.chemin()), (std::set<std::string>{"tlvmemo.ini", "tlvmemo0.sco"}));
    EXPECT_EQ(test::litbrut(d / "tlvmemo.ini"), " 15 \r\n");
}

TEST_F(ScoresEnMemoire, AnUnreadableFileStartsFromItsDefaultInMemory) {
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    gardeenmemoire(d.chemin());
    EXPECT_TRUE(creefichiers(d.chemin()));
    EXPECT_EQ(litlignes(d / "tlvmemo1.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(test::contenudossier(d.chemin()), std::set<std::string>{"tlvmemo1.sco"});
}

TEST_F(ScoresEnMemoire, OnlyThatFolderIsKeptInMemoryAndTheDiskComesBack) {
    std::filesystem::create_directories(d / "scores/sous");
    gardeenmemoire(d / "scores");
    EXPECT_TRUE(ecritfichier(d / "scores/f", "memoire"));
    EXPECT_TRUE(ecritfichier(d / "scores/sous/f", "disque"));
    EXPECT_TRUE(ecritfichier(d / "f", "disque"));
    EXPECT_FALSE(test::litbrut(d / "scores/f"));
    EXPECT_EQ(test::litbrut(d / "scores/sous/f"), "disque");
    EXPECT_EQ(test::litbrut(d / "f"), "disque");
    EXPECT_EQ(litlignes(d / "scores/f"), Lignes{"memoire"});

    gardeenmemoire("");
    EXPECT_FALSE(litlignes(d / "scores/f"));
    EXPECT_TRUE(ecritfichier(d / "scores/f", "x"));
    EXPECT_EQ(test::litbrut(d / "scores/f"), "x");
}

TEST(DossierEcrivable, TriedForRealAndLeftClean) {
    DossierTemp d;
    EXPECT_TRUE(dossierecrivable(d.chemin()));
    EXPECT_TRUE(test::contenudossier(d.chemin()).empty());
    test::ecritbrut(d / "fichier", "x");
    EXPECT_FALSE(dossierecrivable(d / "fichier"));
    EXPECT_FALSE(dossierecrivable(d / "fichier/x/"));
    EXPECT_FALSE(dossierecrivable(d / "absent"));
    EXPECT_FALSE(dossierecrivable(""));
}

} // namespace
} // namespace tlv
