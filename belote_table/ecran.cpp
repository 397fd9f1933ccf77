#include "belote_table/ecran.h"

#include <cmath>

#include "belote/flux.h"
#include "belote_table/revue.h"
#include "platform/curseurs.h"
#include "platform/image.h"
#include "platform/plateforme.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::belote {

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

Ecran::Ecran(Contexte& ctx)
    : Form(ctx.pf, 640, 480), ctx_(ctx), b_(ctx.r, ctx.rnd), tapis_(ctx, b_, image, *this),
      relais_(
          tapis_, b_, [this](const Sauvegarde& s) { sauvepartie(s); },
          [this] { recit_.suite(journal_.get()); }) {
    if (!ctx_.journal.empty()) {
        fichierjournal_ = std::make_unique<std::ofstream>(ctx_.journal, std::ios::app | std::ios::binary);
        // A journal that cannot be opened is no reason to refuse the game.
        if (*fichierjournal_) {
            journal_ = std::make_unique<JournalFichier>(*fichierjournal_);
            recit_.suite(journal_.get());
        }
    }
    b_.suivi = &recit_;
}

Ecran::~Ecran() {
    b_.suivi = nullptr;
    if (fichierjournal_) fichierjournal_->flush();
}

void Ecran::Form_Load() {
    jouemusik(pf, ctx_.util, ctx_.r, "cartem01");
}

void Ecran::Form_Unload() {
    active_ = false;
    // The launcher has no cursor of its own to put back: leaving during a wait must not keep the table's.
    pf.curseur(Curseur::Repos);
    if (fichierjournal_) fichierjournal_->flush();
}

void Ecran::Form_Activate() {
    if (active_) return;
    active_ = true;
    b_.ecran.arret = 0;
    b_.paquet.premieredonne = true;
    b_.paquet.avecfauxjeu = false;
    b_.paquet.donneurfauxjeu = 1;
    b_.paquet.fauxjeu.clear();
    tapis_.prepare();
    pf.invalide();
    chargepartie();
    affichelemenu();
    for (;;) {
        if (b_.ecran.arret == 2) {
            hide();
            return;
        }
        joue();
        // A finished match leaves its result and the score pad in sight until a click, then the Belote menu.
        if (b_.ecran.finpartie && !b_.table.partieencours && b_.ecran.arret == 2) {
            oubliepartie();
            tapis_.montreresultat(conseils_);
            attendapresfin();
            // "Rejouer cette donne" from the replay has already asked for the next match.
            if (b_.ecran.arret == 2) affichelemenu();
        }
    }
}

void Ecran::Form_KeyDown(Touche code, int) {
    const bool action = code == Touche::Entree || code == Touche::Espace;
    if (code == touche_caractere('R') && revue_possible()) return ouvrerevue();
    if (attendfin_) {
        if (action || code == Touche::Echap) attendfin_ = false;
        return;
    }
    if (touche_enchere(code) || touche_carte(code)) return;
    if (code == touche_caractere('C') && demandeconseil()) return;
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

bool Ecran::pause(float secondes) {
    const double s = std::isfinite(secondes) && secondes > 0 ? secondes : 0.0;
    // Any click ends it, a left one too.
    const bool dedans = enpause_;
    enpause_ = true;
    // A card clicked while Sud is prompted ends the prompt too.
    pf.attend_pendant(static_cast<int>(std::llround(s * 1000.0)), [this] { return clic_ || carteclic_ > 0; });
    enpause_ = dedans;
    return prendclic();
}

bool Ecran::prendclic() {
    const bool pris = clic_;
    clic_ = false;
    return pris;
}

void Ecran::curseur(Pointeur c) {
    // While the program plays by itself it mostly waits, and a click ends those waits: the arrow, not the
    // busy pointer.
    pf.curseur(c == Pointeur::attente ? Curseur::Attente : Curseur::Repos);
}

bool Ecran::revue_possible() const {
    if (!recit_.dernier()) return false;
    if (attendfin_ || etatclic_ == EtatClic::enchere1 || etatclic_ == EtatClic::enchere2) return true;
    // Sud to lead: no card of the trick under way on the table yet.
    return etatclic_ == EtatClic::carte && b_.table.numcarte == 1;
}

void Ecran::majrevoir() {
    const bool dessus = sourisx_ >= 562 && sourisx_ < 636 && sourisy_ >= 6 && sourisy_ < 40;
    tapis_.labelrevoir(revue_possible(), dessus);
}

void Ecran::ouvrerevue() {
    if (!revue_possible()) return;
    tapis_.joueson("cartew00");
    const EtatClic avant = etatclic_;
    const Curseur curseur = pf.curseur_actuel();
    etatclic_ = EtatClic::suspendu;
    pf.curseur(Curseur::Repos);
    Revue revue(ctx_, tapis_, *recit_.dernier());
    revue.place(ctx_.r.decalagex, ctx_.r.decalagey);
    pf.montre_modal(revue);
    const ReponseRevue reponse = revue.reponse;
    revue.unload();
    pf.curseur(curseur);
    etatclic_ = avant;
    if (reponse == ReponseRevue::rejouer) rejoue(revue.fiche());
    majrevoir();
    pf.invalide();
}

void Ecran::rejoue(const std::string& fiche) {
    std::string fauxjeu;
    int donneur = 0;
    if (!litpartage(fiche, fauxjeu, donneur)) return;
    // The rigged-deal path of the deal editor: the next match's first deal is this one.
    b_.paquet.fauxjeu = fauxjeu;
    b_.paquet.donneurfauxjeu = static_cast<std::int16_t>(donneur);
    b_.paquet.avecfauxjeu = true;
    tapis_.remetletapis();
    b_.ecran.arret = 1;
    etatclic_ = EtatClic::aucun;
    attendfin_ = false;
}

bool Ecran::curseur_attente() const {
    return pf.curseur_actuel() == Curseur::Attente;
}

} // namespace tlv::belote
