#pragma once
// PNG files decoded row by row straight into a surface's stored pixels: no decoded copy beside the picture,
// and a picture can be read a part at a time (a clip's later frames as they come up).
#include <cstdint>
#include <memory>
#include <string>

#include "surface.h"

namespace tlv {

// ARGB pixels to 0x00RRGGBB, transparency laid over black, as every sprite expects outside its shape.
void sur_noir(std::uint32_t* l, int n);

class LecturePng {
  public:
    // Opens the file and reads its header; `ouverte()` is false when it is not a PNG that can be read.
    explicit LecturePng(const std::string& chemin);
    ~LecturePng();
    LecturePng(const LecturePng&) = delete;
    LecturePng& operator=(const LecturePng&) = delete;

    bool ouverte() const;
    // The file begins as a PNG does (whether or not the rest can be read).
    bool png() const { return png_; }
    // The file's own size, in its pixels.
    int largeur() const;
    int hauteur() const;
    // Rows are read in order only when the file is not interlaced.
    bool par_lignes() const;
    // Decodes the file's rows up to `fin` (exclusive) into the stored rows of `s`, whose stored width is the
    // file's: 0x00RRGGBB, transparency laid over black. False once the file proves damaged.
    bool lit(Surface& s, int fin);
    int lues() const;

    struct Etat;

  private:
    std::unique_ptr<Etat> e_;
    bool png_ = false;
};

} // namespace tlv
