#pragma once
// A screen: a picture the size of its client area, a few controls, and the classic event handlers.
// Coordinates given to the handlers are the form's own pixels.
#include <string>
#include <vector>

#include "controles.h"
#include "surface.h"

namespace tlv {

class Plateforme;

class Form {
  public:
    explicit Form(Plateforme& pf, int largeur = 640, int hauteur = 480);
    // A form whose picture is stored at this factor (1 when it is never shown, only gives the form's size).
    Form(Plateforme& pf, int largeur, int hauteur, int facteur);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Plateforme& pf;
    int left = 0, top = 0; // client area's origin on the screen, in pixels
    Surface image;         // what the client area shows
    std::string caption;   // a non-empty caption draws a dialog frame with a title bar and close box
    bool visible = false;
    std::vector<Controle*> controles; // not owned; drawn in order over `image`

    int largeur() const { return image.largeur(); }
    int hauteur() const { return image.hauteur(); }
    void place(int x, int y) { left = x, top = y; }
    // Centre the form over the 640 x 480 play area.
    void centre_sur_aire();
    void hide() { visible = false; }

    // Handlers.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(Touche code, int shift) { (void)code, (void)shift; }
    virtual void Form_KeyPress(const std::string& car) { (void)car; }
    virtual void MouseDown(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseMove(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseUp(int button, int shift, int x, int y) { (void)button, (void)shift, (void)x, (void)y; }
    // The title bar's close box; by default the form just hides, its opener then unloads it.
    virtual void ferme_par_croix() { hide(); }

    // A form the player types text into: its keys are no sign that the player moves about by keys.
    virtual bool saisit_texte() const { return false; }

    // Drawing onto the screen: frame (for captioned forms), picture, controls.
    virtual void dessine(Surface& ecran);
    // What of the screen the form may have changed since the last frame (screen pixels), one rectangle for
    // each part: its picture's changes, and its frame and controls, which draw straight onto the screen. A
    // form drawing from other pictures adds theirs.
    virtual void modifiees(std::vector<Rect>& zones) const;
    virtual void oublie_modifications();

    // Loading/unloading as the opener does it: Form_Load once, Form_Unload once.
    void load();
    void unload();
    bool charge() const { return charge_; }

    // Routing of input, used by the loop.
    void route(const struct Entree& e);

    // The keyboard's place: a frame over a part of the form (form pixels), drawn above all it shows. The
    // screen shows it when its keys use it; the mouse moving hides it, the screen keeping where it is.
    void montre_focus(const Rect& r);
    void cache_focus() { focus_visible_ = false; }
    bool focus_visible() const { return focus_visible_; }
    // The frame on the screen, if shown: the platform draws it after the form.
    void dessine_focus(Surface& ecran) const;

    static constexpr int Barre = 22; // title bar height of a captioned form

  private:
    Controle* capture_ = nullptr;
    int bouton_bas_ = 0;
    bool charge_ = false;
    bool croix_enfoncee_ = false;
    bool survol_clavier_ = false; // the keys moved a highlight since the mouse last moved
    Rect focus_{};
    bool focus_visible_ = false;
    Rect focus_envoye_{}; // the frame as the last frame showed it (screen pixels); empty when hidden
    // The frame's place on the screen now, with its ring; empty when hidden.
    Rect focus_ecran() const;
};

} // namespace tlv
