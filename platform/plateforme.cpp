#include "plateforme.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "chrono.h"
#include "fenetre.h"
#include "icone.h"
#include "image.h"
#include "minuterie.h"
#include "quitter.h"
#include "robot.h"
#include "systeme.h"
#include "trace_ecran.h"

namespace tlv {

int decalage(int taille_ecran, int taille_aire) {
    return static_cast<int>(std::floor((taille_ecran - taille_aire) / 2.0));
}

Plateforme::Plateforme(const OptionsPlateforme& o) : robot_(o.robot) {
    // Checking what the window shows needs frames sent, even in a robot run.
    const char* v = std::getenv("TLV_VERIFIE_ENVOIS");
    verifie_ = v && *v && std::string(v) != "0";
    affiche_ = !robot_ || verifie_ || std::getenv("TLV_ROBOT_AFFICHE") != nullptr;
    if (o.horloge_virtuelle || o.robot)
        horloge_ = std::make_unique<HorlogeVirtuelle>();
    else
        horloge_ = std::make_unique<HorlogeReelle>();

    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // We send pixels ourselves: the native framebuffer, not one drawn through an OpenGL texture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    jalon("plateforme");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
    jalon("SDL video");
    // Without a display size, robot runs keep the whole-number zoom they were written for.
    ecran_impose_ = o.ecran_largeur > 0 && o.ecran_hauteur > 0;
    fenetre_ = std::make_unique<Fenetre>(OptionsFenetre{o.fenetre, ecran_impose_ ? o.ecran_largeur : 0,
                                                        ecran_impose_ ? o.ecran_hauteur : 0,
                                                        o.robot != nullptr && !ecran_impose_});
    if (!o.icone.empty()) pose_icone(fenetre_->sdl(), o.icone);
    if (o.largeur_fenetre > 0 && o.hauteur_fenetre > 0)
        fenetre_->impose_taille_fenetre(o.largeur_fenetre, o.hauteur_fenetre);
    const Echelle& e = fenetre_->depart();
    // Every picture made from now on is drawn at the display's resolution.
    Surface::facteur_rendu(e.k);
    ecran_ = Surface(e.lw, e.lh, 0, e.k);
    decalagex_ = e.decalagex;
    decalagey_ = e.decalagey;
    zoom_ = std::max(1, static_cast<int>(std::lround(e.s)));

    jalon("fenetre");
    // Our own pointers, at the play area's zoom; the system's when the platform refuses colour cursors.
    static constexpr SDL_SystemCursor systeme[3] = {SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_HAND,
                                                    SDL_SYSTEM_CURSOR_WAIT};
    for (int i = 0; i < 3; ++i) {
        DessinCurseur d = dessin(static_cast<FormeCurseur>(i), e.s);
        if (const SurfaceSdl s{SDL_CreateRGBSurfaceWithFormatFrom(d.pixels.data(), d.largeur, d.hauteur, 32,
                                                                  d.largeur * 4, SDL_PIXELFORMAT_ARGB8888)})
            curseurs_[i].reset(SDL_CreateColorCursor(s.get(), d.pointx, d.pointy));
        if (!curseurs_[i]) curseurs_[i].reset(SDL_CreateSystemCursor(systeme[i]));
    }
    curseur(Curseur::Repos);
    SDL_StartTextInput();

    polices_ = std::make_unique<Polices>(o.police.empty() ? police_par_defaut() : o.police);
    polices_texte_ = std::make_unique<Polices>(o.police.empty() ? police_texte() : o.police);
    jalon("curseurs et police");
    audio_ = std::make_unique<Audio>(horloge_->virtuelle(), o.trace_sons, o.sortie_sons);
    jalon("audio");
}

Plateforme::~Plateforme() {
    audio_.reset();
    polices_.reset();
    polices_texte_.reset();
    for (CurseurSdl& c : curseurs_) c.reset();
    fenetre_.reset();
    SDL_Quit();
    Surface::facteur_rendu(1);
}

const Echelle& Plateforme::echelle() const {
    return fenetre_->depart();
}

void Plateforme::curseur(Curseur c) {
    curseur_ = c;
    if (SDL_Cursor* s = curseurs_[static_cast<int>(forme(c))].get()) SDL_SetCursor(s);
}

void Plateforme::enregistre(Minuterie* m) {
    minuteries_.push_back(m);
}
void Plateforme::retire(Minuterie* m) {
    std::erase(minuteries_, m);
}

std::int64_t Plateforme::prochaine_minuterie() const {
    std::int64_t t = -1;
    for (const Minuterie* m : minuteries_)
        if (m->active() && (t < 0 || m->echeance() < t) && !m->inutile()) t = m->echeance();
    return t;
}

bool Plateforme::declenche_minuteries() {
    bool une = false;
    const std::int64_t maintenant = ms();
    // A handler may enable, disable or destroy timers: collect the due ones first, then recheck each.
    std::vector<Minuterie*> dues;
    for (Minuterie* m : minuteries_)
        if (m->active() && m->echeance() <= maintenant && !m->inutile()) dues.push_back(m);
    std::sort(dues.begin(), dues.end(), [](auto* a, auto* b) { return a->echeance() < b->echeance(); });
    for (Minuterie* m : dues) {
        if (std::find(minuteries_.begin(), minuteries_.end(), m) == minuteries_.end()) continue;
        if (!m->active() || m->echeance() > maintenant) continue;
        m->declenche(maintenant);
        if (!m->interne()) une = true;
    }
    return une;
}

namespace {

// SDL's event in our own vocabulary; false for what the program does not listen to.
bool traduit(const SDL_Event& ev, const Fenetre& fenetre, Entree& e) {
    const SDL_Keymod km = SDL_GetModState();
    e.maj = ((km & KMOD_SHIFT) ? maj::Shift : 0) | ((km & KMOD_CTRL) ? maj::Ctrl : 0) |
            ((km & KMOD_ALT) ? maj::Alt : 0);
    auto bouton_de = [](Uint8 b) {
        return b == SDL_BUTTON_LEFT ? bouton::Gauche : b == SDL_BUTTON_RIGHT ? bouton::Droit : bouton::Milieu;
    };
    switch (ev.type) {
    case SDL_QUIT:
        e.type = Entree::Type::Quitter;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        e.type = ev.type == SDL_MOUSEBUTTONDOWN ? Entree::Type::SourisBas : Entree::Type::SourisHaut;
        e.x = ev.button.x, e.y = ev.button.y, e.bouton = bouton_de(ev.button.button);
        fenetre.vers_logique(e.x, e.y);
        return true;
    case SDL_MOUSEMOTION:
        e.type = Entree::Type::SourisBouge;
        e.x = ev.motion.x, e.y = ev.motion.y;
        fenetre.vers_logique(e.x, e.y);
        return true;
    case SDL_TEXTINPUT:
        e.type = Entree::Type::Caractere;
        e.texte = ev.text.text;
        return true;
    case SDL_KEYDOWN: {
        e.type = Entree::Type::Touche;
        const SDL_Keycode k = ev.key.keysym.sym;
        // A held F11 or Alt+Entrée switches once.
        if (ev.key.repeat &&
            (k == SDLK_F11 || ((k == SDLK_RETURN || k == SDLK_KP_ENTER) && (e.maj & maj::Alt))))
            return false;
        if (k >= SDLK_F1 && k <= SDLK_F12)
            e.code = touche_fonction(1 + k - SDLK_F1);
        else if (k >= SDLK_a && k <= SDLK_z)
            e.code = touche_caractere(static_cast<char>('a' + (k - SDLK_a)));
        else if (k >= SDLK_0 && k <= SDLK_9)
            e.code = touche_caractere(static_cast<char>(k));
        else if (k == SDLK_RETURN || k == SDLK_KP_ENTER)
            e.code = Touche::Entree;
        else if (k == SDLK_ESCAPE)
            e.code = Touche::Echap;
        else if (k == SDLK_BACKSPACE)
            e.code = Touche::Effacement;
        else if (k == SDLK_TAB)
            e.code = Touche::Tab;
        else if (k == SDLK_SPACE)
            e.code = Touche::Espace;
        else if (k == SDLK_LEFT)
            e.code = Touche::Gauche;
        else if (k == SDLK_RIGHT)
            e.code = Touche::Droite;
        else if (k == SDLK_UP)
            e.code = Touche::Haut;
        else if (k == SDLK_DOWN)
            e.code = Touche::Bas;
        else if (k == SDLK_DELETE)
            e.code = Touche::Suppr;
        else if (k == SDLK_HOME)
            e.code = Touche::Debut;
        else if (k == SDLK_END)
            e.code = Touche::Fin;
        else
            return false;
        return true;
    }
    case SDL_WINDOWEVENT:
        return false;
    default:
        return false;
    }
}

} // namespace

void Plateforme::distribue(const Entree& e) {
    if (e.type == Entree::Type::Quitter) throw Quitter{};
    if (touche_fenetre(e)) return;
    if (e.type == Entree::Type::Touche && touches_communes_) {
        // Called from a copy: they may open a screen, and others may be installed before it closes.
        const TouchesCommunes t = touches_communes_;
        if (t(e.code, e.maj)) {
            sale_ = true;
            return;
        }
    }
    Form* f = dessus();
    // Typing a name says nothing of how the player moves about.
    if (e.type == Entree::Type::Touche && !(f && f->saisit_texte()))
        clavier_ = true;
    else if (e.type == Entree::Type::SourisBouge || e.type == Entree::Type::SourisBas)
        clavier_ = false;
    if (f && f->visible) f->route(e);
    sale_ = true;
}

bool Plateforme::doevents() {
    if (fin_demandee_) throw Quitter{};
    bool traite = false;
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        if (ev.type == SDL_WINDOWEVENT) fenetre_->evenement(ev.window), sale_ = true;
        Entree e;
        if (traduit(ev, *fenetre_, e)) {
            distribue(e);
            traite = true;
        }
    }
    while (!file_.empty()) {
        const Entree e = file_.front();
        file_.pop_front();
        distribue(e);
        traite = true;
    }
    if (declenche_minuteries()) traite = true;
    audio_->veille();
    if (sale_ || traite || !zones_sales_.vide() || image_revenante_) presente();
    return traite;
}

