// The Belote menu driven by scripted mouse input (its answers, its options) and the hidden deal editor: its
// pure rules (the "NON" slot of the seat after the dealer, the deal order) and its form.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "banc.h"
#include "belote/carte.h"
#include "belote/recit.h"
#include "belote_table/composition.h"
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
    const std::string f = paquet.fauxjeu = "1011121314151617202122232425262730313233343536374041424344454647";
    Banc banc(clics({"320 340 maj+alt"}) + "touche a alt\nattends\n");
    Fmenu menu(*banc.ctx, fond, true, paquet);
    montre(banc, menu);
    EXPECT_FALSE(paquet.avecfauxjeu);
    EXPECT_EQ(paquet.fauxjeu, f);
    EXPECT_EQ(paquet.donneurfauxjeu, 4);
}

// The deal editor on a fresh bench.
class Editeur : public ::testing::Test {
  protected:
    Banc banc;
    Paquet paquet;
    Special s{*banc.pf, paquet};
};

// The editor answers the left button only: a right click on a card of the pack, a group or a dealer changes
// nothing, where the same left clicks do.
TEST_F(Editeur, ARightClickChangesNothing) {
    s.Form_Load();
    const auto etat = [&] {
        return std::tuple(s.compo.carte, s.compo.placee, s.compo.joueurchoix, s.compo.donneur);
    };
    const auto clics = [&](int b) {
        for (Rect r : {Special::place_paquet(2, 3), Special::place_joueurchoix(6), Special::place_joueur(2)})
            s.MouseDown(b, 0, r.x + r.w / 2, r.y + r.h / 2);
    };
    const auto vierge = etat();
    clics(bouton::Droit);
    EXPECT_EQ(etat(), vierge);
    clics(bouton::Gauche);
    EXPECT_TRUE(s.compo.placee[2][3]);
    EXPECT_EQ(s.compo.joueurchoix, 6);
    EXPECT_EQ(s.compo.donneur, 2);
}

// A shared deal pasted into the editor (Ctrl+V) is the deal Valider gives, its dealer too; a clipboard that
// holds no deal changes nothing and says so.
TEST_F(Editeur, APastedDealIsTheOneValiderGives) {
    s.load();
    const std::string fj = "3111414246321023441737123425161314243521204022362726301543334745";
    const auto vierge = s.compo.carte;
    banc.pf->copie("bonjour"); // which texts hold a deal is the shared deal's own test
    s.Form_KeyDown(touche_caractere('V'), maj::Ctrl);
    EXPECT_EQ(s.compo.carte, vierge);
    EXPECT_NE(s.manque, "");
    banc.pf->copie(" " + partage(fj, 3) + "\n");
    s.Form_KeyDown(touche_caractere('V'), maj::Ctrl);
    EXPECT_EQ(s.manque, "");
    s.boutok_Click();
    EXPECT_EQ(s.reponse, ReponseSpecial::valider);
    EXPECT_EQ(paquet.fauxjeu, fj);
    EXPECT_EQ(paquet.donneurfauxjeu, 3);
}

// Valider with cards still in the pack says which.
TEST_F(Editeur, ValiderSaysWhichCardsAreMissing) {
    paquet.fauxjeu = "1011121314151617202122232425262730313233343536374041424344454647";
    s.load();
    for (int i = 0; i <= 32; ++i)
        if (s.compo.carte[static_cast<std::size_t>(i)] == code(pique, sept)) s.compo.retire(i);
    s.boutok_Click();
    EXPECT_EQ(s.reponse, ReponseSpecial::aucune);
    EXPECT_EQ(s.manque, "Il manque une carte\u00a0: 7 \u2660");
    s.videtout();
    s.boutok_Click();
    EXPECT_EQ(s.manque.rfind("Il manque 32 cartes\u00a0: 7 \u2660, 8 \u2660,", 0), 0u) << s.manque;
}

// Puts every card of the pack in the first group that still has room, the way a user fills the form.
void remplit(Composition& c) {
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r)
            for (int k = 0; k <= 8 && !c.placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
                 ++k) {
                c.joueurchoix = k;
                c.place(s, r);
            }
}

TEST(Composition, AFullGroupOrANewNonSlotLeavesTheCardInThePack) {
    Composition c;
    c.charge("", 1); // Est follows the dealer: its rest has two usable slots
    c.joueurchoix = 6;
    c.place(1, 0);
    c.place(1, 1);
    c.place(1, 2);
    EXPECT_EQ(c.carte[24], code(pique, sept));
    EXPECT_EQ(c.carte[25], code(pique, huit));
    EXPECT_EQ(c.carte[26], Composition::Non);
    EXPECT_FALSE(c.placee[1][2]);
    c.place(1, 0); // already placed: nothing
    EXPECT_EQ(std::count(c.carte.begin(), c.carte.end(), 0), 33 - 3);
    // A new dealer sends the card of the new NON slot back to the pack.
    c.videtout();
    c.joueurchoix = 7; // rest of Nord
    for (int r = 0; r < 3; ++r) c.place(4, r);
    EXPECT_EQ(c.carte[29], code(coeur, neuf));
    c.changedonneur(1); // Est deals: Nord follows
    EXPECT_EQ(c.carte[29], Composition::Non);
    EXPECT_EQ(c.carte[26], 0);
    EXPECT_FALSE(c.placee[4][2]);
    EXPECT_TRUE(c.placee[4][1]);
}

// The dealer and the slot of the rest that holds "NON": the third of the seat after the dealer. It stays
// there when the deal opened is damaged, when it is clicked and when the form is emptied.
class Dealers : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Dealers, NonOnTheThirdRestSlotAfterTheDealerAndAValidatedDealComesBackInTheSameSlots) {
    const auto [d, non] = GetParam();
    Composition c;
    c.charge("1011xx", d);
    EXPECT_TRUE(c.placee[1][0] && c.placee[1][1] && !c.complete());
    c.retire(non);
    for (int i = 21; i <= 32; ++i)
        EXPECT_EQ(c.carte[static_cast<std::size_t>(i)] == Composition::Non, i == non) << i;
    remplit(c);
    const std::string f = c.valide();
    ASSERT_EQ(f.size(), 64u);
    Composition r;
    r.charge(f, d);
    EXPECT_EQ(r.carte, c.carte);
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.donneur, d - 1);
    EXPECT_EQ(r.fabriquefauxjeu(d), f);
    r.videtout();
    EXPECT_EQ(std::count(r.carte.begin(), r.carte.end(), 0), 32);
    EXPECT_EQ(r.carte[static_cast<std::size_t>(non)], Composition::Non);
}

INSTANTIATE_TEST_SUITE_P(Donneurs, Dealers,
                         ::testing::Values(std::pair{1, 26}, std::pair{2, 29}, std::pair{3, 32},
                                           std::pair{4, 23}));

} // namespace
} // namespace tlv::essai
