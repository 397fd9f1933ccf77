// The player's mouse on the table: bidding lines, Sud's cards, the "Menu" label and the last trick.
#include <algorithm>

#include "belote/conseil.h"
#include "belote/legalite.h"
#include "belote_table/ecran.h"
#include "belote_table/fmenu.h"
#include "platform/curseurs.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv::belote {

namespace {

bool surmenu(int x, int y) {
    return x > 484 && x < 636 && y > 442 && y < 476;
}
bool surrevoir(int x, int y) {
    return x >= 562 && x < 636 && y >= 6 && y < 40;
}
bool surpanneau(int x, int y) {
    return x > 100 && x < 380 && y > 192 && y < 288;
}
bool surpile(int x, int y) {
    return (x < 71 && y < 96) || (x > 409 && x < 480 && y > 384 && y < 480);
}
bool surconseil(int x, int y) {
    const Rect& z = ZoneConseil;
    return x >= z.x && x < z.x + z.w && y >= z.y && y < z.y + z.h;
}
// Sud is awaited: a bid in either round, or a card.
bool tourdesud(EtatClic e) {
    return e == EtatClic::enchere1 || e == EtatClic::enchere2 || e == EtatClic::carte;
}

// The line of bidding panel `numero` under (x, y): 0 inside the panel but on no line, -1 off it.
int lignesous(int numero, int x, int y) {
    if (!surpanneau(x, y)) return -1;
    if (y < 240) return 1;
    if (numero == 1) return 2;
    return x >= IconeX && x < IconeX + 3 * 44 ? (x - IconeX) / 44 + 2 : 0;
}

} // namespace

int Ecran::cartesous(int x, int y) const {
    const int g = tapis_.gauchesud(), d = tapis_.droitesud();
    return x > g && x < d && y > 384 ? Tapis::jaiclique(b_.table.jeu[1], d - g, x - g) : 0;
}

void Ecran::MouseDown(int button, int, int x, int y) {
    if (button == bouton::Gauche && tapis_.revoirvisible() && surrevoir(x, y)) return ouvrerevue();
    if (attendfin_) {
        attendfin_ = false;
        return;
    }
    sourisx_ = x, sourisy_ = y;
    if (button == bouton::Droit) {
        clic_ = true;
        return;
    }
    if (button != bouton::Gauche) return;
    if (surconseil(x, y) && demandeconseil()) return;
    if (etatclic_ == EtatClic::enchere1 || etatclic_ == EtatClic::enchere2) {
        const int ligne = etatclic_ == EtatClic::enchere1 ? survol1_ : survol2_;
        if (ligne > 0) {
            choixenchere_ = ligne;
            return;
        }
    } else if (etatclic_ == EtatClic::carte) {
        carteclic_ = cartesous(x, y);
        if (carteclic_ > 0) {
            etatclic_ = EtatClic::aucun;
            majrevoir();
            return;
        }
    }
    if (curseur_attente() && surmenu(x, y))
        ouvremenu();
    else if (curseur_attente() && surpile(x, y))
        montredernierpli();
    else if (enpause_)
        clic_ = true; // as a right click: the wait under way ends
}

void Ecran::ouvremenu() {
    tapis_.joueson("cartew00");
    const EtatClic avant = etatclic_;
    affichelemenu();
    if (b_.ecran.arret < 1) etatclic_ = avant;
}

bool Ecran::demandeconseil() {
    if (!tourdesud(etatclic_)) return false;
    if (tapis_.conseilmontre()) {
        tapis_.effaceconseil();
        return true;
    }
    const Conseil c = conseille(b_.table, etatclic_, b_.rnd);
    if (c.choix == 0) return false;
    ++conseils_;
    tapis_.montreconseil(c.phrase);
    pf.rapporte("conseil " + std::string(identifiant(c.motif)) + " " + c.phrase);
    // The advised line or card takes the keys' focus: Entrée then follows the advice.
    if (etatclic_ == EtatClic::carte) {
        focuscarte_ = c.choix;
        montrefocuscarte();
    } else {
        focusenchere_ = c.choix;
        surlignefocus();
    }
    return true;
}

void Ecran::montredernierpli() {
    if (b_.paquet.positionpaquet <= 4) return;
    const EtatClic avant = etatclic_;
    etatclic_ = EtatClic::suspendu;
    pf.curseur(Curseur::Repos);
    tapis_.affichedernierpli();
    pf.curseur(Curseur::Attente);
    etatclic_ = avant;
}

void Ecran::etatclic(EtatClic etat) {
    etatclic_ = etat;
    cache_focus();
    majrevoir();
    if (etat == EtatClic::carte) {
        // Armed for a card: a click from now on counts, even during the prompt that follows.
        carteclic_ = 0;
        // The keys start on the first card the rules accept.
        const Main& jeu = b_.table.jeu[1];
        focuscarte_ = 0;
        for (int s = 1; s <= 8 && focuscarte_ == 0; ++s)
            if (jeu[static_cast<std::size_t>(s)] > 0 && permise(cartelegale(b_.table, 1, s))) focuscarte_ = s;
        if (pf.clavier()) montrefocuscarte();
        // The pointer fits what lies under the mouse now, before it moves.
        if (sourisx_ >= 0) MouseMove(0, 0, sourisx_, sourisy_);
    } else if (etat == EtatClic::enchere1 || etat == EtatClic::enchere2) {
        focusenchere_ = 1;
        if (pf.clavier()) surlignefocus();
    }
}

