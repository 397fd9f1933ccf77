#pragma once
// Pictures on disk: loaded by content (names carry no extension), saved as PNG for captures.
#include <optional>
#include <string>

#include "surface.h"

namespace tlv {

// Transparent pixels are laid over black, the colour sprites use outside their shape.
std::optional<Surface> charge_image(const std::string& chemin);
bool sauve_png(const Surface& s, const std::string& chemin);
bool sauve_png(const Surface& s, const Rect& zone, const std::string& chemin);

} // namespace tlv
