#include "chrono.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace tlv {

namespace {
// Milliseconds since the process started, from the kernel's start time of the process.
double depuis_lancement() {
    std::ifstream f("/proc/self/stat");
    std::string tout;
    std::getline(f, tout);
    const auto p = tout.rfind(')');
    if (p == std::string::npos) return -1;
    std::istringstream champs(tout.substr(p + 2));
    std::string c;
    unsigned long long debut = 0;
    for (int i = 3; i <= 22 && champs >> c; ++i)
        if (i == 22) debut = std::stoull(c);
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    const double maintenant = t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
    return maintenant - 1000.0 * static_cast<double>(debut) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool actif() {
    static const bool a = std::getenv("TLV_CHRONO") != nullptr;
    return a;
}

double maintenant_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}
} // namespace

void jalon(const char* quoi) {
    if (!actif()) return;
    std::fprintf(stderr, "chrono %7.1f ms  %s\n", depuis_lancement(), quoi);
}

Duree::Duree(const char* quoi) : quoi_(quoi), debut_(actif() ? maintenant_ms() : 0) {}

Duree::~Duree() {
    if (actif()) std::fprintf(stderr, "chrono-pas %.3f ms  %s\n", maintenant_ms() - debut_, quoi_);
}

} // namespace tlv
