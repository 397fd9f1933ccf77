// Programs the game starts (the volume control, the web page opener) get a clean process: default signal
// dispositions, nothing blocked, no descriptor of ours. And what the platform keeps open is close-on-exec.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "dossiertemp.h"
#include "platform/audio.h"
#include "platform/image.h"
#include "platform/systeme.h"
#include "platform/texte.h"

namespace tlv {
namespace {

// The open descriptors above 2, each with what it opens.
std::map<int, std::string> descripteurs() {
    std::map<int, std::string> v;
    DIR* d = ::opendir("/proc/self/fd");
    while (const dirent* e = ::readdir(d)) {
        const int fd = std::atoi(e->d_name);
        if (e->d_name[0] == '.' || fd <= 2 || fd == ::dirfd(d)) continue;
        std::error_code ec;
        v[fd] = std::filesystem::read_symlink("/proc/self/fd/" + std::string(e->d_name), ec).string();
    }
    ::closedir(d);
    return v;
}

TEST(Lancement, TheChildInheritsNoSignalStateAndNoDescriptor) {
    test::DossierTemp d;
    // What a game process may have: signals ignored and blocked, a descriptor opened without O_CLOEXEC.
    const auto ancien_int = ::signal(SIGINT, SIG_IGN);
    sigset_t bloques, avant;
    sigemptyset(&bloques);
    sigaddset(&bloques, SIGUSR1);
    sigaddset(&bloques, SIGTERM);
    ::sigprocmask(SIG_BLOCK, &bloques, &avant);
    const int fuite = ::open((d / "ouvert").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fuite, 0);

    // Bash (dash clears the blocked signals) notes what its children inherit: the signals blocked and ignored
    // (1 to 28, the masks' last seven digits: the C library keeps some above for itself), the descriptors
    // (the 3 is the folder ls reads). Written aside, then renamed: the file appears whole.
    const std::string sortie = d / "etat";
    const bool lance = lance_programme(
        "bash",
        {"-c",
         "{ awk '/^Sig(Blk|Ign)/ { print $1, substr($2, 10) }' /proc/self/status; ls /proc/self/fd; } "
         ">\"$0.part\" && mv \"$0.part\" \"$0\"",
         sortie});

    ::close(fuite);
    ::sigprocmask(SIG_SETMASK, &avant, nullptr);
    ::signal(SIGINT, ancien_int);
    ::signal(SIGCHLD, SIG_DFL);
    ASSERT_TRUE(lance);
    // The child is not waited for: its file appears when it is done.
    for (int i = 0; i < 1000 && !std::filesystem::exists(sortie); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(test::litbrut(sortie), "SigBlk: 0000000\nSigIgn: 0000000\n0\n1\n2\n3\n");
}

// Fonts, music (while its decoder reads it), sounds, pictures and the lock: whatever stays open is closed
// when another program starts. xdg-utils is only recommended: without xdg-open on PATH the web page is told
// unopened, for a box to say so.
TEST(Lancement, TheWebPageIsNotOpenedWithoutXdgOpen) {
    test::DossierTemp vide;
    const std::string avant = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", vide.chemin().c_str(), 1);
    const bool ouverte = ouvre_url("https://exemple.fr/");
    ::setenv("PATH", avant.c_str(), 1);
    EXPECT_FALSE(ouverte);
}

TEST(Descripteurs, EveryFileThePlatformKeepsOpenIsCloseOnExec) {
    // Those the test was started with are not ours.
    const auto avant = descripteurs();
    test::DossierTemp d;
    VerrouInstance verrou(d / "tolvanex.lock");
    ASSERT_TRUE(verrou.tenu());
    Polices po(police_texte());
    ASSERT_TRUE(po.valide());
    Audio audio(true, false);
    audio.musique("cartem00", true);
    audio.effet("cartew00");
    ASSERT_TRUE(charge_image("cartei00", 1));
    bool police = false;
    for (const auto& [fd, cible] : descripteurs()) {
        if (avant.count(fd)) continue;
        EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << cible;
        police = police || cible == std::filesystem::canonical(police_texte()).string();
    }
    EXPECT_TRUE(police) << "the font is kept open";
}

} // namespace
} // namespace tlv
