#include "plateforme.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "audio.h"
#include "boucle.h"
#include "bureau.h"
#include "calque.h"
#include "chrono.h"
#include "fenetre.h"
#include "horloge.h"
#include "minuteries.h"
#include "options_plateforme.h"
#include "pile.h"
#include "pointeurs.h"
#include "presentation.h"
#include "robot.h"
#include "routage.h"
#include "source_sdl.h"
#include "texte.h"

namespace tlv {

namespace {

OptionsPresentation options_presentation(const OptionsPlateforme& o) {
    OptionsPresentation p;
    p.fenetre = o.fenetre;
    p.ecran_largeur = o.ecran_largeur, p.ecran_hauteur = o.ecran_hauteur;
    // Without a display size, robot runs keep the whole-number zoom they were written for.
    p.zoom_entier = o.robot != nullptr;
    // Checking what the window shows needs frames sent, even in a robot run.
    const char* v = std::getenv("TLV_VERIFIE_ENVOIS");
    p.verifie = v && *v && std::string(v) != "0";
    p.affiche = !o.robot || p.verifie || std::getenv("TLV_ROBOT_AFFICHE") != nullptr;
    p.icone = o.icone;
    p.largeur_fenetre = o.largeur_fenetre, p.hauteur_fenetre = o.hauteur_fenetre;
    return p;
}

std::unique_ptr<Horloge> horloge_pour(const OptionsPlateforme& o) {
    if (o.horloge_virtuelle || o.robot) return std::make_unique<HorlogeVirtuelle>();
    return std::make_unique<HorlogeReelle>();
}

std::unique_ptr<Bureau> bureau_pour(const OptionsPlateforme& o) {
    if (o.robot) return std::make_unique<BureauRapporte>();
    return std::make_unique<BureauSysteme>();
}

// SDL's video, started before the window and ended after everything that uses it.
struct Video {
    Video() {
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        // We send pixels ourselves: the native framebuffer, not one drawn through an OpenGL texture.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        jalon("plateforme");
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
        jalon("SDL video");
    }
    ~Video() { SDL_Quit(); }
    Video(const Video&) = delete;
    Video& operator=(const Video&) = delete;
};

std::string police_ou(const std::string& choisie, std::string (*notre)()) {
    return choisie.empty() ? notre() : choisie;
}

} // namespace

// In the order they are made; they go in reverse, SDL last.
struct Plateforme::Parties {
    explicit Parties(const OptionsPlateforme& o);

