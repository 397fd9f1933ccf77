// The player's mouse on the table: bidding lines, Sud's cards, the "Menu" label and the last trick.
#include "belote/legalite.h"
#include "belote_table/ecran.h"
#include "belote_table/fmenu.h"
#include "platform/plateforme.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv {

namespace {

bool surmenu(int x, int y) {
    return x > 484 && x < 636 && y > 442 && y < 476;
}
bool surpanneau(int x, int y) {
    return x > 100 && x < 380 && y > 192 && y < 288;
}
bool surpile(int x, int y) {
    return (x < 71 && y < 96) || (x > 409 && x < 480 && y > 384 && y < 480);
}

} // namespace

int Ecran::jaiclique(const Main& jeu, int largeur, int x) {
    if (x > largeur - 71) {
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

void Ecran::fond_MouseDown(int button, int, int x, int y) {
    if (attendfin) {
        attendfin = false;
        return;
    }
    if (button == bouton::Droit || (button == bouton::Gauche && coupeauclic)) {
        clic_ = true;
        return;
    }
    if (button != bouton::Gauche) return;
    switch (etatclic_) {
    case EtatClic::enchere1:
        if (survol1 > 0) {
            choixenchere = survol1;
            return;
        }
        break;
    case EtatClic::enchere2:
        if (survol2 > 0) {
            choixenchere = survol2;
            return;
        }
        break;
    case EtatClic::carte:
        if (x > gauchesud && x < droitesud && y > 384) {
            carteclic = jaiclique(b.table.jeu[1], droitesud - gauchesud, x - gauchesud);
            if (carteclic > 0) {
                etatclic_ = EtatClic::aucun;
                return;
            }
        }
        break;
    default:
        break;
    }
    if (!curseur_attente()) return;
    if (surmenu(x, y)) {
        joueson("cartew00");
        const EtatClic avant = etatclic_;
        affichelemenu();
        if (b.ecran.arret < 1) etatclic_ = avant;
    } else if (surpile(x, y) && b.paquet.positionpaquet > 4) {
        const EtatClic avant = etatclic_;
        etatclic_ = EtatClic::suspendu;
        pf.curseur(Curseur::Occupe);
        affichedernierpli();
        pf.curseur(Curseur::Attente);
        etatclic_ = avant;
    }
}

void Ecran::fond_MouseMove(int, int, int x, int y) {
    switch (etatclic_) {
    case EtatClic::enchere1: {
        if (surpanneau(x, y)) {
            const int l = y < 240 ? 1 : 2;
            if (l != survol1) survol1 = l, menu03(l);
            return;
        }
        if (survol1 != 0) {
            survol1 = 0, menu03(0);
            return;
        }
        break;
    }
    case EtatClic::enchere2: {
        if (surpanneau(x, y)) {
            const int l = y < 240 ? 1 : (x >= IconeX && x < IconeX + 3 * 44 ? (x - IconeX) / 44 + 2 : 0);
            if (l != survol2) survol2 = l, menu04(l);
            return;
        }
        if (survol2 != 0) {
            survol2 = 0, menu04(0);
            return;
        }
        break;
    }
    case EtatClic::carte: {
        // The hand only over a card the rules accept now: the same rule that will judge the click.
        const int slot = x > gauchesud && x < droitesud && y > 384
                             ? jaiclique(b.table.jeu[1], droitesud - gauchesud, x - gauchesud)
                             : 0;
        pf.curseur(slot > 0 && permise(cartelegale(b.table, 1, slot)) ? Curseur::Carte : Curseur::Attente);
        break;
    }
    default:
        break;
    }
    if (!curseur_attente()) return;
    const bool dessus = surmenu(x, y);
    if (dessus != menuallume) {
        menuallume = dessus;
        dessine_label_menu(dessus);
    }
}

Attente Ecran::attendenchere() {
    choixenchere = 0;
    while (choixenchere == 0 && b.ecran.arret == 0) pf.attend_joueur();
    return {choixenchere, b.ecran.arret};
}

Attente Ecran::attendcarte() {
    // `carteclic` was cleared when the card was asked for: a click during the prompt stands.
    while (carteclic == 0 && b.ecran.arret == 0) pf.attend_joueur();
    const Attente r{carteclic, b.ecran.arret};
    carteclic = 0;
    return r;
}

void Ecran::attendapresfin() {
    etatclic_ = EtatClic::aucun;
    pf.curseur(Curseur::Attente);
    attendfin = true;
    while (attendfin) pf.attend_joueur();
}

void Ecran::affichedernierpli() {
    joueson("cartew01");
    Surface garde(480, 480);
    bitblt(garde, 0, 0, 480, 480, fond, 0, 0);
    for (int y = 0; y <= 400; y += 80)
        for (int x = 0; x <= 360; x += 120) bitblt(fond, x, y, 120, 80, masque, 170, 1, Rop::SrcAnd);
    const auto& d = b.ecran.cartesdernierpli;
    poseface(204, 288, d[1]);
    poseface(276, 192, d[2]);
    poseface(204, 96, d[3]);
    poseface(132, 192, d[4]);
    // The box goes above the trick, over Nord's darkened hand, so that the four cards stay in sight; the
    // whole table comes back from `garde`, so nothing under the box is saved (a prompt's box may be up).
    boite(0, ctx.r.textes[Texte::DernierPli], std::string());
    pause(1.f);
    bitblt(fond, 0, 0, 480, 480, garde, 0, 0);
    pf.invalide();
    joueson("cartew01");
}

void Ecran::affichelemenu() {
    etatclic_ = EtatClic::suspendu;
    const Curseur avant = pf.curseur_actuel();
    pf.curseur(Curseur::Repos);
    // The menu's picture lives while the menu is shown only.
    const Surface fondmenu = chargeimage(ctx.r.repertoire, "cartei06");
    Fmenu menu(ctx, fondmenu, b.table.partieencours, b.paquet);
    menu.place(ctx.r.decalagex, ctx.r.decalagey);
    pf.montre_modal(menu);
    pf.curseur(avant);
    const ReponseMenu reponse = menu.reponse;
    menu.unload();
    if (reponse == ReponseMenu::nouvelle) {
        bitblt(fond, 0, 0, 640, 480, ecranbis, 0, 0);
        menuallume = false;
        b.ecran.arret = 1;
        etatclic_ = EtatClic::aucun;
    } else if (reponse == ReponseMenu::quitter) {
        fill(fond, 0, 0, 640, 480, 0);
        b.ecran.arret = 2;
    }
    pf.invalide();
}

} // namespace tlv
