#include "systeme.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <unistd.h>

extern char** environ;

namespace tlv {

bool ouvre_url(const std::string& url) {
    // Through our own spawn rather than SDL_OpenURL, which waits for a child of its own: with SIGCHLD
    // ignored here that wait fails, and its child would inherit our signal state.
    return lance_programme("xdg-open", {url});
}

bool lance_programme(const std::string& nom, const std::vector<std::string>& arguments) {
    // Children are never waited for: let the system reap them.
    signal(SIGCHLD, SIG_IGN);
    std::vector<std::string> a{nom};
    a.insert(a.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& s : a) argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The child gets no stdin of ours and no other descriptor (lock, fonts, music, audio device), even
    // one a library opened without close-on-exec.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    // Nor our signal state: every disposition back to default (SIGCHLD is ignored here), nothing blocked.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t tous, aucun;
    sigfillset(&tous);
    sigemptyset(&aucun);
    posix_spawnattr_setsigdefault(&attr, &tous);
    posix_spawnattr_setsigmask(&attr, &aucun);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    const int r = posix_spawnp(&pid, nom.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return r == 0;
}

VerrouInstance::VerrouInstance(const std::string& fichier) {
    fd_ = ::open(fichier.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // flock needs no write access: a lock file left by another account still serves.
    if (fd_ < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd_ = ::open(fichier.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        occupe_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

VerrouInstance::~VerrouInstance() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace tlv
