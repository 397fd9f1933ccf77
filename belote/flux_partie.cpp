// One match: deals until a side reaches the target, then the result and the end animation.
#include "belote/annonces.h"
#include "belote/flux.h"
#include "belote/requetes.h"

namespace tlv::belote {

void lancelapartie(Belote& b, Table& t) {
    auto& tb = b.table;
    auto& e = b.ecran;
    const auto& tx = b.reglages.textes;
    t.afficheletapis();
    t.lignescore(0);
    tb.partieencours = true;
    e.finpartie = false;
    e.arret = 0;
    b.paquet.premieredonne = true;
    tb.totalnous = tb.totaleux = 0;
    e.reserve = 0;
    ++b.numeropartie;
    b.numerodonne = 0;
    if (b.suivi) b.suivi->partie(b.numeropartie);
    tb.donneur = static_cast<std::int16_t>(static_cast<int>(b.rnd() * 4) + 1);
    for (;;) {
        ++b.numerodonne;
        tb.donneur = static_cast<std::int16_t>(tb.donneur % 4 + 1);
        t.etatclic(EtatClic::aucun);
        initdonne(tb, b.annonces, b.paquet);
        affichedistribution(b, t);
        if (b.suivi) {
            b.suivi->donne(b.numerodonne, tb.donneur, tb.liste[6]);
            b.suivi->distribution(tb.jeu);
        }
        routinequiprend(b, t);
        if (e.arret > 0) return;
        if (b.suivi) b.suivi->prise(tb.preneur, tb.atout);
        if (tb.preneur != 0) {
            affichedistributiondureste(b, t);
            if (b.suivi) b.suivi->mains(tb.jeu);
            if (b.reglages.avecannonces) chercheannonces(tb, b.annonces);
            afficheannonce(b, t);
            if (b.suivi) b.suivi->annonces(tb.pointsnous, tb.pointseux, b.annonces.meilleurannonceur);
            jeudelacarte(b, t);
            if (e.arret > 0) return;
            if (e.finpartie) break;
        }
        if (b.donnesmax > 0 && b.numerodonne >= b.donnesmax) return;
    }
    if (b.suivi) b.suivi->resultat(tb.totalnous, tb.totaleux);
    tb.partieencours = false;
    if (tb.totalnous > tb.totaleux)
        t.message_on(tx[Texte::VousGagnez], tx[Texte::LaPartie]);
    else if (tb.totaleux > tb.totalnous)
        t.message_on(tx[Texte::VousPerdez], tx[Texte::LaPartie]);
    else
        t.message_on(tx[Texte::Egalite], std::string());
    animefin(b, t);
    t.message_off();
    e.arret = 2;
}

void animefin(Belote&, Table& t) {
    t.animationfin();
}

} // namespace tlv::belote
