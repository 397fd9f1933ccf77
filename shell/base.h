#pragma once
// The launcher: the whole screen, with the menu picture in the middle, five lines (three games, help,
// quit), a looping clip, the web button and the launcher's tune.
#include "contexte.h"
#include "platform/animation.h"
#include "platform/form.h"

namespace tlv {

class Base : public Form {
  public:
    Base(Contexte& ctx, const Jeux& jeux);

    // Menu lines of the picture: x band and the y bands (both exclusive), 0 when none.
    static int ligne_sous(int x, int y);
    static constexpr int BandeY[6] = {0, 9, 79, 149, 340, 410};

    void choix(int ligne);
    // The keys' place: the web button (no line highlighted) or the lines.
    // The keys' place: the web button (framed) or the menu lines.
    void focus_bouton(bool sur_bouton);
    // What the menu line does, clicked or chosen by Entrée.
    void lance_ligne(int choisie);
    void ligne();
    void recharge();
    void jouemusik(const std::string& nom);

    void basemenu_MouseMove(int button, int shift, int x, int y);
    void basemenu_MouseDown(int button, int shift, int x, int y);
    void ouvre_site();

    void Form_Activate() override;
    void Form_KeyDown(Touche code, int shift) override;
    void Form_Unload() override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void dessine(Surface& ecran) override;
    void modifiees(std::vector<Rect>& zones) const override;
    void oublie_modifications() override;

    int survol() const { return survol_; }
    bool avis() const { return avis_; }
    bool basemenu_visible() const { return basemenu_visible_; }

    Animation anim;
    Bouton boutonsite;

  private:
    void charge_image_menu();
    void place_controles();
    Contexte& ctx_;
    const Jeux& jeux_;
    Surface picture_;  // the launcher picture as loaded (with the web button's face under it)
    Surface basemenu_; // what the picture box shows: the picture and the lines
    bool basemenu_visible_ = true;
    bool basemenu_montre_ = true; // as the last frame showed it
    int survol_ = 0;
    bool deja_active_ = false;
    bool avis_ = false; // the notice that scores are not kept, until the player first leaves the launcher
};

// Lays out, fills and shows the launcher modally; returns when it has closed, after unloading it.
void lancemenu(Contexte& ctx, const Jeux& jeux);

} // namespace tlv
