#include "presentation.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "calque.h"
#include "chrono.h"
#include "fenetre.h"
#include "icone.h"
#include "image.h"
#include "pile.h"

namespace tlv {

Presentation::Presentation(const OptionsPresentation& o, const PileCalques& pile)
    : pile_(pile), affiche_(o.affiche), verifie_(o.verifie) {
    ecran_impose_ = o.ecran_largeur > 0 && o.ecran_hauteur > 0;
    fenetre_ = std::make_unique<Fenetre>(OptionsFenetre{o.fenetre, ecran_impose_ ? o.ecran_largeur : 0,
                                                        ecran_impose_ ? o.ecran_hauteur : 0,
                                                        o.zoom_entier && !ecran_impose_});
    if (!o.icone.empty()) pose_icone(fenetre_->sdl(), o.icone);
    if (o.largeur_fenetre > 0 && o.hauteur_fenetre > 0)
        fenetre_->impose_taille_fenetre(o.largeur_fenetre, o.hauteur_fenetre);
    const Echelle& e = fenetre_->depart();
    ecran_ = Surface(e.lw, e.lh, 0, e.k);
    decalagex_ = e.decalagex;
    decalagey_ = e.decalagey;
    zoom_ = std::max(1, static_cast<int>(std::lround(e.s)));
}

Presentation::~Presentation() = default;

const Echelle& Presentation::echelle() const {
    return fenetre_->depart();
}

void Presentation::invalide_image(const Rect& r, std::uint64_t image) {
    if (r.vide()) return;
    // Moved, its former place is an ordinary change.
    if (image_revenante_ && !proches(image_revenante_->r, r, 0)) zones_sales_.ajoute(image_revenante_->r);
    image_revenante_ = ImageRevenante{r, image};
}

void Presentation::evenement_fenetre(const SDL_WindowEvent& e) {
    fenetre_->evenement(e);
    sale_ = true;
}

void Presentation::vers_logique(int& x, int& y) const {
    fenetre_->vers_logique(x, y);
}

void Presentation::cache_fenetre() {
    fenetre_->cache();
}

void Presentation::bascule_plein_ecran() {
    fenetre_->bascule_plein_ecran();
    sale_ = true;
}

bool Presentation::plein_ecran() const {
    return fenetre_->plein_ecran();
}

void Presentation::taille_fenetre(int& w, int& h) const {
    fenetre_->taille_fenetre(w, h);
}

void Presentation::dessine_calques(Surface& s) {
    fill(s, 0, 0, s.largeur(), s.hauteur(), 0);
    for (Calque* f : pile_.calques())
        if (f->visible) {
            f->dessine(s);
            f->dessine_focus(s);
        }
}

const Surface& Presentation::compose() {
    const Rect& z = ecran_.zone();
    if (z.x == 0 && z.y == 0 && z.w == ecran_.largeur() && z.h == ecran_.hauteur()) perime_ = Rect{};
    dessine_calques(ecran_);
    return ecran_;
}

Envois Presentation::envois() const {
    return fenetre_ ? fenetre_->envois() : Envois{};
}

std::vector<Rect> Presentation::zone_des_calques() {
    std::vector<Place> pile;
    for (const Calque* f : pile_.calques())
        pile.push_back(Place{f, f->visible, f->left, f->top, f->largeur(), f->hauteur(), f->caption()});
    if (pile != pile_montree_) {
        pile_montree_ = std::move(pile);
        return {Rect{0, 0, ecran_.largeur(), ecran_.hauteur()}};
    }
    std::vector<Rect> z, une;
    for (const Calque* f : pile_.calques()) {
        if (!f->visible) continue;
        une.clear();
        f->modifiees(une);
        // What a screen above wholly hides needs no new frame.
        for (const Rect& r : une)
            if (!r.vide() && !pile_.recouvert(*f, r)) z.push_back(r);
    }
    return z;
}

void Presentation::oublie_modifications() {
    for (Calque* f : pile_.calques()) f->oublie_modifications();
}

void Presentation::compose_zones(const std::vector<Rect>& zones) {
    std::vector<Rect> toutes = zones;
    if (!perime_.vide()) toutes.insert(toutes.begin(), perime_);
    perime_ = Rect{};
    for (const Rect& z : toutes) {
        ecran_.decoupe(z);
        compose();
    }
    ecran_.sans_decoupe();
}

void Presentation::envoie(const std::vector<Rect>& zones, const std::uint64_t* image) {
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

void Presentation::presente() {
    envoie_changements();
    if (verifie_) verifie_envois();
}

void Presentation::verifie_envois() {
    if (complet_.largeur() != ecran_.largeur() || complet_.hauteur() != ecran_.hauteur())
        complet_ = Surface(ecran_.largeur(), ecran_.hauteur(), 0, ecran_.facteur());
    dessine_calques(complet_);
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

void Presentation::envoie_changements() {
    const bool tout = sale_;
    ZonesChangees zones = std::move(zones_sales_);
    zones_sales_.efface();
    const std::optional<ImageRevenante> image = std::exchange(image_revenante_, std::nullopt);
    sale_ = false;
    // Headless robot runs compose only for captures.
    if (!affiche_) return;
    // Only what the screens drew since the last frame is composed again and sent; only that is timed.
    std::optional<Duree> pas;
    if (tout)
        for (const Rect& r : zone_des_calques()) zones.ajoute(r);
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

std::optional<bool> Presentation::capture_fenetre(const std::string& chemin) {
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
    return std::nullopt;
}

bool Presentation::capture(const std::string& chemin) {
    if (affiche_)
        if (const std::optional<bool> r = capture_fenetre(chemin)) return *r;
    compose();
    if (ecran_impose_) {
        // The display the layout was made for: the screen's view, dark around it.
        const Echelle& e = fenetre_->depart();
        return sauve_png(image_affichee(ecran_, e, e.W, e.H), chemin);
    }
    return sauve_png(ecran_, Rect{decalagex_, decalagey_, 640, 480}, chemin);
}

} // namespace tlv
