#include "belote_table/ecran.h"

#include "belote/flux.h"
#include "platform/curseurs.h"
#include "platform/image.h"
#include "platform/plateforme.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {

// The journal of a played match: each deal's lines reach the disk when the deal is settled or dropped, so
// closing the window loses nothing already played.
class JournalFichier : public Journal {
  public:
    explicit JournalFichier(std::ofstream& f) : Journal(f), f_(f) {}
    void fin(int nous, int eux, int tn, int te, int r) override {
        Journal::fin(nous, eux, tn, te, r);
        f_.flush();
    }
    void resultat(int tn, int te) override {
        Journal::resultat(tn, te);
        f_.flush();
    }
    void prise(int p, int a) override {
        Journal::prise(p, a);
        f_.flush();
    }

  private:
    std::ofstream& f_;
};

} // namespace

Ecran::Ecran(Contexte& c) : Form(c.pf, 640, 480), ctx(c), b(c.r, c.rnd), fond(image) {
    if (!ctx.journal.empty()) {
        fichierjournal_ = std::make_unique<std::ofstream>(ctx.journal, std::ios::app | std::ios::binary);
        // A journal that cannot be opened is no reason to refuse the game.
        if (*fichierjournal_) {
            journal_ = std::make_unique<JournalFichier>(*fichierjournal_);
            b.suivi = journal_.get();
        }
    }
}

Ecran::~Ecran() {
    b.suivi = nullptr;
    if (fichierjournal_) fichierjournal_->flush();
}

void Ecran::Form_Load() {
    jouemusik(pf, ctx.util, ctx.r, "cartem01");
}

void Ecran::Form_Unload() {
    active_ = false;
    // The launcher has no cursor of its own to put back: leaving during a wait must not keep the table's.
    pf.curseur(Curseur::Repos);
    if (fichierjournal_) fichierjournal_->flush();
}

void Ecran::prepare() {
    // Only ever ANDed: the white rows at the foot of the mask sheet change nothing, so they are not kept.
    masque = chargeimage(ctx.r.repertoire, "cartei07", pf.facteur());
    rogne_bas(masque, rgb(255, 255, 255));
    tampon = chargeimage(ctx.r.repertoire, "cartei08", pf.facteur());
    // The sheets may be smaller than their layout; the save areas must exist all the same.
    if (tampon.largeur() < 568 || tampon.hauteur() < 624) {
        Surface t(568, 624, 0, pf.facteur());
        bitblt(t, 0, 0, tampon.largeur(), tampon.hauteur(), tampon, 0, 0);
        tampon = std::move(t);
    }
    // The clean table is the picture itself, on a black 640 x 480 area should the file be smaller.
    ecranbis = chargeimage(ctx.r.repertoire, "cartei03", pf.facteur());
    if (ecranbis.largeur() != 640 || ecranbis.hauteur() != 480) {
        Surface t(640, 480, 0, pf.facteur());
        bitblt(t, 0, 0, 640, 480, ecranbis, 0, 0);
        ecranbis = std::move(t);
    }
    souslabel_ = Surface(152, 34, 0, pf.facteur());
    bitblt(souslabel_, 0, 0, 152, 34, ecranbis, 484, 442);
    labelsposes_ = false;
    fond.redimensionne(640, 480);
    bitblt(fond, 0, 0, 640, 480, ecranbis, 0, 0);
}

void Ecran::Form_Activate() {
    if (active_) return;
    active_ = true;
    b.ecran.arret = 0;
    b.paquet.premieredonne = true;
    b.paquet.avecfauxjeu = false;
    b.paquet.donneurfauxjeu = 1;
    b.paquet.fauxjeu.clear();
    prepare();
    pf.invalide();
    affichelemenu();
    for (;;) {
        if (b.ecran.arret == 2) {
            hide();
            return;
        }
        lancelapartie(b, *this);
        // A finished match leaves its result and the score pad in sight until a click, then the Belote menu.
        if (b.ecran.finpartie && !b.table.partieencours && b.ecran.arret == 2) {
            montreresultat();
            attendapresfin();
            affichelemenu();
        }
    }
}

void Ecran::Form_KeyDown(Touche code, int) {
    const bool action = code == Touche::Entree || code == Touche::Espace;
    if (attendfin) {
        if (action || code == Touche::Echap) attendfin = false;
        return;
    }
    if (touche_enchere(code) || touche_carte(code)) return;
    // As a click does, the keys cut the pause under way short.
    if (action) {
        clic_ = true;
        return;
    }
    if (!curseur_attente()) return;
    if (code == Touche::Echap) {
        ouvremenu();
    } else if (code == touche_caractere('D')) {
        montredernierpli();
    }
}

void Ecran::joueson(const std::string& nom) {
    tlv::joueson(pf, ctx.r, nom);
}

void Ecran::voix(int joueur, const std::string& mot) {
    tlv::voix(pf, ctx.r, joueur, mot);
}

void Ecran::curseur(Pointeur c) {
    // While the program plays by itself it mostly waits, and a click ends those waits: the arrow, not the
    // busy pointer.
    pf.curseur(c == Pointeur::attente ? Curseur::Attente : Curseur::Repos);
}

bool Ecran::curseur_attente() const {
    return pf.curseur_actuel() == Curseur::Attente;
}

} // namespace tlv
