#include "fenetre.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace tlv {

Rect vue(const Echelle& e) {
    // The screen is the play area, or (whole-number zoom) the area with the surround around it.
    if (e.lw == 640 && e.lh == 480) return e.aire;
    const int z = std::max(1, e.aire.w / 640);
    return Rect{e.aire.x - e.decalagex * z, e.aire.y - e.decalagey * z, e.lw * z, e.lh * z};
}

Rect place_fenetre(int w, int h, const Rect& utile, const Bords& b) {
    if (w <= 0 || h <= 0) return Rect{};
    // The room inside the frame; a pixel at least, however odd the display.
    const int lw = std::max(1, utile.w - b.gauche - b.droite), lh = std::max(1, utile.h - b.haut - b.bas);
    const double s = std::min({1.0, static_cast<double>(lw) / w, static_cast<double>(lh) / h});
    const int fw = std::clamp(static_cast<int>(std::lround(w * s)), 1, lw);
    const int fh = std::clamp(static_cast<int>(std::lround(h * s)), 1, lh);
    return Rect{utile.x + b.gauche + (lw - fw) / 2, utile.y + b.haut + (lh - fh) / 2, fw, fh};
}

Surface image_affichee(const Surface& ecran, const Echelle& e, int W, int H) {
    Surface s(W, H, 0, 1);
    const Rect v = vue(e);
    Reechantillonneur r;
    r.prepare(ecran.largeur_px(), ecran.hauteur_px(), v.w, v.h);
    // Only the part of the view inside the picture.
    const int x0 = std::max(0, v.x), x1 = std::min(W, v.x + v.w);
    const int y0 = std::max(0, v.y), y1 = std::min(H, v.y + v.h);
    if (x0 < x1 && y0 < y1) r.calcule(ecran, Rect{x0 - v.x, y0 - v.y, x1 - x0, y1 - y0}, s.ligne(y0) + x0, W);
    return s;
}

Fenetre::Fenetre(const OptionsFenetre& o) : o_(o) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0) mode.w = 640, mode.h = 480;
    const bool impose = o.largeur > 0 && o.hauteur > 0;
    const int W = impose ? o.largeur : mode.w, H = impose ? o.hauteur : mode.h;
    int fw, fh;
    // Shown once its first frame is drawn: never an empty window.
    Uint32 drapeaux = SDL_WINDOW_HIDDEN;
    if (o.fenetre) {
        // A window at the largest whole multiple that fits comfortably; then any size, the area following.
        const int z = std::max(1, std::min((W - 64) / 640, (H - 96) / 480));
        depart_ = echelle_reelle(640 * z, 480 * z, std::min(z, 4));
        fw = 640 * z, fh = 480 * z;
        drapeaux |= SDL_WINDOW_RESIZABLE;
    } else {
        depart_ = o.zoom_entier ? echelle_entiere(W, H) : echelle_reelle(W, H);
        fw = W, fh = H;
        // A size given on the command line is a window of that size laid out as a full screen would be.
        if (!impose) drapeaux |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    e_ = depart_;
    w_.reset(
        SDL_CreateWindow("Tolva'nexes", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, fw, fh, drapeaux));
    if (!w_) throw std::runtime_error(SDL_GetError());
    mesure();
}

Fenetre::~Fenetre() = default;

void Fenetre::mesure() {
    int ww = 0, wh = 0;
    SDL_GetWindowSize(w_.get(), &ww, &wh);
    complet_ = true;
    if (ww <= 0 || wh <= 0) return;
    if (depart_.lw == 640 && depart_.lh == 480 && !o_.zoom_entier) {
        // The area follows the window at the run's factor, even below its own size.
        e_ = echelle_reelle(ww, wh, depart_.k);
    } else {
        // The screen's size is fixed: it keeps its zoom and is centred in what the window now is.
        e_ = depart_;
        const Rect v = vue(depart_);
        const int dx = (ww - v.w) / 2 - v.x, dy = (wh - v.h) / 2 - v.y;
        e_.aire.x += dx, e_.aire.y += dy;
    }
}

void Fenetre::evenement(const SDL_WindowEvent& e) {
    if (e.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.event == SDL_WINDOWEVENT_RESIZED)
        mesure();
    else if (e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_RESTORED ||
             e.event == SDL_WINDOWEVENT_SHOWN)
        renvoi_ = true; // the window's pixels are still ours: they are sent again, not recomputed
}

void Fenetre::renvoie() {
    if (renvoi_ && !complet_) SDL_UpdateWindowSurface(w_.get());
    renvoi_ = false;
}

bool Fenetre::meme_ecran(const Surface& ecran) const {
    return envoye_l_ == ecran.largeur_px() && envoye_h_ == ecran.hauteur_px();
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
    envoie(ecran, std::vector<Rect>{zone}, nullptr);
}

void Fenetre::presente(const Surface& ecran, const std::vector<Rect>& zones) {
    envoie(ecran, zones, nullptr);
}

void Fenetre::presente_gardee(const Surface& ecran, const Rect& zone, std::uint64_t cle) {
    envoie(ecran, std::vector<Rect>{zone}, &cle);
}

