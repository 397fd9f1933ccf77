#include "fatal.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

namespace tlv {

[[noreturn]] void erreur_fatale(const std::string& message) {
    std::fprintf(stderr, "Tolva'nexes : %s\n", message.c_str());
    std::fflush(stderr);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Tolva'nexes", message.c_str(), nullptr);
    std::_Exit(1);
}

} // namespace tlv
