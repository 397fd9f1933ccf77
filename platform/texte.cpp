#include "texte.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <filesystem>

namespace tlv {

Polices::Polices(std::string fichier) : fichier_(std::move(fichier)) {
    if (!TTF_WasInit()) TTF_Init();
}

Polices::~Polices() {
    for (auto& [taille, p] : cache_)
        if (p) TTF_CloseFont(p);
}

bool Polices::valide() const {
    return const_cast<Polices*>(this)->police(12) != nullptr;
}

TTF_Font* Polices::police(int points) {
    if (points < 1) points = 1;
    auto it = cache_.find(points);
    if (it != cache_.end()) return it->second;
    TTF_Font* p = TTF_OpenFontDPI(fichier_.c_str(), points, 96, 96);
    if (p) TTF_SetFontHinting(p, TTF_HINTING_LIGHT);
    cache_[points] = p;
    return p;
}

void Polices::imprime(Surface& s, int x, int y, const std::string& utf8, int points, std::uint32_t couleur) {
    TTF_Font* p = police(points);
    if (!p || utf8.empty()) return;
    const SDL_Color blanc{255, 255, 255, 255};
    SDL_Surface* rendu = TTF_RenderUTF8_Blended(p, utf8.c_str(), blanc);
    if (!rendu) return;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendu, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendu);
    if (!argb) return;
    const std::uint32_t cr = (couleur >> 16) & 255, cg = (couleur >> 8) & 255, cb = couleur & 255;
    SDL_LockSurface(argb);
    for (int j = 0; j < argb->h; ++j) {
        const int yy = y + j;
        if (yy < 0 || yy >= s.hauteur()) continue;
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::ptrdiff_t>(j) * argb->pitch);
        std::uint32_t* d = s.ligne(yy);
        for (int i = 0; i < argb->w; ++i) {
            const int xx = x + i;
            if (xx < 0 || xx >= s.largeur()) continue;
            const std::uint32_t a = src[i] >> 24;
            if (a == 0) continue;
            const std::uint32_t o = d[xx];
            const std::uint32_t r = (cr * a + ((o >> 16) & 255) * (255 - a)) / 255;
            const std::uint32_t g = (cg * a + ((o >> 8) & 255) * (255 - a)) / 255;
            const std::uint32_t b = (cb * a + (o & 255) * (255 - a)) / 255;
            d[xx] = (r << 16) | (g << 8) | b;
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
}

int Polices::largeur(const std::string& utf8, int points) {
    TTF_Font* p = police(points);
    int w = 0, h = 0;
    if (!p || utf8.empty() || TTF_SizeUTF8(p, utf8.c_str(), &w, &h) != 0) return 0;
    return w;
}

int Polices::hauteur(int points) {
    TTF_Font* p = police(points);
    return p ? TTF_FontHeight(p) : 0;
}

std::string police_par_defaut() {
    const char* candidats[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
    for (const char* c : candidats)
        if (std::filesystem::exists(c)) return c;
    return candidats[0];
}

} // namespace tlv
