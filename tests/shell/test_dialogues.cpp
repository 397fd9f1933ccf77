// The timing dialogs and the help screen, driven by scripted input on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "dossiertemp.h"
#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"
#include "shell/aide.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"
#include "shell/reglages.h"
#include "shell/tempo.h"
#include "tlv_version.h"

namespace tlv {
namespace {

namespace fs = std::filesystem;

std::string lit(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Dialogue : public ::testing::Test {
  protected:
    void SetUp() override { r.dossier_scores = dossier.chemin(); }

    // Opens the dialog as F5 does, with the script feeding it.
    void ouvre(bool belote, const std::string& script) {
        robot.commandes(Robot::analyse(script));
        OptionsPlateforme o;
        o.robot = &robot;
        pf = std::make_unique<Plateforme>(o);
        auto d = belote ? tlv::testbel(*pf, r) : tlv::Test(*pf, r);
        dialogue = d.get();
        try {
            ouvre_dialogue(*pf, *d);
        } catch (const Quitter&) {
            ferme_par_fin = true;
        }
        dialogue = nullptr;
    }
    // Play-area pixel of a point of the dialog's client area.
    static std::string point(const DialogueTempo& d, int x, int y) {
        return std::to_string(d.left - d.pf.decalagex() + x) + " " +
               std::to_string(d.top - d.pf.decalagey() + y);
    }

    test::DossierTemp dossier;
    Reglages r;
    Robot robot;
    std::unique_ptr<Plateforme> pf;
    DialogueTempo* dialogue = nullptr;
    bool ferme_par_fin = false;
};

struct CasDialogue {
    const char* nom;
    bool belote;
    float avant; // the setting when F5 is pressed (seconds)
    const char* script;
    float apres;         // the setting once the dialog is gone
    const char* fichier; // what the settings file then holds
    bool par_fin;        // the program was closed with the dialog open
};

class Dialogues : public Dialogue, public ::testing::WithParamInterface<CasDialogue> {};

TEST_P(Dialogues, StoreTheSliderHoweverTheyAreClosed) {
    const CasDialogue& c = GetParam();
    if (c.belote)
        r.tempobelote = static_cast<int>(c.avant);
    else
        r.tempomemo = c.avant;
    ouvre(c.belote, c.script);
    EXPECT_EQ(ferme_par_fin, c.par_fin);
    if (c.belote)
        EXPECT_EQ(r.tempobelote, static_cast<int>(c.apres));
    else
        EXPECT_FLOAT_EQ(r.tempomemo, c.apres);
    EXPECT_EQ(lit(dossier / (c.belote ? "tlvbelo.ini" : "tlvmemo.ini")), c.fichier);
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

TEST(AideMiseEnLignes, WrapsParagraphsKeepsHeadingsApartAndDropsTrailingBlanks) {
    // Every byte is 10 pixels wide: 80 pixels hold eight.
    const auto mesure = [](const std::string& s, bool) { return static_cast<int>(s.size()) * 10; };
    const auto l = mise_en_lignes("# Titre\r\nab cd ef\ngh\n\n- un\n- deux\n\n\n", 80, mesure);
    std::vector<std::string> textes;
    for (const auto& x : l) textes.push_back((x.titre ? "#" : "") + x.texte);
    EXPECT_EQ(textes, (std::vector<std::string>{"#Titre", "ab cd ef", "gh", "", "• un", "• deux"}));
}

TEST(AideMiseEnLignes, AWordLongerThanTheLineStandsAlone) {
    const auto mesure = [](const std::string& s, bool) { return static_cast<int>(s.size()) * 10; };
    const auto l = mise_en_lignes("a interminable b", 50, mesure);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].texte, "interminable");
}

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
