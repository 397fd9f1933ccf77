#pragma once
// The one window. The program composes a "screen" of logical pixels (the display divided by an integer
// zoom); only the part that changed since the last frame is scaled and sent to the window's surface, so
// an animation costs little and nothing waits for vertical sync.
#include <vector>

#include "ressources_sdl.h"
#include "surface.h"

struct SDL_WindowEvent;

namespace tlv {

class Fenetre {
  public:
    // Throws std::runtime_error when no window can be made.
    explicit Fenetre(bool fenetre);
    ~Fenetre();
    Fenetre(const Fenetre&) = delete;
    Fenetre& operator=(const Fenetre&) = delete;

    int largeur_logique() const { return lw_; }
    int hauteur_logique() const { return lh_; }
    int zoom() const { return zoom_; }

    // Sends what changed inside `zone` (the whole screen after a resize or exposure).
    void presente(const Surface& ecran, const Rect& zone);
    // Window pixels to logical pixels.
    void vers_logique(int& x, int& y) const;
    // Resizes and exposures: the next frame is sent whole.
    void evenement(const SDL_WindowEvent& e);
    void cache();
    SDL_Window* sdl() const { return w_.get(); }

    // Full screen <-> window. The logical screen keeps its size, so the play area keeps its place on it
    // and the mouse maps as before; the next frame is sent whole.
    void bascule_plein_ecran();
    bool plein_ecran() const;
    // The window's size out of full screen: the present one in a window, else the one it will take
    // (0 x 0 when none is known yet: ours is chosen then).
    void taille_fenetre(int& w, int& h) const;
    // The size to take out of full screen (a size remembered from an earlier run); at once in a window.
    void impose_taille_fenetre(int w, int h);

  private:
    void mesure();
    FenetreSdl w_;
    int lw_ = 640, lh_ = 480, zoom_ = 1, ox_ = 0, oy_ = 0;
    bool complet_ = true;
    Surface precedent_;
    std::vector<std::uint32_t> tampon_;
    int fenetre_w_ = 0, fenetre_h_ = 0; // the window's size out of full screen; 0: none chosen yet
};

} // namespace tlv
