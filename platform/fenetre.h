#pragma once
// The one window. The program composes a "screen" (the play area, or at a whole-number zoom the display
// divided by it) at the render factor; only the part it recomposed is brought to the display's scale and
// sent to the window's surface, so an animation costs little and nothing waits for vertical sync.
#include <cstdint>
#include <optional>
#include <vector>

#include "echelle.h"
#include "images_gardees.h"
#include "reechantillonne.h"
#include "ressources_sdl.h"
#include "surface.h"

struct SDL_WindowEvent;

namespace tlv {

struct OptionsFenetre {
    bool fenetre = false;         // a resizable window instead of the desktop-wide full screen
    int largeur = 0, hauteur = 0; // the display's size to lay out for (0: the desktop's)
    bool zoom_entier = false;     // magnify by a whole number only (robot runs as they always were)
};

// What the window was sent since it opened: how much work the frames cost.
struct Envois {
    long long calcules = 0; // window pixels resampled
    int rectangles = 0;     // rectangles sent
    int reprises = 0;       // frames sent again from memory
};

// A window pixel that is not what the screen composed whole gives there.
struct Ecart {
    int x = 0, y = 0;
    std::uint32_t vu = 0, attendu = 0; // 0xRRGGBB
};

class Fenetre {
  public:
    // Throws std::runtime_error when no window can be made.
    explicit Fenetre(const OptionsFenetre& o);
    explicit Fenetre(bool fenetre) : Fenetre(OptionsFenetre{fenetre}) {}
    ~Fenetre();
    Fenetre(const Fenetre&) = delete;
    Fenetre& operator=(const Fenetre&) = delete;

    // The layout of the display the run started with; its screen size and factor hold for the whole run.
    const Echelle& depart() const { return depart_; }
    // The layout of the window as it is now.
    const Echelle& echelle() const { return e_; }

    // Sends what changed inside `zone` (the whole screen after a resize or exposure).
    void presente(const Surface& ecran, const Rect& zone);
    // The same for several zones, each resampled on its own, all sent at once.
    void presente(const Surface& ecran, const std::vector<Rect>& zones);
    // A zone whose pictures come back (a clip's frames), `cle` naming the one it holds: sent, and kept.
    void presente_gardee(const Surface& ecran, const Rect& zone, std::uint64_t cle);
    // Sends again the picture kept under `cle` for `zone`; false when there is none to send.
    bool renvoie_gardee(const Rect& zone, std::uint64_t cle);
    const Envois& envois() const { return envois_; }
    // The first window pixel (row by row) that differs from `ecran`, composed whole, resampled whole and
    // dark around; none while the window waits to be sent whole anyway.
    std::optional<Ecart> ecart(const Surface& ecran);
    // The window's pixels as sent (factor 1); empty before its first frame.
    Surface pixels() const;
    const ImagesGardees& gardees() const { return gardees_; }
    // Window pixels to logical pixels.
    void vers_logique(int& x, int& y) const { e_.vers_logique(x, y); }
    // Resizes and exposures: the next frame is sent whole.
    void evenement(const SDL_WindowEvent& e);
    bool attend_tout() const { return complet_; }
    // After an exposure: the window's pixels, still right, are sent again.
    void renvoie();
    void cache();
    // Shows the window the first time only (true then); the next frame is then sent whole.
    bool montre();
    SDL_Window* sdl() const { return w_.get(); }

    // Full screen <-> window. The logical screen keeps its size, so the play area keeps its place on it
    // and the mouse maps as before; the next frame is sent whole.
    void bascule_plein_ecran();
    bool plein_ecran() const;
    // The window's size out of full screen: the present one in a window, else the one it will take
    // (0 x 0 when none is known yet: ours is chosen then).
    void taille_fenetre(int& w, int& h) const;
    // The size to take out of full screen (a size remembered from an earlier run), shrunk to fit the
    // display; at once in a window.
    void impose_taille_fenetre(int w, int h);

  private:
    void mesure();
    // Where a window of w x h goes on the display it is on now, fitted inside it.
    Rect place(int w, int h) const;
    void envoie(const Surface& ecran, const std::vector<Rect>& zones, const std::uint64_t* cle);
    // Resamples the window pixels that stored pixels `z` reach; returns them (window pixels).
    Rect calcule(SDL_Surface* s, const Surface& ecran, const Rect& z);
    FenetreSdl w_;
    OptionsFenetre o_;
    Echelle depart_, e_;
    Reechantillonneur r_;
    bool meme_ecran(const Surface& ecran) const;
    bool complet_ = true, renvoi_ = false, montree_ = false;
    int envoye_l_ = 0, envoye_h_ = 0; // the stored size of the screen last sent whole
    std::vector<std::uint32_t> tampon_;
    // For `ecart`: the screen it was last given, and the window that screen makes, at this view.
    Reechantillonneur r_verifie_;
    Surface vu_;
    std::vector<std::uint32_t> attendu_;
    Rect vue_attendue_{};
    ImagesGardees gardees_;
    Envois envois_;
    int fenetre_w_ = 0, fenetre_h_ = 0; // the window's size out of full screen; 0: none chosen yet
};

// The frame a desktop draws around a window, in screen pixels.
struct Bords {
    int haut = 0, gauche = 0, bas = 0, droite = 0;
};
// A window of w x h inside `utile` (a display's usable area) with its frame `b`: shrunk if need be,
// keeping its shape, and centred. Empty when w or h is not positive.
Rect place_fenetre(int w, int h, const Rect& utile, const Bords& b);

// Where the composed screen lies on a display laid out as `e`, in display pixels.
Rect vue(const Echelle& e);
// The display's picture of the composed screen: W x H, dark around the screen.
Surface image_affichee(const Surface& ecran, const Echelle& e, int W, int H);

} // namespace tlv
