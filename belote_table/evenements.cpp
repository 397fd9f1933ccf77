// The events of a deal, laid out on the table: where the hands, the turned card, the announcements and the
// end-of-match run lie and how they move.
#include "belote/carte.h"
#include "belote_table/tapis.h"
#include "platform/plateforme.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {
constexpr int XMilieu = 204, YMilieu = 192;  // the turned card and the gathered trick
constexpr int Centre = 96, CoteCentre = 288; // the square of the trick spots
// Cards fanned apart while the first five are dealt and in Sud's hand; the others' full hands are tighter.
constexpr int EcartLarge = 30, EcartSerre = 15;
} // namespace

void Tapis::nouvelledonne() {
    restaure(0, 0, 480, 480);
    conseilallume_ = false;
    restaure(480, 0, 160, 44);
    contrat_ = false, revoir_ = 0;
    rafraichit();
}

void Tapis::videcentre() {
    restaure(Centre, Centre, CoteCentre, CoteCentre);
}

void Tapis::distribue(int joueur, const Main& main, int nombre) {
    posecarte(joueur, main, nombre, EcartLarge);
}

void Tapis::montremain(int joueur, const Main& main) {
    posecarte(joueur, main, 8, joueur == 1 ? EcartLarge : EcartSerre);
}

void Tapis::retablit() {
    const auto& t = b_.table;
    restaure(0, 0, 480, 480);
    const bool encheres = t.preneur == 0;
    for (int j = 1; j <= 4; ++j) {
        if (encheres)
            posecarte(j, t.jeu[j], 5, EcartLarge);
        else
            montremain(j, t.jeu[j]);
    }
    if (encheres) return rafraichit();
    // Sud is awaited for the trick's card numcarte: the seats before it have played theirs, and the first
    // of them won the last trick.
    static constexpr int places[5][2] = {{}, {204, 288}, {276, 192}, {204, 96}, {132, 192}};
    int j = 1;
    for (int k = 1; k < t.numcarte; ++k) {
        j = precedent(j);
        poseface(places[j][0], places[j][1], b_.ecran.pli[static_cast<std::size_t>(j)]);
    }
    if (t.numpli > 1) posepile(cotenous(j));
    rafraichit();
}

void Tapis::retourne(int carte) {
    poseface(XMilieu, YMilieu, carte);
    monrefresh(XMilieu, YMilieu, LargeurCarte, HauteurCarte);
}

void Tapis::ramene_retournee(int carte) {
    videcentre();
    poseface(XMilieu, YMilieu, carte);
    rafraichit();
}

void Tapis::presenteretournee(int joueur, int carte) {
    struct Trajet {
        int xavant, yavant, lavant; // where the card stands in front of the seat before
        int dx, dy;                 // one 16-pixel step toward the seat
        int rx, ry, rl, rh;         // the fixed rectangle covering the whole path
    };
    static constexpr Trajet trajets[5] = {{},
                                          {108, 192, 71, 0, 16, 204, 192, 71, 192},
                                          {204, 288, 71, 16, 0, 204, 192, 167, 96},
                                          {300, 192, 72, 0, -16, 204, 96, 71, 192},
                                          {204, 96, 71, -16, 0, 108, 192, 167, 96}};
    if (joueur < 1 || joueur > 4) return;
    const Trajet& tr = trajets[joueur];
    restaure(tr.xavant, tr.yavant, tr.lavant, 96);
    monrefresh(tr.xavant, tr.yavant, tr.lavant, 96);
    int x = XMilieu, y = YMilieu;
    for (int pas = 1; pas <= 6; ++pas) {
        restaure(x, y, LargeurCarte, HauteurCarte);
        x += tr.dx;
        y += tr.dy;
        poseface(x, y, carte);
        monrefresh(tr.rx, tr.ry, tr.rl, tr.rh);
    }
}

void Tapis::exposeannonce(int joueur, const Main& main, const Main& cartes, int n) {
    if (joueur == 1) {
        // Sud's hand closes up over the gap the shown cards leave.
        Main mescartes = main;
        for (int s = 1; s <= 8; ++s)
            for (int i = 1; i <= n; ++i)
                if (mescartes[static_cast<std::size_t>(s)] == cartes[static_cast<std::size_t>(i)])
                    mescartes[static_cast<std::size_t>(s)] = 0;
        posemescartes(mescartes);
    } else {
        posecarte(joueur, main, 8 - n, EcartSerre);
    }
    const int x0 = (480 - ((n - 1) * EcartLarge + LargeurCarte)) / 2;
    for (int i = 1; i <= n; ++i)
        poseface(x0 + (i - 1) * EcartLarge, Centre, cartes[static_cast<std::size_t>(i)]);
    monrefresh(Centre, Centre, CoteCentre, 96);
}

void Tapis::rangeannonce(int joueur, const Main& main) {
    restaure(Centre, Centre, CoteCentre, 96);
    monrefresh(Centre, Centre, CoteCentre, 96);
    montremain(joueur, main);
}

bool Tapis::courtbande(int y, int depart, int fin, int pas) {
    bool coupe = false;
    for (int x = depart; pas > 0 ? x <= fin : x >= fin; x += pas) {
        restaure(0, y, 480, 96);
        posedos(x, y);
        monrefresh(0, y, 480, 96);
        if ((coupe = pause(0.05f))) break;
    }
    // Cut short or not, the band is left clean.
    restaure(0, y, 480, 96);
    monrefresh(0, y, 480, 96);
    return coupe;
}

void Tapis::animationfin() {
    // A face-down card runs along the top band, then back along the bottom one, for about ten seconds.
    const double debut = pf_.secondes();
    bool coupe = false;
    do {
        coupe = courtbande(0, 2, 409, 27) || courtbande(384, 407, 2, -27);
        // A click during the last frame of a band, after its last pause, ends the run as well.
        coupe = joueur_.prendclic() || coupe;
    } while (!coupe && pf_.secondes() - debut <= 10.0);
}

} // namespace tlv::belote