void Plateforme::attend_joueur() {
    // Coming back to a wait, the program may have drawn: show everything, unless only a clip moved.
    if (!retour_interne_) sale_ = true;
    retour_interne_ = false;
    if (doevents()) return;
    if (robot_) {
        derniere_attente_ = ms();
        robot_->point_attente(*this);
        doevents();
        return;
    }
    const std::int64_t t = prochaine_minuterie();
    // Besides timers, a silent sound device to close is the only reason to wake.
    const int d = delai(t < 0 ? -1 : static_cast<int>(std::clamp<std::int64_t>(t - ms(), 0, 1 << 30)));
    SDL_Event ev;
    const int recu = d < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, d);
    bool traite = false;
    if (recu) {
        if (ev.type == SDL_WINDOWEVENT) fenetre_->evenement(ev.window), sale_ = true;
        Entree e;
        if (traduit(ev, *fenetre_, e)) distribue(e), traite = true;
    }
    if (!doevents() && !traite) retour_interne_ = true;
}

bool Plateforme::recouvert(const Form& f, const Rect& r) const {
    const auto it = std::find(pile_.begin(), pile_.end(), &f);
    if (it == pile_.end()) return false;
    return std::any_of(it + 1, pile_.end(), [&](const Form* g) {
        return g->visible && g->left <= r.x && g->top <= r.y && g->left + g->largeur() >= r.x + r.w &&
               g->top + g->hauteur() >= r.y + r.h;
    });
}

