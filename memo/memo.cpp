#include "memo.h"

#include "finmemo.h"
#include "menumemo.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "scores/tableaux.h"
#include "shell/reglages.h"
#include "shell/sons.h"
#include "shell/tempo.h"

namespace tlv {

namespace {
// The Menu label's hot area under the grid.
bool surmenu(int x, int y) {
    return x > 243 && x < 397 && y > 437 && y < 474;
}
} // namespace

Memo::Memo(Contexte& c) : Form(c.pf, 640, 480), Timer1(c.pf, 1000, [this] { Timer1_Timer(); }), ctx(c) {}

void Memo::Form_Load() {
    jouemusik(pf, ctx.util, ctx.r, "cartem02");
}

void Memo::Form_Activate() {
    // Coming back from a screen shown over the table while the loop waits: nothing to do.
    if (etatclic != 0) return;
    sortie = false;
    Timer1.active(false);
    chargeimages();
    joueramemo();
    if (sortie) hide();
}

void Memo::Form_Unload() {
    Timer1.active(false);
}

void Memo::Form_KeyDown(Touche code, int) {
    if (code == Touche::F5) {
        auto d = Test(pf, ctx.r);
        ouvre_dialogue(pf, *d);
        return;
    }
    touche_son(pf, ctx.util, ctx.r, code, "cartem02");
}

void Memo::joueramemo() {
    std::string reponse = affichelemenu();
    for (;;) {
        if (reponse == "quitter") {
            sortie = true;
            return;
        }
        if (reponse == "nouvelle") {
            affichetapis();
            niveaupartie = ctx.r.niveaumemo;
            tirage(plateau, niveaupartie, ctx.rnd);
            depose();
            temps = 0;
            Timer1.active(true);
            carte1 = carte2 = Place{};
            partieencours = true;
        }
        reponse.clear();
        // One try after another until the board is empty, a new game or leaving.
        while (reponse.empty()) {
            // Waits in state `attente` until a card is turned (state `tournee`), or the menu ends the game.
            const auto attend_carte = [this](int attente, int tournee) {
                etatclic = attente;
                while (etatclic != 9 && etatclic != 10 && etatclic != tournee) pf.attend_joueur();
                return etatclic;
            };
            if (attend_carte(1, 2) == 9) {
                sortie = true;
                return;
            }
            if (etatclic == 10) {
                reponse = "nouvelle";
                break;
            }
            joueson(pf, ctx.r, "cartew07");
            retourneoui(carte1);

            if (attend_carte(3, 4) == 9) {
                sortie = true;
                return;
            }
            if (etatclic == 10) {
                reponse = "nouvelle";
                break;
            }
            retourneoui(carte2);

            if (estpaire(plateau.carte(carte1), plateau.carte(carte2))) {
                joueson(pf, ctx.r, "cartew07");
                retirepaire(plateau, carte1, carte2);
            } else {
                joueson(pf, ctx.r, "cartew02");
                float attente = 1.f;
                pause(attente);
                temps += penalite(plateau, carte1, carte2);
                retournenon(carte1);
                retournenon(carte2);
                marquevues(plateau, carte1, carte2);
            }
            if (!restedescartes(plateau)) {
                Timer1.active(false);
                tableaudesscores();
                partieencours = false;
                reponse = affichelemenu();
            }
        }
    }
}

std::string Memo::affichelemenu() {
    const int avant = etatclic;
    etatclic = -1;
    Timer1.active(false);
    Menumemo m(*this);
    m.load();
    m.place(ctx.r.decalagex, ctx.r.decalagey);
    pf.montre_modal(m);
    const std::string reponse = m.reponse;
    m.unload();
    if (reponse == "quitter") {
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
    assombrit(image, masque_);
    pf.invalide();
    // A time that ranks goes on to the name entry and the table; one that does not is still shown.
    if (!tableaudesscores_memo(ctx, niveaupartie, temps)) affichefin(ctx, temps, niveaupartie);
}

void Memo::MouseDown(int, int, int x, int y) {
    if (etatclic <= 0) return;
    if (const auto p = placesous(x, y)) {
        if (plateau.carte(*p) == -1) return;
        if (etatclic == 1) {
            carte1 = *p;
            etatclic = 2;
        } else if (etatclic == 3 && *p != carte1) {
            carte2 = *p;
            etatclic = 4;
        }
        return;
    }
    if ((etatclic == 1 || etatclic == 3) && surmenu(x, y)) {
        Timer1.active(false);
        joueson(pf, ctx.r, "cartew00");
        const std::string reponse = affichelemenu();
        if (reponse == "quitter")
            etatclic = 9;
        else if (reponse == "nouvelle")
            etatclic = 10;
        else if (reponse == "continue")
            Timer1.active(true);
    }
}

void Memo::MouseMove(int, int, int x, int y) {
    if (etatclic != 1 && etatclic != 3) return;
    const bool dessus = surmenu(x, y);
    if (dessus == survol) return;
    survol = dessus;
    affichepetit(survol);
}

void Memo::Timer1_Timer() {
    ++temps;
    affichetemps();
    if (temps > 32000) temps = 0;
}

} // namespace tlv
