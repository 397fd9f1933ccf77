// The timing dialogs and the help screen's footer, driven by scripted input on the virtual clock.
#include <gtest/gtest.h>

#include "dossiertemp.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"
#include "platform/texte.h"
#include "shell/aide.h"
#include "shell/parametres.h"
#include "shell/reglages.h"
#include "shell/tempo.h"
#include "tlv_version.h"

namespace tlv {
namespace {

struct CasDialogue {
    const char* nom;
    bool belote;
    float avant; // the setting when F5 is pressed (seconds)
    const char* script;
    float apres;         // the setting once the dialog is gone
    const char* fichier; // what the settings file then holds
    bool par_fin;        // the program was closed with the dialog open
};

class Dialogues : public ::testing::TestWithParam<CasDialogue> {};

// Opened as F5 does, with the script feeding it.
TEST_P(Dialogues, StoreTheSliderHoweverTheyAreClosed) {
    const CasDialogue& c = GetParam();
    test::DossierTemp dossier;
    Reglages r;
    r.scores = std::make_unique<StockageDisque>(dossier.chemin());
    r.tempobelote = static_cast<int>(c.avant);
    r.tempomemo = c.avant;
    Robot robot;
    robot.commandes(Robot::analyse(c.script));
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    bool par_fin = false;
    try {
        ouvre_dialogue(pf, *(c.belote ? tempo_belote(pf, r) : tempo_memo(pf, r)));
    } catch (const Quitter&) {
        par_fin = true;
    }
    EXPECT_EQ(par_fin, c.par_fin);
    if (c.belote)
        EXPECT_EQ(r.tempobelote, static_cast<int>(c.apres));
    else
        EXPECT_FLOAT_EQ(r.tempomemo, c.apres);
    EXPECT_EQ(test::litbrut(dossier / (c.belote ? "tlvbelo.ini" : "tlvmemo.ini")), c.fichier);
}

// The dialog is centred on the play area: its scroll bar's right arrow lies at (477, 221), its left one at
// (163, 221), its title bar's close box at (498, 174); Alt+R is "&Retour".
INSTANTIATE_TEST_SUITE_P(
    Tempo, Dialogues,
    ::testing::Values(CasDialogue{"MemoRoundsHalfToEvenAndStoresTenths", false, 1.5f,
                                  "attends\ntouche r alt\nattends\n", 2.f, " 20 \r\n", false},
                      CasDialogue{"BeloteArrowKeysThenEntree", true, 4,
                                  "attends\ntouche Droite\ntouche Droite\ntouche Gauche\n"
                                  "attends\ntouche Entree\nattends\n",
                                  5, " 5 \r\n", false},
                      CasDialogue{"BeloteScrollArrowsClicked", true, 4,
                                  "attends\nclic 477 221\nattends\nclic 477 221\nattends\n"
                                  "clic 477 221\nattends\nclic 163 221\nattends\ntouche r alt\nattends\n",
                                  6, " 6 \r\n", false},
                      CasDialogue{"BeloteStaysWithinItsRange", true, 12,
                                  "attends\ntouche Droite\ntouche Droite\nattends\n"
                                  "touche Echap\nattends\n",
                                  12, " 12 \r\n", false},
                      CasDialogue{"MemoSavedWhenTheProgramIsClosed", false, 0.f,
                                  "attends\ntouche Droite\ntouche Droite\n"
                                  "touche Droite\nattends\n",
                                  3.f, " 30 \r\n", true},
                      CasDialogue{"BeloteCloseBoxSavesLikeRetour", true, 4,
                                  "attends\ntouche Gauche\nattends\nclic 498 174\nattends\n", 3, " 3 \r\n",
                                  false},
                      CasDialogue{"MemoAtZeroStoresZero", false, 1.f,
                                  "attends\ntouche Gauche\ntouche Gauche\nattends\n"
                                  "touche r alt\nattends\n",
                                  0.f, " 0 \r\n", false}),
    [](const auto& i) { return std::string(i.param.nom); });

// The footer names the version (a bug report's first question) on its own line under the page number.
TEST(AideEcran, TheFooterShowsTheVersion) {
    EXPECT_TRUE(version_aide().ends_with(" " TLV_VERSION)) << version_aide();
    Robot robot;
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    Aide aide(pf, "/nonexistent/tolvanex.hlp");
    // The ink of the footer's second line: pixels unlike the cloth at the left margin of the same row.
    int x0 = 640, x1 = -1;
    for (int y = 460; y < 478; ++y)
        for (int x = 14; x < 250; ++x)
            if (aide.image.pixel(x, y) != aide.image.pixel(13, y)) x0 = std::min(x0, x), x1 = std::max(x1, x);
    ASSERT_GE(x1, x0) << "pas de version en bas de l'aide";
    EXPECT_NEAR(x1 - x0 + 1, pf.polices().largeur(version_aide(), 9), 3);
}

} // namespace
} // namespace tlv
