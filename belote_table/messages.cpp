// The message box, the two bidding panels, the last trick, the result of a match and the pauses.
#include <cmath>

#include "belote_table/tapis.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/reglages.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {
constexpr int BoiteX = 100, BoiteY = 192, BoiteL = 280, BoiteH = 96;
constexpr int TexteX = 108;
} // namespace

void Tapis::imprime_releve(int x, int y, const std::string& texte, int points, bool allume,
                           std::uint32_t sombre) {
    pf_.polices().imprime_releve(fond_, x, y, texte, points, allume ? sombre : Cyan, allume ? Cyan : sombre);
}

void Tapis::boite(int y, const std::string& ligne1, const std::string& ligne2) {
    sprite(BoiteX, y, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf_.polices();
    // A line too long for the inside of the frame is printed smaller rather than over it.
    const auto ligne = [&](const std::string& s, int y0, int hauteur) {
        int t = ctx_.r.taille7;
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
    pf_.invalide();
}

bool Tapis::tapisnu(int x, int y, int largeur, int hauteur) const {
    for (int j = y; j < y + hauteur; ++j)
        for (int i = x; i < x + largeur; ++i)
            if (fond_.pixel(i, j) != ecranbis_.pixel(i, j)) return false;
    return true;
}

void Tapis::message_on(const std::string& ligne1, const std::string& ligne2) {
    // The box goes where it hides no card: the middle, else above or below it (a trick spot still empty),
    // and over Nord's hand only when the whole trick square is taken.
    boitey_ = 0;
    for (int y : {BoiteY, BoiteY - 96, BoiteY + 96})
        if (tapisnu(BoiteX, y, BoiteL, BoiteH)) {
            boitey_ = y;
            break;
        }
    bitblt(tampon_, 0, 528, BoiteL, BoiteH, fond_, BoiteX, boitey_);
    boite(boitey_, ligne1, ligne2);
}

void Tapis::message_off() {
    bitblt(fond_, BoiteX, boitey_, BoiteL, BoiteH, tampon_, 0, 528);
    monrefresh(BoiteX, boitey_, BoiteL, BoiteH);
}

// Both bidding panels: the box, text 11 on line 1, text 12 on line 2 (beside the suits in the second
// round), the given line highlighted. Called from the mouse handler too: shown when the handler returns,
// without a nested wait.
void Tapis::panneau(int numero, int ligne) {
    sprite(BoiteX, BoiteY, BoiteL, BoiteH, 167, 0, 167, 384);
    Polices& po = pf_.polices();
    const Textes& tx = ctx_.r.textes;
    const int t7 = ctx_.r.taille7, h7 = po.hauteur(t7);
    imprime_releve((BoiteL - po.largeur(tx[Texte::VousPassez], t7)) / 2 + BoiteX, (48 - h7) / 2 + BoiteY,
                   tx[Texte::VousPassez], t7, ligne == 1, CyanSombre);
    if (numero == 1) {
        imprime_releve((BoiteL - po.largeur(tx[Texte::VousPrenez], t7)) / 2 + BoiteX,
                       (48 - h7) / 2 + BoiteY + 48, tx[Texte::VousPrenez], t7, ligne == 2, CyanSombre);
        pf_.invalide();
        return;
    }
    // Text and icons stay inside the box's inner gold line (6 pixels in): the text keeps clear of the first
    // icon, shrinking if our face is too wide.
    int t4 = ctx_.r.taille4;
    while (t4 > 8 && po.largeur(tx[Texte::VousPrenez], t4) > IconeX - TexteX - 3) --t4;
    imprime_releve(TexteX, (44 - po.hauteur(t4)) / 2 + 238, tx[Texte::VousPrenez], t4, false, CyanSombre);
    for (int i = 0; i < 3; ++i) {
        const int s = couleurspossibles_[static_cast<std::size_t>(i + 1)];
        if (s < 1 || s > 4) continue;
        const bool allume = ligne == i + 2;
        sprite(IconeX + 44 * i, IconeY, 44, 46, (s - 1) * 44, 96, (allume ? 0 : 176) + (s - 1) * 44, 480);
    }
    pf_.invalide();
}

void Tapis::message_on2(const std::array<int, 4>& possibles) {
    couleurspossibles_ = possibles;
    panneau(2, 0);
    // The panel covers the turned card: it is shown above the panel while the player chooses.
    poseface(204, 96, b_.table.liste[6]);
    pf_.invalide();
}

void Tapis::message_off2(int retournee) {
    bitblt(fond_, BoiteX, BoiteY, BoiteL, 144, ecranbis_, BoiteX, BoiteY);
    restaure(204, 96, LargeurCarte, HauteurCarte);
    poseface(204, 192, retournee);
    monrefresh(BoiteX, BoiteY, BoiteL, BoiteH);
}

void Tapis::montreresultat(int conseils) {
    const Textes& tx = ctx_.r.textes;
    const int n = b_.table.totalnous, e = b_.table.totaleux;
    const std::string l1 = n > e   ? tx[Texte::VousGagnez] + " " + tx[Texte::LaPartie]
                           : e > n ? tx[Texte::VousPerdez] + " " + tx[Texte::LaPartie]
                                   : tx[Texte::Egalite];
    boite(BoiteY, l1,
          tx[Texte::Vous] + " " + std::to_string(n) + " \u2013 " + tx[Texte::Eux] + " " + std::to_string(e));
    // How to go on, under the box, where the trick lay.
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille2;
    imprime_releve((480 - po.largeur(PourContinuer, t)) / 2, BoiteY + 96 + 8, PourContinuer, t, false,
                   CyanSombre);
    ecritconseils(conseils);
    pf_.invalide();
}

void Tapis::affichedernierpli() {
    joueson("cartew01");
    Surface garde(480, 480, 0, pf_.facteur());
    bitblt(garde, 0, 0, 480, 480, fond_, 0, 0);
    assombrit(fond_, Rect{0, 0, 480, 480});
    const auto& d = b_.ecran.cartesdernierpli;
    poseface(204, 288, d[1]);
    poseface(276, 192, d[2]);
    poseface(204, 96, d[3]);
    poseface(132, 192, d[4]);
    // The box goes above the trick, over Nord's darkened hand, so that the four cards stay in sight; the
    // whole table comes back from `garde`, so nothing under the box is saved (a prompt's box may be up).
    boite(0, ctx_.r.textes[Texte::DernierPli], std::string());
    pause(1.f);
    bitblt(fond_, 0, 0, 480, 480, garde, 0, 0);
    pf_.invalide();
    joueson("cartew01");
}

void Tapis::pause_visu() {
    pause(static_cast<float>(ctx_.r.tempobelote));
}

void Tapis::battement() {
    // 0.3 s at the default delay of 4 s, longer or shorter with the player's setting.
    pause(static_cast<float>(ctx_.r.tempobelote) * 0.075f);
}

} // namespace tlv::belote