void Plateforme::invalide(const Rect& r) {
    zones_sales_.ajoute(r);
}

void Plateforme::invalide_image(const Rect& r, std::uint64_t image) {
    if (r.vide()) return;
    // Moved, its former place is an ordinary change.
    if (image_revenante_ && !proches(image_revenante_->r, r, 0)) zones_sales_.ajoute(image_revenante_->r);
    image_revenante_ = ImageRevenante{r, image};
}

void Plateforme::attend_jusqua(std::int64_t echeance, const std::function<bool()>& fini) {
    attend_jusqua_us(echeance * 1000, fini);
}

void Plateforme::attend_pendant(int duree, const std::function<bool()>& fini) {
    // From the clock's microseconds: a deadline of whole milliseconds would come up to 1 ms early.
    attend_jusqua_us(horloge_->us() + 1000LL * std::max(0, duree), fini);
}

void Plateforme::attend_jusqua_us(std::int64_t echeance, const std::function<bool()>& fini) {
    sale_ = true;
    for (;;) {
        doevents();
        // A robot's picture due now shows what this wait is showing, inside a pause or an animation.
        if (robot_) robot_->prend_captures(*this);
        if (fini && fini()) return;
        const std::int64_t maintenant = horloge_->us();
        if (maintenant >= echeance) return;
        std::int64_t cible = echeance;
        for (const std::int64_t t : {prochaine_minuterie(), robot_ ? robot_->prochaine_capture() : -1})
            if (t >= 0 && t * 1000 < cible) cible = std::max(t * 1000, maintenant);
        if (horloge_->virtuelle()) {
            // A program that never waits for the player again would run forever on the virtual clock.
            if (robot_ && cible / 1000 - derniere_attente_ > 6LL * 3600 * 1000)
                throw std::runtime_error("le programme ne rend plus la main au joueur");
            horloge_->avance_a_us(cible);
            continue;
        }
        // Rounded up, so the wait does not wake just before its deadline for nothing.
        SDL_Event ev;
        if (SDL_WaitEventTimeout(&ev, delai(static_cast<int>((cible - maintenant + 999) / 1000)))) {
            if (ev.type == SDL_WINDOWEVENT) fenetre_->evenement(ev.window), sale_ = true;
            Entree e;
            if (traduit(ev, *fenetre_, e)) distribue(e);
        }
    }
}

