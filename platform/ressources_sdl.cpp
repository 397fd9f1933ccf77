#include "ressources_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

namespace tlv {

void LibereSdl::operator()(SDL_Surface* s) const {
    SDL_FreeSurface(s);
}
void LibereSdl::operator()(SDL_Cursor* c) const {
    SDL_FreeCursor(c);
}
void LibereSdl::operator()(SDL_Window* w) const {
    SDL_DestroyWindow(w);
}
void LibereSdl::operator()(Mix_Chunk* c) const {
    Mix_FreeChunk(c);
}
void LibereSdl::operator()(Mix_Music* m) const {
    Mix_FreeMusic(m);
}
void LibereSdl::operator()(TTF_Font* p) const {
    TTF_CloseFont(p);
}

} // namespace tlv
