// The message box, the two bidding panels and the pauses a right click cuts short.
#include <cmath>

#include "belote_table/ecran.h"
#include "platform/plateforme.h"
#include "shell/reglages.h"

namespace tlv {

namespace {
constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 153, 153);
constexpr int BoiteX = 100, BoiteY = 192, BoiteL = 280, BoiteH = 96;
} // namespace

void Ecran::imprime_releve(int x, int y, const std::string& texte, int points, bool allume,
                           std::uint32_t sombre) {
    Polices& po = pf.polices();
    po.imprime(fond, x, y, texte, points, allume ? sombre : Clair);
    po.imprime(fond, x + 1, y + 1, texte, points, allume ? Clair : sombre);
}

void Ecran::message_on(const std::string& ligne1, const std::string& ligne2) {
    bitblt(tampon, 0, 528, BoiteL, BoiteH, fond, BoiteX, BoiteY);
    sprite(BoiteX, BoiteY, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf.polices();
    const int t = ctx.r.taille7, h = po.hauteur(t);
    const auto x = [&](const std::string& s) { return (BoiteL - po.largeur(s, t)) / 2 + BoiteX; };
    if (ligne2.empty()) {
        imprime_releve(x(ligne1), (BoiteH - h) / 2 + BoiteY, ligne1, t, false, Sombre);
    } else {
        imprime_releve(x(ligne1), (48 - h) / 2 + BoiteY, ligne1, t, false, Sombre);
        imprime_releve(x(ligne2), (48 - h) / 2 + BoiteY + 48, ligne2, t, false, Sombre);
    }
    pf.invalide();
}

void Ecran::message_off() {
    bitblt(fond, BoiteX, BoiteY, BoiteL, BoiteH, tampon, 0, 528);
    monrefresh(BoiteX, BoiteY, BoiteL, BoiteH);
}

// Both bidding panels: the box, text 11 on line 1, text 12 on line 2 (beside the suits in the second
// round), the given line highlighted.
void Ecran::panneau(int ligne, bool second) {
    sprite(BoiteX, BoiteY, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf.polices();
    const Textes& tx = ctx.r.textes;
    const int t7 = ctx.r.taille7, h7 = po.hauteur(t7);
    imprime_releve((BoiteL - po.largeur(tx[11], t7)) / 2 + BoiteX, (48 - h7) / 2 + BoiteY, tx[11], t7,
                   ligne == 1, Sombre);
    if (!second) {
        imprime_releve((BoiteL - po.largeur(tx[12], t7)) / 2 + BoiteX, (48 - h7) / 2 + BoiteY + 48, tx[12],
                       t7, ligne == 2, Sombre);
        return;
    }
    // Our face is wider than the one the panel was laid out for: the text keeps clear of the first icon.
    int t4 = ctx.r.taille4;
    while (t4 > 8 && po.largeur(tx[12], t4) > 247 - 103) --t4;
    imprime_releve(102, (48 - po.hauteur(t4)) / 2 + 240, tx[12], t4, false, Sombre);
    for (int i = 0; i < 3; ++i) {
        const int s = couleurspossibles[static_cast<std::size_t>(i + 1)];
        if (s < 1 || s > 4) continue;
        const bool allume = ligne == i + 2;
        sprite(247 + 44 * i, 240, 44, 46, (s - 1) * 44, 96, (allume ? 0 : 176) + (s - 1) * 44, 480);
    }
}

void Ecran::message_on2(const std::array<int, 4>& possibles) {
    couleurspossibles = possibles;
    panneau(0, true);
    pf.invalide();
}

void Ecran::message_off2(int retournee) {
    bitblt(fond, BoiteX, BoiteY, BoiteL, 144, ecranbis, BoiteX, BoiteY);
    poseface(204, 192, retournee);
    monrefresh(BoiteX, BoiteY, BoiteL, BoiteH);
}

void Ecran::menu03(int ligne) {
    panneau(ligne, false);
    pf.invalide();
}

void Ecran::menu04(int ligne) {
    // Called from the mouse handler: shown when the handler returns, without a nested wait.
    panneau(ligne, true);
    pf.invalide();
}

void Ecran::pause(float secondes) {
    const double s = std::isfinite(secondes) && secondes > 0 ? secondes : 0.0;
    pf.attend_jusqua(pf.ms() + static_cast<std::int64_t>(std::llround(s * 1000.0)), [this] { return clic_; });
    clic_ = false;
}

void Ecran::pause_visu() {
    pause(static_cast<float>(ctx.r.tempobelote));
}

} // namespace tlv
