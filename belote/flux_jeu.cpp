// The eight tricks of a deal, the gathering of each trick and the settlement of the deal.
#include "belote/carte.h"
#include "belote/choix.h"
#include "belote/compte.h"
#include "belote/decision.h"
#include "belote/flux.h"
#include "belote/legalite.h"
#include "belote/raisons.h"
#include "belote/requetes.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {

const std::string vide;

struct Pli {
    int meneur = 0;
    int pointspli = 0;
    int couleurvoix = 0; // suit led, -1 when trump was led
    bool coupeannoncee = false;
};

// Sud's turn: asks until a legal card comes, or the player stops (returns 0). The card may be clicked
// while the prompt shows: the wait is armed first, and a click ends the prompt.
Choix toursud(Belote& b, Table& t) {
    auto& tb = b.table;
    std::pair<std::string, std::string> invite{b.reglages.textes[Texte::AVous], vide};
    for (;;) {
        t.curseur(Pointeur::attente);
        t.etatclic(EtatClic::carte);
        t.message_on(invite.first, invite.second);
        t.pause(1.f);
        t.message_off();
        const Attente r = t.attendcarte();
        if (r.arret > 0) {
            b.ecran.arret = r.arret;
            return {};
        }
        t.curseur(Pointeur::repos);
        const int slot = r.choix;
        const Legalite l = (slot >= 1 && slot <= 8) ? cartelegale(tb, 1, slot) : Legalite::refusee;
        if (!permise(l)) {
            t.joueson("cartew09");
            invite = raisonrefus(b, l);
            if (invite.first.empty()) invite = {b.reglages.textes[Texte::AVous], vide};
            continue;
        }
        if (l == Legalite::permise_sansatout) tb.plusdatout[1] = 1;
        if (tb.compteurbelote > 0 && couleur(tb.jeu[1][slot]) == tb.atout) belote(b, t, 1, slot);
        return {slot, false, r.motif};
    }
}

Choix tourordinateur(Belote& b, Table& t, int joueur) {
    auto& tb = b.table;
    const Choix ch = decidecarte(b, joueur);
    if (!permise(cartelegale(tb, joueur, ch.slot)) && b.suivi)
        b.suivi->illegale(joueur, tb.jeu[joueur][ch.slot], tb.numpli);
    if (ch.verifiebelote && tb.compteurbelote > 0) belote(b, t, joueur, ch.slot);
    return ch;
}

// The card told to the observer, before it leaves the hand: the sentence reads the trick as it stands.
void ditcarte(Belote& b, int joueur, const Choix& ch) {
    if (!b.suivi) return;
    const int c = b.table.jeu[joueur][ch.slot];
    Raison r{ch.motif, {}};
    if (b.suivi->raisons()) r = raisoncarte(b.table, joueur, c, ch.motif, nomjoueur(b, joueur));
    b.suivi->carte(joueur, c, r);
}

void enregistre(Belote& b, Table& t, Pli& pl, int joueur, int slot) {
    auto& tb = b.table;
    const int c = tb.jeu[joueur][slot];
    const int s = couleur(c);
    metsurlepli(tb, joueur, slot);
    if (tb.numcarte == 1) {
        pl.pointspli = tb.valeur[joueur][slot];
        t.voix(pl.meneur, s == tb.atout ? "atout" : VoixCouleurs[static_cast<std::size_t>(s)]);
        pl.couleurvoix = s == tb.atout ? -1 : s;
    } else if (s == tb.atout && pl.couleurvoix > 0 && !pl.coupeannoncee) {
        t.voix(joueur, "coupe");
        pl.coupeannoncee = true;
    } else {
        t.joueson("cartew07");
    }
    jouecarte(b, t, joueur, slot);
    b.ecran.pli[joueur] = static_cast<std::int16_t>(c);
    tb.jeu[joueur][slot] = 0;
    if (tb.numcarte > 1) pl.pointspli += tb.valeur[joueur][slot];
    if (tb.numcarte == 4) {
        if (cotenous(tb.maitre)) {
            tb.pointsnous = static_cast<std::int16_t>(tb.pointsnous + pl.pointspli);
            tb.plinous = 1;
        } else {
            tb.pointseux = static_cast<std::int16_t>(tb.pointseux + pl.pointspli);
            tb.plieux = 1;
        }
        if (b.suivi)
            b.suivi->pli(tb.numpli, tb.cartesjouees[tb.numpli], tb.maitre, tb.pointsnous, tb.pointseux);
        ramassepli(b, t, tb.maitre);
        pl.coupeannoncee = false;
        t.ecritscore(tb.pointsnous, tb.pointseux);
    }
}

} // namespace

std::pair<std::string, std::string> raisonrefus(const Belote& b, Legalite l) {
    static const std::string doit = "Vous devez";
    const int d = b.table.couleurdemandee;
    const std::string c = d >= 1 && d <= 4 ? NomsCouleurs[static_cast<std::size_t>(d)] : "";
    switch (l) {
    case Legalite::fournir:
        return {doit, "fournir à " + c};
    case Legalite::couper:
        return {doit, "couper"};
    case Legalite::monter:
        return {doit, "monter à l'atout"};
    case Legalite::surcouper:
        return {doit, "surcouper"};
    default:
        return {};
    }
}

