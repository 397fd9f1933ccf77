// Measures the platform: how long `monrefresh` lasts (at least 15 ms, not much more) and how long a full
// frame takes to compose and send, on the real clock; then, on the virtual clock, what the frames cost
// (window pixels resampled, rectangles sent, clip frames sent again from memory), the rendered texts kept,
// the pixels a freed picture gives back and how often the tune's device wakes. Run it under a display (or the
// dummy driver). `--couts`: the costs only; `--durees`: the timings only (`--fenetre`: in a window).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/animation.h"
#include "platform/audio.h"
#include "platform/fenetre.h"
#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/retouche.h"
#include "platform/robot.h"
#include "platform/texte.h"

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

// Notes the part of the screen each composition redraws.
struct Temoin : tlv::Form {
    Temoin(tlv::Plateforme& p, int w, int h) : Form(p, w, h) {}
    void dessine(tlv::Surface& ecran) override {
        const tlv::Rect& z = ecran.zone();
        pixels += static_cast<long long>(z.w) * z.h;
        Form::dessine(ecran);
    }
    long long pixels = 0;
};

void resume(const char* quoi, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%-34s min %6.2f ms  médiane %6.2f ms  p95 %6.2f ms  max %6.2f ms  (%zu mesures)\n", quoi,
                v.front(), v[v.size() / 2], v[v.size() * 95 / 100], v.back(), v.size());
}

void durees(bool fenetre) {
    tlv::OptionsPlateforme o;
    o.fenetre = fenetre;
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
}

// A platform that composes and sends on the virtual clock at a display size, with a full screen below.
struct Banc {
    Banc(int w, int h) {
        setenv("TLV_ROBOT_AFFICHE", "1", 1);
        robot.commandes(tlv::Robot::analyse("attends\n"));
        tlv::OptionsPlateforme o;
        o.robot = &robot;
        o.ecran_largeur = w, o.ecran_hauteur = h;
        pf = std::make_unique<tlv::Plateforme>(o);
        fond = std::make_unique<Temoin>(*pf, 640, 480);
        fond->place(pf->decalagex(), pf->decalagey());
        pf->montre_sans_attendre(*fond);
        pf->doevents();
        pf->doevents();
    }
    ~Banc() {
        fond.reset();
        pf.reset();
        unsetenv("TLV_ROBOT_AFFICHE");
    }
    void tache(int x, int y, int w, int h, std::uint32_t c) {
        tlv::fill(fond->image, x, y, w, h, c);
        pf->invalide(tlv::Rect{fond->left + x, fond->top + y, w, h});
    }
    // What the frame after `f` costs.
    tlv::Envois cout(const std::function<void()>& f) {
        const tlv::Envois a = pf->envois();
        f();
        pf->doevents();
        const tlv::Envois b = pf->envois();
        return {b.calcules - a.calcules, b.rectangles - a.rectangles, b.reprises - a.reprises};
    }
    tlv::Robot robot;
    std::unique_ptr<tlv::Plateforme> pf;
    std::unique_ptr<Temoin> fond;
};

// The launcher's clip: after one turn of its loop, its frames come from memory.
void clip(Banc& b) {
    tlv::Animation a(*b.pf);
    a.x = 1, a.y = 216, a.w = 310, a.h = 48;
    if (!a.Open("cartef00")) {
        std::printf("  (clip cartef00 introuvable)\n");
        return;
    }
    b.fond->controles = {&a};
    a.Play();
    const int n = a.nombre_images();
    const auto tour = [&] {
        return b.cout([&] {
            for (int i = 0; i < n; ++i) b.pf->attend_ms(1000 / tlv::Animation::ImagesParSeconde);
        });
    };
    const tlv::Envois premier = tour(), second = tour();
    std::printf("  clip de %d images, 1er tour     %3d reprises,  %8lld pixels recalculés\n", n,
                premier.reprises, premier.calcules);
    std::printf("  clip, 2e tour                    %3d reprises,  %8lld pixels recalculés\n",
                second.reprises, second.calcules);
    b.fond->controles.clear();
}

