// The Quadrel table's pictures: the empty table and its labels, the cards, the shading of a selected card,
// the path's markers and the closing screen.
#include <algorithm>
#include <cmath>

#include "jong.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/retouche.h"
#include "platform/texte.h"
#include "regles/libelles.h"
#include "regles/parties.h"
#include "scores/ajuste.h"
#include "scores/fichierscores.h"
#include "shell/reglages.h"
#include "socle/carte.h"

namespace tlv::quadrel {

namespace {

// The game's name and total time, in boxes either side of the Menu label (the top band has no room
// for a nine-letter name beside an hour's time).
constexpr Rect BoiteNom{52, 444, 160, 24}, BoiteTotal{428, 444, 160, 24};

// A black box over `b` in the gold frame of the clock's box, stretched from the table's own picture:
// its corners copied, its edges drawn out from their middle.
void boite(Surface& s, Rect b, const Surface& table) {
    constexpr int X = 328, Y = 10, W = 135, H = 28, Bord = 12; // the clock's box with its frame
    const int w = b.w + 4, h = b.h + 4, x0 = b.x - 2, y0 = b.y - 2;
    auto ligne = [&](int y, int sy, int n) { // rows sy..sy+n of the source, stretched across w
        bitblt(s, x0, y, Bord, n, table, X, sy);
        for (int x = Bord; x < w - Bord; ++x) bitblt(s, x0 + x, y, 1, n, table, X + W / 2, sy);
        bitblt(s, x0 + w - Bord, y, Bord, n, table, X + W - Bord, sy);
    };
    ligne(y0, Y, Bord);
    for (int y = Bord; y < h - Bord; ++y) ligne(y0 + y, Y + H / 2, 1);
    ligne(y0 + h - Bord, Y + H - Bord, Bord);
    fill(s, b.x, b.y, b.w, b.h, 0);
}

int centre(int largeur_zone, int largeur, int base) {
    return static_cast<int>(std::floor((largeur_zone - largeur) / 2.0)) + base;
}

std::size_t ix(int v) {
    return static_cast<std::size_t>(v);
}

Point coin(Case k) {
    return {36 + (k.c - 1) * LargeurCarte, 48 + (k.r - 1) * HauteurCarte};
}

// A raised text: bright at (x, y), dark one pixel right and down; `inverse` swaps the two (highlight).
void releve(Polices& po, Surface& s, int x, int y, const std::string& t, int points, bool inverse = false) {
    po.imprime_releve(s, x, y, t, points, inverse ? CyanProfond : Cyan, inverse ? Cyan : CyanProfond);
}

} // namespace

Case Jong::casesous(int x, int y) {
    if (!(x > 36 && y > 48 && x < 604 && y < 432)) return {};
    return {(x - 36) / LargeurCarte + 1, (y - 48) / HauteurCarte + 1};
}

void Jong::affichepetit(bool surligne) {
    // The label always starts from the table under it, so the highlighted and normal looks never pile up.
    bitblt(image, 243, 437, 154, 38, table_, 243, 437);
    Polices& po = pf.polices();
    const std::string& t = r_.textes[Texte::Menu];
    const int x = centre(152, po.largeur(t, r_.taille6), 243);
    const int y = static_cast<int>(std::floor((34 - po.hauteur(r_.taille6)) / 2.0)) + 437;
    releve(po, image, x, y, t, r_.taille6, surligne);
    pf.invalide();
}

void Jong::affichetapis() {
    image = table_;
    survol = false;
    affichepetit(false);
    Polices& po = pf.polices();
    const int t6 = r_.taille6;

    fill(image, 330, 12, 131, 24, 0);
    const std::string modele = " 2:30";
    releve(po, image, centre(180, po.largeur(modele, t6), 330),
           static_cast<int>(std::floor((34 - po.hauteur(t6)) / 2.0)) + 8, textechrono(dureetableau), t6);

    for (const Rect& b : {BoiteNom, BoiteTotal}) boite(image, b, table_);
    afficheboite(numtableau);
    // The clean table to restore from keeps the labels.
    tapis_ = image;
    pf.invalide();
}

void Jong::afficheboite(int tableau) {
    fill(image, 165, 12, 146, 24, 0);
    Polices& po = pf.polices();
    // The board label is kept inside its box: at the clock's size it would spill over the title.
    const std::string& t = r_.textes[Texte::Tableau];
    const int taille = tailleajustee(po, t + " 000", r_.taille6, 140);
    releve(po, image, centre(146, po.largeur(t + " 000", taille), 165),
           static_cast<int>(std::floor((34 - po.hauteur(taille)) / 2.0)) + 8, libelletableau(t, tableau),
           taille);
    bitblt(tapis_, 165, 12, 146, 24, image, 165, 12);
    pf.invalide(Rect{left + 165, top + 12, 146, 24});
}

void Jong::affichepartie() {
    // The two boxes at one size, the largest at which both texts fit.
    Polices& po = pf.polices();
    // The boards cleared, as the saved game and the score table count them: a board running or lost adds
    // nothing, so the total never goes back.
    const std::string total = "total " + heures(tempscumule);
    int taille = r_.taille6;
    if (!nompartie.empty()) {
        // The name's own fit is kept: it does not change from one tick to the next.
        if (nom_ajuste_ != nompartie || taille_nom_ajuste_.first != r_.taille6)
            nom_ajuste_ = nompartie,
            taille_nom_ajuste_ = {r_.taille6, tailleajustee(po, nompartie, r_.taille6, BoiteNom.w - 10)};
        taille = std::min(taille_nom_ajuste_.second, tailleajustee(po, total, r_.taille6, BoiteTotal.w - 10));
    }
    const int y = static_cast<int>(std::floor((34 - po.hauteur(taille)) / 2.0)) + BoiteNom.y - 4;
    // Each box compared on its own: a tick changes the total's last digits only, and just those go out.
    for (const auto& [b, texte] :
         {std::pair<Rect, const std::string*>{BoiteNom, &nompartie}, {BoiteTotal, &total}}) {
        const Rect change = retouche(image, b, [&] {
            fill(image, b.x, b.y, b.w, b.h, 0);
            if (!nompartie.empty())
                releve(po, image, centre(b.w, po.largeur(*texte, taille), b.x), y, *texte, taille);
        });
        bitblt(tapis_, b.x, b.y, b.w, b.h, image, b.x, b.y);
        pf.invalide(Rect{left + change.x, top + change.y, change.w, change.h});
    }
}

void Jong::annonce(const std::string& ligne1, const std::string& ligne2, bool assombri) {
    cache_focus();
    Polices& po = pf.polices();
    const int t1 = tailleajustee(po, ligne1, r_.taille8, 520),
              t2 = tailleajustee(po, ligne2, r_.taille6, 520);
    const int t3 = tailleajustee(po, PourContinuer, r_.taille3, 520);
    const int h1 = po.hauteur(t1), h2 = po.hauteur(t2), h3 = po.hauteur(t3), ecart = h2 / 2;
    const int y = 240 - (h1 + ecart + h2 + ecart + h3) / 2;
    if (assombri) {
        // The cards left stay in sight under the veil the name entry and the scores use; the lines go in
        // a box of their own so that no card shows through them.
        assombrit(image, Rect{36, 48, 568, 384});
        const int w =
            std::max({po.largeur(ligne1, t1), po.largeur(ligne2, t2), po.largeur(PourContinuer, t3)}) + 48;
        boite(image, Rect{320 - w / 2, y - 12, w, h1 + ecart + h2 + ecart + h3 + 24}, table_);
    } else {
        bitblt(image, 30, 42, 581, 397, tapis_, 30, 42);
    }
    releve(po, image, centre(640, po.largeur(ligne1, t1), 0), y, ligne1, t1);
    releve(po, image, centre(640, po.largeur(ligne2, t2), 0), y + h1 + ecart, ligne2, t2);
    releve(po, image, centre(640, po.largeur(PourContinuer, t3), 0), y + h1 + h2 + 2 * ecart, PourContinuer,
           t3);
    pf.invalide();
}

void Jong::copiecarte(Case k) {
    const int v = grille[ix(k.c)][ix(k.r)];
    const Point p = coin(k);
    // Every obstacle shows the back: no face lies on the sheet past the 32 cards.
    if (estobstacle(v))
        bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tampon_, 0, 384);
    else if (estcarte(v))
        bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tampon_, LargeurCarte * (v % 8),
               HauteurCarte * (v / 8));
}

