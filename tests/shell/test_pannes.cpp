// Both ways the program writes its files (one atomic write, as scores and settings are; the saved games
// through "tlvtempo"), made to fail at every step in turn, or cut there as a kill would: the file is then
// the old one or the new one, never anything else, and no temporary file is left (after the next start's
// tidying, for a cut).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "dossiertemp.h"
#include "quadrel/regles/parties.h"
#include "scores/fichierscores.h"
#include "shell/creefichiers.h"
#include "shell/fichiers.h"
#include "shell/pannes.h"
#include "shell/parametres.h"

namespace tlv {
using namespace tlv::quadrel;
namespace {

using test::DossierTemp;
using test::litbrut;

struct Cible {
    const char* nom;
    std::function<Resultat(const std::string& dossier)> ecrit; // the new contents
};

const Cible Scores{"tlvjong0.sco", [](const std::string& d) {
                       StockageDisque s(d);
                       return ecritjong(s, fichierjong,
                                        inserejong(litjong(s, fichierjong), 1, formatejong("TOTO", 3, 100)));
                   }};
const Cible Sauvegardes{"tlvjong1.sco", [](const std::string& d) {
                            StockageDisque s(d);
                            return Parties(s).ajoutepartie("DEUX");
                        }};
using Cas = std::tuple<const Cible*, Etape>;

class Panne : public ::testing::TestWithParam<Cas> {
  protected:
    // A folder as a session leaves it: the score files, a saved game, the settings.
    static void prepare(const std::string& d) {
        metpanne({});
        Reglages r;
        r.scores = std::make_unique<StockageDisque>(d);
        ASSERT_TRUE(creefichiers(*r.scores));
        ASSERT_TRUE(Parties(*r.scores).ajoutepartie("UN"));
        lisparambelote(r); // writes the default
    }
    void SetUp() override {
        prepare(d.chemin());
        ancien = litbrut(d / nom()).value();
        noms = test::contenudossier(d.chemin());
        DossierTemp ref;
        prepare(ref.chemin());
        ASSERT_TRUE(cible().ecrit(ref.chemin()));
        nouveau = litbrut(ref / nom()).value();
        ASSERT_NE(ancien, nouveau);
    }
    void TearDown() override { metpanne({}); }
    const Cible& cible() const { return *std::get<0>(GetParam()); }
    Etape etape() const { return std::get<1>(GetParam()); }
    std::string nom() const { return cible().nom; }
    DossierTemp d;
    std::string ancien, nouveau;
    std::set<std::string> noms;
};

TEST_P(Panne, TheFileIsTheOldOrTheNewOneAndNoTemporaryIsLeft) {
    // The saved games pass a step up to three times (their "tlvtempo", the last rename, a fallback).
    for (int rang = 1; rang <= 3; ++rang) {
        SCOPED_TRACE(rang);
        test::ecritbrut(d / nom(), ancien);
        metpanne({etape(), rang, ENOSPC, false});
        const Resultat resultat = cible().ecrit(d.chemin());
        const bool ok = resultat.ok();
        metpanne({});
        EXPECT_EQ(litbrut(d / nom()), ok ? nouveau : ancien);
        EXPECT_EQ(test::contenudossier(d.chemin()), noms);
        if (etape() == Etape::SynchroDossier) {
            EXPECT_TRUE(ok); // renamed is written, though the folder would not sync
        } else if (!ok) {
            EXPECT_EQ(resultat.erreur(), ENOSPC); // the reason the player is told survives the cleaning up
        } else {
            EXPECT_TRUE(rang > 1 || &cible() == &Sauvegardes) << "the first failing step did not fail";
        }
    }
}

TEST_P(Panne, CutThereTheNextStartFindsTheOldOrTheNewFileAndNothingElse) {
    for (int rang = 1; rang <= 2; ++rang) {
        SCOPED_TRACE(rang);
        test::ecritbrut(d / nom(), ancien);
        const pid_t pid = ::fork();
        if (pid == 0) {
            metpanne({etape(), rang, EIO, true});
            (void)cible().ecrit(d.chemin());
            ::_exit(3); // the cut was never reached
        }
        int etat = 0;
        ASSERT_EQ(::waitpid(pid, &etat, 0), pid);
        // The saved games are renamed twice, and the folder synced after each, the last one too.
        const bool deuxfois = &cible() == &Sauvegardes && etape() >= Etape::Renommage;
        ASSERT_TRUE(WIFEXITED(etat));
        ASSERT_TRUE(WEXITSTATUS(etat) == 0 || (WEXITSTATUS(etat) == 3 && rang > 1 && !deuxfois));
        if (WEXITSTATUS(etat) == 3) continue;
        const bool tempo = std::filesystem::exists(d / fichiertempo);
        const auto avant = litbrut(d / nom());
        EXPECT_TRUE(avant == ancien || avant == nouveau);
        StockageDisque disque(d.chemin());
        ASSERT_TRUE(creefichiers(disque));
        // A complete "tlvtempo" is the newest list.
        EXPECT_EQ(litbrut(d / nom()), tempo ? nouveau : avant);
        EXPECT_EQ(test::contenudossier(d.chemin()), noms);
    }
}

std::string nomcas(const ::testing::TestParamInfo<Cas>& i) {
    static const char* const etapes[] = {"ouverture", "ecriture", "synchro", "renommage", "synchro_dossier"};
    const std::string n = std::get<0>(i.param)->nom;
    return n.substr(0, n.find('.')) + "_" + etapes[static_cast<int>(std::get<1>(i.param))];
}

INSTANTIATE_TEST_SUITE_P(Fichiers, Panne,
                         ::testing::Combine(::testing::Values(&Scores, &Sauvegardes),
                                            ::testing::Values(Etape::Ouverture, Etape::Ecriture,
                                                              Etape::Synchro, Etape::Renommage,
                                                              Etape::SynchroDossier)),
                         nomcas);

} // namespace
} // namespace tlv
