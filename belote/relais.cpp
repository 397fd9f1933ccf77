#include "belote/relais.h"

namespace tlv::belote {

// Every call the rules make counts, live or played again alike, so that an option changed in the menu
// during one of them is given back at the end of the same one.
class Relais::Appel {
  public:
    explicit Appel(Relais& r) : r_(r) { ++r_.appels_; }
    ~Appel() { r_.finappel(); }
    Appel(const Appel&) = delete;
    Appel& operator=(const Appel&) = delete;

  private:
    Relais& r_;
};

Relais::Relais(Table& reelle, Belote& b, Ecrit ecrit, std::function<void()> retabli)
    : reelle_(reelle), b_(b), ecrit_(std::move(ecrit)), retabli_(std::move(retabli)) {}

void Relais::nouvellepartie() {
    partie_ = Sauvegarde{};
    partie_.graine = b_.rnd.etat();
    partie_.partieen = b_.reglages.partieen;
    partie_.avecannonces = b_.reglages.avecannonces;
    partie_.partenaire = b_.niveaux[3];
    partie_.adversaires = b_.niveaux[2];
    if (b_.paquet.avecfauxjeu) {
        partie_.fauxjeu = b_.paquet.fauxjeu;
        partie_.donneurfauxjeu = b_.paquet.donneurfauxjeu;
    }
    partie_.numeropartie = b_.numeropartie + 1;
    avance_ = false;
    appels_ = 0;
    options_ = 0;
    connues_ = {b_.reglages.avecannonces, b_.reglages.partieen};
}

void Relais::reprend(const Sauvegarde& s) {
    partie_ = s;
    avance_ = true;
    lues_ = 0;
    appels_ = 0;
    options_ = 0;
    message_.reset();
    message2_.reset();
    etatclic_ = EtatClic::aucun;
    curseur_ = Pointeur::repos;
    survol_ = {};
}

template <class F> void Relais::muet(F montre) {
    Appel a(*this);
    if (!avance_) montre();
}

void Relais::finappel() {
    auto& r = b_.reglages;
    if (avance_) {
        for (; options_ < partie_.options.size() && partie_.options[options_].appel == appels_; ++options_) {
            r.avecannonces = partie_.options[options_].avecannonces;
            r.partieen = partie_.options[options_].partieen;
        }
        return;
    }
    if (r.avecannonces == connues_.first && r.partieen == connues_.second) return;
    connues_ = {r.avecannonces, r.partieen};
    partie_.options.push_back({appels_, r.avecannonces, r.partieen});
}

void Relais::sauve(Point p) {
    partie_.point = p;
    partie_.numerodonne = b_.numerodonne;
    if (ecrit_) ecrit_(partie_);
}

Attente Relais::attend(bool enchere) {
    Appel a(*this);
    if (avance_) {
        if (lues_ < partie_.reponses.size()) return {partie_.reponses[lues_++], 0};
        bascule(true);
    }
    sauve(Point::sud);
    const Attente r = enchere ? reelle_.attendenchere() : reelle_.attendcarte();
    if (r.arret == 0) partie_.reponses.push_back(r.choix);
    return r;
}

void Relais::nouvelledonne() {
    Appel a(*this);
    if (avance_ && lues_ == partie_.reponses.size() && partie_.point == Point::donne &&
        b_.numerodonne == partie_.numerodonne)
        bascule(false);
    if (!avance_) sauve(Point::donne);
    reelle_.nouvelledonne();
}

void Relais::bascule(bool ausud) {
    avance_ = false;
    connues_ = {b_.reglages.avecannonces, b_.reglages.partieen};
    if (retabli_) retabli_();
    if (!ausud) return;
    reelle_.retablit();
    // The turned card, during the bidding: before Sud in the first round, in the middle in the second.
    if (b_.table.preneur == 0) {
        if (message2_)
            reelle_.ramene_retournee(b_.table.liste[6]);
        else
            reelle_.presenteretournee(1, b_.table.liste[6]);
    }
    if (message_) reelle_.message_on(message_->first, message_->second);
    if (message2_) reelle_.message_on2(*message2_);
    for (int p = 1; p <= 2; ++p)
        if (survol_[static_cast<std::size_t>(p)]) reelle_.survol(p, survol_[static_cast<std::size_t>(p)]);
    reelle_.curseur(curseur_);
    reelle_.etatclic(etatclic_);
}

void Relais::message_on(const std::string& ligne1, const std::string& ligne2) {
    Appel a(*this);
    if (!avance_) return reelle_.message_on(ligne1, ligne2);
    message_.emplace(ligne1, ligne2);
}

void Relais::message_off() {
    Appel a(*this);
    if (!avance_) return reelle_.message_off();
    message_.reset();
}

void Relais::message_on2(const std::array<int, 4>& couleurspossibles) {
    Appel a(*this);
    if (!avance_) return reelle_.message_on2(couleurspossibles);
    message2_ = couleurspossibles;
}

void Relais::message_off2(int retournee) {
    Appel a(*this);
    if (!avance_) return reelle_.message_off2(retournee);
    message2_.reset();
}

bool Relais::pause(float secondes) {
    Appel a(*this);
    return !avance_ && reelle_.pause(secondes);
}

void Relais::etatclic(EtatClic etat) {
    Appel a(*this);
    if (!avance_) return reelle_.etatclic(etat);
    etatclic_ = etat;
}

void Relais::survol(int panneau, int ligne) {
    Appel a(*this);
    if (!avance_) return reelle_.survol(panneau, ligne);
    if (panneau >= 1 && panneau <= 2) survol_[static_cast<std::size_t>(panneau)] = ligne;
}

void Relais::curseur(Pointeur c) {
    Appel a(*this);
    if (!avance_) return reelle_.curseur(c);
    curseur_ = c;
}

// The calls that only show, sound or wait: nothing while the saved answers are played again.
void Relais::pause_visu() {
    muet([&] { reelle_.pause_visu(); });
}
void Relais::battement() {
    muet([&] { reelle_.battement(); });
}
void Relais::joueson(const std::string& nom) {
    muet([&] { reelle_.joueson(nom); });
}
void Relais::voix(int joueur, const std::string& mot) {
    muet([&] { reelle_.voix(joueur, mot); });
}
void Relais::rafraichit() {
    muet([&] { reelle_.rafraichit(); });
}
void Relais::videcentre() {
    muet([&] { reelle_.videcentre(); });
}
void Relais::distribue(int joueur, const Main& main, int nombre) {
    muet([&] { reelle_.distribue(joueur, main, nombre); });
}
void Relais::montremain(int joueur, const Main& main) {
    muet([&] { reelle_.montremain(joueur, main); });
}
void Relais::retourne(int carte) {
    muet([&] { reelle_.retourne(carte); });
}
void Relais::presenteretournee(int joueur, int carte) {
    muet([&] { reelle_.presenteretournee(joueur, carte); });
}
void Relais::ramene_retournee(int carte) {
    muet([&] { reelle_.ramene_retournee(carte); });
}
void Relais::exposeannonce(int joueur, const Main& main, const Main& cartes, int n) {
    muet([&] { reelle_.exposeannonce(joueur, main, cartes, n); });
}
void Relais::rangeannonce(int joueur, const Main& main) {
    muet([&] { reelle_.rangeannonce(joueur, main); });
}
void Relais::glissecarte(int joueur, int carte) {
    muet([&] { reelle_.glissecarte(joueur, carte); });
}
void Relais::glisseaucentre(int joueur, int carte) {
    muet([&] { reelle_.glisseaucentre(joueur, carte); });
}
void Relais::emportepli(bool nous) {
    muet([&] { reelle_.emportepli(nous); });
}
void Relais::animationfin() {
    muet([&] { reelle_.animationfin(); });
}

// What builds the score pad and the contract line is drawn even while the answers are played again: the
// resumed table shows them as they were.
void Relais::afficheletapis() {
    Appel a(*this);
    reelle_.afficheletapis();
}
void Relais::affichecontrat(const std::string& texte, int atout) {
    Appel a(*this);
    reelle_.affichecontrat(texte, atout);
}
void Relais::lignescore(int ligne) {
    Appel a(*this);
    reelle_.lignescore(ligne);
}
void Relais::ecritscore(int nous, int eux) {
    Appel a(*this);
    reelle_.ecritscore(nous, eux);
}
void Relais::ecrittotal(int nous, int eux) {
    Appel a(*this);
    reelle_.ecrittotal(nous, eux);
}

} // namespace tlv::belote
