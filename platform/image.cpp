#include "image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>

#include "ressources_sdl.h"

namespace tlv {

namespace {

// The file as it is: one stored pixel per pixel of the file, at factor k (the size divided by k).
std::optional<Surface> lit(const std::string& chemin, int k) {
    SDL_RWops* rw = ouvre_lecture(chemin);
    SurfaceSdl brute(rw ? IMG_Load_RW(rw, 1) : nullptr);
    if (!brute) return std::nullopt;
    SurfaceSdl argb(SDL_ConvertSurfaceFormat(brute.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || argb->w % k != 0 || argb->h % k != 0) return std::nullopt;
    Surface s(argb->w / k, argb->h / k, 0, k);
    SDL_LockSurface(argb.get());
    for (int y = 0; y < argb->h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::ptrdiff_t>(y) * argb->pitch);
        std::uint32_t* dst = s.ligne(y);
        for (int x = 0; x < argb->w; ++x) {
            const std::uint32_t p = src[x];
            const std::uint32_t a = p >> 24;
            if (a == 255) {
                dst[x] = p & 0xFFFFFFu;
            } else {
                const std::uint32_t r = ((p >> 16) & 255) * a / 255, g = ((p >> 8) & 255) * a / 255,
                                    b = (p & 255) * a / 255;
                dst[x] = (r << 16) | (g << 8) | b;
            }
        }
    }
    SDL_UnlockSurface(argb.get());
    return s;
}

} // namespace

std::optional<Surface> charge_image(const std::string& chemin, int facteur) {
    auto base = lit(chemin, 1);
    if (!base || facteur <= 1) return base;
    // A finer variant counts only when it is the same picture's size exactly k times.
    if (auto fine = lit(chemin + "." + std::to_string(facteur) + "x", facteur))
        if (fine->largeur() == base->largeur() && fine->hauteur() == base->hauteur()) return fine;
    // Each pixel made a k x k block: one row widened, then copied k times.
    const int k = facteur, w = base->largeur();
    Surface s(w, base->hauteur(), 0, k);
    for (int y = 0; y < base->hauteur(); ++y) {
        const std::uint32_t* src = base->ligne(y);
        std::uint32_t* d = s.ligne(y * k);
        for (int x = 0; x < w; ++x) std::fill_n(d + x * k, k, src[x]);
        for (int j = 1; j < k; ++j) std::copy_n(d, w * k, s.ligne(y * k + j));
    }
    return s;
}

std::optional<Surface> charge_image(const std::string& chemin) {
    return charge_image(chemin, Surface::facteur_rendu());
}

bool sauve_png(const Surface& s, const Rect& zone, const std::string& chemin) {
    if (zone.w <= 0 || zone.h <= 0) return false;
    SurfaceSdl out(SDL_CreateRGBSurfaceWithFormat(0, zone.w, zone.h, 32, SDL_PIXELFORMAT_RGB888));
    if (!out) return false;
    for (int y = 0; y < zone.h; ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(out->pixels) +
                                                   static_cast<std::ptrdiff_t>(y) * out->pitch);
        for (int x = 0; x < zone.w; ++x) d[x] = s.pixel(zone.x + x, zone.y + y);
    }
    return IMG_SavePNG(out.get(), chemin.c_str()) == 0;
}

bool sauve_png(const Surface& s, const std::string& chemin) {
    return sauve_png(s, Rect{0, 0, s.largeur(), s.hauteur()}, chemin);
}

} // namespace tlv
