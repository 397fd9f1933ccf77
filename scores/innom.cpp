#include "innom.h"

#include "ajuste.h"

#include "nom.h"
#include "platform/couleurs.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv {

namespace {
constexpr int Marge = 6; // between the box's edge and the text
} // namespace

Innom::Innom(Contexte& ctx, std::string invite)
    : Form(ctx.pf, Largeur, Hauteur), ctx_(ctx), invite_(std::move(invite)) {
    const Surface s = chargeimage(ctx.r.repertoire, "cartei10", pf.facteur());
    fond_ = Surface(Largeur, Hauteur, 0, pf.facteur());
    bitblt(fond_, 0, 0, Largeur, Hauteur, s, 0, 0);
    // The prompt starts at x 5: a long one (a name already taken) is printed smaller, not cut at the edge.
    tailleinvite_ = tailleajustee(pf.polices(), invite_, ctx.r.taille4, Largeur - 10);
    centre_sur_aire();
    dessine_tout();
}

void Innom::dessine_tout() {
    bitblt(image, 0, 0, Largeur, Hauteur, fond_, 0, 0);
    Polices& po = pf.polices();
    po.imprime_releve(image, 5, 5, invite_, tailleinvite_, Cyan, CyanProfond);

    // The text box: white, sunken edge, the name in black and the caret after it.
    const int x = Text1X, y = Text1Y, w = Text1W, h = Text1H;
    fill(image, x, y, w, h, Blanc);
    fill(image, x, y, w, 1, Ombre);
    fill(image, x, y, 1, h, Ombre);
    fill(image, x + 1, y + 1, w - 2, 1, rgb(64, 64, 64));
    fill(image, x + 1, y + 1, 1, h - 2, rgb(64, 64, 64));
    fill(image, x, y + h - 1, w, 1, Face);
    fill(image, x + w - 1, y, 1, h, Face);
    const int t = ctx_.r.taille6;
    const int th = po.hauteur(t);
    const int ty = y + (h - th) / 2;
    const std::string& texte = saisie_.texte();
    image.decoupe(Rect{x + 2, y + 2, w - 4, h - 4});
    po.imprime(image, x + Marge, ty, texte, t, Noir);
    // The caret in the gap after the characters before it, reaching above and below the letters.
    const int cx = x + Marge + largeur(saisie_.avantcurseur()) + 1;
    fill(image, cx, ty + th / 8, 2, th - th / 4, Noir);
    image.sans_decoupe();
    pf.invalide();
}

int Innom::largeur(const std::string& texte) {
    return texte.empty() ? 0 : pf.polices().largeur(texte, ctx_.r.taille6);
}

void Innom::Text1_KeyDown(Touche code, int) {
    switch (code) {
    case Touche::Entree:
        reponse = reponsenom(saisie_.texte());
        hide();
        break;
    case Touche::Echap:
        reponse = nomannule;
        hide();
        break;
    default:
        if (saisie_.touche(code)) dessine_tout();
        break;
    }
}

void Innom::Form_KeyDown(Touche code, int shift) {
    Text1_KeyDown(code, shift);
}

void Innom::Form_KeyPress(const std::string& car) {
    // Enter, Escape and Backspace come here too as control characters: the key handler has done them.
    const Saisie avant = saisie_;
    saisie_.tape(car);
    if (saisie_.texte() != avant.texte()) dessine_tout();
}

void Innom::MouseDown(int button, int, int x, int y) {
    if (button != bouton::Gauche || x < Text1X || x >= Text1X + Text1W || y < Text1Y || y >= Text1Y + Text1H)
        return;
    saisie_.clique(x - Text1X - Marge, [this](const std::string& s) { return largeur(s); });
    dessine_tout();
}

std::string demande_nom(Contexte& ctx, const std::string& invite) {
    Innom f(ctx, invite);
    f.load();
    ctx.pf.montre_modal(f);
    const std::string r = f.reponse;
    f.unload();
    return r;
}

} // namespace tlv
