#include "score.h"

#include <algorithm>

#include "ajuste.h"
#include "platform/boite_message.h"
#include "platform/couleurs.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {
constexpr int BoutonsY = 360;
} // namespace

Score::Score(Contexte& ctx) : Form(ctx.pf, Largeur, Hauteur), ctx_(ctx) {
    const Surface s = chargeimage(ctx.r.repertoire, "cartei09", pf.facteur());
    fond_ = Surface(Largeur, Hauteur, 0, pf.facteur());
    bitblt(fond_, 0, 0, Largeur, Hauteur, s, 0, 0);
    bitblt(image, 0, 0, Largeur, Hauteur, fond_, 0, 0);
    centre_sur_aire();
}

int Score::bouton_sous(int x, int y) {
    if (y <= BoutonsY) return 0;
    return x < 250 ? 1 : 2;
}

void Score::imprime_releve(int x, int y, const std::string& texte, int points) {
    pf.polices().imprime_releve(image, x, y, texte, points, Cyan, CyanProfond);
}

void Score::titre(const std::string& texte) {
    const int t = ctx_.r.taille4;
    const int x = (490 - pf.polices().largeur(texte, t)) / 2 + 5;
    imprime_releve(x, 14, texte, t);
}

void Score::survolbouton(int h) {
    // The band is laid again from the background, so a highlight leaves no trace once gone.
    bitblt(image, 0, BoutonsY - 2, Largeur, Hauteur - BoutonsY + 2, fond_, 0, BoutonsY - 2);
    Polices& po = pf.polices();
    const std::string& efface = ctx_.r.textes[Texte::EffacerLesScores];
    const std::string& retour = ctx_.r.textes[Texte::Retour];
    // Both buttons at one size, the one at which the longer caption fits its 230-pixel half.
    const int t = std::min(tailleajustee(po, efface, ctx_.r.taille4, 222),
                           tailleajustee(po, retour, ctx_.r.taille4, 222));
    const int xe = (230 - po.largeur(efface, t)) / 2 + 10;
    const int xr = (230 - po.largeur(retour, t)) / 2 + 260;
    imprime_releve(xe, BoutonsY, efface, t);
    imprime_releve(xr, BoutonsY, retour, t);
    if (h == 1 || h == 2) {
        const std::string& s = h == 1 ? efface : retour;
        const int x = h == 1 ? xe : xr;
        po.imprime_releve(image, x, BoutonsY, s, t, CyanProfond, Cyan);
    }
    pf.invalide();
}

void Score::Form_Activate() {
    // Back from the confirmation, the mouse is not known to be over a button any more.
    survol = 0;
    survolbouton(0);
}

void Score::Form_KeyDown(Touche code, int) {
    // The buttons lie side by side: the arrows go toward a side and stop there, so that going right never
    // comes round to the erasing.
    switch (code) {
    case Touche::Gauche:
    case Touche::Haut:
    case Touche::Droite:
    case Touche::Bas:
        survol = code == Touche::Gauche || code == Touche::Haut ? 1 : 2;
        survolbouton(survol);
        return;
    case Touche::Entree:
        // Nothing highlighted: the harmless one.
        choisit(survol == 1 ? 1 : 2);
        return;
    case Touche::Echap:
        // Closes the table as "Retour" would, but leaves the answer empty: nothing changes.
        hide();
        return;
    default:
        return;
    }
}

void Score::MouseMove(int, int, int x, int y) {
    const int h = bouton_sous(x, y);
    if (h == survol) return;
    survol = h;
    survolbouton(survol);
}

void Score::MouseDown(int, int, int x, int y) {
    if (y > BoutonsY) choisit(x < 250 ? 1 : 2);
}

void Score::choisit(int bouton) {
    joueson(pf, ctx_.r, "cartew00");
    if (bouton == 1) {
        const std::string texte = ctx_.r.textes[Texte::ConfirmezLEffacementDe] + ctx_.r.sautligne +
                                  ctx_.r.textes[Texte::TableauDesScores];
        if (boite_message(pf, texte, "Tolva'nexes", true)) {
            reponse = Reponse::Efface;
            hide();
        }
    } else {
        reponse = Reponse::Retour;
        hide();
    }
}

} // namespace tlv
