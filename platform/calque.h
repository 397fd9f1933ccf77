#pragma once
// What the platform knows of a screen it shows: its place, how it draws and takes input, and its life as a
// modal screen. `Form` is the one kind the games make; the loop and the composition see only this.
#include <iosfwd>
#include <vector>

#include "rect.h"

namespace tlv {

class Surface;
struct Entree;

class Calque {
  public:
    virtual ~Calque() = default;

    int left = 0, top = 0; // client area's origin on the screen, in pixels
    bool visible = false;

    virtual int largeur() const = 0;
    virtual int hauteur() const = 0;
    // Empty, or the title of a dialog frame drawn around the client area.
    virtual const std::string& caption() const = 0;

    virtual void load() = 0;
    virtual void unload() = 0;
    virtual void Form_Activate() {}

    virtual void dessine(Surface& ecran) = 0;
    // The keyboard's frame, drawn above everything the screen shows.
    virtual void dessine_focus(Surface& ecran) const = 0;
    // What of the screen changed since the last frame (screen pixels).
    virtual void modifiees(std::vector<Rect>& zones) const = 0;
    virtual void oublie_modifications() = 0;

    virtual void route(const Entree& e) = 0;
    // The window lost the player's attention (focus left, minimised, hidden) or got it back: told to every
    // screen shown, not only the top one.
    virtual void fenetre(bool active) { (void)active; }
    // A screen is shown modally over this one (true), or it went and this one is on top again (false).
    virtual void recouvert(bool oui) { (void)oui; }
    // Typing a name: the keys say nothing of how the player moves about.
    virtual bool saisit_texte() const { return false; }
};

} // namespace tlv
