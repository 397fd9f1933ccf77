// Announcements on the table: each seat speaks, the best side scores, its cards are shown after trick 1.
#include <cstdio>

#include "belote/annonces.h"
#include "belote/carte.h"
#include "belote/donne.h"
#include "belote/flux.h"

namespace tlv::belote {

namespace {

const std::string vide;

struct Parole {
    Texte texte;
    const char* echantillon;
};

Parole parolesequence(int longueur) {
    if (longueur == 3) return {Texte::Tierce, "tierce"};
    if (longueur == 4) return {Texte::Cinquante, "cinq"};
    return {Texte::Cent, "cent"};
}

void annonce(Belote& b, Table& t, int joueur, Parole p) {
    const auto& tx = b.reglages.textes;
    t.message_on(nomjoueur(b, joueur) + tx[Texte::Annonce], tx[p.texte]);
    t.voix(joueur, p.echantillon);
    t.pause(1.f);
    t.message_off();
}

// Points as the number printing of the pad shows them: a blank before a non-negative number.
std::string nombre(int n) {
    char texte[16];
    std::snprintf(texte, sizeof texte, n >= 0 ? " %d" : "%d", n);
    return texte;
}

} // namespace

void afficheannonce(Belote& b, Table& t) {
    auto& tb = b.table;
    auto& a = b.annonces;
    const auto& tx = b.reglages.textes;
    for (int i = 1; i <= 4; ++i) {
        const int j = apres(tb.donneur, i);
        if (a.nbcarre[j] != 4 && a.longueur1[j] == 0) {
            a.valannonce[j] = 0;
            continue;
        }
        if (a.longueur1[j] > 0) {
            a.valannonce[j] = static_cast<std::int16_t>(pointssequence(a.longueur1[j]));
            annonce(b, t, j, parolesequence(a.longueur1[j]));
            if (a.longueur2[j] > 0) {
                a.valannonce[j] = static_cast<std::int16_t>(a.valannonce[j] + pointssequence(a.longueur2[j]));
                annonce(b, t, j, parolesequence(a.longueur2[j]));
            }
        }
        if (a.nbcarre[j] == 4) {
            const int r = rang(a.annoncecarre[j][4]);
            a.valannonce[j] = static_cast<std::int16_t>(a.valannonce[j] + 100 + (r == neuf ? 50 : 0) +
                                                        (r == valet ? 100 : 0));
            annonce(b, t, j, {Texte::Carre, "carre"});
        }
    }
    compareannonces(tb, a);
    compteannonces(tb, a);
    if (tb.pointsnous > 0 || tb.pointseux > 0) {
        if (tb.pointsnous > tb.pointseux)
            t.message_on(tx[Texte::Vous] + " :" + nombre(tb.pointsnous), tx[Texte::DAnnonces]);
        else if (tb.pointseux > tb.pointsnous)
            t.message_on(tx[Texte::Eux] + " :" + nombre(tb.pointseux), tx[Texte::DAnnonces]);
        else
            t.message_on(tx[Texte::LesAnnonces], tx[Texte::SAnnulent]);
        t.pause(2.f);
        t.message_off();
        t.ecritscore(tb.pointsnous, tb.pointseux);
    }
    cherchebelote(tb);
}

void montreannonces(Belote& b, Table& t) {
    const auto& tb = b.table;
    const auto& a = b.annonces;
    const auto& tx = b.reglages.textes;
    if (a.meilleurannonceur == 0) return;
    for (int j : {static_cast<int>(a.meilleurannonceur), partenaire(a.meilleurannonceur)}) {
        const Main* listes[3] = {&a.annonce1[j], &a.annonce2[j], &a.annoncecarre[j]};
        const int longueurs[3] = {a.longueur1[j], a.longueur2[j], a.nbcarre[j]};
        for (int k = 0; k < 3; ++k) {
            const int n = longueurs[k];
            if (n == 0) continue;
            const Main& cartes = *listes[k];
            const std::string quoi =
                k == 2 ? tx[Texte::Son] + tx[Texte::Carre]
                       : (n == 3 ? tx[Texte::Sa] + tx[Texte::Tierce]
                                 : tx[Texte::Son] + tx[n == 4 ? Texte::Cinquante : Texte::Cent]);
            t.message_on(nomjoueur(b, j) + tx[Texte::Montre], quoi);
            t.exposeannonce(j, tb.jeu[j], cartes, n);
            t.pause(5.f);
            t.message_off();
            t.rangeannonce(j, tb.jeu[j]);
        }
    }
}

void belote(Belote& b, Table& t, int joueur, int slot) {
    auto& tb = b.table;
    const auto& tx = b.reglages.textes;
    const int c = tb.jeu[joueur][slot];
    if (c != code(tb.atout, roi) && c != code(tb.atout, dame)) return;
    if (tb.compteurbelote < 1 || tb.compteurbelote > 2) return; // only the seat holding both counts
    ++tb.compteurbelote;
    if (tb.compteurbelote == 2) {
        t.message_on(tx[Texte::Belote], vide);
        if (joueur > 1) t.voix(joueur, "belote");
    } else {
        t.message_on(tx[Texte::Rebelote], vide);
        if (joueur > 1) t.voix(joueur, "rebel");
        if (cotenous(joueur)) {
            tb.pointsnous = static_cast<std::int16_t>(tb.pointsnous + 20);
            b.ecran.belotenous = 20;
            b.ecran.beloteeux = 0;
        } else {
            tb.pointseux = static_cast<std::int16_t>(tb.pointseux + 20);
            b.ecran.beloteeux = 20;
            b.ecran.belotenous = 0;
        }
    }
    t.pause(1.f);
    t.message_off();
}

} // namespace tlv::belote
