// The Quadrel table's events and its game loop: menu, new or loaded game, board after board.
#include "jong.h"

#include <algorithm>

#include "platform/boite_message.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "regles/libelles.h"
#include "regles/parties.h"
#include "scores/tableaux.h"
#include "shell/chargeimage.h"
#include "shell/echec.h"
#include "shell/reglages.h"
#include "shell/sons.h"
#include "socle/carte.h"

namespace tlv::quadrel {

namespace {
constexpr const char* Musique = "cartem03";
constexpr int dureeannonce = 3000; // ms a cleared board's time stays up
std::size_t ix(int v) {
    return static_cast<std::size_t>(v);
}
using E = EtatClicJong;
using R = ReponseJong;
constexpr Rect Cellules{36, 48, 568, 384}; // the cards' cells, 8 x 4
} // namespace

Jong::Jong(Contexte& ctx)
    : Form(ctx.pf), tictac(ctx.pf, 1000, [this] { seconde_ecoulee(); }), ctx_(ctx), r_(ctx.r),
      pause_(ctx.pf, ctx.r) {
    grille = grillevide();
}

void Jong::Form_Load() {
    jouemusik(pf, ctx_.util, r_, Musique);
}

void Jong::Form_Unload() {
    tictac.active(false);
}

void Jong::Form_KeyDown(Touche code, int) {
    if (etatclic == E::Libre || etatclic == E::DialogueOuvert) return;
    if (code == Touche::Entree || code == Touche::Espace || code == Touche::Echap) {
        if (finitavis()) return;
    }
    if (!partieencours) return;
    if (focus.deplace(code)) {
        montrefocus();
    } else if (touche_action(code)) {
        montrefocus();
        choisitcase(Case{focus.colonne(), focus.ligne()});
    } else if (code == Touche::Echap && carteattendue()) {
        ouvremenu();
    }
}

void Jong::montrefocus() {
    montre_focus(Rect{36 + (focus.colonne() - 1) * LargeurCarte, 48 + (focus.ligne() - 1) * HauteurCarte,
                      LargeurCarte, HauteurCarte});
}

bool Jong::finitavis() {
    switch (etatclic) {
    case E::AvisTempsEcoule:
        etatclic = E::AvisLu;
        return true;
    case E::TableauTermine:
        clic = true;
        return true;
    case E::EcranFinal:
        etatclic = E::EcranFinalLu;
        return true;
    default:
        return false;
    }
}

void Jong::Form_Activate() {
    // Coming back from a menu or a dialog shown by the loop: the loop goes on where it waits.
    if (etatclic != E::Libre) return;
    prepare();
    jouerajong();
    if (sortie) hide();
}

void Jong::prepare() {
    sortie = false;
    tictac.active(false);
    table_ = chargeimage(r_.repertoire, "cartei02", pf.facteur());
    masque_ = chargeimage(r_.repertoire, "cartei07", pf.facteur());
    tampon_ = chargeimage(r_.repertoire, "cartei08", pf.facteur());
    niveaumax = recherchemax(r_.repertoire + fichierplateaux);
    affichetapis();
}

void Jong::attendetat(E fin) {
    while (etatclic != fin) pf.attend_joueur();
}

E Jong::attendcarte_ouperdu(E attente) {
    // The tick that ran the clock out may have come while the loop was busy and its state was not yet
    // a waiting one: the board is lost all the same.
    if (tempsecoule) return etatclic = E::TempsEcoule;
    return attendcarte(attente, [this] { pf.attend_joueur(); });
}

void Jong::jouerajong() {
    Suite s = Suite::Menu;
    for (;;) switch (s) {
        case Suite::Menu:
            s = menu();
            break;
        case Suite::Nouvelle:
            s = nouvelle();
            break;
        case Suite::Charge:
            s = charge();
            break;
        case Suite::Tableau:
            s = joueletableau();
            break;
        case Suite::Fin:
            ecranfinal();
            etatclic = E::EcranFinal;
            attendetat(E::EcranFinalLu);
            sortie = true;
            return;
        case Suite::Sortie:
            tictac.active(false);
            sortie = true;
            return;
        }
}

Jong::Suite Jong::menu() {
    tictac.active(false);
    etatclic = E::Libre;
    const R rep = affichelemenu();
    if (rep == R::Quitter) return Suite::Sortie;
    if (rep == R::Nouvelle) return Suite::Nouvelle;
    if (rep == R::Charger) return Suite::Charge;
    // Continuer: the board in progress starts again with a full clock.
    return partieencours ? Suite::Tableau : Suite::Menu;
}

bool Jong::fichierabsent() {
    if (niveaumax >= 0) return false;
    const E avant = etatclic;
    etatclic = E::DialogueOuvert;
    boite_message(pf,
                  "Le fichier des tableaux « " + std::string(fichierplateaux) +
                      " » est introuvable ou abîmé." + r_.sautligne + "Réinstallez Tolva'nexes.",
                  "Quadrel", false);
    etatclic = avant;
    return true;
}

Jong::Suite Jong::nouvelle() {
    // A first board that cannot be played is told before a name is asked and a game saved for nothing;
    // the game in progress, if any, can still be continued.
    if (fichierabsent() || !tableaupret(0)) return Suite::Menu;
    // Until the new game is named, the game in progress keeps its board: "Continuer" must not restart
    // it from the first board and save that over its progress.
    const int encours = numtableau;
    numtableau = 0;
    affichetapis();
    const std::string nom = donnemoilenom();
    if (nom == nomannule) {
        numtableau = encours;
        return Suite::Menu;
    }
    nompartie = nom;
    signale_echec(pf, r_, "la partie", Parties(*r_.scores).ajoutepartie(nompartie));
    fichepartie.clear();
    tempscumule = 0;
    return Suite::Tableau;
}

Jong::Suite Jong::charge() {
    if (fichierabsent()) return Suite::Menu;
    fichepartie.clear();
    affichetapis();
    const Parties::Chargement ch = Parties(*r_.scores).chargepartie(nompartie);
    numtableau = ch.numtableau;
    fichepartie = ch.fichepartie;
    tempscumule = ch.tempscumule;
    return numtableau > niveaumax ? Suite::Fin : Suite::Tableau;
}

bool Jong::tableaupret(int tableau) {
    if (chargecode(r_.repertoire + fichierplateaux, tableau, grille) && tableaujouable(grille)) return true;
    // Missing from the file, or a damaged record that could only be lost to the clock: say so.
    const E avant = etatclic;
    etatclic = E::DialogueOuvert;
    boite_message(pf,
                  "Le " + libelletableau(r_.textes[Texte::Tableau], tableau) + " du fichier « " +
                      fichierplateaux + " » manque ou est abîmé." + r_.sautligne + "Réinstallez Tolva'nexes.",
                  "Quadrel", false);
    etatclic = avant;
    return false;
}

Jong::Suite Jong::joueletableau() {
    chrono = dureetableau;
    if (!tableaupret(numtableau)) {
        // Back to the menu with no board in progress: "Continuer" would only bring the message back.
        partieencours = false;
        return Suite::Menu;
    }
    poseletableau();
    auto interrompu = [this](E e) {
        if (e == E::TempsEcoule) tempsfini();
        return e == E::Quitter    ? Suite::Sortie
               : e == E::Nouvelle ? Suite::Nouvelle
               : e == E::Charger  ? Suite::Charge
                                  : Suite::Menu;
    };
    for (;;) {
        E e = attendcarte_ouperdu(E::AttendPremiere);
        if (e != E::PremiereChoisie) return interrompu(e);
        joueson(pf, r_, "cartew07");
        retourneoui(carte1);

        e = attendcarte_ouperdu(E::AttendSeconde);
        if (e != E::SecondeChoisie) return interrompu(e);
        retourneoui(carte2);

        if (paire(grille[ix(carte1.c)][ix(carte1.r)], grille[ix(carte2.c)][ix(carte2.r)]) && bonchemin()) {
            joueson(pf, r_, "cartew07");
        } else {
            chrono -= 10;
            joueson(pf, r_, "cartew02");
            retournenon(carte1);
            retournenon(carte2);
        }
        // Time may have run out while the cards went: the last pair does not save a lost board.
        if (tempsecoule) return interrompu(E::TempsEcoule);
        if (!resteunecarte(grille)) return tableaureussi();
    }
}

void Jong::poseletableau() {
    tempsecoule = false;
    affichetapis();
    focus.bloc(1, 8, 4);
    cache_focus();
    if (pf.clavier()) montrefocus();
    depose();
    tictac.active(true);
    carte1 = carte2 = Case{};
    partieencours = true;
    affichepartie();
    // The player left during the last board's notice: this one starts paused.
    if (!pf.fenetre_active()) fenetre(false);
}

Jong::Suite Jong::tableaureussi() {
    partieencours = false;
    tictac.active(false);
    const int duree = dureetableau - chrono;
    const auto t = Parties(*r_.scores).sauvepartie(nompartie, numtableau, chrono);
    signale_echec(pf, r_, "la partie", t.resultat());
    // When the saved games file cannot be written, the time still counts for the score table.
    tempscumule = t.valeur().value_or(std::clamp(tempscumule + duree, 0, tempsmaxpartie));
    tableaudesscores_jong(ctx_, nompartie, numtableau, tempscumule, fichepartie);
    // The clock, the total and the notice all tell the same seconds.
    afficheheure();
    affichepartie();
    tableaufini(duree);
    ++numtableau;
    return numtableau <= niveaumax ? Suite::Tableau : Suite::Fin;
}

void Jong::tempsfini() {
    tictac.active(false);
    afficheheure();
    annonce("Temps écoulé", titretableau(r_.textes[Texte::Tableau], numtableau), true);
    etatclic = E::AvisTempsEcoule;
    attendetat(E::AvisLu);
}

void Jong::tableaufini(int secondes) {
    annonce(titretableau(r_.textes[Texte::Tableau], numtableau) + " terminé", "en " + dureeenclair(secondes),
            false);
    etatclic = E::TableauTermine;
    clic = false;
    pf.attend_pendant(dureeannonce, [this] { return clic; });
    clic = false;
}

void Jong::fond_MouseDown(int, int, int x, int y) {
    if (etatclic == E::Libre || etatclic == E::DialogueOuvert) return;
    // The closing screen answers the Menu label only, which it names.
    if (etatclic == E::EcranFinal) {
        if (surmenu(x, y)) etatclic = E::EcranFinalLu;
        return;
    }
    if (finitavis()) return;
    const Case k = casesous(x, y);
    if (k.c > 0) {
        choisitcase(k);
        return;
    }
    if (surmenu(x, y) && carteattendue()) ouvremenu();
}

void Jong::choisitcase(Case k) {
    if (estcarte(grille[ix(k.c)][ix(k.r)])) choisit(k);
}

void Jong::ouvremenu() {
    tictac.active(false);
    joueson(pf, r_, "cartew00");
    const R rep = affichelemenu();
    if (rep == R::Quitter)
        etatclic = E::Quitter;
    else if (rep == R::Nouvelle)
        etatclic = E::Nouvelle;
    else if (rep == R::Charger)
        etatclic = E::Charger;
    else {
        // The pointer left the label for the menu's lines: the label must not stay lit until it moves.
        survol = false;
        affichepetit(false);
        tictac.active(true);
    }
}

void Jong::fond_MouseMove(int, int, int x, int y) {
    if (!carteattendue() && etatclic != E::EcranFinal) return;
    if (suitsurvol(x, y)) affichepetit(survol);
}

void Jong::fenetre(bool active) {
    if (active || !tictac.armee()) return;
    // The board's cells, from the clean table: no card is seen while the clock holds.
    Surface table = image;
    bitblt(table, Cellules.x, Cellules.y, Cellules.w, Cellules.h, tapis_, Cellules.x, Cellules.y);
    pause_.montre(table, Cellules);
}

void Jong::seconde_ecoulee() {
    --chrono;
    if (chrono < 0 && !tempsecoule) {
        // Even during a path: the board is lost at this tick, and the loop sees it when the path is done.
        tempsecoule = true;
        tictac.active(false);
        joueson(pf, r_, "cartew04");
        etatclic = E::TempsEcoule;
        return;
    }
    // The path being drawn may lie over the clock: it is brought up to date when the path is gone.
    if (animation_) return;
    afficheheure();
}

} // namespace tlv::quadrel
