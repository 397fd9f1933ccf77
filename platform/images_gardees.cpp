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
// Four 24-bit pixels in three 32-bit words, a row padded to a whole group: whole words move faster than
// bytes.
constexpr std::uint32_t Rgb = 0xFFFFFFu;
std::size_t octets_tasses(int w) {
    return static_cast<std::size_t>((w + 3) / 4) * 12;
}
void tasse_ligne(const std::uint32_t* px, int w, std::uint8_t* o) {
    for (int i = 0; i < w; i += 4, o += 12) {
        std::uint32_t p[4] = {0, 0, 0, 0};
        for (int t = 0; t < 4 && i + t < w; ++t) p[t] = px[i + t] & Rgb;
        const std::uint32_t m[3] = {p[0] | p[1] << 24, p[1] >> 8 | p[2] << 16, p[2] >> 16 | p[3] << 8};
        std::memcpy(o, m, sizeof m);
    }
}
void detasse_ligne(const std::uint8_t* o, int w, std::uint32_t* px) {
    int i = 0;
    for (; i + 4 <= w; i += 4, o += 12) {
        std::uint32_t m[3];
        std::memcpy(m, o, sizeof m);
        px[i] = m[0] & Rgb, px[i + 1] = (m[0] >> 24 | m[1] << 8) & Rgb;
        px[i + 2] = (m[1] >> 16 | m[2] << 16) & Rgb, px[i + 3] = m[2] >> 8;
    }
    if (i == w) return;
    std::uint32_t m[3];
    std::memcpy(m, o, sizeof m);
    const std::uint32_t p[4] = {m[0] & Rgb, (m[0] >> 24 | m[1] << 8) & Rgb, (m[1] >> 16 | m[2] << 16) & Rgb,
                                m[2] >> 8};
    for (int t = 0; i + t < w; ++t) px[i + t] = p[t];
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
    const std::size_t ligne =
        tasse ? octets_tasses(d.w) : static_cast<std::size_t>(d.w) * s.format->BytesPerPixel;
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
        tasse_ligne(reinterpret_cast<const std::uint32_t*>(rangee(s, d, j)), d.w, o);
    }
    if (SDL_MUSTLOCK(&s)) SDL_UnlockSurface(const_cast<SDL_Surface*>(&s));
    images_.emplace(cle, std::move(p));
    octets_ += taille;
}

Rect ImagesGardees::remet(std::uint64_t cle, const Rect& zone, SDL_Surface& s) const {
    const auto it = images_.find(cle);
    if (it == images_.end() || !pareils(zone, zone_) || !meme_fenetre(s)) return Rect{};
    const bool tasse = tassable(s);
    const std::size_t ligne =
        tasse ? octets_tasses(d_.w) : static_cast<std::size_t>(d_.w) * s.format->BytesPerPixel;
    if (SDL_MUSTLOCK(&s)) SDL_LockSurface(&s);
    for (int j = 0; j < d_.h; ++j) {
        const std::uint8_t* o = it->second.data() + ligne * static_cast<std::size_t>(j);
        if (!tasse) {
            std::memcpy(rangee(s, d_, j), o, ligne);
            continue;
        }
        detasse_ligne(o, d_.w, reinterpret_cast<std::uint32_t*>(rangee(s, d_, j)));
    }
    if (SDL_MUSTLOCK(&s)) SDL_UnlockSurface(&s);
    return d_;
}

} // namespace tlv
