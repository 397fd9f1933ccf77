#pragma once
// Pictures on disk: loaded by content (names carry no extension), saved as PNG for captures.
#include <optional>
#include <string>

#include "surface.h"

namespace tlv {

// Transparent pixels are laid over black, the colour sprites use outside their shape. The picture comes at
// the render factor k: from the file `chemin.<k>x` beside it when that one is exactly k times the size (the
// same picture drawn finer), else from `chemin` itself, each pixel made a k x k block.
std::optional<Surface> charge_image(const std::string& chemin);
std::optional<Surface> charge_image(const std::string& chemin, int facteur);
bool sauve_png(const Surface& s, const std::string& chemin);
bool sauve_png(const Surface& s, const Rect& zone, const std::string& chemin);

} // namespace tlv
