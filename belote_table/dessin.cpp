// The table's pictures: sprites, hands, sliding cards, the contract line and the panel's labels.
#include <algorithm>

#include "belote/carte.h"
#include "belote_table/tapis.h"
#include "platform/couleurs.h"
#include "platform/image.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {
constexpr std::uint32_t Entete = rgb(0, 192, 192);
constexpr int Pas = 16;
} // namespace

Tapis::Tapis(Contexte& ctx, const Belote& b, Surface& fond, Joueur& joueur)
    : ctx_(ctx), pf_(ctx.pf), b_(b), fond_(fond), joueur_(joueur) {}

void Tapis::prepare() {
    // Only ever ANDed: the white rows at the foot of the mask sheet change nothing, so they are not kept.
    masque_ = chargeimage(ctx_.r.repertoire, "cartei07", pf_.facteur());
    rogne_bas(masque_, rgb(255, 255, 255));
    tampon_ = chargeimage(ctx_.r.repertoire, "cartei08", pf_.facteur());
    // The sheets may be smaller than their layout; the save areas must exist all the same.
    if (tampon_.largeur() < 568 || tampon_.hauteur() < 624) {
        Surface t(568, 624, 0, pf_.facteur());
        bitblt(t, 0, 0, tampon_.largeur(), tampon_.hauteur(), tampon_, 0, 0);
        tampon_ = std::move(t);
    }
    // The clean table is the picture itself, on a black 640 x 480 area should the file be smaller.
    ecranbis_ = chargeimage(ctx_.r.repertoire, "cartei03", pf_.facteur());
    if (ecranbis_.largeur() != 640 || ecranbis_.hauteur() != 480) {
        Surface t(640, 480, 0, pf_.facteur());
        bitblt(t, 0, 0, 640, 480, ecranbis_, 0, 0);
        ecranbis_ = std::move(t);
    }
    souslabel_ = Surface(152, 34, 0, pf_.facteur());
    bitblt(souslabel_, 0, 0, 152, 34, ecranbis_, 484, 442);
    sousconseil_ = Surface(ZoneConseil.w, ZoneConseil.h, 0, pf_.facteur());
    bitblt(sousconseil_, 0, 0, ZoneConseil.w, ZoneConseil.h, ecranbis_, ZoneConseil.x, ZoneConseil.y);
    souspad_ = Surface(ZonePad.w, ZonePad.h, 0, pf_.facteur());
    conseilmontre_ = conseilallume_ = false;
    labelsposes_ = false;
    fond_.redimensionne(640, 480);
    bitblt(fond_, 0, 0, 640, 480, ecranbis_, 0, 0);
}

void Tapis::joueson(const std::string& nom) {
    tlv::joueson(pf_, ctx_.r, nom);
}

void Tapis::voix(int joueur, const std::string& mot) {
    tlv::voix(pf_, ctx_.r, joueur, mot);
}

void Tapis::sprite(int x, int y, int w, int h, int mx, int my, int sx, int sy) {
    bitblt(fond_, x, y, w, h, masque_, mx, my, Rop::SrcAnd);
    bitblt(fond_, x, y, w, h, tampon_, sx, sy, Rop::SrcPaint);
}

void posecarteface(Surface& fond, const Surface& masque, const Surface& feuille, int x, int y, int c) {
    if (c <= 0) return;
    bitblt(fond, x, y, LargeurCarte, HauteurCarte, masque, 0, 0, Rop::SrcAnd);
    bitblt(fond, x, y, LargeurCarte, HauteurCarte, feuille, (c % 10) * LargeurCarte,
           (c / 10 - 1) * HauteurCarte, Rop::SrcPaint);
}

void Tapis::poseface(int x, int y, int c) {
    posecarteface(fond_, masque_, tampon_, x, y, c);
}

void Tapis::posedos(int x, int y) {
    sprite(x, y, LargeurCarte, HauteurCarte, 0, 0, 0, 384);
}