int Plateforme::delai(int ms) {
    const int a = audio_->veille();
    return a >= 0 && (ms < 0 || a < ms) ? a : ms;
}

void Plateforme::monrefresh() {
    sale_ = true;
    attend_pendant(15);
}

void Plateforme::montre_modal(Form& f, bool reactive_dessous) {
    f.load();
    f.visible = true;
    pile_.push_back(&f);
    sale_ = true;
    if (robot_) trace_ecran(f);
    try {
        f.Form_Activate();
        while (f.visible) attend_joueur();
    } catch (...) {
        std::erase(pile_, &f);
        // Closing the window mid-screen still runs the screen's unloading (it saves what it must).
        try {
            f.unload();
        } catch (...) {
        }
        throw;
    }
    std::erase(pile_, &f);
    sale_ = true;
    if (reactive_dessous && !pile_.empty() && pile_.back()->visible) pile_.back()->Form_Activate();
}

void Plateforme::dessine_formes(Surface& s) {
    fill(s, 0, 0, s.largeur(), s.hauteur(), 0);
    for (Form* f : pile_)
        if (f->visible) {
            f->dessine(s);
            f->dessine_focus(s);
        }
}

const Surface& Plateforme::compose() {
    const Rect& z = ecran_.zone();
    if (z.x == 0 && z.y == 0 && z.w == ecran_.largeur() && z.h == ecran_.hauteur()) perime_ = Rect{};
    dessine_formes(ecran_);
    return ecran_;
}

Envois Plateforme::envois() const {
    return fenetre_ ? fenetre_->envois() : Envois{};
}

std::vector<Rect> Plateforme::zone_des_formes() {
    std::vector<Place> pile;
    for (const Form* f : pile_)
        pile.push_back(Place{f, f->visible, f->left, f->top, f->largeur(), f->hauteur(), f->caption});
    if (pile != pile_montree_) {
        pile_montree_ = std::move(pile);
        return {Rect{0, 0, ecran_.largeur(), ecran_.hauteur()}};
    }
    std::vector<Rect> z, une;
    for (const Form* f : pile_) {
        if (!f->visible) continue;
        une.clear();
        f->modifiees(une);
        // What a screen above wholly hides needs no new frame.
        for (const Rect& r : une)
            if (!r.vide() && !recouvert(*f, r)) z.push_back(r);
    }
    return z;
}

void Plateforme::oublie_modifications() {
    for (Form* f : pile_) f->oublie_modifications();
}

void Plateforme::compose_zones(const std::vector<Rect>& zones) {
    std::vector<Rect> toutes = zones;
    if (!perime_.vide()) toutes.insert(toutes.begin(), perime_);
    perime_ = Rect{};
    for (const Rect& z : toutes) {
        ecran_.decoupe(z);
        compose();
    }
    ecran_.sans_decoupe();
}

