#include "pause.h"

#include <algorithm>
#include <string>

#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/routage.h"
#include "platform/texte.h"
#include "reglages.h"

namespace tlv {

namespace {

constexpr const char* Titre = "Partie en pause";
constexpr const char* Reprendre = "Cliquez ou appuyez sur une touche pour reprendre";
constexpr int LargeurMax = 520; // the lines' widest, inside the board's frame

// `points`, or less (down to half) for `texte` to fit LargeurMax.
int ajuste(Polices& po, const std::string& texte, int points) {
    int p = points;
    while (p > points / 2 && po.largeur(texte, p) > LargeurMax) --p;
    return p;
}

// The keys every screen shares give way while the notice is up: a key only brings the game back.
struct SansTouchesCommunes {
    Plateforme& pf;
    TouchesCommunes avant;
    explicit SansTouchesCommunes(Plateforme& p) : pf(p), avant(p.installe_touches_communes({})) {}
    ~SansTouchesCommunes() { pf.installe_touches_communes(std::move(avant)); }
    SansTouchesCommunes(const SansTouchesCommunes&) = delete;
    SansTouchesCommunes& operator=(const SansTouchesCommunes&) = delete;
};

} // namespace

AvisPause::AvisPause(Plateforme& p, const Reglages& r, const Surface& table, const Rect& plateau)
    : Form(p, 640, 480) {
    centre_sur_aire();
    image = table;
    // The empty board under the veil the games' notices use, the lines in a box of their own.
    assombrit(image, plateau);
    Polices& po = pf.polices();
    const int t1 = ajuste(po, Titre, r.taille8), t2 = ajuste(po, Reprendre, r.taille3);
    const int l1 = po.largeur(Titre, t1), l2 = po.largeur(Reprendre, t2);
    const int h1 = po.hauteur(t1), h2 = po.hauteur(t2), ecart = h2 / 2;
    const int w = std::max(l1, l2) + 48, h = h1 + ecart + h2 + 32;
    const Rect b{320 - w / 2, 240 - h / 2, w, h};
    fill(image, b.x, b.y, b.w, b.h, Noir);
    cadre(image, b.x + 3, b.y + 3, b.w - 6, b.h - 6, CyanProfond);
    po.imprime_releve(image, 320 - l1 / 2, b.y + 16, Titre, t1, Cyan, CyanProfond);
    po.imprime_releve(image, 320 - l2 / 2, b.y + 16 + h1 + ecart, Reprendre, t2, Cyan, CyanProfond);
}

void AvisPause::MouseDown(int, int, int, int) {
    hide();
}

void AvisPause::Form_KeyDown(Touche, int) {
    hide();
}

void Pause::montre(const Surface& table, const Rect& plateau) {
    if (montree_) return;
    montree_ = true;
    struct Fin {
        bool& b;
        ~Fin() { b = false; }
    } fin{montree_};
    SansTouchesCommunes sans(pf_);
    AvisPause a(pf_, r_, table, plateau);
    a.load();
    // The screen below (a dialog over the table) comes back as it was, not activated afresh.
    pf_.montre_modal(a, false);
    a.unload();
}

} // namespace tlv