void Jong::depose() {
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 8; ++c)
            if (grille[ix(c)][ix(r)] != vide) copiecarte({c, r});
    pf.invalide();
}

void Jong::retourneoui(Case k) {
    const Point p = coin(k);
    bitblt(image, p.x, p.y, 69, 94, masque_, 169, 1, Rop::SrcAnd);
    monrefresh(p.x, p.y, 69, 94);
}

void Jong::retournenon(Case k) {
    const Point p = coin(k);
    copiecarte(k);
    monrefresh(p.x, p.y, LargeurCarte, HauteurCarte);
}

void Jong::retourneout(Case k) {
    const Point p = coin(k);
    bitblt(image, p.x, p.y, LargeurCarte, HauteurCarte, tapis_, p.x, p.y);
    monrefresh(p.x, p.y, LargeurCarte, HauteurCarte);
}

bool Jong::bonchemin() {
    const auto ch = cherchechemin(grille, carte1, carte2);
    if (!ch) return false;
    grille[ix(carte1.c)][ix(carte1.r)] = vide;
    grille[ix(carte2.c)][ix(carte2.r)] = vide;
    if (!voisines(carte1, carte2)) chemine(*ch);
    retourneout(carte1);
    retourneout(carte2);
    return true;
}

void Jong::chemine(const Chemin& ch) {
    animation_ = true;
    const auto cases = etapes(carte1, carte2, ch);
    for (const Case k : cases) {
        const Point p = positionmarqueur(k);
        bitblt(image, p.x, p.y, 32, 32, masque_, 176, 96, Rop::SrcAnd);
        bitblt(image, p.x, p.y, 32, 32, tampon_, 536, 384, Rop::SrcPaint);
        monrefresh(p.x, p.y, 32, 32);
        pause(0.05f);
    }
    for (const Case k : cases) {
        const Point p = positionmarqueur(k);
        bitblt(image, p.x, p.y, 32, 32, tapis_, p.x, p.y);
        monrefresh(p.x, p.y, 32, 32);
    }
    animation_ = false;
    // A tick during the path was not drawn.
    afficheheure();
}

