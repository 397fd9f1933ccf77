#include "memo.h"

#include <algorithm>

#include "finmemo.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "scores/fichierscores.h"
#include "scores/tableaux.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::memo {

namespace {
using E = EtatClicMemo;
using R = ReponseMemo;
constexpr Rect Cellules{36, 48, 568, 384}; // the cards' places, 8 x 4
} // namespace

Memo::Memo(Contexte& c)
    : Form(c.pf, 640, 480), tictac(c.pf, 1000, [this] { seconde_ecoulee(); }), ctx(c), pause_(c.pf, c.r) {}

void Memo::Form_Load() {
    jouemusik(pf, ctx.util, ctx.r, "cartem02");
}

void Memo::Form_Activate() {
    // Coming back from a screen shown over the table while the loop waits: nothing to do.
    if (etatclic != E::Libre) return;
    sortie = false;
    tictac.active(false);
    chargeimages();
    joueramemo();
    if (sortie) hide();
}

void Memo::Form_Unload() {
    tictac.active(false);
}

void Memo::Form_KeyDown(Touche code, int) {
    if (etatclic == E::Libre || etatclic == E::MenuOuvert) return;
    if (focus.deplace(code)) {
        montrefocus();
    } else if (touche_action(code)) {
        montrefocus();
        choisitplace(Place{focus.colonne(), focus.ligne()});
    } else if (code == Touche::Echap && carteattendue()) {
        ouvremenu();
    }
}

void Memo::montrefocus() {
    const Point p = coin(Place{focus.colonne(), focus.ligne()});
    montre_focus(Rect{p.x, p.y, LargeurCarte, HauteurCarte});
}

void Memo::joueramemo() {
    R reponse = affichelemenu();
    for (;;) {
        if (reponse == R::Quitter) {
            sortie = true;
            return;
        }
        if (reponse == R::Nouvelle) nouvellepartie();
        reponse = R::Aucune;
        // One try after another until the board is empty, a new game or leaving.
        while (reponse == R::Aucune) reponse = unessai();
    }
}

void Memo::nouvellepartie() {
    affichetapis();
    niveaupartie = ctx.r.niveaumemo;
    tirage(plateau, niveaupartie, ctx.rnd);
    const NiveauMemo n = niveaumemo_table(niveaupartie);
    focus.bloc(n.premiere, n.colonnes, lignesmemo_grille);
    cache_focus();
    if (pf.clavier()) montrefocus();
    depose();
    temps = 0;
    tictac.active(true);
    carte1 = carte2 = Place{};
    partieencours = true;
}

R Memo::unessai() {
    // Until a card is chosen, or the menu ends the game.
    const auto attend = [this] { pf.attend_joueur(); };
    if (attendcarte(E::AttendPremiere, attend) == E::Quitter) return R::Quitter;
    if (etatclic == E::Nouvelle) return R::Nouvelle;
    joueson(pf, ctx.r, "cartew07");
    retourneoui(carte1);

    if (attendcarte(E::AttendSeconde, attend) == E::Quitter) return R::Quitter;
    if (etatclic == E::Nouvelle) return R::Nouvelle;
    retourneoui(carte2);

    if (estpaire(plateau.carte(carte1), plateau.carte(carte2))) {
        joueson(pf, ctx.r, "cartew07");
        retirepaire(plateau, carte1, carte2);
    } else {
        joueson(pf, ctx.r, "cartew02");
        pause(1.f);
        temps = std::min(temps + penalite(plateau, carte1, carte2), tempsmaxmemo);
        retournenon(carte1);
        retournenon(carte2);
        marquevues(plateau, carte1, carte2);
    }
    if (restedescartes(plateau)) return R::Aucune;
    tictac.active(false);
    tableaudesscores();
    partieencours = false;
    return affichelemenu();
}

R Memo::affichelemenu() {
    const E avant = etatclic;
    etatclic = E::MenuOuvert;
    tictac.active(false);
    Menumemo m(ctx, partieencours, [this] { affichelesscores(); });
    m.load();
    m.place(ctx.r.decalagex, ctx.r.decalagey);
    pf.montre_modal(m);
    const R reponse = m.reponse;
    m.unload();
    if (reponse == R::Quitter) {
        fill(image, 0, 0, largeur(), hauteur(), 0);
        pf.invalide();
    }
    etatclic = avant;
    return reponse;
}

void Memo::affichelesscores() {
    affichelesscores_memo(ctx, partieencours ? niveaupartie : ctx.r.niveaumemo);
}

void Memo::tableaudesscores() {
    cache_focus();
    assombrit(image, Rect{0, 0, 640, 480});
    pf.invalide();
    // A time that ranks goes on to the name entry and the table; one that does not is still shown.
    if (!tableaudesscores_memo(ctx, niveaupartie, temps)) affichefin(ctx, temps, niveaupartie);
}

void Memo::MouseDown(int, int, int x, int y) {
    if (etatclic == E::Libre || etatclic == E::MenuOuvert) return;
    if (const auto p = placesous(x, y)) {
        choisitplace(*p);
        return;
    }
    if (carteattendue() && surmenu(x, y)) ouvremenu();
}

void Memo::choisitplace(Place p) {
    if (plateau.carte(p) != -1) choisit(p);
}

void Memo::ouvremenu() {
    tictac.active(false);
    joueson(pf, ctx.r, "cartew00");
    const R reponse = affichelemenu();
    if (reponse == R::Quitter)
        etatclic = E::Quitter;
    else if (reponse == R::Nouvelle)
        etatclic = E::Nouvelle;
    else if (reponse == R::Continuer) {
        // The pointer left the label for the menu's lines: the label must not stay lit until it moves.
        survol = false;
        affichepetit(false);
        tictac.active(true);
    }
}

void Memo::MouseMove(int, int, int x, int y) {
    if (carteattendue() && suitsurvol(x, y)) affichepetit(survol);
}

void Memo::fenetre(bool active) {
    if (active || !tictac.armee()) return;
    // The cards' places, the clean cloth: no card is seen, face or back, while the clock holds.
    Surface table = image;
    bitblt(table, Cellules.x, Cellules.y, Cellules.w, Cellules.h, tapis_, Cellules.x, Cellules.y);
    pause_.montre(table, Cellules);
}

void Memo::seconde_ecoulee() {
    // Stopped at its limit rather than back to 0, which would rank a nine-hour game among the best.
    if (temps < tempsmaxmemo) ++temps;
    affichetemps();
}

} // namespace tlv::memo
