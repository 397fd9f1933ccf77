#pragma once
// The window's icon, read from a PNG with its transparency kept (the desktop shows it on any background).
#include <string>

#include "ressources_sdl.h"

namespace tlv {

// The picture in ARGB8888 with its alpha; empty when the file is missing or is not a picture.
SurfaceSdl charge_icone(const std::string& chemin);
// Gives the window that icon; without a readable file the window keeps the desktop's default.
bool pose_icone(SDL_Window* fenetre, const std::string& chemin);

} // namespace tlv
