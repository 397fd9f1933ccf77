// The Quadrel table's dialogs: its menu, the name of a new game, the score table.
#include "jong.h"
#include "menujong.h"
#include "platform/plateforme.h"
#include "regles/parties.h"
#include "scores/innom.h"
#include "scores/nom.h"
#include "scores/tableaux.h"
#include "shell/reglages.h"

namespace tlv::quadrel {

ReponseJong Jong::affichelemenu() {
    const EtatClicJong avant = etatclic;
    etatclic = EtatClicJong::DialogueOuvert;
    tictac.active(false);
    Menujong m(ctx_, partieencours, [this] { affichelesscores(); });
    m.place(r_.decalagex, r_.decalagey);
    m.load();
    pf.montre_modal(m);
    const ReponseJong rep = m.reponse;
    if (rep == ReponseJong::Charger) nompartie = m.nom;
    m.unload();
    if (rep == ReponseJong::Quitter) {
        fill(image, 0, 0, largeur(), hauteur(), 0);
        pf.invalide();
    }
    etatclic = avant;
    return rep;
}

std::string Jong::donnemoilenom() {
    const EtatClicJong avant = etatclic;
    etatclic = EtatClicJong::DialogueOuvert;
    assombrit(image, Rect{0, 0, 640, 480});
    pf.invalide();
    std::string invite = r_.textes[Texte::EntrezLeNomDeVotrePartie];
    std::string nom;
    for (;;) {
        nom = demande_nom(ctx_, invite);
        // The entry closed by any other means than its keys is given up as Escape is.
        if (nom.empty()) nom = nomannule;
        if (nom == nomannule) break;
        if (nom == nominconnu) continue;
        if (!Parties(*r_.scores).existe(nom)) break;
        invite = r_.textes[Texte::CeNomExisteDeja];
    }
    etatclic = avant;
    return nom;
}

void Jong::affichelesscores() {
    affichelesscores_jong(ctx_, fichepartie);
}

} // namespace tlv::quadrel
