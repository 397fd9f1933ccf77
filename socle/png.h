#pragma once
// PNG files through libpng, with no display: the game decodes its pictures row by row straight into its
// surfaces (no decoded copy beside the picture, and a clip's later frames as they come up); the generator
// reads and writes its own. The bytes written depend only on the pixels (no time stamp, no text chunk).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tlv {

// ARGB pixels to 0x00RRGGBB, transparency laid over black, as every sprite expects outside its shape.
void sur_noir(std::uint32_t* l, int n);

class LecturePng {
  public:
    // What a decoded pixel holds: 0x00RRGGBB laid over black (the game's pictures), or 0xAARRGGBB with
    // alpha 255 where the file has none.
    enum class Pixels { sur_noir, argb };
    // Opens the file and reads its header; `ouverte()` is false when it is not a PNG that can be read.
    explicit LecturePng(const std::string& chemin, Pixels pixels = Pixels::sur_noir);
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
    // Decodes the file's rows up to `fin` (exclusive) into rows of `largeur()` words, row y at
    // `pixels + y * pas`. False once the file proves damaged.
    bool lit(std::uint32_t* pixels, std::ptrdiff_t pas, int fin);
    int lues() const;

    struct Etat;

  private:
    std::unique_ptr<Etat> e_;
    bool png_ = false;
};

// Writes a w x h 8-bit picture, RGB or RGBA when `alpha`; `rangee(y, octets)` fills row y's bytes. `niveau`
// is zlib's compression (9 the smallest, slowest on large pictures; -1 its default). False on failure.
bool ecrit_png(const std::string& chemin, int w, int h, bool alpha, int niveau,
               const std::function<void(int, unsigned char*)>& rangee);

} // namespace tlv
