// The player's mouse on the table: bidding lines, Sud's cards, the "Menu" label and the last trick.
#include "belote/legalite.h"
#include "belote_table/ecran.h"
#include "belote_table/fmenu.h"
#include "platform/curseurs.h"
#include "platform/entrees.h"
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
    sourisx_ = x, sourisy_ = y;
    if (button == bouton::Droit) {
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
    if (curseur_attente() && surmenu(x, y))
        ouvremenu();
    else if (curseur_attente() && surpile(x, y))
        montredernierpli();
    else if (enpause_)
        clic_ = true; // as a right click: the wait under way ends
}

void Ecran::ouvremenu() {
    joueson("cartew00");
    const EtatClic avant = etatclic_;
    affichelemenu();
    if (b.ecran.arret < 1) etatclic_ = avant;
}

void Ecran::montredernierpli() {
    if (b.paquet.positionpaquet <= 4) return;
    const EtatClic avant = etatclic_;
    etatclic_ = EtatClic::suspendu;
    pf.curseur(Curseur::Repos);
    affichedernierpli();
    pf.curseur(Curseur::Attente);
    etatclic_ = avant;
}

void Ecran::etatclic(EtatClic etat) {
    etatclic_ = etat;
    cache_focus();
    if (etat == EtatClic::carte) {
        // Armed for a card: a click from now on counts, even during the prompt that follows.
        carteclic = 0;
        // The keys start on the first card the rules accept.
        const Main& jeu = b.table.jeu[1];
        focuscarte_ = 0;
        for (int s = 1; s <= 8 && focuscarte_ == 0; ++s)
            if (jeu[static_cast<std::size_t>(s)] > 0 && permise(cartelegale(b.table, 1, s))) focuscarte_ = s;
        if (pf.clavier()) montrefocuscarte();
        // The pointer fits what lies under the mouse now, before it moves.
        if (sourisx_ >= 0) fond_MouseMove(0, 0, sourisx_, sourisy_);
    } else if (etat == EtatClic::enchere1 || etat == EtatClic::enchere2) {
        focusenchere_ = 1;
        if (pf.clavier()) surlignefocus();
    }
}

void Ecran::surlignefocus() {
    if (etatclic_ == EtatClic::enchere1) {
        survol1 = focusenchere_;
        menu03(survol1);
    } else {
        survol2 = focusenchere_;
        menu04(survol2);
    }
}

bool Ecran::touche_enchere(Touche code) {
    if (etatclic_ != EtatClic::enchere1 && etatclic_ != EtatClic::enchere2) return false;
    // The lines in reading order: pass, then take (or the three suits), round at either end.
    const int n = etatclic_ == EtatClic::enchere1 ? 2 : 4;
    switch (code) {
    case Touche::Haut:
    case Touche::Gauche:
        focusenchere_ = focusenchere_ > 1 ? focusenchere_ - 1 : n;
        surlignefocus();
        return true;
    case Touche::Bas:
    case Touche::Droite:
        focusenchere_ = focusenchere_ < n ? focusenchere_ + 1 : 1;
        surlignefocus();
        return true;
    case Touche::Entree:
    case Touche::Espace:
        choixenchere = focusenchere_;
        return true;
    default:
        return false;
    }
}

void Ecran::montrefocuscarte() {
    const Main& jeu = b.table.jeu[1];
    int x = gauchesud;
    for (int s = 1; s < focuscarte_; ++s)
        if (jeu[static_cast<std::size_t>(s)] > 0) x += 30;
    bool derniere = true;
    for (int s = focuscarte_ + 1; s <= 8; ++s) derniere = derniere && jeu[static_cast<std::size_t>(s)] <= 0;
    // Around the part of the card in sight: the next one covers the rest.
    if (focuscarte_ > 0) montre_focus(Rect{x, 386, derniere ? 71 : 32, 92});
}

bool Ecran::touche_carte(Touche code) {
    if (etatclic_ != EtatClic::carte) return false;
    const Main& jeu = b.table.jeu[1];
    const int pas = code == Touche::Gauche ? -1 : code == Touche::Droite ? 1 : 0;
    if (pas != 0) {
        for (int s = focuscarte_ + pas; s >= 1 && s <= 8; s += pas)
            if (jeu[static_cast<std::size_t>(s)] > 0) {
                focuscarte_ = s;
                break;
            }
        montrefocuscarte();
        return true;
    }
    if (code != Touche::Entree && code != Touche::Espace) return false;
    if (focuscarte_ == 0) return true;
    carteclic = focuscarte_;
    etatclic_ = EtatClic::aucun;
    cache_focus();
    return true;
}

void Ecran::fond_MouseMove(int, int, int x, int y) {
    sourisx_ = x, sourisy_ = y;
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
    Surface garde(480, 480, 0, pf.facteur());
    bitblt(garde, 0, 0, 480, 480, fond, 0, 0);
    assombrit(fond, Rect{0, 0, 480, 480});
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
    const Surface fondmenu = chargeimage(ctx.r.repertoire, "cartei06", pf.facteur());
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
    } else if (menuallume) {
        menuallume = false;
        dessine_label_menu(false);
    }
    pf.invalide();
}

} // namespace tlv
