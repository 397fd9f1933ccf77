// Measures the platform on the real clock: how long `monrefresh` lasts (at least 15 ms, not much more)
// and how long a full frame takes to compose and send. Run it under a display (or the dummy driver).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"

namespace {

struct Damier : tlv::Form {
    explicit Damier(tlv::Plateforme& p) : Form(p, 640, 480) {}
    void change(int n) {
        for (int y = 0; y < 480; y += 16)
            for (int x = 0; x < 640; x += 16)
                tlv::fill(image, x, y, 16, 16,
                          ((x + y) / 16 + n) % 2 ? tlv::rgb(0, 90, 40) : tlv::rgb(20, 120, 60));
    }
};

void resume(const char* quoi, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%-34s min %6.2f ms  médiane %6.2f ms  p95 %6.2f ms  max %6.2f ms  (%zu mesures)\n", quoi,
                v.front(), v[v.size() / 2], v[v.size() * 95 / 100], v.back(), v.size());
}

} // namespace

int main(int argc, char** argv) {
    tlv::OptionsPlateforme o;
    o.fenetre = argc > 1 && std::string(argv[1]) == "--fenetre";
    tlv::Plateforme pf(o);
    Damier d(pf);
    d.place(pf.decalagex(), pf.decalagey());
    d.visible = true;
    // The form is shown without a modal loop: this tool drives the frames itself.
    pf.montre_sans_attendre(d);
    using horloge = std::chrono::steady_clock;
    std::vector<double> refresh, image;
    for (int i = 0; i < 200; ++i) {
        d.change(i);
        const auto t0 = horloge::now();
        pf.monrefresh();
        refresh.push_back(std::chrono::duration<double, std::milli>(horloge::now() - t0).count());
    }
    for (int i = 0; i < 200; ++i) {
        d.change(i);
        pf.invalide();
        const auto t0 = horloge::now();
        pf.doevents();
        image.push_back(std::chrono::duration<double, std::milli>(horloge::now() - t0).count());
    }
    std::printf("écran %d x %d, zoom %d\n", pf.ecran_largeur(), pf.ecran_hauteur(), pf.zoom());
    resume("monrefresh (image entière changée)", refresh);
    resume("image entière composée et envoyée", image);
    return 0;
}
