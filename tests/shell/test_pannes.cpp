// Each file the program writes, with its atomic write made to fail at every step in turn, or cut there as
// a kill would: the file is then the old one or the new one, never anything else, and once the next
// start has tidied the folder no temporary file is left.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "dossiertemp.h"
#include "path_game/parties.h"
#include "scores/fichierscores.h"
#include "shell/creefichiers.h"
#include "shell/fichiers.h"
#include "shell/pannes.h"
#include "shell/parametres.h"

namespace tlv {
namespace {

using test::DossierTemp;
using test::litbrut;

struct Cible {
    const char* nom; // the file written
    std::function<bool(const std::string& dossier)> ecrit;
};

const Cible Cibles[] = {
    {"tlvjong0.sco",
     [](const std::string& d) {
         const std::string f = d + "tlvjong0.sco";
         return ecritjong(f, inserejong(litjong(f), 1, formatejong("TOTO", 3, 100)));
     }},
    {"tlvmemo1.sco",
     [](const std::string& d) {
         const std::string f = d + "tlvmemo1.sco";
         return ecritmemo(f, inserememo(litmemo(f), 2, formatememo("Zoé", 42)));
     }},
    {"tlvjong1.sco", [](const std::string& d) { return Parties(d).ajoutepartie("DEUX"); }},
    {"tlvbelo.ini",
     [](const std::string& d) {
         Reglages r;
         r.dossier_scores = d;
         r.tempobelote = 7;
         return sauveparambelote(r);
     }},
};

// A folder as a session leaves it: the score files, a saved game, the settings.
void prepare(const std::string& d) {
    metpanne({});
    ASSERT_TRUE(creefichiers(d));
    ASSERT_TRUE(Parties(d).ajoutepartie("UN"));
    Reglages r;
    r.dossier_scores = d;
    ASSERT_TRUE(sauveparambelote(r));
}

struct Cas {
    const Cible* cible;
    Etape etape;
};
void PrintTo(const Cas& c, std::ostream* os) {
    *os << c.cible->nom << "/" << static_cast<int>(c.etape);
}

class Panne : public ::testing::TestWithParam<Cas> {
  protected:
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
    const Cible& cible() const { return *GetParam().cible; }
    std::string nom() const { return cible().nom; }
    DossierTemp d;
    std::string ancien, nouveau;
    std::set<std::string> noms;
};

TEST_P(Panne, TheFileIsTheOldOrTheNewOneAndNoTemporaryIsLeft) {
    // The saved games pass each step up to three times (their "tlvtempo", the last rename, a fallback).
    for (int rang = 1; rang <= 3; ++rang) {
        SCOPED_TRACE(rang);
        test::ecritbrut(d / nom(), ancien);
        metpanne({GetParam().etape, rang, ENOSPC, false});
        errno = 0;
        const bool ok = cible().ecrit(d.chemin());
        const int erreur = errno;
        metpanne({});
        EXPECT_EQ(litbrut(d / nom()), ok ? nouveau : ancien);
        // The player is told why: the injected reason survives the cleaning up.
        if (!ok) {
            EXPECT_EQ(erreur, ENOSPC);
        }
        // Once renamed the file is new, even if the folder would not sync.
        if (GetParam().etape == Etape::SynchroDossier) {
            EXPECT_TRUE(ok);
        } else if (rang == 1 && nom() != fichierparties) {
            EXPECT_FALSE(ok); // a file written once fails at its first failing step
        }
        EXPECT_EQ(test::contenudossier(d.chemin()), noms);
    }
}

// Cut there, as a kill leaves it; the next start's tidying must leave the old or the new file alone,
// and a complete "tlvtempo" of the saved games means the new list.
TEST_P(Panne, CutThereTheNextStartFindsTheOldOrTheNewFileAndNothingElse) {
    for (int rang = 1; rang <= 2; ++rang) {
        SCOPED_TRACE(rang);
        test::ecritbrut(d / nom(), ancien);
        const pid_t pid = ::fork();
        if (pid == 0) {
            metpanne({GetParam().etape, rang, EIO, true});
            cible().ecrit(d.chemin());
            ::_exit(3); // the cut was never reached
        }
        int etat = 0;
        ASSERT_EQ(::waitpid(pid, &etat, 0), pid);
        ASSERT_TRUE(WIFEXITED(etat));
        if (WEXITSTATUS(etat) == 3) continue;
        const bool tempo = std::filesystem::exists(d / fichiertempo);
        const auto avant = litbrut(d / nom());
        EXPECT_TRUE(avant == ancien || avant == nouveau);
        ASSERT_TRUE(creefichiers(d.chemin()));
        const auto apres = litbrut(d / nom());
        EXPECT_EQ(apres, tempo ? nouveau : avant);
        EXPECT_EQ(test::contenudossier(d.chemin()), noms);
    }
}

std::vector<Cas> tous() {
    std::vector<Cas> v;
    for (const Cible& c : Cibles)
        for (Etape e :
             {Etape::Ouverture, Etape::Ecriture, Etape::Synchro, Etape::Renommage, Etape::SynchroDossier})
            v.push_back({&c, e});
    return v;
}

std::string nomcas(const ::testing::TestParamInfo<Cas>& i) {
    static const char* const etapes[] = {"ouverture", "ecriture", "synchro", "renommage", "synchro_dossier"};
    std::string n = i.param.cible->nom;
    std::replace(n.begin(), n.end(), '.', '_');
    return n + "_" + etapes[static_cast<int>(i.param.etape)];
}

INSTANTIATE_TEST_SUITE_P(Fichiers, Panne, ::testing::ValuesIn(tous()), nomcas);

// The saved games reach their file by a second rename; the folder is synced after it too, or a power cut
// could leave them in "tlvtempo" with the rename lost.
TEST(PanneParties, TheLastRenameIsMadeDurable) {
    DossierTemp d;
    prepare(d.chemin());
    const pid_t pid = ::fork();
    if (pid == 0) {
        metpanne({Etape::SynchroDossier, 2, EIO, true});
        Parties(d.chemin()).ajoutepartie("DEUX");
        ::_exit(3);
    }
    int etat = 0;
    ASSERT_EQ(::waitpid(pid, &etat, 0), pid);
    EXPECT_EQ(WEXITSTATUS(etat), 0) << "no folder sync after the last rename";
    EXPECT_EQ(litbrut(d / fichierparties),
              lignepartie("UN", -1, 0) + "\r\n" + lignepartie("DEUX", -1, 0) + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(d / fichiertempo));
}

} // namespace
} // namespace tlv
