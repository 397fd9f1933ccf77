// A Belote match cut anywhere (the window closed, or the program killed) and taken up again by a second run
// writes, across both runs, the very journal of the match played through.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>

#include "robot.h"

namespace tlv::essai {
namespace {

// Entrée plays the first card the rules accept, passes in the bidding and hurries every pause: what Sud
// does depends on the table only, never on where in the script the run stands.
std::string entrees(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "touche Entree\nattends\n";
    return s;
}
const std::string Nouvelle = "attends\nclic 400 30\nattends\nclic 320 130\nattends\n";
const std::string Continuer = "attends\nclic 400 30\nattends\nclic 320 60\nattends\n";

// The journal up to the end of its first match.
std::string premiere(const std::string& journal) {
    const auto r = journal.find("resultat ");
    return r == std::string::npos ? journal : journal.substr(0, journal.find('\n', r) + 1);
}

// The kind of the last line a run wrote: where in the deal it was cut.
std::string derniere(const std::string& journal) {
    const auto fin = journal.find_last_of('\n', journal.size() - 2);
    const std::string l = journal.substr(fin == std::string::npos ? 0 : fin + 1);
    return l.substr(0, l.find(' '));
}

std::string point(const Programme& p) {
    const std::string s = p.fichier(p.scores() + "tlvbelote.partie");
    const auto i = s.find("\npoint ");
    return i == std::string::npos ? "" : s.substr(i + 7, 1);
}

class Reprise : public ::testing::Test {
  protected:
    void SetUp() override {
        Programme p;
        const std::string j = p.dossier() + "/j";
        ASSERT_EQ(p.lance(Nouvelle + entrees(400), "--graine 7 --journal " + j).code, 0);
        entiere = premiere(p.fichier(j));
        ASSERT_NE(entiere.find("resultat "), std::string::npos);
    }
    // The second run takes the match up and plays it out.
    void reprend(const Programme& p, const std::string& j) {
        const auto r = p.lance(Continuer + entrees(400), "--graine 3 --journal " + j);
        ASSERT_EQ(r.code, 0) << r.erreurs;
        EXPECT_EQ(premiere(p.fichier(j)), entiere);
        EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie"), "") << "a finished match leaves no save";
    }
    std::string entiere;
};

// Closed in the bidding (the last deal's pad just written), as a trick starts and in the middle of one.
TEST_F(Reprise, CutAtTenPointsTheTwoRunsWriteTheWholeMatchsJournal) {
    std::set<std::string> coupes;
    for (int k : {1, 4, 9, 15, 22, 30, 39, 48, 57, 64}) {
        SCOPED_TRACE(k);
        Programme p;
        const std::string j = p.dossier() + "/j";
        ASSERT_EQ(p.lance(Nouvelle + entrees(k), "--graine 7 --journal " + j).code, 0);
        ASSERT_EQ(point(p), "0") << "saved where Sud was awaited";
        coupes.insert(derniere(p.fichier(j)));
        reprend(p, j);
    }
    EXPECT_EQ(coupes, (std::set<std::string>{"donne", "annonces", "pli"}));
}

// Killed right after the 40th card it played with a sound, mid-trick or mid-deal.
TEST_F(Reprise, KilledTheMatchComesBackAsIfNothingHappened) {
    Programme p;
    const std::string j = p.dossier() + "/j", script = p.script(Nouvelle + entrees(400));
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tube[1], STDOUT_FILENO);
        close(tube[0]);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const std::string d = p.dossier();
        execl("./tolvanex", "tolvanex", "--robot", script.c_str(), "--dossier-scores", d.c_str(), "--graine",
              "7", "--journal", j.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    FILE* sortie = fdopen(tube[0], "r");
    char ligne[512];
    for (int cartes = 0; cartes < 40 && std::fgets(ligne, sizeof ligne, sortie);)
        cartes += std::string(ligne) == "effet cartew07\n";
    kill(pid, SIGKILL);
    int etat = 0;
    waitpid(pid, &etat, 0);
    std::fclose(sortie);
    ASSERT_TRUE(WIFSIGNALED(etat)) << "the match ended before the kill";
    ASSERT_NE(point(p), "");
    reprend(p, j);
}

// A saved match cut short, or bytes of no match at all: Belote opens with nothing to continue (the
// menu's first line gives nothing), and the file is set aside whole, never removed.
TEST(SauvegardeAbimee, IsSetAsideAndNeverResumed) {
    Programme a;
    ASSERT_EQ(a.lance(Nouvelle + entrees(20), "--graine 7").code, 0);
    const std::string vraie = a.fichier(a.scores() + "tlvbelote.partie");
    ASSERT_GT(vraie.size(), 100u);
    for (const std::string& abimee : {vraie.substr(0, vraie.size() - 2), vraie.substr(0, 60),
                                      std::string("\x89PNG\r\n\x1a\n\0\xff", 10)}) {
        Programme p;
        const std::string j = p.dossier() + "/j";
        ASSERT_EQ(p.lance("attends\n", "").code, 0);
        {
            std::ofstream f(p.scores() + "tlvbelote.partie", std::ios::binary);
            f << abimee;
        }
        ASSERT_EQ(p.lance(Continuer + "clic 320 60\nattends\n", "--journal " + j).code, 0);
        EXPECT_EQ(p.fichier(j), "") << "no match was played";
        EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie.abimee"), abimee);
        EXPECT_EQ(p.fichier(p.scores() + "tlvbelote.partie"), "");
    }
}

} // namespace
} // namespace tlv::essai
