// Started by the tests as the game starts other programs: writes what it inherited into the file named by
// its argument, "ignores: <signals>", "bloques: <signals>", "fd: <descriptors>", one line each.
#include <dirent.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
void ajoute(std::string& liste, const std::string& mot) {
    liste.append(1, ' ').append(mot);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::string ignores, bloques, fd;
    sigset_t masque;
    sigprocmask(SIG_BLOCK, nullptr, &masque);
    for (int s = 1; s < NSIG; ++s) {
        struct sigaction a {};
        if (sigaction(s, nullptr, &a) == 0 && a.sa_handler == SIG_IGN) ajoute(ignores, std::to_string(s));
        if (sigismember(&masque, s) == 1) ajoute(bloques, std::to_string(s));
    }
    // Before any file of our own is opened; the folder's own descriptor is left out.
    DIR* d = opendir("/proc/self/fd");
    if (!d) return 2;
    while (const dirent* e = readdir(d))
        if (e->d_name[0] != '.' && std::atoi(e->d_name) != dirfd(d)) ajoute(fd, e->d_name);
    closedir(d);
    const std::string provisoire = std::string(argv[1]) + ".part";
    FILE* f = std::fopen(provisoire.c_str(), "w");
    if (!f) return 2;
    std::fprintf(f, "ignores:%s\nbloques:%s\nfd:%s\n", ignores.c_str(), bloques.c_str(), fd.c_str());
    std::fclose(f);
    return std::rename(provisoire.c_str(), argv[1]) == 0 ? 0 : 2;
}