void envois(int w, int h) {
    Banc b(w, h);
    std::printf("écran %d x %d (facteur %d)\n", w, h, b.pf->echelle().k);
    const tlv::Envois deux = b.cout([&] {
        b.tache(20, 20, 6, 4, tlv::rgb(255, 0, 0));
        b.tache(600, 440, 6, 4, tlv::rgb(0, 255, 0));
    });
    std::printf("  deux taches 6 x 4 éloignées     %3d rectangles, %8lld pixels recalculés\n",
                deux.rectangles, deux.calcules);
    const tlv::Envois proches = b.cout([&] {
        b.tache(100, 100, 10, 10, tlv::rgb(255, 255, 0));
        b.tache(112, 100, 10, 10, tlv::rgb(0, 255, 255));
        b.tache(300, 300, 1, 1, tlv::rgb(255, 255, 255));
    });
    std::printf("  deux taches voisines et un point %3d rectangles, %8lld pixels recalculés\n",
                proches.rectangles, proches.calcules);
    // A screen wholly above: a change below it is neither composed nor sent.
    Temoin dessus(*b.pf, 640, 480);
    dessus.place(b.pf->decalagex(), b.pf->decalagey());
    b.pf->montre_sans_attendre(dessus);
    b.pf->doevents();
    b.fond->pixels = 0;
    const tlv::Envois cache = b.cout([&] {
        tlv::fill(b.fond->image, 1, 216, 310, 48, tlv::rgb(10, 200, 10));
        b.pf->invalide();
    });
    std::printf("  tache sous un écran entier       %3d rectangles, %8lld pixels recalculés, %lld recomposés "
                "dessous\n",
                cache.rectangles, cache.calcules, b.fond->pixels);
    dessus.hide();
    b.pf->doevents();
    clip(b);
}

// A clock's text printed every second for 25 minutes: the rendered texts kept, against their budget.
void textes() {
    tlv::Polices po(tlv::police_par_defaut());
    if (!po.valide()) {
        std::printf("(pas de police)\n");
        return;
    }
    tlv::Surface s(400, 100, 0, 3);
    std::size_t pic = 0;
    for (int t = 0; t < 1500; ++t) {
        const std::string texte = std::to_string(t / 3600) + ":" + std::to_string(t / 60 % 60 + 10) + ":" +
                                  std::to_string(t % 60 + 10);
        po.imprime(s, 5, 5, texte, 24, tlv::rgb(0, 255, 255));
        pic = std::max(pic, po.octets_rendus());
    }
    std::printf("textes rendus gardés : %zu, au plus %.2f Mio (budget %.2f Mio) sur 1500 textes\n",
                po.nombre_rendus(), pic / 1048576.0, tlv::Polices::BudgetRendus / 1048576.0);
    // A clock redrawn whole in its box: only the digits that moved count as changed.
    const tlv::Rect boite{330, 12, 131, 24};
    const auto horloge = [&](const char* texte) {
        return tlv::retouche(s, boite, [&] {
            tlv::fill(s, boite.x, boite.y, boite.w, boite.h, 0);
            po.imprime(s, boite.x + 4, boite.y, texte, 16, tlv::rgb(0, 255, 255));
        });
    };
    s = tlv::Surface(640, 480, tlv::rgb(0, 80, 0), 3);
    horloge("1:59");
    const tlv::Rect meme = horloge("1:59"), autre = horloge("1:58");
    std::printf("horloge redessinée dans sa boîte de %d x %d : même texte %d x %d, 1:59 puis 1:58 %d x %d\n",
                boite.w, boite.h, meme.w, meme.h, autre.w, autre.h);
}

long rss_kio() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char l[256];
    long v = -1;
    while (f && std::fgets(l, sizeof l, f))
        if (std::sscanf(l, "VmRSS: %ld", &v) == 1) break;
    if (f) std::fclose(f);
    return v;
}

// A closed screen's pictures stop counting: what stays resident once a large picture is freed.
void memoire() {
    for (int tour = 1; tour <= 3; ++tour) {
        const long avant = rss_kio();
        long vivante = 0;
        {
            tlv::Surface s(640, 480, tlv::rgb(1, 2, 3), 4);
            vivante = rss_kio() - avant;
        }
        std::printf("image 640 x 480 au facteur 4, tour %d : %6ld Kio résidents, %6ld Kio après libération\n",
                    tour, vivante, rss_kio() - avant);
    }
}

// How often the tune's device wakes, and whether it has a device of its own.
void son() {
    tlv::Audio a(true, false, nullptr, [] { return std::int64_t{0}; });
    if (!a.ouvert()) {
        std::printf("son : aucun périphérique\n");
        return;
    }
    a.musique("cartem03", true);
    std::printf("son : l'air réveille son périphérique toutes les %d ms (%s)\n", a.periode_musique_ms(),
                a.deux_flux() ? "un périphérique à lui" : "partagé avec les effets");
    a.arrete_musique();
}

} // namespace

int main(int argc, char** argv) {
    const std::string option = argc > 1 ? argv[1] : "";
    if (option != "--couts") durees(option == "--fenetre");
    if (option == "--durees" || option == "--fenetre") return 0;
    std::printf("== Envois à la fenêtre (horloge virtuelle)\n");
    for (const auto& [w, h] : {std::pair{1366, 768}, std::pair{1920, 1080}, std::pair{3840, 2160}})
        envois(w, h);
    std::printf("== Mémoire et son\n");
    textes();
    memoire();
    son();
    return 0;
}
