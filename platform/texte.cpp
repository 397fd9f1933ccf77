#include "texte.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>

namespace tlv {

Polices::Polices(std::string fichier) : fichier_(std::move(fichier)) {
    if (!TTF_WasInit()) TTF_Init();
}

Polices::~Polices() = default;

bool Polices::valide() const {
    return const_cast<Polices*>(this)->police(12) != nullptr;
}

TTF_Font* Polices::police(int points) {
    if (points < 1) points = 1;
    auto it = cache_.find(points);
    if (it != cache_.end()) return it->second.get();
    SDL_RWops* rw = ouvre_lecture(fichier_);
    PoliceTtf p(rw ? TTF_OpenFontDPIRW(rw, 1, points, 96, 96) : nullptr);
    if (p) TTF_SetFontHinting(p.get(), TTF_HINTING_LIGHT);
    return (cache_[points] = std::move(p)).get();
}

const Polices::Rendu* Polices::rendu(const std::string& utf8, int points) {
    auto cle = std::make_pair(points, utf8);
    if (auto it = rendus_.find(cle); it != rendus_.end()) {
        recents_.splice(recents_.begin(), recents_, it->second.age);
        return &it->second;
    }
    TTF_Font* p = police(points);
    if (!p) return nullptr;
    const SDL_Color blanc{255, 255, 255, 255};
    const SurfaceSdl brut(TTF_RenderUTF8_Blended(p, utf8.c_str(), blanc));
    if (!brut) return nullptr;
    // Blended text comes as ARGB8888 already: converted only where a library gives another format.
    SurfaceSdl converti;
    if (brut->format->format != SDL_PIXELFORMAT_ARGB8888) {
        converti.reset(SDL_ConvertSurfaceFormat(brut.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!converti) return nullptr;
    }
    SDL_Surface* const argb = converti ? converti.get() : brut.get();
    Rendu r;
    r.w = argb->w, r.h = argb->h;
    r.alpha.resize(static_cast<std::size_t>(r.w) * r.h);
    SDL_LockSurface(argb);
    for (int j = 0; j < r.h; ++j) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::ptrdiff_t>(j) * argb->pitch);
        for (int i = 0; i < r.w; ++i) r.alpha[static_cast<std::size_t>(j) * r.w + i] = src[i] >> 24;
    }
    SDL_UnlockSurface(argb);
    // The least recently printed go until the new one fits (it is kept even alone over the budget).
    while (!recents_.empty() && octets_rendus_ + r.alpha.size() > BudgetRendus) {
        const auto vieux = rendus_.find(recents_.back());
        octets_rendus_ -= vieux->second.alpha.size();
        rendus_.erase(vieux);
        recents_.pop_back();
    }
    octets_rendus_ += r.alpha.size();
    recents_.push_front(cle);
    r.age = recents_.begin();
    return &rendus_.emplace(std::move(cle), std::move(r)).first->second;
}

void Polices::imprime(Surface& s, int x, int y, const std::string& utf8, int points, std::uint32_t couleur) {
    if (utf8.empty()) return;
    // Drawn at the surface's own resolution: the font at k times the size, placed at k times the place.
    const int k = s.facteur();
    const Rendu* r = rendu(utf8, points * k);
    if (!r) return;
    const std::uint32_t cr = (couleur >> 16) & 255, cg = (couleur >> 8) & 255, cb = couleur & 255;
    const Rect& c = s.zone();
    const int cx0 = c.x * k, cx1 = (c.x + c.w) * k, cy0 = c.y * k, cy1 = (c.y + c.h) * k;
    const int px = x * k, py = y * k;
    // The clip is applied once per text, not per pixel.
    const int i0 = std::max(0, cx0 - px), i1 = std::min(r->w, cx1 - px);
    const int j0 = std::max(0, cy0 - py), j1 = std::min(r->h, cy1 - py);
    const std::uint32_t plein = (cr << 16) | (cg << 8) | cb;
    for (int j = j0; j < j1; ++j) {
        const std::uint8_t* src = r->alpha.data() + static_cast<std::size_t>(j) * r->w;
        std::uint32_t* d = s.ligne(py + j);
        for (int i = i0; i < i1; ++i) {
            const std::uint32_t a = src[i];
            if (a == 0) continue;
            std::uint32_t& o = d[px + i];
            if (a == 255) {
                o = plein;
                continue;
            }
            const std::uint32_t rr = (cr * a + ((o >> 16) & 255) * (255 - a)) / 255;
            const std::uint32_t g = (cg * a + ((o >> 8) & 255) * (255 - a)) / 255;
            const std::uint32_t b = (cb * a + (o & 255) * (255 - a)) / 255;
            o = (rr << 16) | (g << 8) | b;
        }
    }
    s.marque(Rect{x, y, (r->w + k - 1) / k, (r->h + k - 1) / k});
}

void Polices::imprime_releve(Surface& s, int x, int y, const std::string& utf8, int points,
                             std::uint32_t clair, std::uint32_t sombre) {
    imprime(s, x, y, utf8, points, clair);
    imprime(s, x + 1, y + 1, utf8, points, sombre);
}

int Polices::largeur(const std::string& utf8, int points) {
    auto cle = std::make_pair(points, utf8);
    if (auto it = largeurs_.find(cle); it != largeurs_.end()) return it->second;
    TTF_Font* p = police(points);
    int w = 0, h = 0;
    if (!p || utf8.empty() || TTF_SizeUTF8(p, utf8.c_str(), &w, &h) != 0) return 0;
    // A clock adds a text every second: the widths start afresh now and then.
    if (largeurs_.size() >= MaxLargeurs) largeurs_.clear();
    largeurs_.emplace(std::move(cle), w);
    return w;
}

int Polices::hauteur(int points) {
    TTF_Font* p = police(points);
    return p ? TTF_FontHeight(p) : 0;
}

std::string police_par_defaut() {
    const char* candidats[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
    for (const char* c : candidats)
        if (std::filesystem::exists(c)) return c;
    return candidats[0];
}

} // namespace tlv

namespace tlv {

std::string police_texte() {
    const char* c = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    return std::filesystem::exists(c) ? std::string(c) : police_par_defaut();
}

} // namespace tlv
