#include "systeme.h"

#include <SDL.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <unistd.h>

extern char** environ;

namespace tlv {

bool ouvre_url(const std::string& url) {
    return SDL_OpenURL(url.c_str()) == 0;
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
    // The child must not inherit our lock or our audio device.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int r = posix_spawnp(&pid, nom.c_str(), &actions, nullptr, argv.data(), environ);
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
