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
    // Shows the window the first time only (true then); the next frame is then sent whole.
    bool montre();
    SDL_Window* sdl() const { return w_.get(); }

  private:
    void mesure();
    FenetreSdl w_;
    int lw_ = 640, lh_ = 480, zoom_ = 1, ox_ = 0, oy_ = 0;
    bool complet_ = true, montree_ = false;
    Surface precedent_;
    std::vector<std::uint32_t> tampon_;
};

} // namespace tlv
