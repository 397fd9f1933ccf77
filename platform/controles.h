#pragma once
// The few controls the screens use, drawn by us: a push button and a horizontal scroll bar.
#include <functional>
#include <string>
#include <vector>

#include "entrees.h"
#include "surface.h"

namespace tlv {

class Polices;

class Controle {
  public:
    virtual ~Controle() = default;
    int x = 0, y = 0, w = 0, h = 0; // in the form's pixels
    bool visible = true;
    bool contient(int px, int py) const { return visible && px >= x && py >= y && px < x + w && py < y + h; }
    virtual void dessine(Surface& s, int ox, int oy, Polices& p) = 0;
    // What of the screen it may have changed since the last frame, drawn at (ox, oy): all of it by default,
    // as it draws straight onto the screen. A control that tells the platform of its own changes adds only
    // what it did not tell.
    virtual void modifiee(int ox, int oy, std::vector<Rect>& zones) const {
        zones.push_back(Rect{ox + x, oy + y, w, h});
    }
    virtual void oublie_modifications() {}
    virtual void souris_bas(int px, int py) { (void)px, (void)py; }
    virtual void souris_bouge(int px, int py) { (void)px, (void)py; }
    virtual void souris_haut(int px, int py) { (void)px, (void)py; }
    // The letter after '&' in the caption (lower case), 0 when none.
    virtual char accelerateur() const { return 0; }
    virtual void active() {}
};

class Bouton : public Controle {
  public:
    std::string caption;            // '&' marks the accelerator letter
    std::function<void()> Click;    // the click handler
    const Surface* image = nullptr; // optional face picture
    Rect source{};                  // its block in `image`
    int points = 10;                // caption size
    int decalage_texte = 0;         // the caption moves right by half of it (past an icon of the face)
    bool focus = false;             // the one Entrée chooses: a dotted frame inside the face

    void dessine(Surface& s, int ox, int oy, Polices& p) override;
    void souris_bas(int px, int py) override;
    void souris_bouge(int px, int py) override;
    void souris_haut(int px, int py) override;
    char accelerateur() const override;
    void active() override {
        if (Click) Click();
    }
    // The caption without its '&'.
    std::string texte_affiche() const;

  private:
    bool enfonce_ = false, dedans_ = false;
};

class BarreHorizontale : public Controle {
  public:
    int Min = 0, Max = 10, LargeChange = 1, SmallChange = 1;
    int valeur() const { return valeur_; }
    void valeur(int v);

    void dessine(Surface& s, int ox, int oy, Polices& p) override;
    void souris_bas(int px, int py) override;
    void souris_bouge(int px, int py) override;
    void souris_haut(int px, int py) override;
    void touche(Touche code); // arrows, Home/End-like behaviour through the keyboard

    // Geometry, shared by drawing and hit tests.
    int fleche() const { return h; }
    Rect curseur() const;

  private:
    int valeur_ = 0;
    bool glisse_ = false;
    int prise_ = 0;
};

} // namespace tlv
