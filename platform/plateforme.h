#pragma once
// The window, the event loop with its two waits, timers, modal screens, cursors and the clock.
#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "audio.h"
#include "curseurs.h"
#include "echelle.h"
#include "entrees.h"
#include "form.h"
#include "horloge.h"
#include "ressources_sdl.h"
#include "surface.h"
#include "texte.h"
#include "zones.h"

namespace tlv {

class Fenetre;
struct Envois;
class Minuterie;
class Robot;

struct OptionsPlateforme {
    bool fenetre = false; // a window instead of the desktop-wide full screen
    bool horloge_virtuelle = false;
    Robot* robot = nullptr;  // feeds input at every wait for the player
    bool trace_sons = false; // print every sound started on stdout (robot tests)
    std::string police;      // TrueType file; empty = ours
    std::string icone;       // the window's icon (PNG); empty = the desktop's default
    // Where the sound trace goes instead of stdout: a test reading it in-process.
    std::ostream* sortie_sons = nullptr;
    // The window's size remembered from an earlier run (0: ours), taken whenever out of full screen.
    int largeur_fenetre = 0, hauteur_fenetre = 0;
    // Lay out for a display of this size instead of the desktop (0: the desktop); captures then show it.
    int ecran_largeur = 0, ecran_hauteur = 0;
};

class Plateforme {
  public:
    explicit Plateforme(const OptionsPlateforme& o);
    ~Plateforme();
    Plateforme(const Plateforme&) = delete;
    Plateforme& operator=(const Plateforme&) = delete;

    // Screen: the play area, drawn at the render factor and scaled to the display; or, with a whole-number
    // zoom (robot runs without a display size), the display divided by it with the area centred on it.
    int ecran_largeur() const { return ecran_.largeur(); }
    int ecran_hauteur() const { return ecran_.hauteur(); }
    int decalagex() const { return decalagex_; }
    int decalagey() const { return decalagey_; }
    int zoom() const { return zoom_; }
    const Echelle& echelle() const;

    Polices& polices() { return *polices_; }
    Polices& polices_texte() { return *polices_texte_; }
    Audio& audio() { return *audio_; }
    Horloge& horloge() { return *horloge_; }
    std::int64_t ms() const { return horloge_->ms(); }
    // Seconds on the program's clock, for the games' clocks.
    double secondes() const { return static_cast<double>(horloge_->ms()) / 1000.0; }
    bool robot() const { return robot_ != nullptr; }

    // Gives way to pending input and due timers, then shows the frame. True when something was handled.
    bool doevents();
    // Blocks until the player does something (or a timer fires), then handles it. Never spins.
    void attend_joueur();
    // Waits until the clock reaches `echeance` (ms), handling events; stops early when `fini` says so.
    void attend_jusqua(std::int64_t echeance, const std::function<bool()>& fini = {});
    // Waits at least `duree` ms (a pause), handling events; stops early when `fini` says so.
    void attend_pendant(int duree, const std::function<bool()>& fini = {});
    void attend_ms(int duree) { attend_pendant(duree); }
    // Shows the frame now, then waits at least 15 ms giving way to events.
    void monrefresh();
    // Marks the frame as changed: it is shown at the next giving way.
    void invalide() { sale_ = true; }
    // Marks one rectangle of the screen as changed: only it is composed again.
    void invalide(const Rect& r);
    // Marks a rectangle whose pictures come back again and again (a clip's frames), `image` naming the
    // one it now shows: once sent, each is sent again from memory while nothing around it changes.
    void invalide_image(const Rect& r, std::uint64_t image);

    // Shows a form modally: returns when it hides. The form below is activated again unless told not to.
    void montre_modal(Form& f, bool reactive_dessous = true);
    // Puts a form on the screen without a loop of its own (tools that drive frames themselves).
    void montre_sans_attendre(Form& f) {
        f.visible = true;
        pile_.push_back(&f);
        sale_ = true;
    }
    Form* dessus() const { return pile_.empty() ? nullptr : pile_.back(); }
    // A form shown above `f` hides all of `r` (screen pixels).
    bool recouvert(const Form& f, const Rect& r) const;

    void curseur(Curseur c);
    Curseur curseur_actuel() const { return curseur_; }