void Tapis::restaure(int x, int y, int largeur, int hauteur) {
    bitblt(fond_, x, y, largeur, hauteur, ecranbis_, x, y);
}

void Tapis::posepile(bool nous) {
    // Inside the hot areas of the piles (top left, bottom right), three small backs a little apart.
    restaure(0, 0, LargeurCarte, HauteurCarte);
    restaure(409, 384, LargeurCarte, HauteurCarte);
    const int x0 = nous ? 414 : 6, y0 = nous ? 402 : 20;
    for (int i = 0; i < 3; ++i) {
        const int x = x0 + 4 * i, y = y0 - 3 * i;
        stretchblt(fond_, x, y, 48, 64, masque_, 0, 0, LargeurCarte, HauteurCarte, Rop::SrcAnd);
        stretchblt(fond_, x, y, 48, 64, tampon_, 0, 384, LargeurCarte, HauteurCarte, Rop::SrcPaint);
    }
    pf_.invalide();
}

void Tapis::rafraichit() {
    pf_.invalide();
}

void Tapis::monrefresh(int, int, int, int) {
    // The whole play area is composed at once: copying one rectangle or all of it looks the same.
    pf_.monrefresh();
}

void Tapis::posecarte(int joueur, const Main& main, int nombre, int espacement) {
    nombre = std::clamp(nombre, 0, 8);
    int n = 0;
    for (int s = 1; s <= nombre; ++s)
        if (main[static_cast<std::size_t>(s)] > 0) ++n;
    const int w = (n - 1) * espacement + 71;
    const int debut = (480 - w) / 2;
    const bool ligne = joueur == 1 || joueur == 3;
    const int bx = joueur == 2 ? 384 : 0, by = joueur == 1 ? 384 : 0;
    if (ligne)
        restaure(99, by, 282, 96);
    else
        restaure(bx, 99, 96, 282);
    if (joueur == 1) gauchesud_ = debut, droitesud_ = debut + w;
    int p = debut;
    for (int s = 1; s <= nombre; ++s) {
        const int c = main[static_cast<std::size_t>(s)];
        if (c <= 0) continue;
        if (joueur == 1)
            poseface(p, 384, c);
        else if (joueur == 3)
            posedos(p, 0);
        else
            sprite(bx, p, HauteurCarte, LargeurCarte, LargeurCarte, 0, LargeurCarte, 384);
        // Sud's cards always overlap by 30 so that a click finds them.
        p += joueur == 1 ? 30 : espacement;
    }
    if (joueur == b_.table.donneur) posedonneur();
    if (ligne)
        monrefresh(99, by, 282, 96);
    else
        monrefresh(bx, 99, 96, 282);
}

void Tapis::posedonneur() {
    // Beside the hand, where no card of it ever lies: left of Sud's row, below Est's column, right of Nord's
    // row, above Ouest's column.
    static constexpr int places[5][2] = {{}, {76, 422}, {422, 340}, {386, 38}, {38, 120}};
    const int j = b_.table.donneur;
    if (j < 1 || j > 4) return;
    const int x = places[j][0], y = places[j][1];
    restaure(x, y, 20, 20);
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille3;
    const std::string d = "D";
    const int tx = x + (20 - po.largeur(d, t)) / 2, ty = y + (20 - po.hauteur(t)) / 2;
    po.imprime_releve(fond_, tx, ty, d, t, Cyan, CyanProfond);
}

void Tapis::posemescartes(const Main& mescartes) {
    restaure(99, 384, 282, 96);
    int k = 0;
    for (int s = 1; s <= 8; ++s)
        if (mescartes[static_cast<std::size_t>(s)] > 0) ++k;
    const int debut = (480 - ((k - 1) * 30 + LargeurCarte)) / 2;
    int i = 0;
    for (int s = 1; s <= 8; ++s)
        if (const int c = mescartes[static_cast<std::size_t>(s)]; c > 0) poseface(debut + 30 * i++, 384, c);
    monrefresh(99, 384, 282, 96);
}

