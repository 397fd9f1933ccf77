#pragma once
// The composed picture, stored at its render factor, brought to the display's size: each display pixel is
// the average of the stored pixels its square covers (in linear light, so edges keep their weight), which
// keeps card edges and text crisp whether the picture shrinks or grows by a little.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "surface.h"

namespace tlv {

class Reechantillonneur {
  public:
    // Stored pixels sw x sh to display pixels dw x dh; the weights are kept until the sizes change.
    void prepare(int sw, int sh, int dw, int dh);
    bool identite() const { return sw_ == dw_ && sh_ == dh_; }
    // The display pixels (relative to the picture's top left) that stored pixels `r` reach, filter included.
    Rect couvre(const Rect& r) const;
    // Writes the display pixels `d` of the picture of `src` (whole, its stored pixels sw x sh); `sortie`
    // points at the display pixel (d.x, d.y), rows `pas` pixels apart.
    void calcule(const Surface& src, const Rect& d, std::uint32_t* sortie, std::ptrdiff_t pas);

  private:
    // One axis: display pixel i reads `prises` stored pixels from debut[i], the same count for every pixel
    // (shorter ones padded with zero weights, and moved back from the far edge), so the loops have a fixed
    // length the compiler can unroll and vectorise.
    struct Axe {
        int prises = 0;
        std::vector<int> debut;
        std::vector<std::uint16_t> poids; // `prises` per pixel, each pixel's summing to 1 << 14
        void calcule(int source, int dest);
    };
    void ligne_horizontale(const Surface& src, int sy, int x0, int x1, std::uint16_t* sortie);
    int sw_ = 0, sh_ = 0, dw_ = 0, dh_ = 0;
    Axe h_, v_;
    // A ring of rows filtered horizontally, linear light, 4 values per pixel (the 4th 0) from the first
    // display column asked for.
    std::vector<std::uint16_t> lignes_;
    std::vector<int> cle_; // which stored row each of them holds
    std::vector<const std::uint16_t*> rangs_;
    std::vector<std::uint16_t> lineaire_; // one stored row in linear light, 4 values per pixel
    std::vector<std::uint16_t> filtree_;  // one display row in linear light, before going back to sRGB
    // The horizontal weights tap after tap, each repeated for the 4 values of its pixel, and the stored
    // pixels each tap reads gathered in display order: the sums then run over plain arrays.
    std::vector<std::uint16_t> poids_h_, cueillis_;
};

} // namespace tlv
