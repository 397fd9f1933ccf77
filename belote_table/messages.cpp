// The message box, the two bidding panels and the pauses a right click cuts short.
#include <cmath>

#include "belote_table/ecran.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "shell/reglages.h"

namespace tlv {

namespace {
constexpr int BoiteX = 100, BoiteY = 192, BoiteL = 280, BoiteH = 96;
constexpr int TexteX = 108;
} // namespace

void Ecran::imprime_releve(int x, int y, const std::string& texte, int points, bool allume,
                           std::uint32_t sombre) {
    pf.polices().imprime_releve(fond, x, y, texte, points, allume ? sombre : Cyan, allume ? Cyan : sombre);
}

void Ecran::boite(int y, const std::string& ligne1, const std::string& ligne2) {
    sprite(BoiteX, y, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf.polices();
    // A line too long for the inside of the frame is printed smaller rather than over it.
    const auto ligne = [&](const std::string& s, int y0, int hauteur) {
        int t = ctx.r.taille7;
        while (t > 8 && po.largeur(s, t) > BoiteL - 2 * 8) --t;
        imprime_releve((BoiteL - po.largeur(s, t)) / 2 + BoiteX, (hauteur - po.hauteur(t)) / 2 + y0, s, t,
                       false, CyanSombre);
    };
    if (ligne2.empty()) {
        ligne(ligne1, y, BoiteH);
    } else {
        ligne(ligne1, y, 48);
        ligne(ligne2, y + 48, 48);
    }
    pf.invalide();
}

bool Ecran::tapisnu(int x, int y, int largeur, int hauteur) const {
    for (int j = y; j < y + hauteur; ++j)
        for (int i = x; i < x + largeur; ++i)
            if (fond.pixel(i, j) != ecranbis.pixel(i, j)) return false;
    return true;
}

void Ecran::message_on(const std::string& ligne1, const std::string& ligne2) {
    // The box goes where it hides no card: the middle, else above or below it (a trick spot still empty),
    // and over Nord's hand only when the whole trick square is taken.
    boitey_ = 0;
    for (int y : {BoiteY, BoiteY - 96, BoiteY + 96})
        if (tapisnu(BoiteX, y, BoiteL, BoiteH)) {
            boitey_ = y;
            break;
        }
    bitblt(tampon, 0, 528, BoiteL, BoiteH, fond, BoiteX, boitey_);
    boite(boitey_, ligne1, ligne2);
}

void Ecran::message_off() {
    bitblt(fond, BoiteX, boitey_, BoiteL, BoiteH, tampon, 0, 528);
    monrefresh(BoiteX, boitey_, BoiteL, BoiteH);
}

// Both bidding panels: the box, text 11 on line 1, text 12 on line 2 (beside the suits in the second
// round), the given line highlighted.
void Ecran::panneau(int ligne, bool second) {
    sprite(BoiteX, BoiteY, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf.polices();
    const Textes& tx = ctx.r.textes;
    const int t7 = ctx.r.taille7, h7 = po.hauteur(t7);
    imprime_releve((BoiteL - po.largeur(tx[Texte::VousPassez], t7)) / 2 + BoiteX, (48 - h7) / 2 + BoiteY,
                   tx[Texte::VousPassez], t7, ligne == 1, CyanSombre);
    if (!second) {
        imprime_releve((BoiteL - po.largeur(tx[Texte::VousPrenez], t7)) / 2 + BoiteX,
                       (48 - h7) / 2 + BoiteY + 48, tx[Texte::VousPrenez], t7, ligne == 2, CyanSombre);
        return;
    }
    // Text and icons stay inside the box's inner gold line (6 pixels in): the text keeps clear of the first
    // icon, shrinking if our face is too wide.
    int t4 = ctx.r.taille4;
    while (t4 > 8 && po.largeur(tx[Texte::VousPrenez], t4) > IconeX - TexteX - 3) --t4;
    imprime_releve(TexteX, (44 - po.hauteur(t4)) / 2 + 238, tx[Texte::VousPrenez], t4, false, CyanSombre);
    for (int i = 0; i < 3; ++i) {
        const int s = couleurspossibles[static_cast<std::size_t>(i + 1)];
        if (s < 1 || s > 4) continue;
        const bool allume = ligne == i + 2;
        sprite(IconeX + 44 * i, IconeY, 44, 46, (s - 1) * 44, 96, (allume ? 0 : 176) + (s - 1) * 44, 480);
    }
}

void Ecran::message_on2(const std::array<int, 4>& possibles) {
    couleurspossibles = possibles;
    panneau(0, true);
    // The panel covers the turned card: it is shown above the panel while the player chooses.
    poseface(204, 96, b.table.liste[6]);
    pf.invalide();
}

void Ecran::message_off2(int retournee) {
    bitblt(fond, BoiteX, BoiteY, BoiteL, 144, ecranbis, BoiteX, BoiteY);
    restaure(204, 96, 71, 96);
    poseface(204, 192, retournee);
    monrefresh(BoiteX, BoiteY, BoiteL, BoiteH);
}

void Ecran::montreresultat() {
    const Textes& tx = ctx.r.textes;
    const int n = b.table.totalnous, e = b.table.totaleux;
    const std::string l1 = n > e   ? tx[Texte::VousGagnez] + " " + tx[Texte::LaPartie]
                           : e > n ? tx[Texte::VousPerdez] + " " + tx[Texte::LaPartie]
                                   : tx[Texte::Egalite];
    boite(BoiteY, l1,
          tx[Texte::Vous] + " " + std::to_string(n) + " \u2013 " + tx[Texte::Eux] + " " + std::to_string(e));
    // How to go on, under the box, where the trick lay.
    Polices& po = pf.polices();
    const int t = ctx.r.taille2;
    imprime_releve((480 - po.largeur(PourContinuer, t)) / 2, BoiteY + 96 + 8, PourContinuer, t, false,
                   CyanSombre);
    pf.invalide();
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

bool Ecran::pause(float secondes) {
    const double s = std::isfinite(secondes) && secondes > 0 ? secondes : 0.0;
    // Any click ends it, a left one too.
    const bool dedans = enpause_;
    enpause_ = true;
    // A card clicked while Sud is prompted ends the prompt too.
    pf.attend_pendant(static_cast<int>(std::llround(s * 1000.0)), [this] { return clic_ || carteclic > 0; });
    enpause_ = dedans;
    const bool coupe = clic_;
    clic_ = false;
    return coupe;
}

void Ecran::pause_visu() {
    pause(static_cast<float>(ctx.r.tempobelote));
}

void Ecran::battement() {
    // 0.3 s at the default delay of 4 s, longer or shorter with the player's setting.
    pause(static_cast<float>(ctx.r.tempobelote) * 0.075f);
}

} // namespace tlv