int Tapis::jaiclique(const Main& jeu, int largeur, int x) {
    if (x > largeur - LargeurCarte) {
        for (int s = 8; s >= 1; --s)
            if (jeu[static_cast<std::size_t>(s)] > 0) return s;
        return 0;
    }
    if (x < 0) return 0;
    const int k = x / 30 + 1;
    int n = 0;
    for (int s = 1; s <= 8; ++s)
        if (jeu[static_cast<std::size_t>(s)] > 0 && ++n == k) return s;
    return 0;
}

void Tapis::glisse(int carte, bool face, int x0, int y0, int x1, int y1, bool laisse) {
    const int dx = x1 > x0 ? Pas : (x1 < x0 ? -Pas : 0), dy = y1 > y0 ? Pas : (y1 < y0 ? -Pas : 0);
    int x = x0, y = y0;
    bool sauve = false;
    int px = 0, py = 0;
    for (;;) {
        if (sauve) bitblt(fond_, px, py, 72, 96, tampon_, 280, 528);
        bitblt(tampon_, 280, 528, 72, 96, fond_, x, y);
        sauve = true, px = x, py = y;
        if (face)
            poseface(x, y, carte);
        else
            posedos(x, y);
        monrefresh(std::min(px, x), std::min(py, y), 72 + Pas, 96 + Pas);
        if (x == x1 && y == y1) break;
        // The last step is shorter when the distance is not a multiple of the step.
        x = dx > 0 ? std::min(x + dx, x1) : (dx < 0 ? std::max(x + dx, x1) : x);
        y = dy > 0 ? std::min(y + dy, y1) : (dy < 0 ? std::max(y + dy, y1) : y);
    }
    if (!laisse) {
        bitblt(fond_, px, py, 72, 96, tampon_, 280, 528);
        monrefresh(px, py, 72, 96);
    }
}

void Tapis::glissecarte(int joueur, int carte) {
    switch (joueur) {
    case 1:
        glisse(carte, true, 204, 368, 204, 288, true);
        break;
    case 2:
        glisse(carte, true, 384, 192, 276, 192, true);
        break;
    case 3:
        glisse(carte, true, 204, 16, 204, 96, true);
        break;
    default:
        glisse(carte, true, 24, 192, 132, 192, true);
        break;
    }
}

void Tapis::glisseaucentre(int joueur, int carte) {
    // The trick spots do not overlap: the card leaves clean cloth behind it.
    switch (joueur) {
    case 1:
        restaure(204, 288, LargeurCarte, HauteurCarte);
        glisse(carte, true, 204, 272, 204, 192, true);
        break;
    case 2:
        restaure(276, 192, LargeurCarte, HauteurCarte);
        glisse(carte, true, 268, 192, 204, 192, true);
        break;
    case 3:
        restaure(204, 96, LargeurCarte, HauteurCarte);
        glisse(carte, true, 204, 112, 204, 192, true);
        break;
    default:
        restaure(132, 192, LargeurCarte, HauteurCarte);
        glisse(carte, true, 140, 192, 204, 192, true);
        break;
    }
}

void Tapis::emportepli(bool nous) {
    restaure(204, 192, LargeurCarte, HauteurCarte);
    if (nous)
        glisse(0, false, 204, 224, 204, 384, false);
    else
        glisse(0, false, 204, 176, 204, 0, false);
    posepile(nous);
}

void Tapis::affichecontrat(const std::string& texte, int atout) {
    if (revoir_ > 0) restaure(562, 6, 74, 34);
    Polices& po = pf_.polices();
    // Clear of the trump's disc at x 596, smaller if need be.
    int t = ctx_.r.taille3;
    while (t > 8 && 485 + po.largeur(texte, t) > 596 - 6) --t;
    po.imprime(fond_, 485, (48 - po.hauteur(t)) / 2, texte, t, Cyan);
    static constexpr int sources[5][2] = {{0, 0}, {447, 384}, {487, 384}, {447, 424}, {487, 424}};
    if (atout >= 1 && atout <= 4)
        bitblt(fond_, 596, 4, 40, 40, tampon_, sources[atout][0], sources[atout][1]);
    contrat_ = true, revoir_ = 0;
    pf_.invalide();
}

