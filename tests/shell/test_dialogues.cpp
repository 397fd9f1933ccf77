// The timing dialogs and the help screen, driven by scripted input on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"
#include "shell/aide.h"
#include "shell/fichiers.h"
#include "shell/parametres.h"
#include "shell/reglages.h"
#include "shell/tempo.h"

namespace tlv {
namespace {

namespace fs = std::filesystem;

std::string lit(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Dialogue : public ::testing::Test {
  protected:
    void SetUp() override {
        char modele[] = "/tmp/tlv-dialogue-XXXXXX";
        dossier = mkdtemp(modele);
        r.dossier_scores = dossier + "/";
    }
    void TearDown() override { fs::remove_all(dossier); }

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

    std::string dossier;
    Reglages r;
    Robot robot;
    std::unique_ptr<Plateforme> pf;
    DialogueTempo* dialogue = nullptr;
    bool ferme_par_fin = false;
};

TEST_F(Dialogue, MemoDialogShowsTheRoundedDelayAndStoresItOnReturn) {
    r.tempomemo = 1.5f;
    // The Retour button sits centred 42 pixels above the bottom of the 380 x 130 client area.
    ouvre(false, "attends\ntouche r alt\nattends\n");
    EXPECT_FALSE(ferme_par_fin);
    EXPECT_FLOAT_EQ(r.tempomemo, 2.f);
    EXPECT_EQ(lit(dossier + "/tlvmemo.ini"), " 20 \r\n");
}

TEST_F(Dialogue, BeloteSliderMovedWithTheArrowKeysIsSavedByRetour) {
    r.tempobelote = 4;
    ouvre(true, "attends\ntouche Droite\ntouche Droite\ntouche Gauche\nattends\ntouche Entree\nattends\n");
    EXPECT_EQ(r.tempobelote, 5);
    EXPECT_EQ(lit(dossier + "/tlvbelo.ini"), " 5 \r\n");
}

TEST_F(Dialogue, ClicksOnTheScrollArrowsMoveTheSliderOneSecond) {
    r.tempobelote = 4;
    // The dialog is centred on the play area: its right arrow lies at (477, 221), its left one at (163, 221).
    ouvre(true, "attends\nclic 477 221\nattends\nclic 477 221\nattends\nclic 477 221\nattends\n"
                "clic 163 221\nattends\ntouche r alt\nattends\n");
    EXPECT_EQ(r.tempobelote, 6);
}

TEST_F(Dialogue, TheSliderStaysWithinItsRange) {
    r.tempobelote = 12;
    ouvre(true, "attends\ntouche Droite\ntouche Droite\nattends\ntouche Echap\nattends\n");
    EXPECT_EQ(r.tempobelote, 12);
}

TEST_F(Dialogue, ClosingTheProgramWithTheDialogOpenStillSaves) {
    r.tempomemo = 0.f;
    ouvre(false, "attends\ntouche Droite\ntouche Droite\ntouche Droite\nattends\n");
    EXPECT_TRUE(ferme_par_fin);
    EXPECT_FLOAT_EQ(r.tempomemo, 3.f);
    EXPECT_EQ(lit(dossier + "/tlvmemo.ini"), " 30 \r\n");
}

TEST_F(Dialogue, MemoSliderAtZeroStoresZero) {
    r.tempomemo = 1.f;
    ouvre(false, "attends\ntouche Gauche\ntouche Gauche\nattends\ntouche r alt\nattends\n");
    EXPECT_FLOAT_EQ(r.tempomemo, 0.f);
    EXPECT_EQ(lit(dossier + "/tlvmemo.ini"), " 0 \r\n");
}

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

} // namespace
} // namespace tlv
