// Switching between full screen and a window at any moment (F11, Alt+Entrée).
#include <SDL.h>

#include <algorithm>

#include "fenetre.h"
#include "plateforme.h"

namespace tlv {

bool Fenetre::plein_ecran() const {
    return (SDL_GetWindowFlags(w_.get()) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Fenetre::taille_fenetre(int& w, int& h) const {
    if (!plein_ecran())
        SDL_GetWindowSize(w_.get(), &w, &h);
    else
        w = fenetre_w_, h = fenetre_h_;
}

void Fenetre::impose_taille_fenetre(int w, int h) {
    fenetre_w_ = w, fenetre_h_ = h;
    if (plein_ecran()) return;
    SDL_SetWindowSize(w_.get(), w, h);
    SDL_SetWindowPosition(w_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    mesure();
}

void Fenetre::bascule_plein_ecran() {
    SDL_Window* w = w_.get();
    if (plein_ecran()) {
        int fw = fenetre_w_, fh = fenetre_h_;
        if (fw <= 0 || fh <= 0) {
            // As large a whole zoom of the screen as fits the desktop comfortably.
            SDL_DisplayMode mode{};
            if (SDL_GetDesktopDisplayMode(std::max(0, SDL_GetWindowDisplayIndex(w)), &mode) != 0)
                mode.w = depart_.lw, mode.h = depart_.lh;
            const int z = std::max(1, std::min((mode.w - 64) / depart_.lw, (mode.h - 96) / depart_.lh));
            fw = depart_.lw * z, fh = depart_.lh * z;
        }
        SDL_SetWindowFullscreen(w, 0);
        // A window made full screen from the start has the desktop's size and no resizable frame.
        SDL_SetWindowResizable(w, SDL_TRUE);
        SDL_SetWindowSize(w, fw, fh);
        SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_GetWindowSize(w, &fenetre_w_, &fenetre_h_);
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    mesure();
}

void Plateforme::bascule_plein_ecran() {
    fenetre_->bascule_plein_ecran();
    sale_ = true;
}

bool Plateforme::plein_ecran() const {
    return fenetre_->plein_ecran();
}

void Plateforme::taille_fenetre(int& w, int& h) const {
    fenetre_->taille_fenetre(w, h);
}

bool Plateforme::touche_fenetre(const Entree& e) {
    if (e.type != Entree::Type::Touche) return false;
    if (e.code != Touche::F11 && !(e.code == Touche::Entree && (e.maj & maj::Alt))) return false;
    bascule_plein_ecran();
    return true;
}

} // namespace tlv
