#pragma once
// The window and what it shows: the screens composed at the render factor, only what changed sent, frames
// that come back sent from memory, captures, and full screen.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "surface.h"
#include "zones.h"

struct SDL_WindowEvent;

namespace tlv {

class Fenetre;
class PileCalques;
class Calque;
struct Echelle;
struct Envois;

struct OptionsPresentation {
    bool fenetre = false;                     // a window instead of the desktop-wide full screen
    int ecran_largeur = 0, ecran_hauteur = 0; // the display to lay out for (0: the desktop)
    bool zoom_entier = false;                 // a whole-number zoom (robot runs without a display size)
    bool affiche = true;  // frames are composed and sent (always but in a headless robot run)
    bool verifie = false; // every frame is checked against the screen composed whole
    std::string icone;    // the window's icon (PNG); empty = the desktop's default
    int largeur_fenetre = 0, hauteur_fenetre = 0; // the window's size remembered (0: ours)
};

class Presentation {
  public:
    Presentation(const OptionsPresentation& o, const PileCalques& pile);
    ~Presentation();
    Presentation(const Presentation&) = delete;
    Presentation& operator=(const Presentation&) = delete;

    int largeur() const { return ecran_.largeur(); }
    int hauteur() const { return ecran_.hauteur(); }
    int facteur() const { return ecran_.facteur(); }
    int decalagex() const { return decalagex_; }
    int decalagey() const { return decalagey_; }
    int zoom() const { return zoom_; }
    const Echelle& echelle() const;

    void invalide() { sale_ = true; }
    void invalide(const Rect& r) { zones_sales_.ajoute(r); }
    void invalide_image(const Rect& r, std::uint64_t image);
    // Something waits to be shown, besides what the loop handled.
    bool a_montrer() const { return sale_ || !zones_sales_.vide() || image_revenante_; }
    // Sends what changed (and checks it, in the checking mode).
    void presente();

    const Surface& compose();
    Envois envois() const;
    bool capture(const std::string& chemin);

    void evenement_fenetre(const SDL_WindowEvent& e);
    // Window pixels to the screen's pixels.
    void vers_logique(int& x, int& y) const;
    void cache_fenetre();
    void bascule_plein_ecran();
    bool plein_ecran() const;
    void taille_fenetre(int& w, int& h) const;

  private:
    void envoie_changements();
    void dessine_calques(Surface& s);
    void verifie_envois();
    std::vector<Rect> zone_des_calques();
    void compose_zones(const std::vector<Rect>& zones);
    void envoie(const std::vector<Rect>& zones, const std::uint64_t* image);
    void oublie_modifications();
    // From the window's pixels, when they hold the area whole; none when they do not.
    std::optional<bool> capture_fenetre(const std::string& chemin);

    const PileCalques& pile_;
    std::unique_ptr<Fenetre> fenetre_;
    Surface ecran_;
    bool affiche_;
    bool verifie_;
    Surface complet_; // the screen composed whole, in the checking mode
    int decalagex_ = 0, decalagey_ = 0, zoom_ = 1;
    bool ecran_impose_ = false;
    struct Place {
        const Calque* f;
        bool visible;
        int left, top, w, h;
        std::string caption;
        bool operator==(const Place&) const = default;
    };
    std::vector<Place> pile_montree_; // the stack as last shown
    bool sale_ = true;
    ZonesChangees zones_sales_;
    struct ImageRevenante {
        Rect r;
        std::uint64_t cle;
    };
    std::optional<ImageRevenante> image_revenante_;
    Rect perime_{}; // screen pixels left out of date by frames sent from memory
};

} // namespace tlv
