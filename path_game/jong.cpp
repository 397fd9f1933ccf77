// The Quadrel table's events and its game loop: menu, new or loaded game, board after board.
#include "jong.h"

#include <algorithm>

#include "libelles.h"
#include "parties.h"
#include "platform/boite_message.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "scores/tableaux.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {
constexpr const char* Musique = "cartem03";
constexpr int dureeannonce = 3000; // ms a cleared board's time stays up
std::size_t ix(int v) {
    return static_cast<std::size_t>(v);
}
} // namespace

Jong::Jong(Contexte& ctx)
    : Form(ctx.pf), Timer1(ctx.pf, 1000, [this] { Timer1_Timer(); }), ctx_(ctx), r_(ctx.r) {
    grille = grillevide();
}

void Jong::Form_Load() {
    jouemusik(pf, ctx_.util, r_, Musique);
}

void Jong::Form_Unload() {
    Timer1.active(false);
}

void Jong::Form_KeyDown(Touche code, int) {
    touche_son(pf, ctx_.util, r_, code, Musique);
}

void Jong::Form_Activate() {
    // Coming back from a menu or a dialog shown by the loop: the loop goes on where it waits.
    if (etatclic != 0) return;
    prepare();
    jouerajong();
    if (sortie) hide();
}

void Jong::prepare() {
    sortie = false;
    Timer1.active(false);
    table_ = chargeimage(r_.repertoire, "cartei02");
    masque_ = chargeimage(r_.repertoire, "cartei07");
    tampon_ = chargeimage(r_.repertoire, "cartei08");
    niveaumax = recherchemax(r_.repertoire + fichierplateaux);
    affichetapis();
}

int Jong::attendetat(std::initializer_list<int> fins) {
    while (std::find(fins.begin(), fins.end(), etatclic) == fins.end()) pf.attend_joueur();
    return etatclic;
}

int Jong::attendcarte(int etat, int choisie) {
    // The tick that ran the clock out may have come while the loop was busy and its state was not yet
    // a waiting one: the board is lost all the same.
    etatclic = tempsecoule ? 12 : etat;
    return attendetat({9, 10, 11, 12, choisie});
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
            etatclic = 20;
            attendetat({21});
            sortie = true;
            return;
        case Suite::Sortie:
            Timer1.active(false);
            sortie = true;
            return;
        }
}

Jong::Suite Jong::menu() {
    Timer1.active(false);
    etatclic = 0;
    const std::string rep = affichelemenu();
    if (rep == "quitter") return Suite::Sortie;
    if (rep == "nouvelle") return Suite::Nouvelle;
    if (rep == "charge") return Suite::Charge;
    // "continue": the board in progress starts again with a full clock.
    return partieencours ? Suite::Tableau : Suite::Menu;
}

bool Jong::fichierabsent() {
    if (niveaumax >= 0) return false;
    const int avant = etatclic;
    etatclic = -1;
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
    Parties(r_.dossier_scores).ajoutepartie(nompartie);
    fichepartie.clear();
    tempscumule = 0;
    return Suite::Tableau;
}

Jong::Suite Jong::charge() {
    if (fichierabsent()) return Suite::Menu;
    fichepartie.clear();
    affichetapis();
    const Parties::Chargement ch = Parties(r_.dossier_scores).chargepartie(nompartie);
    numtableau = ch.numtableau;
    fichepartie = ch.fichepartie;
    tempscumule = ch.tempscumule;
    return numtableau > niveaumax ? Suite::Fin : Suite::Tableau;
}

