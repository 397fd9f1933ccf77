// A score folder that cannot be used: the session keeps its files in memory and never touches the disk.
#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "shell/creefichiers.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"
#include "shell/stockage.h"

namespace tlv {
namespace {

using test::DossierTemp;
using Lignes = std::vector<std::string>;

TEST(ScoresEnMemoire, AFolderUnderARegularFileGetsItsDefaultsAndKeepsWhatIsWritten) {
    DossierTemp d;
    test::ecritbrut(d / "fichier", "pas un dossier");
    StockageDisque disque(d / "fichier/x/tolvanex/");
    ASSERT_FALSE(creefichiers(disque)); // on disk nothing can be made there
    StockageMemoire memoire(disque.dossier());
    EXPECT_TRUE(creefichiers(memoire));
    EXPECT_EQ(memoire.litlignes("tlvmemo2.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(memoire.litlignes("tlvjong1.sco"), Lignes{}); // an empty file is a file too

    EXPECT_TRUE(memoire.ecrit("tlvmemo2.sco", "ZOE             00042\r\n"));
    EXPECT_EQ(memoire.litlignes("tlvmemo2.sco"), Lignes{"ZOE             00042"});
    EXPECT_EQ(test::litbrut(d / "fichier"), "pas un dossier");
}

TEST(ScoresEnMemoire, DiskFilesAreReadUntilTheSessionWritesThemAndStayUntouched) {
    DossierTemp d;
    test::ecritbrut(d / "tlvmemo0.sco", "ALICE           00020\r\n");
    test::ecritbrut(d / "tlvmemo.ini", " 15 \r\n");
    Reglages r;
    r.scores = std::make_unique<StockageMemoire>(d.chemin());
    EXPECT_TRUE(creefichiers(*r.scores));
    EXPECT_EQ(r.scores->litlignes("tlvmemo0.sco"), Lignes{"ALICE           00020"});

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

TEST(ScoresEnMemoire, AnUnreadableFileStartsFromItsDefaultInMemory) {
    DossierTemp d;
    // A link to itself cannot be opened, and not because it is missing.
    std::filesystem::create_symlink("tlvmemo1.sco", d / "tlvmemo1.sco");
    StockageMemoire memoire(d.chemin());
    EXPECT_TRUE(creefichiers(memoire));
    EXPECT_EQ(memoire.litlignes("tlvmemo1.sco"), Lignes(5, "INCONNU         10000"));
    EXPECT_EQ(test::contenudossier(d.chemin()), std::set<std::string>{"tlvmemo1.sco"});
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
