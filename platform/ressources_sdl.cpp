#include "ressources_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>

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

SDL_RWops* ouvre_lecture(const std::string& chemin) {
    // SDL_RWFromFile's own fopen has no close-on-exec ("e").
    FILE* f = std::fopen(chemin.c_str(), "rbe");
    if (!f) return nullptr;
    SDL_RWops* rw = SDL_RWFromFP(f, SDL_TRUE);
    if (!rw) std::fclose(f);
    return rw;
}

} // namespace tlv