    bool robot;
    std::unique_ptr<Horloge> horloge;
    Video video;
    PileCalques pile;
    Presentation presentation;
    Pointeurs pointeurs;
    Polices polices, polices_texte;
    Audio audio;
    Minuteries minuteries;
    Routage routage;
    SourceSdl sdl;
    SourceEntrees& source;
    Boucle boucle;
    std::unique_ptr<Bureau> bureau;
};

Plateforme::Parties::Parties(const OptionsPlateforme& o)
    : robot(o.robot != nullptr), horloge(horloge_pour(o)), presentation(options_presentation(o), pile),
      pointeurs((jalon("fenetre"), presentation.echelle().s)),
      polices(police_ou(o.police, police_par_defaut)), polices_texte(police_ou(o.police, police_texte)),
      audio((jalon("curseurs et police"), horloge->virtuelle()), o.trace_sons, o.sortie_sons),
      routage(pile, presentation), sdl(presentation),
      source(o.robot ? *o.robot : static_cast<SourceEntrees&>(sdl)),
      boucle(PartiesBoucle{*horloge, source, routage, presentation, minuteries, audio, pile}),
      bureau(bureau_pour(o)) {
    jalon("audio");
    SDL_StartTextInput();
    if (o.robot) o.robot->branche(BrancheRobot{sdl, routage, presentation, minuteries, *horloge});
}

Plateforme::Plateforme(const OptionsPlateforme& o) : p_(new Parties(o)) {}

Plateforme::~Plateforme() {
    delete p_;
}

Presentation& Plateforme::presentation() {
    return p_->presentation;
}
Boucle& Plateforme::boucle() {
    return p_->boucle;
}
Routage& Plateforme::routage() {
    return p_->routage;
}
Minuteries& Plateforme::minuteries() {
    return p_->minuteries;
}
Polices& Plateforme::polices() {
    return p_->polices;
}
Polices& Plateforme::polices_texte() {
    return p_->polices_texte;
}
Audio& Plateforme::audio() {
    return p_->audio;
}
Horloge& Plateforme::horloge() {
    return *p_->horloge;
}
bool Plateforme::robot() const {
    return p_->robot;
}

void Plateforme::rapporte(const std::string& ligne) const {
    if (!p_->robot) return;
    std::fputs((ligne + "\n").c_str(), stdout);
    std::fflush(stdout);
}

int Plateforme::ecran_largeur() const {
    return p_->presentation.largeur();
}
int Plateforme::ecran_hauteur() const {
    return p_->presentation.hauteur();
}
int Plateforme::decalagex() const {
    return p_->presentation.decalagex();
}
int Plateforme::decalagey() const {
    return p_->presentation.decalagey();
}
int Plateforme::zoom() const {
    return p_->presentation.zoom();
}
int Plateforme::facteur() const {
    return p_->presentation.facteur();
}
const Echelle& Plateforme::echelle() const {
    return p_->presentation.echelle();
}

std::int64_t Plateforme::ms() const {
    return p_->horloge->ms();
}
double Plateforme::secondes() const {
    return static_cast<double>(p_->horloge->ms()) / 1000.0;
}

bool Plateforme::doevents() {
    return p_->boucle.doevents();
}
void Plateforme::attend_joueur() {
    p_->boucle.attend_joueur();
}
void Plateforme::attend_jusqua(std::int64_t echeance, Condition fini) {
    p_->boucle.attend_jusqua(echeance, fini);
}
void Plateforme::attend_pendant(int duree, Condition fini) {
    p_->boucle.attend_pendant(duree, fini);
}
void Plateforme::monrefresh() {
    p_->boucle.monrefresh();
}
void Plateforme::montre_modal(Calque& f, bool reactive_dessous) {
    p_->boucle.montre_modal(f, reactive_dessous);
}
void Plateforme::demande_fin() {
    p_->boucle.demande_fin();
}

void Plateforme::invalide() {
    p_->presentation.invalide();
}
void Plateforme::invalide(const Rect& r) {
    p_->presentation.invalide(r);
}
void Plateforme::invalide_image(const Rect& r, std::uint64_t image) {
    p_->presentation.invalide_image(r, image);
}
void Plateforme::montre_sans_attendre(Calque& f) {
    f.visible = true;
    p_->pile.empile(f);
    p_->presentation.invalide();
}
Calque* Plateforme::dessus() const {
    return p_->pile.dessus();
}
bool Plateforme::recouvert(const Calque& f, const Rect& r) const {
    return p_->pile.recouvert(f, r);
}
const Surface& Plateforme::compose() {
    return p_->presentation.compose();
}
Envois Plateforme::envois() const {
    return p_->presentation.envois();
}
bool Plateforme::capture(const std::string& chemin) {
    return p_->presentation.capture(chemin);
}
void Plateforme::cache_fenetre() {
    p_->presentation.cache_fenetre();
}
void Plateforme::bascule_plein_ecran() {
    p_->presentation.bascule_plein_ecran();
}
bool Plateforme::plein_ecran() const {
    return p_->presentation.plein_ecran();
}
void Plateforme::taille_fenetre(int& w, int& h) const {
    p_->presentation.taille_fenetre(w, h);
}

void Plateforme::curseur(Curseur c) {
    p_->pointeurs.montre(c);
}
Curseur Plateforme::curseur_actuel() const {
    return p_->pointeurs.actuel();
}

bool Plateforme::clavier() const {
    return p_->routage.clavier();
}

bool Plateforme::fenetre_active() const {
    return p_->routage.fenetre_active();
}

TouchesCommunes Plateforme::installe_touches_communes(TouchesCommunes t) {
    return p_->routage.installe_touches_communes(std::move(t));
}
void Plateforme::pousse(const Entree& e) {
    p_->routage.pousse(e);
}

bool Plateforme::ouvre_url(const std::string& url) {
    return p_->bureau->ouvre_url(url);
}
bool Plateforme::lance(const std::string& programme) {
    return p_->bureau->lance(programme);
}
bool Plateforme::copie(const std::string& texte) {
    return p_->bureau->copie(texte);
}
std::string Plateforme::colle() {
    return p_->bureau->colle();
}

} // namespace tlv
