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
    struct Axe {
        std::vector<int> debut, nombre;   // per display pixel: first stored pixel, how many
        std::vector<std::uint16_t> poids; // nombre[i] weights per pixel, each pixel's summing to 1 << 14
        std::vector<int> indice;          // where pixel i's weights start
        int max = 0;
        void calcule(int source, int dest);
    };
    void ligne_horizontale(const Surface& src, int sy, int x0, int x1, std::uint16_t* sortie);
    int sw_ = 0, sh_ = 0, dw_ = 0, dh_ = 0;
    Axe h_, v_;
    std::vector<std::uint16_t> lignes_; // a few rows filtered horizontally, linear light, 3 per pixel
    std::vector<int> cle_;              // which stored row each of them holds
    std::vector<const std::uint16_t*> rangs_;
    std::vector<std::uint16_t> lineaire_; // one stored row in linear light
};

} // namespace tlv
