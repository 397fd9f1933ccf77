// How long the resampler takes to bring the composed picture to the display's size: a whole play area and
// one card's rectangle, at the three factors full screens use. Prints the median CPU time of the thread
// (steadier than the wall clock on a busy machine) and a checksum of the pixels, so that a faster version
// can be seen to give the same picture. Not a test: timings are printed, never asserted.
// Usage: bench-reechantillonne [repetitions]
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "platform/reechantillonne.h"

namespace {

double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Something like a composed table: flat cloth, cards with hard edges, a few noisy patches (text, faces).
tlv::Surface table(int k) {
    tlv::Surface s(640, 480, tlv::rgb(0, 90, 40), k);
    std::mt19937 g(12345);
    for (int i = 0; i < 40; ++i) {
        const int x = static_cast<int>(g() % 600), y = static_cast<int>(g() % 420);
        tlv::fill(s, x, y, 71, 96, tlv::rgb(250, 250, 245));
        tlv::cadre(s, x, y, 71, 96, 0);
    }
    for (int py = 0; py < s.hauteur_px(); ++py) {
        std::uint32_t* l = s.ligne(py);
        for (int px = 0; px < s.largeur_px(); ++px)
            if ((px / 97 + py / 61) % 5 == 0) l[px] = g() & 0xFFFFFFu;
    }
    return s;
}

struct Cas {
    const char* nom;
    int k, dw, dh;
};

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const Cas cas[] = {{"k2 1280x960 -> 1024x768", 2, 1024, 768},
                       {"k3 1920x1440 -> 1440x1080", 3, 1440, 1080},
                       {"k4 2560x1920 -> 2880x2160", 4, 2880, 2160}};
    for (const Cas& c : cas) {
        const tlv::Surface src = table(c.k);
        tlv::Reechantillonneur r;
        r.prepare(src.largeur_px(), src.hauteur_px(), c.dw, c.dh);
        std::vector<std::uint32_t> sortie(static_cast<std::size_t>(c.dw) * c.dh);
        // A card-sized rectangle of the play area at odd places, as the screen sends after a card moves.
        const tlv::Rect carte{213 * c.k, 97 * c.k, 100 * c.k, 150 * c.k};
        const tlv::Rect zones[2] = {tlv::Rect{0, 0, c.dw, c.dh}, r.couvre(carte)};
        const char* noms[2] = {"aire entière", "carte 100x150"};
        for (int z = 0; z < 2; ++z) {
            const tlv::Rect d = zones[z];
            std::vector<double> t;
            for (int i = 0; i < n; ++i) {
                const double t0 = cpu_ms();
                r.calcule(src, d, sortie.data() + static_cast<std::ptrdiff_t>(d.y) * c.dw + d.x, c.dw);
                t.push_back(cpu_ms() - t0);
            }
            std::sort(t.begin(), t.end());
            std::uint64_t h = 1469598103934665603ull;
            for (int y = d.y; y < d.y + d.h; ++y)
                for (int x = d.x; x < d.x + d.w; ++x)
                    h = (h ^ sortie[static_cast<std::size_t>(y) * c.dw + x]) * 1099511628211ull;
            std::printf("%-27s %-14s %4dx%-4d  médiane %7.3f ms  min %7.3f ms  somme %016llx\n", c.nom,
                        noms[z], d.w, d.h, t[t.size() / 2], t.front(), static_cast<unsigned long long>(h));
        }
    }
    return 0;
}
