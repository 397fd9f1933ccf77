#pragma once
// The platform's parts put together for the screens: the presentation (window, composition, captures), the
// loop with its waits and timers, the input's routing, the pointers, the fonts, the sound and the desktop.
// Each part does one job in its own file; this hands them out, and passes on the calls screens make most.
#include <cstdint>
#include <iosfwd>

#include "condition.h"
#include "rect.h"

namespace tlv {

class Audio;
class Boucle;
class Calque;
class Horloge;
class Minuteries;
class Polices;
class Presentation;
class Routage;
class Surface;
struct Echelle;
struct Entree;
struct Envois;
struct OptionsPlateforme;
struct TouchesCommunes;
enum class Curseur;

class Plateforme {
  public:
    explicit Plateforme(const OptionsPlateforme& o);
    ~Plateforme();
    Plateforme(const Plateforme&) = delete;
    Plateforme& operator=(const Plateforme&) = delete;

    Presentation& presentation();
    Boucle& boucle();
    Routage& routage();
    Minuteries& minuteries();
    Polices& polices();
    Polices& polices_texte();
    Audio& audio();
    Horloge& horloge();
    bool robot() const;
    // A line for the robot's script checker on the standard output ("raison ...", "conseil ..."); nothing
    // outside a robot run.
    void rapporte(const std::string& ligne) const;

    // Screen: the play area, drawn at the render factor and scaled to the display; or, with a whole-number
    // zoom (robot runs without a display size), the display divided by it with the area centred on it.
    int ecran_largeur() const;
    int ecran_hauteur() const;
    int decalagex() const;
    int decalagey() const;
    int zoom() const;
    // The render factor: stored pixels per play-area pixel of the screen, and of every picture made for it.
    int facteur() const;
    const Echelle& echelle() const;

    std::int64_t ms() const;
    // Seconds on the program's clock, for the games' clocks.
    double secondes() const;

    // The loop (`Boucle`).
    bool doevents();
    void attend_joueur();
    void attend_jusqua(std::int64_t echeance, Condition fini = {});
    void attend_pendant(int duree, Condition fini = {});
    void attend_ms(int duree) { attend_pendant(duree); }
    void monrefresh();
    void montre_modal(Calque& f, bool reactive_dessous = true);
    void demande_fin();

    // The presentation (`Presentation`).
    void invalide();
    void invalide(const Rect& r);
    void invalide_image(const Rect& r, std::uint64_t image);
    // Puts a screen up without a loop of its own (tools that drive frames themselves).
    void montre_sans_attendre(Calque& f);
    Calque* dessus() const;
    // A screen shown above `f` hides all of `r` (screen pixels).
    bool recouvert(const Calque& f, const Rect& r) const;
    const Surface& compose();
    Envois envois() const;
    bool capture(const std::string& chemin);
    void cache_fenetre();
    void bascule_plein_ecran();
    bool plein_ecran() const;
    void taille_fenetre(int& w, int& h) const;

    void curseur(Curseur c);
    Curseur curseur_actuel() const;

    // The input (`Routage`).
    bool clavier() const;
    // The window has the player's attention (`Routage::fenetre_active`).
    bool fenetre_active() const;
    TouchesCommunes installe_touches_communes(TouchesCommunes t);
    void pousse(const Entree& e);

    // The desktop (`Bureau`).
    bool ouvre_url(const std::string& url);
    bool lance(const std::string& programme);
    bool copie(const std::string& texte);
    std::string colle();

  private:
    struct Parties;
    Parties* p_; // owned; its parts' headers stay out of every screen's
};

} // namespace tlv
