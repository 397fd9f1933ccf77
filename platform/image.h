#pragma once
// Pictures on disk: loaded by content (names carry no extension), saved as PNG for captures.
#include <memory>
#include <optional>
#include <string>

#include "surface.h"

namespace tlv {

class LecturePng;

// Transparent pixels are laid over black, the colour sprites use outside their shape. The picture comes at
// the render factor k: from the file `chemin.<k>x` beside it when that one is exactly k times the size (the
// same picture drawn finer), else from `chemin` itself, each pixel made a k x k block.
std::optional<Surface> charge_image(const std::string& chemin, int facteur);
// The picture as stored, at factor 1 (a capture to compare).
inline std::optional<Surface> charge_image(const std::string& chemin) {
    return charge_image(chemin, 1);
}
bool sauve_png(const Surface& s, const Rect& zone, const std::string& chemin);
bool sauve_png(const Surface& s, const std::string& chemin);

// The same picture, its rows decoded only as they are first needed: opening reads the headers alone, so a
// tall picture of which little shows at first (a clip's frames) costs little before the first frame. Once
// every row is ready it is exactly what charge_image gives, a variant found damaged on the way included.
class ImageProgressive {
  public:
    ImageProgressive();
    ~ImageProgressive();
    ImageProgressive(ImageProgressive&&) noexcept;
    ImageProgressive& operator=(ImageProgressive&&) noexcept;

    // False when the picture cannot be read (charge_image would give nothing).
    bool ouvre(const std::string& chemin, int facteur);
    void ferme();
    // Makes the rows above play-area row `fin` ready to be drawn.
    void prepare(int fin);
    int pretes() const { return pretes_; }
    // Only its ready rows may be read.
    const Surface& surface() const { return s_; }

  private:
    std::string chemin_;
    std::unique_ptr<LecturePng> lecture_; // the variant being read, until its last row
    Surface s_;
    int pretes_ = 0;
};

} // namespace tlv