bool Jong::tableaupret(int tableau) {
    if (chargecode(r_.repertoire + fichierplateaux, tableau, grille) && tableaujouable(grille)) return true;
    // Missing from the file, or a damaged record that could only be lost to the clock: say so.
    const int avant = etatclic;
    etatclic = -1;
    boite_message(pf,
                  "Le " + libelletableau(r_.textes[55], tableau) + " du fichier « " + fichierplateaux +
                      " » manque ou est abîmé." + r_.sautligne + "Réinstallez Tolva'nexes.",
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
    tempsecoule = false;
    affichetapis();
    depose();
    Timer1.active(true);
    carte1 = carte2 = Case{};
    partieencours = true;
    affichepartie();
    auto interrompu = [this](int e) {
        if (e == 12) tempsfini();
        return e == 9 ? Suite::Sortie : e == 10 ? Suite::Nouvelle : e == 11 ? Suite::Charge : Suite::Menu;
    };
    for (;;) {
        int e = attendcarte(1, 2);
        if (e != 2) return interrompu(e);
        joueson(pf, r_, "cartew07");
        retourneoui(carte1);

        e = attendcarte(3, 4);
        if (e != 4) return interrompu(e);
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
        if (tempsecoule) return interrompu(12);
        if (resteunecarte(grille)) continue;

        partieencours = false;
        Timer1.active(false);
        const int duree = dureetableau - chrono;
        const auto t = Parties(r_.dossier_scores).sauvepartie(nompartie, numtableau, chrono);
        // When the saved games file cannot be written, the time still counts for the score table.
        tempscumule = t ? *t : std::clamp(tempscumule + duree, 0, tempsmaxpartie);
        tableaudesscores_jong(ctx_, nompartie, numtableau, tempscumule, fichepartie);
        tableaufini(duree);
        ++numtableau;
        return numtableau <= niveaumax ? Suite::Tableau : Suite::Fin;
    }
}

void Jong::tempsfini() {
    Timer1.active(false);
    annonce("Temps écoulé", titretableau(r_.textes[55], numtableau), true);
    etatclic = 13;
    attendetat({14});
}

void Jong::tableaufini(int secondes) {
    annonce(titretableau(r_.textes[55], numtableau) + " terminé", "en " + dureeenclair(secondes), false);
    etatclic = 15;
    clic = false;
    pf.attend_jusqua(pf.ms() + dureeannonce, [this] { return clic; });
    clic = false;
}

void Jong::fond_MouseDown(int button, int, int x, int y) {
    if (etatclic <= 0) return;
    if (etatclic == 13) {
        etatclic = 14;
        return;
    }
    if (etatclic == 15) {
        if (button == bouton::Droit) clic = true;
        return;
    }
    const Case k = casesous(x, y);
    if (k.c > 0) {
        if (!estcarte(grille[ix(k.c)][ix(k.r)])) return;
        if (etatclic == 1) {
            carte1 = k;
            etatclic = 2;
        } else if (etatclic == 3 && k != carte1) {
            carte2 = k;
            etatclic = 4;
        }
        return;
    }
    if (!surmenu(x, y)) return;
    if (etatclic == 20) {
        etatclic = 21;
    } else if (etatclic == 1 || etatclic == 3) {
        Timer1.active(false);
        joueson(pf, r_, "cartew00");
        const std::string rep = affichelemenu();
        if (rep == "quitter")
            etatclic = 9;
        else if (rep == "nouvelle")
            etatclic = 10;
        else if (rep == "charge")
            etatclic = 11;
        else
            Timer1.active(true);
    }
}

void Jong::fond_MouseMove(int, int, int x, int y) {
    if (etatclic != 1 && etatclic != 3 && etatclic != 20) return;
    const bool dessus = surmenu(x, y);
    if (dessus == survol_) return;
    survol_ = dessus;
    affichepetit(dessus);
}

void Jong::Timer1_Timer() {
    --chrono;
    if (chrono < 0 && !tempsecoule) {
        // Even during a path: the board is lost at this tick, and the loop sees it when the path is done.
        tempsecoule = true;
        Timer1.active(false);
        joueson(pf, r_, "cartew04");
        etatclic = 12;
        return;
    }
    // The path being drawn may lie over the clock: it is brought up to date at the next tick.
    if (animation_) return;
    afficheheure();
    affichepartie();
}

} // namespace tlv
