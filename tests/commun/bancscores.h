#pragma once
// A score folder, shared settings and a robot-fed platform for driving the score screens in-process.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dossiertemp.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"
#include "shell/contexte.h"
#include "shell/creefichiers.h"
#include "shell/reglages.h"
#include "shell/textes.h"
#include "shell/tlvutil.h"

namespace tlv::essai {

class Banc : public ::testing::Test {
  protected:
    void SetUp() override {
        r.scores = std::make_unique<StockageDisque>(dossier.chemin());
        r.repertoire = "./"; // the tests run beside the data files
        r.textes = textes_fixes();
        choisit_tailles(r);
        ASSERT_TRUE(creefichiers(*r.scores));
    }

    // Runs `action` with the script feeding input; false when the script ran out first.
    template <class F> bool joue(const std::string& script, F action) {
        robot.commandes(Robot::analyse(script));
        OptionsPlateforme o;
        o.robot = &robot;
        pf = std::make_unique<Plateforme>(o);
        r.decalagex = pf->decalagex(), r.decalagey = pf->decalagey();
        Tlvutil util(*pf, r);
        Contexte ctx{*pf, r, util, rnd, ""};
        try {
            action(ctx);
        } catch (const Quitter&) {
            return false;
        }
        return true;
    }

    std::string lit(const std::string& nom) const { return test::litbrut(dossier / nom).value_or(""); }
    void ecrit(const std::string& nom, const std::string& contenu) const {
        test::ecritbrut(dossier / nom, contenu);
    }

    test::DossierTemp dossier;
    Reglages r;
    Rnd rnd{1};
    Robot robot;
    std::unique_ptr<Plateforme> pf;
};

} // namespace tlv::essai