void Plateforme::envoie(const std::vector<Rect>& zones, const std::uint64_t* image) {
    // The first frame ready, the window appears with it. Going full screen as it shows, the window gets a
    // new surface: a frame sent before would be lost, so there it is sent only once shown.
    const Uint32 etat = SDL_GetWindowFlags(fenetre_->sdl());
    if ((etat & SDL_WINDOW_SHOWN) || !(etat & SDL_WINDOW_FULLSCREEN)) {
        if (image)
            fenetre_->presente_gardee(ecran_, zones.front(), *image);
        else
            fenetre_->presente(ecran_, zones);
    }
    if (fenetre_->montre()) {
        fenetre_->presente(ecran_, Rect{0, 0, ecran_.largeur(), ecran_.hauteur()});
        jalon("premiere image");
    }
}

void Plateforme::presente() {
    envoie_changements();
    if (verifie_) verifie_envois();
}

void Plateforme::verifie_envois() {
    if (complet_.largeur() != ecran_.largeur() || complet_.hauteur() != ecran_.hauteur())
        complet_ = Surface(ecran_.largeur(), ecran_.hauteur(), 0, ecran_.facteur());
    dessine_formes(complet_);
    const std::optional<Ecart> e = fenetre_->ecart(complet_);
    if (!e) return;
    // A check for tests: stop at once, before anything else hides the fault.
    std::fprintf(stderr,
                 "tolvanex : la fenêtre ne montre pas l'écran composé : son pixel (%d, %d) est #%06X au lieu "
                 "de #%06X\n",
                 e->x, e->y, static_cast<unsigned>(e->vu), static_cast<unsigned>(e->attendu));
    std::fflush(stderr);
    std::abort();
}

void Plateforme::envoie_changements() {
    const bool tout = sale_;
    ZonesChangees zones = std::move(zones_sales_);
    zones_sales_.efface();
    const std::optional<ImageRevenante> image = std::exchange(image_revenante_, std::nullopt);
    sale_ = false;
    // Headless robot runs compose only for captures.
    if (!affiche_) return;
    // Only what the forms drew since the last frame is composed again and sent; only that is timed.
    std::optional<Duree> pas;
    if (tout)
        for (const Rect& r : zone_des_formes()) zones.ajoute(r);
    if (fenetre_->attend_tout()) zones.ajoute(Rect{0, 0, ecran_.largeur(), ecran_.hauteur()});
    oublie_modifications();
    fenetre_->renvoie();
    if (image || !zones.vide()) pas.emplace("rafraichissement");
    if (image && zones.vide()) {
        // Only a clip moved: its frame once made is sent again as it was.
        if (fenetre_->renvoie_gardee(image->r, image->cle)) {
            perime_ = reunion(perime_, image->r);
            return;
        }
        compose_zones({image->r});
        envoie({image->r}, &image->cle);
        return;
    }
    if (image) zones.ajoute(image->r);
    if (zones.vide()) return;
    compose_zones(zones.liste());
    envoie(zones.liste(), nullptr);
}

bool Plateforme::capture(const std::string& chemin) {
    if (affiche_) {
        // What the window shows, sent frame after frame.
        const Surface w = fenetre_->pixels();
        const Echelle& e = fenetre_->echelle();
        const int z = std::max(1, e.aire.w / 640);
        if (!w.vide() && ecran_impose_) return sauve_png(w, chemin);
        if (!w.vide() && e.aire.w == 640 * z && e.aire.h == 480 * z) {
            Surface aire(640, 480, 0, 1);
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x) aire.ligne(y)[x] = w.pixel(e.aire.x + x * z, e.aire.y + y * z);
            return sauve_png(aire, chemin);
        }
    }
    compose();
    if (ecran_impose_) {
        // The display the layout was made for: the screen's view, dark around it.
        const Echelle& e = fenetre_->depart();
        return sauve_png(image_affichee(ecran_, e, e.W, e.H), chemin);
    }
    return sauve_png(ecran_, Rect{decalagex_, decalagey_, 640, 480}, chemin);
}

} // namespace tlv

namespace tlv {

void Plateforme::cache_fenetre() {
    fenetre_->cache();
}

bool Plateforme::ouvre_url(const std::string& url) {
    if (robot_) {
        std::printf("url %s\n", url.c_str());
        std::fflush(stdout);
        return true;
    }
    return tlv::ouvre_url(url);
}

bool Plateforme::lance(const std::string& programme) {
    if (robot_) {
        std::printf("programme %s\n", programme.c_str());
        std::fflush(stdout);
        return true;
    }
    return lance_programme(programme);
}

} // namespace tlv