void Jong::afficheheure() {
    // Only the digits that moved go to the screen.
    const Rect change = retouche(image, Rect{330, 12, 131, 24}, [this] {
        fill(image, 330, 12, 131, 24, 0);
        Polices& po = pf.polices();
        // Past 0 (the last tick, a penalty) the board is lost: the clock says 0.
        const std::string t = textechrono(std::max(chrono, 0));
        const int t6 = r_.taille6;
        releve(po, image, centre(180, po.largeur(t, t6), 330),
               static_cast<int>(std::floor((34 - po.hauteur(t6)) / 2.0)) + 8, t, t6);
    });
    // The clean table keeps the clock, so erasing a marker over it puts the time back.
    bitblt(tapis_, 330, 12, 131, 24, image, 330, 12);
    pf.invalide(Rect{left + change.x, top + change.y, change.w, change.h});
}

void Jong::ecranfinal() {
    cache_focus();
    // The whole tray is cleared: the obstacles left would peek out around the lines.
    bitblt(image, 20, 42, 601, 397, tapis_, 20, 42);
    // A game loaded already finished never showed its last board: the label says it now.
    afficheboite(numtableau - 1);
    affichepartie();
    Polices& po = pf.polices();
    const Texte lignes[3] = {Texte::Felicitations, Texte::VousAvezTermineTous, Texte::LesTableauxDuJeu};
    const int ys[3] = {80, 140, 200};
    // The three lines share one size, the largest at which the longest fits over the board.
    int t8 = r_.taille8;
    for (Texte l : lignes) t8 = std::min(t8, tailleajustee(po, r_.textes[l], r_.taille8, 560));
    for (int i = 0; i < 3; ++i) {
        const std::string& t = r_.textes[lignes[i]];
        releve(po, image, centre(560, po.largeur(t, t8), 40), ys[i], t, t8);
    }
    const std::string suite = "Cliquez sur « Menu » ou appuyez sur Entrée pour continuer";
    const int t3 = tailleajustee(po, suite, r_.taille3, 560);
    releve(po, image, centre(560, po.largeur(suite, t3), 40), 300, suite, t3);
    pf.invalide();
}

void Jong::pause(float secondes) {
    pf.attend_pendant(static_cast<int>(std::lround(secondes * 1000.0f)));
}

void Jong::monrefresh(int x, int y, int w, int h) {
    pf.invalide(Rect{left + x, top + y, w, h});
    pf.monrefresh();
}

} // namespace tlv::quadrel