bool Fenetre::renvoie_gardee(const Rect& zone, std::uint64_t cle) {
    if (complet_ || !montree_) return false;
    SDL_Surface* s = SDL_GetWindowSurface(w_.get());
    if (!s) return false;
    const Rect d = gardees_.remet(cle, zone, *s);
    if (d.vide()) return false;
    const SDL_Rect r{d.x, d.y, d.w, d.h};
    SDL_UpdateWindowSurfaceRects(w_.get(), &r, 1);
    ++envois_.reprises;
    ++envois_.rectangles;
    return true;
}

Rect Fenetre::calcule(SDL_Surface* s, const Surface& ecran, const Rect& z) {
    const Rect v = vue(e_);
    // The display pixels these stored pixels reach, clipped to the window surface.
    Rect d = r_.couvre(z);
    d.x += v.x, d.y += v.y;
    const int dx0 = std::max(0, d.x), dy0 = std::max(0, d.y);
    const int dx1 = std::min(s->w, d.x + d.w), dy1 = std::min(s->h, d.y + d.h);
    if (dx0 >= dx1 || dy0 >= dy1) return Rect{};
    const int cw = dx1 - dx0, ch = dy1 - dy0;
    auto* dest = static_cast<std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(dy0) * s->pitch +
                 dx0 * s->format->BytesPerPixel;
    const Rect rel{dx0 - v.x, dy0 - v.y, cw, ch};
    // Window pixels are 32-bit XRGB nearly always: write them directly; anything else goes through SDL.
    const bool direct = s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u &&
                        s->format->Gmask == 0xFF00u && s->format->Bmask == 0xFFu && s->pitch % 4 == 0;
    if (direct) {
        r_.calcule(ecran, rel, reinterpret_cast<std::uint32_t*>(dest), s->pitch / 4);
    } else {
        tampon_.resize(static_cast<std::size_t>(cw) * ch);
        r_.calcule(ecran, rel, tampon_.data(), cw);
        SDL_ConvertPixels(cw, ch, SDL_PIXELFORMAT_RGB888, tampon_.data(), cw * 4, s->format->format, dest,
                          s->pitch);
    }
    envois_.calcules += static_cast<long long>(cw) * ch;
    return Rect{dx0, dy0, cw, ch};
}

