#include "icone.h"

#include <SDL.h>
#include <SDL_image.h>

namespace tlv {

SurfaceSdl charge_icone(const std::string& chemin) {
    SurfaceSdl brute(IMG_Load(chemin.c_str()));
    if (!brute) return nullptr;
    return SurfaceSdl(SDL_ConvertSurfaceFormat(brute.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

bool pose_icone(SDL_Window* fenetre, const std::string& chemin) {
    const SurfaceSdl s = charge_icone(chemin);
    if (!s || !fenetre) return false;
    SDL_SetWindowIcon(fenetre, s.get());
    return true;
}

} // namespace tlv