    // The whole screen as composed now.
    const Surface& compose();
    // What the frames cost so far (pixels resampled, rectangles sent); nothing when no window shows.
    Envois envois() const;
    // The play area; with a display size given, the display's picture. What the window was sent when frames
    // are presented, else the screen composed now.
    bool capture(const std::string& chemin);

    // Hides the window (the program is ending).
    void cache_fenetre();
    // Full screen <-> window (F11 and Alt+Entrée do it at any moment); the play area keeps its place.
    void bascule_plein_ecran();
    bool plein_ecran() const;
    // The window's size out of full screen, to remember for the next run.
    void taille_fenetre(int& w, int& h) const;

    // The desktop's services; a robot run only reports them on stdout.
    bool ouvre_url(const std::string& url);
    bool lance(const std::string& programme);

    // The player's last input came from the keys, not the mouse: a screen that starts then shows where its
    // keys act.
    bool clavier() const { return clavier_; }

    // The keys every screen shares, asked before the top form sees a key: true when they took it. Returns
    // the ones replaced, for whoever installed these to put back.
    using TouchesCommunes = std::function<bool(Touche code, int maj)>;
    TouchesCommunes installe_touches_communes(TouchesCommunes t) {
        return std::exchange(touches_communes_, std::move(t));
    }

    // Input from the robot, delivered at the next giving way.
    void pousse(const Entree& e) { file_.push_back(e); }
    // Asks every wait to quit, as closing the window does.
    void demande_fin() { fin_demandee_ = true; }

    // Timers register themselves.
    void enregistre(Minuterie* m);
    void retire(Minuterie* m);
    // Earliest deadline of an enabled timer, or -1.
    std::int64_t prochaine_minuterie() const;
    // Fires the timers due at the clock's time; true when one of the program's (not the platform's own)
    // fired.
    bool declenche_minuteries();

  private:
    void distribue(const Entree& e);
    // F11 or Alt+Entrée: switches, and the key goes no further.
    bool touche_fenetre(const Entree& e);
    void attend_jusqua_us(std::int64_t echeance, const std::function<bool()>& fini);
    // `ms` (-1: none) shortened to when the sound device should be closed.
    int delai(int ms);
    void presente();
    void envoie_changements();
    // Draws every form shown onto `s`, cleared first.
    void dessine_formes(Surface& s);
    // The checking mode: the window must show the screen composed whole, else the run stops here.
    void verifie_envois();
    // What the forms on the screen changed since the last frame and still show; whole when the stack itself
    // changed.
    std::vector<Rect> zone_des_formes();
    // Composes these zones, and first what frames sent from memory left behind on the screen.
    void compose_zones(const std::vector<Rect>& zones);
    // Sends, showing the window with its first frame.
    void envoie(const std::vector<Rect>& zones, const std::uint64_t* image);
    void oublie_modifications();

    std::unique_ptr<Horloge> horloge_;
    std::unique_ptr<Polices> polices_, polices_texte_;
    std::unique_ptr<Audio> audio_;
    Robot* robot_ = nullptr;
    std::unique_ptr<Fenetre> fenetre_;
    CurseurSdl curseurs_[3]; // by FormeCurseur
    Curseur curseur_ = Curseur::Repos;
    Surface ecran_;
    bool affiche_ = true;  // frames are composed and sent (always but in a headless robot run)
    bool verifie_ = false; // every frame is checked against the screen composed whole
    Surface complet_;      // that screen
    int decalagex_ = 0, decalagey_ = 0, zoom_ = 1;
    bool ecran_impose_ = false;
    struct Place {
        const Form* f;
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
    Rect perime_{};               // screen pixels left out of date by frames sent from memory
    bool retour_interne_ = false; // the last wait ended only for the platform's own timers
    bool fin_demandee_ = false;
    bool clavier_ = false;
    std::int64_t derniere_attente_ = 0;
    std::vector<Form*> pile_;
    std::vector<Minuterie*> minuteries_;
    std::deque<Entree> file_;
    TouchesCommunes touches_communes_;
};

// Offsets of a centred 640 x 480 area on a screen of w x h pixels (rounded down, negative when smaller).
int decalage(int taille_ecran, int taille_aire);

} // namespace tlv
