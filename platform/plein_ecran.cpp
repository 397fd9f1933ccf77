// Switching between full screen and a window at any moment (F11, Alt+Entrée).
#include <SDL.h>

#include <algorithm>

#include "fenetre.h"

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

Rect Fenetre::place(int w, int h) const {
    SDL_Window* f = w_.get();
    const int n = std::max(0, SDL_GetWindowDisplayIndex(f));
    SDL_Rect u{};
    if (SDL_GetDisplayUsableBounds(n, &u) != 0 || u.w <= 0 || u.h <= 0) {
        SDL_DisplayMode mode{};
        if (SDL_GetDesktopDisplayMode(n, &mode) != 0 || mode.w <= 0 || mode.h <= 0)
            return Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h}; // nothing to fit it to
        if (SDL_GetDisplayBounds(n, &u) != 0) u = SDL_Rect{};
        u.w = mode.w, u.h = mode.h;
    }
    Bords b;
    SDL_GetWindowBordersSize(f, &b.haut, &b.gauche, &b.bas, &b.droite);
    // Not yet shown, or full screen, the window has no frame to ask about: room for a title bar anyway.
    b.haut = std::max(b.haut, 32);
    b.gauche = std::max(b.gauche, 0), b.bas = std::max(b.bas, 0), b.droite = std::max(b.droite, 0);
    return place_fenetre(w, h, Rect{u.x, u.y, u.w, u.h}, b);
}

void Fenetre::impose_taille_fenetre(int w, int h) {
    // A size remembered on a larger display, or written by hand, must not open off screen.
    const Rect r = place(w, h);
    if (r.vide()) return;
    fenetre_w_ = r.w, fenetre_h_ = r.h;
    if (plein_ecran()) return;
    SDL_SetWindowSize(w_.get(), r.w, r.h);
    SDL_SetWindowPosition(w_.get(), r.x, r.y);
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
        // The display may not be the one the size was taken on.
        if (const Rect r = place(fw, fh); !r.vide()) {
            SDL_SetWindowSize(w, r.w, r.h);
            SDL_SetWindowPosition(w, r.x, r.y);
        }
    } else {
        SDL_GetWindowSize(w, &fenetre_w_, &fenetre_h_);
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    mesure();
}

} // namespace tlv
