#pragma once
// A screen: a picture the size of its client area, a few controls, and the classic event handlers.
// Coordinates given to the handlers are the form's own pixels.
#include <iosfwd>
#include <vector>

#include "calque.h"
#include "surface.h"

namespace tlv {

class Controle;
class Plateforme;
enum class Touche : int;

class Form : public Calque {
  public:
    explicit Form(Plateforme& pf, int largeur = 640, int hauteur = 480);
    // A form whose picture is stored at this factor (1 when it is never shown, only gives the form's size).
    Form(Plateforme& pf, int largeur, int hauteur, int facteur);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Plateforme& pf;
    Surface image;                    // what the client area shows
    std::vector<Controle*> controles; // not owned; drawn in order over `image`

    int largeur() const override { return image.largeur(); }
    int hauteur() const override { return image.hauteur(); }
    // A non-empty caption draws a dialog frame with a title bar and close box.
    const std::string& caption() const override;
    void caption(const std::string& titre);
    void place(int x, int y) { left = x, top = y; }
    // Centre the form over the 640 x 480 play area.
    void centre_sur_aire();
    void hide() { visible = false; }

    // Handlers.
    virtual void Form_Load() {}
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

    // Drawing onto the screen: frame (for captioned forms), picture, controls.
    void dessine(Surface& ecran) override;
    // What of the screen the form may have changed since the last frame (screen pixels), one rectangle for
    // each part: its picture's changes, and its frame and controls, which draw straight onto the screen. A
    // form drawing from other pictures adds theirs.
    void modifiees(std::vector<Rect>& zones) const override;
    void oublie_modifications() override;

    // Loading/unloading as the opener does it: Form_Load once, Form_Unload once.
    void load() override;
    void unload() override;
    bool charge() const { return charge_; }

    // Routing of input, used by the loop.
    void route(const Entree& e) override;

    // The keyboard's place: a frame over a part of the form (form pixels), drawn above all it shows. The
    // screen shows it when its keys use it; the mouse moving hides it, the screen keeping where it is.
    void montre_focus(const Rect& r);
    void cache_focus() { focus_visible_ = false; }
    bool focus_visible() const { return focus_visible_; }
    // The frame on the screen, if shown: the platform draws it after the form.
    void dessine_focus(Surface& ecran) const override;

    static constexpr int Barre = 22; // title bar height of a captioned form

  private:
    void route_bas(const Entree& e, int x, int y);
    void route_haut(const Entree& e, int x, int y);
    void route_touche(const Entree& e);
    // Inside the title bar's close box (form pixels).
    bool sur_croix(int x, int y) const;

    std::string* caption_; // owned; kept out of this header, which every screen reads
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
