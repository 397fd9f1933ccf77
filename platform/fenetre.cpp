#include "fenetre.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tlv {

Fenetre::Fenetre(bool fenetre) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0) mode.w = 640, mode.h = 480;
    int fw, fh;
    // Shown once its first frame is drawn: never an empty window.
    Uint32 drapeaux = SDL_WINDOW_HIDDEN;
    if (fenetre) {
        // A window zoomed as much as fits comfortably on the desktop; the screen is the play area.
        zoom_ = std::max(1, std::min((mode.w - 64) / 640, (mode.h - 96) / 480));
        lw_ = 640, lh_ = 480;
        fw = 640 * zoom_, fh = 480 * zoom_;
        drapeaux |= SDL_WINDOW_RESIZABLE;
    } else {
        zoom_ = std::max(1, std::min(mode.w / 640, mode.h / 480));
        lw_ = mode.w / zoom_, lh_ = mode.h / zoom_;
        fw = mode.w, fh = mode.h;
        drapeaux |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    w_.reset(
        SDL_CreateWindow("Tolva'nexes", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, fw, fh, drapeaux));
    if (!w_) throw std::runtime_error(SDL_GetError());
    mesure();
}

Fenetre::~Fenetre() = default;

void Fenetre::mesure() {
    int ww = 0, wh = 0;
    SDL_GetWindowSize(w_.get(), &ww, &wh);
    zoom_ = std::max(1, std::min(ww / lw_, wh / lh_));
    ox_ = (ww - lw_ * zoom_) / 2, oy_ = (wh - lh_ * zoom_) / 2;
    complet_ = true;
}

void Fenetre::evenement(const SDL_WindowEvent& e) {
    if (e.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.event == SDL_WINDOWEVENT_RESIZED)
        mesure();
    else if (e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_RESTORED ||
             e.event == SDL_WINDOWEVENT_SHOWN)
        complet_ = true;
}

void Fenetre::vers_logique(int& x, int& y) const {
    auto div = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    x = div(x - ox_, zoom_);
    y = div(y - oy_, zoom_);
}

void Fenetre::cache() {
    SDL_HideWindow(w_.get());
}

bool Fenetre::montre() {
    if (montree_) return false;
    montree_ = true;
    SDL_ShowWindow(w_.get());
    // Going full screen as it shows, the window may get a new surface: the next frame is sent whole.
    complet_ = true;
    return true;
}

void Fenetre::presente(const Surface& ecran, const Rect& zone) {
    SDL_Surface* s = SDL_GetWindowSurface(w_.get());
    if (!s) return;
    const int W = ecran.largeur(), H = ecran.hauteur();
    Rect z{0, 0, W, H};
    if (complet_ || precedent_.largeur() != W || precedent_.hauteur() != H) {
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
        precedent_ = ecran;
    } else {
        // The rows and columns that changed since the last frame.
        const int zx0 = std::max(0, zone.x), zx1 = std::min(W, zone.x + zone.w);
        const int zy0 = std::max(0, zone.y), zy1 = std::min(H, zone.y + zone.h);
        if (zx0 >= zx1) return;
        const std::size_t n = sizeof(std::uint32_t) * static_cast<std::size_t>(zx1 - zx0);
        int y0 = H, y1 = -1, x0 = W, x1 = -1;
        for (int y = zy0; y < zy1; ++y) {
            const std::uint32_t *a = ecran.ligne(y), *b = precedent_.ligne(y);
            if (std::memcmp(a + zx0, b + zx0, n) == 0) continue;
            y0 = std::min(y0, y), y1 = y;
            int g = zx0, d = zx1 - 1;
            while (a[g] == b[g]) ++g;
            while (a[d] == b[d]) --d;
            x0 = std::min(x0, g), x1 = std::max(x1, d);
            std::memcpy(precedent_.ligne(y) + zx0, a + zx0, n);
        }
        if (y1 < 0) return;
        z = Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
    // Clip the scaled block to the window surface.
    const int bw = z.w * zoom_, bh = z.h * zoom_;
    int dx = ox_ + z.x * zoom_, dy = oy_ + z.y * zoom_, sx = 0, sy = 0, cw = bw, ch = bh;
    if (dx < 0) sx -= dx, cw += dx, dx = 0;
    if (dy < 0) sy -= dy, ch += dy, dy = 0;
    cw = std::min(cw, s->w - dx), ch = std::min(ch, s->h - dy);
    if (cw <= 0 || ch <= 0) return;
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    auto* dest = static_cast<std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(dy) * s->pitch +
                 dx * s->format->BytesPerPixel;
    // Window pixels are 32-bit XRGB nearly always: write them directly; anything else goes through SDL.
    const bool direct = s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u &&
                        s->format->Gmask == 0xFF00u && s->format->Bmask == 0xFFu;
    const std::size_t largeur_tampon = direct ? 0 : static_cast<std::size_t>(cw);
    if (!direct) tampon_.resize(largeur_tampon * ch);
    for (int j = 0; j < ch; ++j) {
        const std::uint32_t* src = ecran.ligne(z.y + (sy + j) / zoom_) + z.x;
        auto* d = direct ? reinterpret_cast<std::uint32_t*>(dest + static_cast<std::ptrdiff_t>(j) * s->pitch)
                         : tampon_.data() + largeur_tampon * j;
        if (j > 0 && (sy + j) % zoom_ != 0) {
            // The same source row as the line above: copy it.
            const auto* haut = direct ? reinterpret_cast<const std::uint32_t*>(
                                            dest + static_cast<std::ptrdiff_t>(j - 1) * s->pitch)
                                      : tampon_.data() + largeur_tampon * (j - 1);
            std::memcpy(d, haut, sizeof(std::uint32_t) * static_cast<std::size_t>(cw));
            continue;
        }
        if (zoom_ == 1) {
            std::memcpy(d, src + sx, sizeof(std::uint32_t) * static_cast<std::size_t>(cw));
        } else {
            for (int i = 0; i < cw; ++i) d[i] = src[(sx + i) / zoom_];
        }
    }
    if (!direct)
        SDL_ConvertPixels(cw, ch, SDL_PIXELFORMAT_RGB888, tampon_.data(), cw * 4, s->format->format, dest,
                          s->pitch);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    const SDL_Rect r{complet_ ? 0 : dx, complet_ ? 0 : dy, complet_ ? s->w : cw, complet_ ? s->h : ch};
    SDL_UpdateWindowSurfaceRects(w_.get(), &r, 1);
    complet_ = false;
}

} // namespace tlv
