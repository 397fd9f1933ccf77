// The two halves of a deal on the table, and the bidding.
#include "belote/carte.h"
#include "belote/decision.h"
#include "belote/donne.h"
#include "belote/flux.h"
#include "belote/raisons.h"
#include "belote/requetes.h"
#include "shell/textes.h"
#include "socle/carte.h"

namespace tlv::belote {

std::string nomjoueur(const Belote& b, int joueur) {
    return champ_nu(b.reglages.textes[Texte::NomsDesSieges], joueur, 5);
}
std::string nomcouleur(const Belote& b, int coul) {
    return champ_nu(b.reglages.textes[Texte::NomsDesCouleurs], coul, 7);
}

namespace {
const std::string vide;

// Sud's bid in either round's panel. A stop request is recorded for the deal loop.
Attente enchere_de_sud(Belote& b, Table& t, EtatClic etat) {
    t.etatclic(etat);
    t.curseur(Pointeur::attente);
    const Attente r = t.attendenchere();
    if (r.arret > 0) {
        b.ecran.arret = r.arret;
        return r;
    }
    t.etatclic(EtatClic::aucun);
    return r;
}

// A bid told to the observer: `couleur` is the suit taken, 0 for a pass; `pesee` the suit the rule weighed.
void ditenchere(Belote& b, int joueur, Motif m, int couleur, int pesee, bool premier) {
    if (!b.suivi) return;
    Raison r{m, {}};
    if (b.suivi->raisons())
        r = raisonenchere(b.table, joueur, m, m == Motif::joueur ? couleur : pesee, premier,
                          nomjoueur(b, joueur));
    b.suivi->enchere(joueur, couleur, r);
}
} // namespace

void affichedistribution(Belote& b, Table& t) {
    auto& tb = b.table;
    auto& p = b.paquet;
    const auto& tx = b.reglages.textes;
    t.curseur(Pointeur::repos);
    t.nouvelledonne();
    // A damaged rigged deal is dropped rather than dealt: the first deal is then drawn at random.
    if (p.avecfauxjeu && !fauxjeuvalide(p.fauxjeu)) p.avecfauxjeu = false;
    if (p.avecfauxjeu && p.premieredonne) {
        tb.donneur = p.donneurfauxjeu;
        // The player chose announcements: the change must not go unsaid.
        if (b.reglages.avecannonces) {
            b.reglages.avecannonces = false;
            t.message_on("Donne composée\u00a0:", "annonces désactivées");
            t.pause(2.f);
            t.message_off();
        }
    }
    t.message_on(
        tb.donneur == 1 ? tx[Texte::VousDistribuez] : nomjoueur(b, tb.donneur) + tx[Texte::Distribue], vide);
    distribution(tb, p, b.rnd);
    for (int nombre : {3, 5})
        for (int i = 1; i <= 4; ++i) {
            const int j = apres(tb.donneur, i);
            t.distribue(j, tb.jeu[j], nombre);
            t.joueson("cartew01");
            t.pause(0.5f);
        }
    t.message_off();
    t.retourne(tb.liste[6]);
}

void affichedistributiondureste(Belote& b, Table& t) {
    auto& tb = b.table;
    auto& p = b.paquet;
    t.curseur(Pointeur::repos);
    deplaceatout(b, t, tb.preneur);
    t.affichecontrat(nomjoueur(b, tb.preneur) + ", " + b.reglages.textes[Texte::Atout], tb.atout);
    if (!p.premieredonne || !p.avecfauxjeu) {
        distributiondureste(tb, p, b.rnd);
    } else {
        distributionfauxjeudureste(tb, p);
        p.avecfauxjeu = false;
    }
    triejeux(tb);
    calculevaleurs(tb);
    for (int i = 1; i <= 4; ++i) {
        const int j = apres(tb.donneur, i);
        t.montremain(j, tb.jeu[j]);
        t.joueson("cartew01");
        if (j == tb.preneur) t.videcentre();
        t.rafraichit();
        t.pause(0.5f);
    }
}

void deplaceatout(Belote& b, Table& t, int joueur) {
    t.joueson("cartew05");
    t.presenteretournee(joueur, b.table.liste[6]);
}

namespace {

// The first round: from the dealer's left, each seat takes the turned card's suit or passes. False when the
// match was stopped while Sud chose.
bool premiertour(Belote& b, Table& t) {
    auto& tb = b.table;
    const auto& tx = b.reglages.textes;
    tb.preneur = 0;
    t.survol(1, 0);
    int j = suivant(tb.donneur);
    t.etatclic(EtatClic::aucun);
    for (int tour = 0; tour < 4 && tb.preneur == 0; ++tour, j = suivant(j)) {
        deplaceatout(b, t, j);
        if (j == 1) {
            t.message_on(tx[Texte::VousPassez], tx[Texte::VousPrenez]);
            const Attente r = enchere_de_sud(b, t, EtatClic::enchere1);
            if (r.arret > 0) return false;
            t.message_off();
            t.curseur(Pointeur::repos);
            if (r.choix == 2) tb.preneur = 1;
            ditenchere(b, 1, r.motif, r.choix == 2 ? tb.atout : 0, tb.atout, true);
            continue;
        }
        tb.prise = 0;
        const Motif m = decidepremiertour(b, j);
        ditenchere(b, j, m, tb.prise == 1 ? tb.atout : 0, tb.atout, true);
        if (tb.prise == 1) {
            t.message_on(nomjoueur(b, j) + tx[Texte::Prend], vide);
            tb.preneur = static_cast<std::int16_t>(j);
            t.voix(j, "prend");
            t.pause(1.f);
        } else {
            t.message_on(nomjoueur(b, j) + tx[Texte::Passe], vide);
            t.voix(j, "passe");
            t.pause(1.f);
            t.message_off();
        }
    }
    return true;
}

// The second round, when all passed: a seat takes in another suit, or the deal is void.
void secondtour(Belote& b, Table& t) {
    auto& tb = b.table;
    const auto& tx = b.reglages.textes;
    t.message_on(tx[Texte::DeuxiemeTour], vide);
    t.pause(1.f);
    t.message_off();
    tb.preneur = 0;
    t.survol(2, 0);
    int j = suivant(tb.donneur);
    t.etatclic(EtatClic::aucun);
    for (int tour = 0; tour < 4; ++tour, j = suivant(j)) {
        if (j == 1) {
            std::array<int, 4> possibles{};
            for (int s = pique, i = 1; s <= coeur; ++s)
                if (s != tb.atout && i <= 3) possibles[static_cast<std::size_t>(i++)] = s;
            t.message_on2(possibles);
            const Attente r = enchere_de_sud(b, t, EtatClic::enchere2);
            if (r.arret > 0) return;
            t.message_off2(tb.liste[6]);
            t.curseur(Pointeur::repos);
            if (r.choix > 1 && r.choix <= 4) {
                tb.preneur = 1;
                tb.atout = static_cast<std::int16_t>(possibles[static_cast<std::size_t>(r.choix - 1)]);
                ditenchere(b, 1, r.motif, tb.atout, tb.atout, false);
                return;
            }
            ditenchere(b, 1, r.motif, 0, 0, false);
            continue;
        }
        tb.prise = 0;
        const Motif m = decidesecondtour(b, j);
        ditenchere(b, j, m, tb.prise == 1 ? tb.atout : 0, tb.prise == 1 ? tb.atout : 0, false);
        if (tb.prise == 1) {
            t.message_on(nomjoueur(b, j) + tx[Texte::Prend], tx[Texte::Atout] + nomcouleur(b, tb.atout));
            tb.preneur = static_cast<std::int16_t>(j);
            t.voix(j, "prend");
            t.pause(1.f);
            t.voix(j, std::string("a") + VoixCouleurs[static_cast<std::size_t>(tb.atout)]);
            t.pause(1.f);
            t.message_off();
            return;
        }
        t.message_on(tx[Texte::DeuxiemeTour], nomjoueur(b, j) + tx[Texte::Passe]);
        t.voix(j, "passe");
        t.pause(1.f);
        t.message_off();
    }
}

} // namespace

void routinequiprend(Belote& b, Table& t) {
    if (!premiertour(b, t)) return;
    t.ramene_retournee(b.table.liste[6]);
    if (b.table.preneur != 0) return;
    secondtour(b, t);
}

} // namespace tlv::belote
