#pragma once
// The launcher's clip player: a picture of frames stacked vertically, played in a loop at 10 per second.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controles.h"
#include "image.h"
#include "minuterie.h"
#include "surface.h"

namespace tlv {

class Plateforme;
class Form;

class Animation : public Controle {
  public:
    static constexpr int ImagesParSeconde = 10;
    explicit Animation(Plateforme& pf);

    // Opens a clip; false when the file is missing or not a clip of this control's size.
    bool Open(const std::string& chemin);
    void Play();
    void Stop();
    // Stops and lets the frames go (they are large at a fine render factor); Open brings them back.
    void Close();
    bool joue() const { return minuterie_.active(); }
    // The form it is drawn on: while a screen above hides the clip, it stands still and costs nothing.
    void sur(const Form& f);
    int image_courante() const { return courante_; }
    int nombre_images() const { return nombre_; }

    void dessine(Surface& s, int ox, int oy, Polices& p) override;
    // Its frames it tells itself: only a change of place, size, visibility or clip counts here.
    void modifiee(int ox, int oy, std::vector<Rect>& zones) const override;
    void oublie_modifications() override;

  private:
    void suivante();
    Plateforme& pf_;
    // Frames are decoded as they first come up: before the first one shows, only it is read.
    ImageProgressive images_;
    int nombre_ = 0, courante_ = 0;
    std::uint64_t serie_ = 0; // which opening the frames come from: names them with their number
    Rect ecran_{};            // where it was last drawn on the screen
    struct Etat {
        bool visible;
        int x, y, w, h;
        std::uint64_t serie;
        bool operator==(const Etat&) const = default;
    };
    Etat etat() const { return Etat{visible, x, y, w, h, serie_}; }
    Etat montre_{}; // as of the last frame
    Minuterie minuterie_;
};

} // namespace tlv
