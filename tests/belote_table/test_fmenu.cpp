// The Belote menu driven by scripted mouse input: its answers, its options and the hidden deal editor.
#include <gtest/gtest.h>

#include "banc.h"
#include "belote_table/fmenu.h"
#include "belote_table/special.h"
#include "platform/quitter.h"

namespace tlv::essai {
namespace {

struct CasMenu {
    const char* nom;
    bool partieencours;
    int partieen;
    const char* script;
    const char* tag;
    int partieen_apres;
    bool annonces_apres;
    const char* sons; // what the clicks sounded
};

void PrintTo(const CasMenu& c, std::ostream* os) {
    *os << c.nom;
}

class Menu : public ::testing::TestWithParam<CasMenu> {};

TEST_P(Menu, AnswersAndOptions) {
    const CasMenu& c = GetParam();
    Banc banc(c.script);
    banc.r.partieen = c.partieen;
    Surface fond(640, 480);
    Paquet paquet;
    Fmenu menu(*banc.ctx, fond, c.partieencours, paquet);
    menu.place(banc.r.decalagex, banc.r.decalagey);
    testing::internal::CaptureStdout();
    try {
        banc.pf->montre_modal(menu);
    } catch (const Quitter&) {
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.sons);
    EXPECT_EQ(menu.tag, c.tag);
    EXPECT_EQ(banc.r.partieen, c.partieen_apres);
    EXPECT_EQ(banc.r.avecannonces, c.annonces_apres);
    EXPECT_FALSE(paquet.avecfauxjeu);
}

const char* const Clic = "effet cartew00\n";

INSTANTIATE_TEST_SUITE_P(
    Lignes, Menu,
    ::testing::Values(
        CasMenu{"ContinueWithoutAMatchDoesNothing", false, 1000, "clic 320 60\nattends\n", "", 1000, true,
                ""},
        CasMenu{"Continue", true, 1000, "clic 320 60\nattends\n", "continue", 1000, true, Clic},
        CasMenu{"NewMatch", false, 1000, "clic 320 130\nattends\n", "nouvelle", 1000, true, Clic},
        CasMenu{"MainMenu", true, 1000, "clic 320 410\nattends\n", "quitter", 1000, true, Clic},
        CasMenu{"AnnouncementsSwitch", true, 1000,
                "clic 320 200\nattends\nclic 320 200\nattends\nclic 320 200\nattends\n", "", 1000, false,
                "effet cartew00\neffet cartew00\neffet cartew00\n"},
        CasMenu{"LowerStopsAt500", false, 1000, "clic 100 270\nattends\nclic 100 270\nattends\n", "", 500,
                true, "effet cartew00\neffet cartew00\n"},
        CasMenu{"RaiseStopsAt2000", false, 1500, "clic 530 270\nattends\nclic 559 300\nattends\n", "", 2000,
                true, "effet cartew00\neffet cartew00\n"},
        CasMenu{"MiddleOfLine4DoesNothing", false, 1000, "clic 140 270\nattends\nclic 499 270\nattends\n", "",
                1000, true, ""},
        CasMenu{"OutsideTheBandsNothing", true, 1000, "clic 79 60\nattends\nclic 320 100\nattends\n", "",
                1000, true, ""},
        CasMenu{"Line5WithoutShiftAltNothing", true, 1000,
                "clic 320 340\nattends\nclic 320 340 maj\nattends\nclic 320 340 maj+alt+ctrl\nattends\n", "",
                1000, true, ""}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(MenuSansSurvol, AClickBeforeAnyMoveActsOnNoLine) {
    Banc banc;
    Surface fond(640, 480);
    Paquet paquet;
    Fmenu menu(*banc.ctx, fond, true, paquet);
    menu.Form_Activate();
    testing::internal::CaptureStdout();
    menu.MouseDown(bouton::Gauche, 0, 320, 130);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(menu.tag, "");
    EXPECT_EQ(Fmenu::ligne_sous(80, 35), 1);
    EXPECT_EQ(Fmenu::ligne_sous(559, 444), 6);
    EXPECT_EQ(Fmenu::ligne_sous(560, 444), 0);
    EXPECT_EQ(Fmenu::ligne_sous(300, 95), 0);
}

// Clicks on the deal editor: the play-area pixel of the middle of a place of the form.
std::string clic(const Rect& r) {
    return "clic " + std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2) + "\nattends\n";
}

TEST(EditeurDeDonne, ValidatedWithShiftAltThenCancelledTurnsTheRiggedDealOff) {
    // Opens the editor, Ouest deals, every card placed group by group, Valider.
    std::string s = "clic 320 340 maj+alt\nattends\n" + clic(Special::place_joueur(3));
    int couleur = 1, rang = 0;
    for (int k = 0; k <= 8; ++k) {
        s += clic(Special::place_joueurchoix(k));
        const int n = k <= 3 ? 5 : (k == 4 ? 1 : (k == 5 ? 2 : 3));
        for (int i = 0; i < n; ++i) {
            s += clic(Special::place_paquet(couleur, rang));
            if (++rang == 8) rang = 0, ++couleur;
        }
    }
    s += "touche v alt\nattends\n";
    Surface fond(640, 480);
    Paquet paquet;
    {
        Banc banc(s);
        Fmenu menu(*banc.ctx, fond, true, paquet);
        menu.place(banc.r.decalagex, banc.r.decalagey);
        try {
            banc.pf->montre_modal(menu);
        } catch (const Quitter&) {
        }
    }
    EXPECT_TRUE(paquet.avecfauxjeu);
    EXPECT_EQ(paquet.donneurfauxjeu, 4);
    ASSERT_EQ(paquet.fauxjeu.size(), 64u);
    EXPECT_EQ(paquet.fauxjeu.substr(0, 6), "101112");

    // Opened again: the cards are where they were; Annuler keeps the deal but turns it off.
    const std::string f = paquet.fauxjeu;
    Banc encore("clic 320 340 maj+alt\nattends\ntouche a alt\nattends\n");
    Fmenu menu(*encore.ctx, fond, true, paquet);
    menu.place(encore.r.decalagex, encore.r.decalagey);
    try {
        encore.pf->montre_modal(menu);
    } catch (const Quitter&) {
    }
    EXPECT_FALSE(paquet.avecfauxjeu);
    EXPECT_EQ(paquet.fauxjeu, f);
    EXPECT_EQ(paquet.donneurfauxjeu, 4);
}

} // namespace
} // namespace tlv::essai
