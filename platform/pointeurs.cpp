#include "pointeurs.h"

#include <SDL.h>

#include "curseurs.h"

namespace tlv {

Pointeurs::Pointeurs(double echelle) : actuel_(Curseur::Repos) {
    static constexpr SDL_SystemCursor systeme[3] = {SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_HAND,
                                                    SDL_SYSTEM_CURSOR_WAIT};
    for (int i = 0; i < 3; ++i) {
        DessinCurseur d = dessin(static_cast<FormeCurseur>(i), echelle);
        if (const SurfaceSdl s{SDL_CreateRGBSurfaceWithFormatFrom(d.pixels.data(), d.largeur, d.hauteur, 32,
                                                                  d.largeur * 4, SDL_PIXELFORMAT_ARGB8888)})
            curseurs_[i].reset(SDL_CreateColorCursor(s.get(), d.pointx, d.pointy));
        if (!curseurs_[i]) curseurs_[i].reset(SDL_CreateSystemCursor(systeme[i]));
    }
    montre(Curseur::Repos);
}

void Pointeurs::montre(Curseur c) {
    actuel_ = c;
    if (SDL_Cursor* s = curseurs_[static_cast<int>(forme(c))].get()) SDL_SetCursor(s);
}

} // namespace tlv
