#include "images_gardees.h"

#include <SDL.h>

#include <cstring>

#include "zones.h"

namespace tlv {

namespace {
std::uint8_t* rangee(const SDL_Surface& s, const Rect& d, int j) {
    return static_cast<std::uint8_t*>(s.pixels) + static_cast<std::ptrdiff_t>(d.y + j) * s.pitch +
           static_cast<std::ptrdiff_t>(d.x) * s.format->BytesPerPixel;
}
// 32-bit pixels whose top byte holds nothing (XRGB, the usual window format).
bool tassable(const SDL_Surface& s) {
    const SDL_PixelFormat& f = *s.format;
    return f.BytesPerPixel == 4 && ((f.Rmask | f.Gmask | f.Bmask | f.Amask) & 0xFF000000u) == 0;
}
bool pareils(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}
} // namespace

bool ImagesGardees::meme_fenetre(const SDL_Surface& s) const {
    return s.w == sw_ && s.h == sh_ && s.format->format == format_;
}

void ImagesGardees::oublie() {
    images_.clear();
    octets_ = 0;
    zone_ = d_ = Rect{};
}

void ImagesGardees::touche(const Rect& d) {
    if (!images_.empty() && proches(d, d_, 0)) oublie();
}

void ImagesGardees::garde(std::uint64_t cle, const Rect& zone, const SDL_Surface& s, const Rect& d) {
    if (d.vide() || d.x < 0 || d.y < 0 || d.x + d.w > s.w || d.y + d.h > s.h) return;
    if (!pareils(zone, zone_) || !pareils(d, d_) || !meme_fenetre(s)) {
        oublie();
        zone_ = zone, d_ = d;
        sw_ = s.w, sh_ = s.h, format_ = s.format->format;
    }
    // 32-bit pixels are kept without their unused byte: a third more frames in the same memory.
    const bool tasse = tassable(s);
    const std::size_t ligne = static_cast<std::size_t>(d.w) * (tasse ? 3 : s.format->BytesPerPixel);
    const std::size_t taille = ligne * static_cast<std::size_t>(d.h);
    if (images_.count(cle) || octets_ + taille > budget_) return;
    std::vector<std::uint8_t> p(taille);
    if (SDL_MUSTLOCK(&s)) SDL_LockSurface(const_cast<SDL_Surface*>(&s));
    for (int j = 0; j < d.h; ++j) {
        std::uint8_t* o = p.data() + ligne * static_cast<std::size_t>(j);
        if (!tasse) {
            std::memcpy(o, rangee(s, d, j), ligne);
            continue;
        }
        const auto* px = reinterpret_cast<const std::uint32_t*>(rangee(s, d, j));
        for (int i = 0; i < d.w; ++i, o += 3)
            o[0] = px[i] & 255, o[1] = (px[i] >> 8) & 255, o[2] = (px[i] >> 16) & 255;
    }
    if (SDL_MUSTLOCK(&s)) SDL_UnlockSurface(const_cast<SDL_Surface*>(&s));
    images_.emplace(cle, std::move(p));
    octets_ += taille;
}

Rect ImagesGardees::remet(std::uint64_t cle, const Rect& zone, SDL_Surface& s) const {
    const auto it = images_.find(cle);
    if (it == images_.end() || !pareils(zone, zone_) || !meme_fenetre(s)) return Rect{};
    const bool tasse = tassable(s);
    const std::size_t ligne = static_cast<std::size_t>(d_.w) * (tasse ? 3 : s.format->BytesPerPixel);
    if (SDL_MUSTLOCK(&s)) SDL_LockSurface(&s);
    for (int j = 0; j < d_.h; ++j) {
        const std::uint8_t* o = it->second.data() + ligne * static_cast<std::size_t>(j);
        if (!tasse) {
            std::memcpy(rangee(s, d_, j), o, ligne);
            continue;
        }
        auto* px = reinterpret_cast<std::uint32_t*>(rangee(s, d_, j));
        for (int i = 0; i < d_.w; ++i, o += 3)
            px[i] = static_cast<std::uint32_t>(o[0]) | static_cast<std::uint32_t>(o[1]) << 8 |
                    static_cast<std::uint32_t>(o[2]) << 16;
    }
    if (SDL_MUSTLOCK(&s)) SDL_UnlockSurface(&s);
    return d_;
}

} // namespace tlv
