// The game's icon, for the desktop's menus and the window: the launcher's suit medallions on the green
// cloth in a gold frame. It is drawn as SVG; each PNG size is that drawing rendered, a plainer variant for
// the smallest sizes, where rims and shadows would only blur.
#pragma once
#include <string>
#include <vector>

#include "assets/image.h"

namespace tlv {

// The sizes of the PNG icons, in pixels (16 .. 512).
const std::vector<int>& taillesicone();
// The icon as an SVG document (512 x 512 units); `petite` for the plainer variant.
std::string iconesvg(bool petite = false);
// Renders an SVG document into a square picture (straight alpha). Throws when it cannot be read.
Image rendsvg(const std::string& svg, int taille);
// Writes icones/tolvanex.svg and icones/tolvanex-<size>.png into `dossier`.
void ecriticones(const std::string& dossier);

} // namespace tlv