void Tapis::effacecontrat() {
    restaure(480, 0, 160, 44);
    contrat_ = false, revoir_ = 0;
    pf_.invalide();
}

void Tapis::labelrevoir(bool montre, bool allume) {
    const int etat = montre && !contrat_ ? (allume ? 2 : 1) : 0;
    if (etat == revoir_) return;
    revoir_ = etat;
    // Inside the strip's right part, clear of the one at its left.
    constexpr int x = 562, y = 6, w = 74, h = 34;
    restaure(x, y, w, h);
    if (etat > 0) {
        cadre(fond_, x, y, w, h, rgb(154, 128, 64));
        Polices& po = pf_.polices();
        const std::string r = "Revoir";
        int t = ctx_.r.taille3;
        while (t > 8 && po.largeur(r, t) > w - 8) --t;
        imprime_releve(x + (w - po.largeur(r, t)) / 2, y + (h - po.hauteur(t)) / 2, r, t, etat == 2,
                       CyanProfond);
    }
    pf_.invalide();
}

void Tapis::dessine_label_menu(bool allume) {
    const std::string& m = ctx_.r.textes[Texte::Menu];
    Polices& po = pf_.polices();
    const int t = ctx_.r.taille6;
    const int x = (152 - po.largeur(m, t)) / 2 + 484, y = (34 - po.hauteur(t)) / 2 + 442;
    bitblt(fond_, 484, 442, 152, 34, souslabel_, 0, 0);
    po.imprime_releve(fond_, x, y, m, t, allume ? CyanProfond : Cyan, allume ? Cyan : CyanProfond);
    pf_.invalide();
}

void Tapis::labelmenu(bool allume) {
    if (allume == menuallume_) return;
    menuallume_ = allume;
    dessine_label_menu(allume);
}

void Tapis::afficheletapis() {
    Polices& po = pf_.polices();
    const Textes& tx = ctx_.r.textes;
    const int t6 = ctx_.r.taille6, t2 = ctx_.r.taille2;
    const int x = (152 - po.largeur(tx[Texte::Menu], t6)) / 2 + 484, y = (34 - po.hauteur(t6)) / 2 + 442;
    // The labels are the same at every deal: printed once (printing them twice would thicken their edges).
    if (!labelsposes_) {
        po.imprime_releve(ecranbis_, x, y, tx[Texte::Menu], t6, Cyan, CyanProfond);
        const int ye = (24 - po.hauteur(t2)) / 2 + 45;
        po.imprime(ecranbis_, (80 - po.largeur(tx[Texte::Vous], t2)) / 2 + 483, ye, tx[Texte::Vous], t2,
                   Entete);
        po.imprime(ecranbis_, (80 - po.largeur(tx[Texte::Eux], t2)) / 2 + 561, ye, tx[Texte::Eux], t2,
                   Entete);
        dessine_label_conseil(ecranbis_, false);
        labelsposes_ = true;
    }
    bitblt(fond_, 0, 0, 640, 480, ecranbis_, 0, 0);
    menuallume_ = conseilallume_ = conseilmontre_ = false;
    contrat_ = false, revoir_ = 0;
    pf_.invalide();
}

void Tapis::remetletapis() {
    bitblt(fond_, 0, 0, 640, 480, ecranbis_, 0, 0);
    menuallume_ = conseilallume_ = conseilmontre_ = false;
    contrat_ = false, revoir_ = 0;
}

void Tapis::noircit() {
    fill(fond_, 0, 0, 640, 480, 0);
    conseilmontre_ = false;
}

} // namespace tlv::belote
