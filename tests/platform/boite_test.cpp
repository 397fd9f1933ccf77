// Our message box answers OK or Annuler from the mouse, the keyboard or its close box.
#include <gtest/gtest.h>

#include <memory>

#include "platform/boite_message.h"
#include "platform/curseurs.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/robot.h"

namespace tlv {
namespace {

struct Cas {
    const char* script;
    bool annuler; // the box offers Annuler
    bool attendu;
};

class Boite : public ::testing::TestWithParam<Cas> {};

TEST_P(Boite, AnswersAsThePlayerChose) {
    Robot robot;
    robot.commandes(Robot::analyse(GetParam().script));
    OptionsPlateforme o;
    o.robot = &robot;
    Plateforme pf(o);
    pf.curseur(Curseur::Attente);
    EXPECT_EQ(boite_message(pf, "Confirmez l'effacement de\r\nJEAN", "Quadrel", GetParam().annuler),
              GetParam().attendu);
    // The waiting cursor comes back once the box is gone.
    EXPECT_EQ(pf.curseur_actuel(), Curseur::Attente);
    EXPECT_EQ(pf.dessus(), nullptr);
}

// A two-line box with both buttons is 260 wide and centred: OK sits around (268, 280), Annuler around
// (372, 280) in play-area pixels.
INSTANTIATE_TEST_SUITE_P(
    Reponses, Boite,
    ::testing::Values(Cas{"attends\ntouche Entree\nattends\n", true, true},
                      Cas{"attends\ntouche Echap\nattends\n", true, false},
                      Cas{"attends\ntouche Echap\nattends\n", false, true},
                      Cas{"attends\nclic 268 280\nattends\n", true, true},
                      Cas{"attends\nclic 372 280\nattends\n", true, false},
                      Cas{"attends\nclic 10 10\nattends\ntouche Entree\nattends\n", true, true},
                      // Entrée chooses the button the keys moved to; OK first.
                      Cas{"attends\ntouche Bas\ntouche Entree\nattends\n", true, false},
                      Cas{"attends\ntouche Droite\ntouche Bas\ntouche Entree\nattends\n", true, true},
                      Cas{"attends\ntouche Bas\ntouche Entree\nattends\n", false, true}));

} // namespace
} // namespace tlv