void jeudelacarte(Belote& b, Table& t) {
    auto& tb = b.table;
    b.ecran.belotenous = b.ecran.beloteeux = 0;
    for (int j = 1; j <= 4; ++j) tb.appel[j] = tb.plusdatout[j] = 0;
    tb.numpli = 1;
    tb.maitre = static_cast<std::int16_t>(suivant(tb.donneur));
    tb.couleurdemandee = 0;
    Pli pl;
    for (;;) {
        pl.meneur = tb.maitre;
        t.videcentre();
        tb.numcarte = 0;
        int j = precedent(pl.meneur);
        for (int k = 0; k < 4; ++k) {
            ++tb.numcarte;
            j = suivant(j);
            if (k > 0 && j != 1 && precedent(j) != 1) t.battement();
            const Choix ch = j == 1 ? toursud(b, t) : tourordinateur(b, t, j);
            if (ch.slot == 0) return;
            ditcarte(b, j, ch);
            enregistre(b, t, pl, j, ch.slot);
        }
        pl.pointspli = 0;
        tb.couleurdemandee = 0;
        if (tb.numpli == 1) montreannonces(b, t);
        if (tb.numpli >= 8) break;
        ++tb.numpli;
    }
    regledonne(b, t);
}

void jouecarte(Belote& b, Table& t, int joueur, int slot) {
    auto& m = b.table.jeu[joueur];
    const std::int16_t c = m[static_cast<std::size_t>(slot)];
    m[static_cast<std::size_t>(slot)] = 0;
    t.montremain(joueur, m);
    m[static_cast<std::size_t>(slot)] = c;
    t.glissecarte(joueur, c);
}

void ramassepli(Belote& b, Table& t, int gagnant) {
    auto& p = b.paquet;
    for (int j = 1; j <= 4; ++j) {
        if (p.positionpaquet >= 1 && p.positionpaquet <= 32) p.paquet[p.positionpaquet] = b.ecran.pli[j];
        ++p.positionpaquet;
        b.ecran.cartesdernierpli[j] = b.ecran.pli[j];
    }
    t.pause_visu();
    for (int j = 1; j <= 4; ++j)
        if (j != gagnant) t.glisseaucentre(j, b.ecran.pli[j]);
    t.glisseaucentre(gagnant, b.ecran.pli[gagnant]);
    t.pause(1.f);
    t.emportepli(cotenous(gagnant));
}

namespace {

void annonce(Table& t, const std::string& l1, const std::string& l2, float duree) {
    t.message_on(l1, l2);
    t.pause(duree);
    t.message_off();
}

// The last trick's ten, told: Sud's side hears it from Nord's voice.
void ditdixdeder(Belote& b, Table& t) {
    const int w = b.table.maitre;
    const bool pournous = cotenous(w);
    t.message_on(b.reglages.textes[pournous ? Texte::Vous : Texte::Eux], b.reglages.textes[Texte::DixDeDer]);
    t.voix(pournous ? 3 : w, "dixder");
    t.pause(1.5f);
    t.message_off();
}

} // namespace

void regledonne(Belote& b, Table& t) {
    auto& tb = b.table;
    auto& e = b.ecran;
    const auto& tx = b.reglages.textes;
    int reserve = e.reserve;
    const Score s = comptedonne(tb, e.belotenous, e.beloteeux, reserve);
    if (s.dixdeder) ditdixdeder(b, t);
    annonce(t,
            tx[s.issue > 0   ? Texte::VousGagnez
               : s.issue < 0 ? Texte::VousPerdez
                             : Texte::Egalite],
            vide, 1.5f);
    if (tb.plieux == 0) annonce(t, tx[Texte::IlsSont], tx[Texte::Capots], 1.5f);
    if (tb.plinous == 0) annonce(t, tx[Texte::VousEtes], tx[Texte::Capots], 1.5f);
    e.reserve = static_cast<std::int16_t>(reserve);
    tb.pointsnous = static_cast<std::int16_t>(s.nous);
    tb.pointseux = static_cast<std::int16_t>(s.eux);
    tb.totalnous = static_cast<std::int16_t>(tb.totalnous + s.nous);
    tb.totaleux = static_cast<std::int16_t>(tb.totaleux + s.eux);
    t.ecritscore(tb.pointsnous, tb.pointseux);
    t.ecrittotal(tb.totalnous, tb.totaleux);
    if (tb.totalnous >= b.reglages.partieen || tb.totaleux >= b.reglages.partieen) e.finpartie = true;
    if (b.suivi) b.suivi->fin(tb.pointsnous, tb.pointseux, tb.totalnous, tb.totaleux, e.reserve);
}

} // namespace tlv::belote
