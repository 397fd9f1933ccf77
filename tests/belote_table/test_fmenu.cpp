// The Belote menu driven by scripted mouse input: its answers, its options and the hidden deal editor.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "banc.h"
#include "belote/recit.h"
#include "belote_table/fmenu.h"
#include "belote_table/special.h"
#include "platform/quitter.h"

namespace tlv::essai {
using namespace tlv::belote;
namespace {

struct CasMenu {
    const char* nom;
    bool partieencours;
    int partieen;
    std::string script;
    ReponseMenu reponse;
    int partieen_apres;
    bool annonces_apres;
    int sons; // how many clicks sounded
};

// Left clicks at "x y [modifiers]", each followed by a wait.
std::string clics(std::initializer_list<const char*> points) {
    std::string s;
    for (const char* p : points) s += std::string("clic ") + p + "\nattends\n";
    return s;
}

// Shows the menu until its script runs out.
void montre(Banc& banc, Fmenu& menu) {
    menu.place(banc.r.decalagex, banc.r.decalagey);
    try {
        banc.pf->montre_modal(menu);
    } catch (const Quitter&) {
    }
}

class Menu : public ::testing::TestWithParam<CasMenu> {};

TEST_P(Menu, AnswersAndOptions) {
    const CasMenu& c = GetParam();
    Banc banc(c.script);
    banc.r.partieen = c.partieen;
    Surface fond(640, 480, 0, banc.pf->facteur());
    Paquet paquet;
    Fmenu menu(*banc.ctx, fond, c.partieencours, paquet);
    banc.sons.str("");
    montre(banc, menu);
    std::string sons;
    for (int i = 0; i < c.sons; ++i) sons += "effet cartew00\n";
    EXPECT_EQ(banc.sons.str(), sons);
    EXPECT_EQ(menu.reponse, c.reponse);
    EXPECT_EQ(banc.r.partieen, c.partieen_apres);
    EXPECT_EQ(banc.r.avecannonces, c.annonces_apres);
    EXPECT_FALSE(paquet.avecfauxjeu);
}

using R = ReponseMenu;
INSTANTIATE_TEST_SUITE_P(
    Lignes, Menu,
    ::testing::Values(
        CasMenu{"Continue", true, 1000, clics({"320 60"}), R::continuer, 1000, true, 1},
        CasMenu{"NewMatch", false, 1000, clics({"320 130"}), R::nouvelle, 1000, true, 1},
        CasMenu{"MainMenu", true, 1000, clics({"320 410"}), R::quitter, 1000, true, 1},
        CasMenu{"AnnouncementsSwitch", true, 1000, clics({"320 200", "320 200", "320 200"}), R::aucune, 1000,
                false, 3},
        CasMenu{"LowerStopsAt500", false, 1000, clics({"100 270", "100 270"}), R::aucune, 500, true, 2},
        CasMenu{"RaiseStopsAt2000", false, 1500, clics({"530 270", "559 300"}), R::aucune, 2000, true, 2},
        CasMenu{"OffTheEntriesNothing", true, 1000, clics({"140 270", "499 270", "79 60", "320 100"}),
                R::aucune, 1000, true, 0},
        // Without a match, line 1 takes no click and the keys skip it.
        CasMenu{"NoContinueWithoutAMatch", false, 1000,
                clics({"320 60"}) + "touche Bas\ntouche Entree\nattends\n", R::nouvelle, 1000, true, 1},
        CasMenu{"KeysWorkArrowsAndAnnouncements", true, 1000,
                "touche Haut\ntouche Haut\ntouche Haut\ntouche Droite\ntouche Gauche\ntouche Gauche\ntouche "
                "Haut\n"
                "touche Entree\nattends\n",
                R::aucune, 500, false, 4},
        // Échap goes back to the match in progress, else to the launcher.
        CasMenu{"EscapeBackToTheMatch", true, 1000, "touche Echap\nattends\n", R::continuer, 1000, true, 1},
        CasMenu{"EscapeWithoutAMatchLeaves", false, 1000, "touche Echap\nattends\n", R::quitter, 1000, true,
                1},
        // Line 5 opens the levels on a plain click, the deal editor on Shift+Alt+click, nothing else.
        CasMenu{"Line5WithOtherModifiersNothing", true, 1000, clics({"320 340 maj", "320 340 maj+alt+ctrl"}),
                R::aucune, 1000, true, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(MenuSansSurvol, AClickBeforeAnyMoveActsOnNoLine) {
    Banc banc;
    Surface fond(640, 480, 0, banc.pf->facteur());
    Paquet paquet;
    Fmenu menu(*banc.ctx, fond, true, paquet);
    menu.Form_Activate();
    banc.sons.str("");
    menu.MouseDown(bouton::Gauche, 0, 320, 130);
    EXPECT_EQ(banc.sons.str(), "");
    EXPECT_EQ(menu.reponse, ReponseMenu::aucune);
}

TEST(EditeurDeDonne, OpenedWithShiftAltThenCancelledKeepsTheDealButTurnsItOff) {
    Surface fond(640, 480, 0, 1);
    Paquet paquet;
    paquet.avecfauxjeu = true;
    paquet.donneurfauxjeu = 4;
    for (int c = 1; c <= 4; ++c)
        for (int r = 0; r < 8; ++r) paquet.fauxjeu += std::to_string(10 * c + r);
    const std::string f = paquet.fauxjeu;
    Banc banc(clics({"320 340 maj+alt"}) + "touche a alt\nattends\n");
    Fmenu menu(*banc.ctx, fond, true, paquet);
    montre(banc, menu);
    EXPECT_FALSE(paquet.avecfauxjeu);
    EXPECT_EQ(paquet.fauxjeu, f);
    EXPECT_EQ(paquet.donneurfauxjeu, 4);
}

// The editor answers the left button only: a right click on a card of the pack, a placed card, a group or a
// dealer changes nothing, where the same left clicks do.
TEST(EditeurDeDonne, ARightClickChangesNothing) {
    Banc banc;
    Paquet paquet;
    Special s(*banc.pf, paquet);
    s.Form_Load();
    const auto clic = [&](int b, Rect r) { s.MouseDown(b, 0, r.x + r.w / 2, r.y + r.h / 2); };
    const auto etat = [&] {
        return std::tuple(s.compo.carte, s.compo.placee, s.compo.joueurchoix, s.compo.donneur);
    };
    const auto vierge = etat();
    for (Rect r : {Special::place_paquet(2, 3), Special::place_joueurchoix(6), Special::place_joueur(2)}) {
        clic(bouton::Droit, r);
        EXPECT_EQ(etat(), vierge);
    }
    clic(bouton::Gauche, Special::place_paquet(2, 3));
    ASSERT_TRUE(s.compo.placee[2][3]);
    const auto place = etat();
    int i = 0;
    while (i < 32 && (s.compo.carte[static_cast<std::size_t>(i)] == 0 ||
                      s.compo.carte[static_cast<std::size_t>(i)] == Composition::Non))
        ++i;
    clic(bouton::Droit, Special::place_carte(i));
    EXPECT_EQ(etat(), place) << "a placed card stays";
    clic(bouton::Gauche, Special::place_joueurchoix(6));
    clic(bouton::Gauche, Special::place_joueur(2));
    EXPECT_EQ(s.compo.joueurchoix, 6);
    EXPECT_EQ(s.compo.donneur, 2);
}

// A shared deal pasted into the editor (Ctrl+V) is the deal Valider gives, its dealer too; a clipboard that
// holds no deal changes nothing and says so.
TEST(EditeurDeDonne, APastedDealIsTheOneValiderGives) {
    Banc banc;
    Paquet paquet;
    Special s(*banc.pf, paquet);
    s.load();
    const std::string fj = "3111414246321023441737123425161314243521204022362726301543334745";
    const auto vierge = s.compo.carte;
    for (const std::string& texte : {std::string("bonjour"), fj + "/5", std::string()}) {
        banc.pf->copie(texte);
        s.Form_KeyDown(touche_caractere('V'), maj::Ctrl);
        EXPECT_EQ(s.compo.carte, vierge) << texte;
        EXPECT_NE(s.manque, "") << texte;
    }
    banc.pf->copie(" " + partage(fj, 3) + "\n");
    s.Form_KeyDown(touche_caractere('V'), maj::Ctrl);
    EXPECT_EQ(s.manque, "");
    s.boutok_Click();
    EXPECT_EQ(s.reponse, ReponseSpecial::valider);
    EXPECT_EQ(paquet.fauxjeu, fj);
    EXPECT_EQ(paquet.donneurfauxjeu, 3);
}

} // namespace
} // namespace tlv::essai