void Fenetre::envoie(const Surface& ecran, const std::vector<Rect>& zones, const std::uint64_t* cle) {
    SDL_Surface* s = SDL_GetWindowSurface(w_.get());
    if (!s) return;
    const int k = ecran.facteur();
    const int W = ecran.largeur_px(), H = ecran.hauteur_px();
    // The stored pixels to send: what the screen recomposed (the forms' own changes), or everything.
    std::vector<Rect> stockees;
    const bool tout = complet_ || !meme_ecran(ecran);
    if (tout) {
        // The dark surround: the four bands around the view.
        const Rect v = vue(e_);
        const Uint32 noir = SDL_MapRGB(s->format, 0, 0, 0);
        const SDL_Rect bandes[4] = {{0, 0, s->w, std::max(0, v.y)},
                                    {0, v.y + v.h, s->w, std::max(0, s->h - v.y - v.h)},
                                    {0, v.y, std::max(0, v.x), v.h},
                                    {v.x + v.w, v.y, std::max(0, s->w - v.x - v.w), v.h}};
        prepare_pages(s->pixels, static_cast<std::size_t>(s->h) * s->pitch);
        SDL_FillRects(s, bandes, 4, noir);
        envoye_l_ = W, envoye_h_ = H;
        stockees.push_back(Rect{0, 0, W, H});
        gardees_.oublie();
    } else {
        for (const Rect& zone : zones) {
            const int x0 = std::max(0, zone.x * k), x1 = std::min(W, (zone.x + zone.w) * k);
            const int y0 = std::max(0, zone.y * k), y1 = std::min(H, (zone.y + zone.h) * k);
            if (x0 < x1 && y0 < y1) stockees.push_back(Rect{x0, y0, x1 - x0, y1 - y0});
        }
        if (stockees.empty()) return;
    }
    const Rect v = vue(e_);
    r_.prepare(W, H, v.w, v.h);
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    std::vector<SDL_Rect> envoyes;
    for (const Rect& z : stockees) {
        const Rect d = calcule(s, ecran, z);
        if (d.vide()) continue;
        envoyes.push_back(SDL_Rect{d.x, d.y, d.w, d.h});
        // Kept frames that these pixels overlap no longer show what is around them.
        if (!cle) gardees_.touche(d);
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    if (cle && !tout && envoyes.size() == 1) {
        const SDL_Rect& e = envoyes.front();
        gardees_.garde(*cle, zones.front(), *s, Rect{e.x, e.y, e.w, e.h});
    }
    if (tout) envoyes.assign(1, SDL_Rect{0, 0, s->w, s->h});
    if (envoyes.empty()) return;
    SDL_UpdateWindowSurfaceRects(w_.get(), envoyes.data(), static_cast<int>(envoyes.size()));
    envois_.rectangles += static_cast<int>(envoyes.size());
    complet_ = renvoi_ = false;
}

namespace {

// Row y of the window's pixels as 0xRRGGBB.
void lit_ligne(const SDL_Surface& s, int y, std::uint32_t* sortie) {
    const auto* p = static_cast<const std::uint8_t*>(s.pixels) + static_cast<std::ptrdiff_t>(y) * s.pitch;
    const SDL_PixelFormat& f = *s.format;
    if (f.BytesPerPixel == 4 && f.Rmask == 0xFF0000u && f.Gmask == 0xFF00u && f.Bmask == 0xFFu) {
        std::memcpy(sortie, p, static_cast<std::size_t>(s.w) * 4);
        for (int x = 0; x < s.w; ++x) sortie[x] &= 0xFFFFFFu;
        return;
    }
    for (int x = 0; x < s.w; ++x, p += f.BytesPerPixel) {
        Uint32 v = 0;
        std::memcpy(&v, p, std::min<int>(4, f.BytesPerPixel));
        Uint8 r, g, b;
        SDL_GetRGB(v, &f, &r, &g, &b);
        sortie[x] = rgb(r, g, b);
    }
}

} // namespace

std::optional<Ecart> Fenetre::ecart(const Surface& ecran) {
    SDL_Surface* s = SDL_GetWindowSurface(w_.get());
    if (!s || !montree_ || complet_ || !meme_ecran(ecran)) return std::nullopt;
    const Rect v = vue(e_);
    const int W = ecran.largeur_px(), H = ecran.hauteur_px();
    // The expected window is kept from one call to the next: only what the screen changed since is
    // resampled again (resampling it all for every frame would cost as much as the frames).
    Rect change{0, 0, W, H};
    if (attendu_.size() != static_cast<std::size_t>(s->w) * s->h || vu_.largeur_px() != W ||
        vu_.hauteur_px() != H || vue_attendue_.x != v.x || vue_attendue_.y != v.y || vue_attendue_.w != v.w ||
        vue_attendue_.h != v.h) {
        attendu_.assign(static_cast<std::size_t>(s->w) * s->h, 0);
        vu_ = Surface(ecran.largeur(), ecran.hauteur(), 0, ecran.facteur());
        vue_attendue_ = v;
    } else {
        int x0 = W, x1 = 0, y0 = H, y1 = 0;
        for (int y = 0; y < H; ++y) {
            const std::uint32_t* n = ecran.ligne(y);
            const std::uint32_t* p = vu_.ligne(y);
            if (std::memcmp(n, p, static_cast<std::size_t>(W) * 4) == 0) continue;
            int a = 0, b = W;
            while (n[a] == p[a]) ++a;
            while (n[b - 1] == p[b - 1]) --b;
            x0 = std::min(x0, a), x1 = std::max(x1, b), y0 = std::min(y0, y), y1 = y + 1;
        }
        change = x0 < x1 ? Rect{x0, y0, x1 - x0, y1 - y0} : Rect{};
    }
    if (!change.vide()) {
        for (int y = change.y; y < change.y + change.h; ++y)
            std::memcpy(vu_.ligne(y) + change.x, ecran.ligne(y) + change.x,
                        static_cast<std::size_t>(change.w) * 4);
        r_verifie_.prepare(W, H, v.w, v.h);
        Rect d = r_verifie_.couvre(change);
        d.x += v.x, d.y += v.y;
        const int x0 = std::max(0, d.x), x1 = std::min(s->w, d.x + d.w);
        const int y0 = std::max(0, d.y), y1 = std::min(s->h, d.y + d.h);
        if (x0 < x1 && y0 < y1)
            r_verifie_.calcule(ecran, Rect{x0 - v.x, y0 - v.y, x1 - x0, y1 - y0},
                               attendu_.data() + static_cast<std::ptrdiff_t>(y0) * s->w + x0, s->w);
    }
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    std::optional<Ecart> e;
    std::vector<std::uint32_t> vu(static_cast<std::size_t>(s->w));
    const bool direct = s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000u &&
                        s->format->Gmask == 0xFF00u && s->format->Bmask == 0xFFu;
    for (int y = 0; y < s->h && !e; ++y) {
        const std::uint32_t* a = attendu_.data() + static_cast<std::ptrdiff_t>(y) * s->w;
        const void* l =
            static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
        if (direct && std::memcmp(l, a, static_cast<std::size_t>(s->w) * 4) == 0) continue;
        lit_ligne(*s, y, vu.data());
        for (int x = 0; x < s->w; ++x)
            if (vu[x] != (a[x] & 0xFFFFFFu)) {
                e = Ecart{x, y, vu[x], a[x] & 0xFFFFFFu};
                break;
            }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return e;
}

Surface Fenetre::pixels() const {
    SDL_Surface* s = SDL_GetWindowSurface(w_.get());
    if (!s || !montree_) return Surface();
    Surface r(s->w, s->h, 0, 1);
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) lit_ligne(*s, y, r.ligne(y));
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return r;
}

} // namespace tlv