void Ecran::surlignefocus() {
    if (etatclic_ == EtatClic::enchere1) {
        survol1_ = focusenchere_;
        tapis_.panneau(1, survol1_);
    } else {
        survol2_ = focusenchere_;
        tapis_.panneau(2, survol2_);
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
        choixenchere_ = focusenchere_;
        return true;
    default:
        return false;
    }
}

void Ecran::montrefocuscarte() {
    const Main& jeu = b_.table.jeu[1];
    int x = tapis_.gauchesud();
    for (int s = 1; s < focuscarte_; ++s)
        if (jeu[static_cast<std::size_t>(s)] > 0) x += 30;
    bool derniere = true;
    for (int s = focuscarte_ + 1; s <= 8; ++s) derniere = derniere && jeu[static_cast<std::size_t>(s)] <= 0;
    // Around the part of the card in sight: the next one covers the rest.
    if (focuscarte_ > 0) montre_focus(Rect{x, 386, derniere ? 71 : 32, 92});
}

bool Ecran::touche_carte(Touche code) {
    if (etatclic_ != EtatClic::carte) return false;
    const Main& jeu = b_.table.jeu[1];
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
    carteclic_ = focuscarte_;
    etatclic_ = EtatClic::aucun;
    cache_focus();
    majrevoir();
    return true;
}

void Ecran::MouseMove(int, int, int x, int y) {
    sourisx_ = x, sourisy_ = y;
    tapis_.labelconseil(tourdesud(etatclic_) && surconseil(x, y));
    majrevoir();
    if (etatclic_ == EtatClic::enchere1 || etatclic_ == EtatClic::enchere2) {
        const int numero = etatclic_ == EtatClic::enchere1 ? 1 : 2;
        int& survol = numero == 1 ? survol1_ : survol2_;
        const int ligne = lignesous(numero, x, y);
        // Off the panel, the highlight goes out once; then the mouse is only over the table.
        if (ligne >= 0 || survol != 0) {
            if (std::max(ligne, 0) != survol) {
                survol = std::max(ligne, 0);
                tapis_.panneau(numero, survol);
            }
            return;
        }
    } else if (etatclic_ == EtatClic::carte) {
        // The hand only over a card the rules accept now: the same rule that will judge the click.
        const int slot = cartesous(x, y);
        pf.curseur(slot > 0 && permise(cartelegale(b_.table, 1, slot)) ? Curseur::Carte : Curseur::Attente);
    }
    if (curseur_attente()) tapis_.labelmenu(surmenu(x, y));
}

Attente Ecran::attendenchere() {
    choixenchere_ = 0;
    while (choixenchere_ == 0 && b_.ecran.arret == 0) pf.attend_joueur();
    tapis_.effaceconseil();
    return {choixenchere_, b_.ecran.arret};
}

Attente Ecran::attendcarte() {
    // `carteclic_` was cleared when the card was asked for: a click during the prompt stands.
    while (carteclic_ == 0 && b_.ecran.arret == 0) pf.attend_joueur();
    tapis_.effaceconseil();
    const Attente r{carteclic_, b_.ecran.arret};
    carteclic_ = 0;
    return r;
}

void Ecran::attendapresfin() {
    etatclic_ = EtatClic::aucun;
    pf.curseur(Curseur::Attente);
    attendfin_ = true;
    // The last deal's contract means nothing now: its place shows the way to the replay.
    tapis_.effacecontrat();
    majrevoir();
    while (attendfin_) pf.attend_joueur();
    majrevoir();
}

void Ecran::affichelemenu() {
    etatclic_ = EtatClic::suspendu;
    const Curseur avant = pf.curseur_actuel();
    pf.curseur(Curseur::Repos);
    // The menu's picture lives while the menu is shown only.
    const Surface fondmenu = chargeimage(ctx_.r.repertoire, "cartei06", pf.facteur());
    Fmenu menu(ctx_, fondmenu, b_.table.partieencours || sauvee_.has_value(), b_.paquet);
    menu.place(ctx_.r.decalagex, ctx_.r.decalagey);
    pf.montre_modal(menu);
    pf.curseur(avant);
    const ReponseMenu reponse = menu.reponse;
    menu.unload();
    if (reponse == ReponseMenu::nouvelle) {
        tapis_.remetletapis();
        b_.ecran.arret = 1;
        etatclic_ = EtatClic::aucun;
    } else if (reponse == ReponseMenu::quitter) {
        tapis_.noircit();
        b_.ecran.arret = 2;
    } else if (reponse == ReponseMenu::continuer && !b_.table.partieencours && sauvee_) {
        reprendre_ = true;
    } else {
        tapis_.labelmenu(false);
    }
    pf.invalide();
}

} // namespace tlv::belote
