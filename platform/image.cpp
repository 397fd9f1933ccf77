#include "image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>

#include "ressources_sdl.h"
#include "socle/png.h"

namespace tlv {

namespace {

// Any other format, through SDL_image.
std::optional<Surface> lit_sdl(const std::string& chemin, int k) {
    SDL_RWops* rw = ouvre_lecture(chemin);
    SurfaceSdl brute(rw ? IMG_Load_RW(rw, 1) : nullptr);
    if (!brute) return std::nullopt;
    SurfaceSdl argb(SDL_ConvertSurfaceFormat(brute.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || argb->w % k != 0 || argb->h % k != 0) return std::nullopt;
    brute.reset();
    Surface s = Surface::a_remplir(argb->w / k, argb->h / k, k);
    SDL_LockSurface(argb.get());
    for (int y = 0; y < argb->h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + static_cast<std::ptrdiff_t>(y) * argb->pitch);
        std::copy_n(src, argb->w, s.ligne(y));
        sur_noir(s.ligne(y), argb->w);
    }
    SDL_UnlockSurface(argb.get());
    return s;
}

// Decodes rows up to `fin` into the stored rows of `s`, whose stored size must be the file's.
bool lit_dans(LecturePng& png, Surface& s, int fin) {
    if (s.largeur_px() != png.largeur() || s.hauteur_px() != png.hauteur()) return false;
    return png.lit(s.ligne(0), s.largeur_px(), fin);
}

// The file as it is: one stored pixel per pixel of the file, at factor k (the size divided by k). With a
// size given, a PNG of another size is refused before anything is decoded.
std::optional<Surface> lit(const std::string& chemin, int k, int w = 0, int h = 0) {
    {
        LecturePng png(chemin);
        if (png.ouverte()) {
            if (png.largeur() % k != 0 || png.hauteur() % k != 0) return std::nullopt;
            if (w > 0 && (png.largeur() != w * k || png.hauteur() != h * k)) return std::nullopt;
            Surface s = Surface::a_remplir(png.largeur() / k, png.hauteur() / k, k);
            if (lit_dans(png, s, png.hauteur())) return s;
        }
        // A damaged PNG: SDL_image, reading it with the same library, would find it damaged too.
        if (png.png()) return std::nullopt;
    }
    auto s = lit_sdl(chemin, k);
    if (s && w > 0 && (s->largeur() != w || s->hauteur() != h)) return std::nullopt;
    return s;
}

std::string variante(const std::string& chemin, int k) {
    return chemin + "." + std::to_string(k) + "x";
}

// The picture's size from its header when it is a PNG; other formats are decoded for it.
bool taille(const std::string& chemin, int& w, int& h, std::optional<Surface>& decodee) {
    LecturePng png(chemin);
    if (png.ouverte()) {
        w = png.largeur(), h = png.hauteur();
        return true;
    }
    decodee = lit_sdl(chemin, 1);
    if (!decodee) return false;
    w = decodee->largeur(), h = decodee->hauteur();
    return true;
}

// Each pixel made a k x k block: one row widened, then copied k times.
void agrandit(const Surface& base, Surface& s, int y0) {
    const int k = s.facteur(), w = base.largeur();
    for (int y = y0; y < base.hauteur(); ++y) {
        const std::uint32_t* src = base.ligne(y);
        std::uint32_t* d = s.ligne(y * k);
        for (int x = 0; x < w; ++x) std::fill_n(d + x * k, k, src[x]);
        for (int j = 1; j < k; ++j) std::copy_n(d, w * k, s.ligne(y * k + j));
    }
}

} // namespace

std::optional<Surface> charge_image(const std::string& chemin, int facteur) {
    const int k = std::clamp(facteur, 1, 4);
    if (k == 1) return lit(chemin, 1);
    int w = 0, h = 0;
    std::optional<Surface> base;
    if (!taille(chemin, w, h, base)) return std::nullopt;
    // A finer variant counts only when it is the same picture's size exactly k times.
    if (auto fine = lit(variante(chemin, k), k, w, h)) return fine;
    if (!base) base = lit(chemin, 1);
    if (!base) return std::nullopt;
    Surface s = Surface::a_remplir(base->largeur(), base->hauteur(), k);
    agrandit(*base, s, 0);
    return s;
}

ImageProgressive::ImageProgressive() = default;
ImageProgressive::~ImageProgressive() = default;
ImageProgressive::ImageProgressive(ImageProgressive&&) noexcept = default;
ImageProgressive& ImageProgressive::operator=(ImageProgressive&&) noexcept = default;

bool ImageProgressive::ouvre(const std::string& chemin, int facteur) {
    ferme();
    const int k = std::clamp(facteur, 1, 4);
    if (k > 1) {
        int w = 0, h = 0;
        std::optional<Surface> base;
        if (!taille(chemin, w, h, base)) return false;
        auto l = std::make_unique<LecturePng>(variante(chemin, k));
        if (l->ouverte() && l->par_lignes() && l->largeur() == w * k && l->hauteur() == h * k) {
            chemin_ = chemin;
            lecture_ = std::move(l);
            s_ = Surface::a_remplir(w, h, k);
            return true;
        }
    }
    // Nothing to gain: read at once.
    auto s = charge_image(chemin, k);
    if (!s) return false;
    s_ = std::move(*s);
    pretes_ = s_.hauteur();
    return true;
}

void ImageProgressive::ferme() {
    lecture_.reset();
    s_ = Surface();
    pretes_ = 0;
    chemin_.clear();
}

void ImageProgressive::prepare(int fin) {
    fin = std::min(fin, s_.hauteur());
    if (fin <= pretes_ || !lecture_) return;
    const int k = s_.facteur();
    if (lit_dans(*lecture_, s_, fin * k)) {
        pretes_ = fin;
    } else {
        // Damaged on the way: the whole picture becomes the enlarged one, as if it had been seen at once.
        if (auto base = lit(chemin_, 1);
            base && base->largeur() == s_.largeur() && base->hauteur() == s_.hauteur())
            agrandit(*base, s_, 0);
        else
            fill(s_, 0, 0, s_.largeur(), s_.hauteur(), 0);
        pretes_ = s_.hauteur();
    }
    if (pretes_ == s_.hauteur()) lecture_.reset();
}

bool sauve_png(const Surface& s, const Rect& zone, const std::string& chemin) {
    if (zone.w <= 0 || zone.h <= 0) return false;
    return ecrit_png(chemin, zone.w, zone.h, false, -1, [&](int y, unsigned char* octets) {
        for (int x = 0; x < zone.w; ++x, octets += 3) {
            const std::uint32_t p = s.pixel(zone.x + x, zone.y + y);
            octets[0] = static_cast<unsigned char>(p >> 16), octets[1] = static_cast<unsigned char>(p >> 8);
            octets[2] = static_cast<unsigned char>(p);
        }
    });
}

bool sauve_png(const Surface& s, const std::string& chemin) {
    return sauve_png(s, Rect{0, 0, s.largeur(), s.hauteur()}, chemin);
}

} // namespace tlv
