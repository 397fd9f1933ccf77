#pragma once
// Owning pointers for the SDL objects the platform keeps. The deleters are defined out of line, so a header
// can hold these pointers with the SDL types only declared: nothing above the platform sees SDL's headers.
#include <memory>
#include <string>

struct SDL_Surface;
struct SDL_RWops;
struct SDL_Cursor;
struct SDL_Window;
struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;
typedef struct _TTF_Font TTF_Font;

namespace tlv {

struct LibereSdl {
    void operator()(SDL_Surface* s) const;
    void operator()(SDL_Cursor* c) const;
    void operator()(SDL_Window* w) const;
    void operator()(Mix_Chunk* c) const;
    void operator()(Mix_Music* m) const;
    void operator()(TTF_Font* p) const;
};

using SurfaceSdl = std::unique_ptr<SDL_Surface, LibereSdl>;
using CurseurSdl = std::unique_ptr<SDL_Cursor, LibereSdl>;
using FenetreSdl = std::unique_ptr<SDL_Window, LibereSdl>;
using SonMix = std::unique_ptr<Mix_Chunk, LibereSdl>;
using MusiqueMix = std::unique_ptr<Mix_Music, LibereSdl>;
using PoliceTtf = std::unique_ptr<TTF_Font, LibereSdl>;

// A file opened for reading, close-on-exec (a program we start must not inherit it), as an SDL stream
// that closes the file when freed; null when it cannot be opened. For every file handed to SDL's loaders.
SDL_RWops* ouvre_lecture(const std::string& chemin);

} // namespace tlv
