#include "png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace tlv {

struct LecturePng::Etat {
    std::FILE* f = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    int w = 0, h = 0, lues = 0, passes = 1;
    bool alpha = false, abime = false, sur_noir = true;
    ~Etat() {
        if (png) png_destroy_read_struct(&png, &info, nullptr);
        if (f) std::fclose(f);
    }
};

void sur_noir(std::uint32_t* l, int n) {
    for (int x = 0; x < n; ++x) {
        const std::uint32_t p = l[x], a = p >> 24;
        if (a == 255) {
            l[x] = p & 0xFFFFFFu;
        } else {
            const std::uint32_t r = ((p >> 16) & 255) * a / 255, g = ((p >> 8) & 255) * a / 255,
                                b = (p & 255) * a / 255;
            l[x] = (r << 16) | (g << 8) | b;
        }
    }
}

namespace {

constexpr png_uint_32 TailleMax = 1u << 15;

// libpng reports errors by jumping back to the setjmp: the functions calling it keep no local that owns
// anything, and every resource lives in Etat.
bool entete(LecturePng::Etat& e) {
    if (setjmp(png_jmpbuf(e.png))) return false;
    png_init_io(e.png, e.f);
    png_read_info(e.png, e.info);
    png_uint_32 w = 0, h = 0;
    int profondeur = 0, type = 0, entrelace = 0;
    png_get_IHDR(e.png, e.info, &w, &h, &profondeur, &type, &entrelace, nullptr, nullptr);
    if (w == 0 || h == 0 || w > TailleMax || h > TailleMax) return false;
    // Every kind of PNG ends as blue, green, red and alpha bytes: one little-endian 0xAARRGGBB word.
    png_set_strip_16(e.png);
    png_set_packing(e.png);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(e.png);
    if (type == PNG_COLOR_TYPE_GRAY && profondeur < 8) png_set_expand_gray_1_2_4_to_8(e.png);
    if (png_get_valid(e.png, e.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(e.png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(e.png);
    png_set_bgr(e.png);
    // No alpha: over black the fourth byte is 0, so that the words need no touching after.
    png_set_filler(e.png, e.sur_noir ? 0 : 255, PNG_FILLER_AFTER);
    e.passes = png_set_interlace_handling(e.png);
    png_read_update_info(e.png, e.info);
    if (png_get_rowbytes(e.png, e.info) != static_cast<png_size_t>(w) * 4) return false;
    e.alpha = (png_get_color_type(e.png, e.info) & PNG_COLOR_MASK_ALPHA) != 0;
    e.w = static_cast<int>(w);
    e.h = static_cast<int>(h);
    return true;
}

bool lignes(LecturePng::Etat& e, std::uint32_t* pixels, std::ptrdiff_t pas, int fin) {
    if (setjmp(png_jmpbuf(e.png))) return false;
    const bool noircit = e.alpha && e.sur_noir;
    if (e.passes > 1) {
        // Interlaced: every pass fills in the rows, so the whole picture comes at once.
        for (int p = 0; p < e.passes; ++p)
            for (int y = 0; y < e.h; ++y)
                png_read_row(e.png, reinterpret_cast<png_bytep>(pixels + y * pas), nullptr);
        if (noircit)
            for (int y = 0; y < e.h; ++y) sur_noir(pixels + y * pas, e.w);
        e.lues = e.h;
    }
    for (; e.lues < fin; ++e.lues) {
        png_read_row(e.png, reinterpret_cast<png_bytep>(pixels + e.lues * pas), nullptr);
        if (noircit) sur_noir(pixels + e.lues * pas, e.w);
    }
    // A file cut short after its last row is as damaged as one cut in the middle.
    if (e.lues == e.h) png_read_end(e.png, nullptr);
    return true;
}

} // namespace

LecturePng::LecturePng(const std::string& chemin, Pixels pixels) : e_(std::make_unique<Etat>()) {
    Etat& e = *e_;
    e.sur_noir = pixels == Pixels::sur_noir;
    // Close-on-exec: a program we start must not inherit the file.
    e.f = std::fopen(chemin.c_str(), "rbe");
    png_byte signature[8];
    if (!e.f || std::fread(signature, 1, 8, e.f) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        e_.reset();
        return;
    }
    png_ = true;
    // Silent: a damaged file is a result, not a message.
    e.png = png_create_read_struct(
        PNG_LIBPNG_VER_STRING, nullptr, [](png_structp p, png_const_charp) { png_longjmp(p, 1); },
        [](png_structp, png_const_charp) {});
    if (e.png) e.info = png_create_info_struct(e.png);
    if (!e.info) {
        e_.reset();
        return;
    }
    png_set_sig_bytes(e.png, 8);
    if (!entete(e)) e_.reset();
}

LecturePng::~LecturePng() = default;

bool LecturePng::ouverte() const {
    return e_ != nullptr;
}

int LecturePng::largeur() const {
    return e_ ? e_->w : 0;
}

int LecturePng::hauteur() const {
    return e_ ? e_->h : 0;
}

bool LecturePng::par_lignes() const {
    return e_ && e_->passes == 1;
}

int LecturePng::lues() const {
    return e_ ? e_->lues : 0;
}

bool LecturePng::lit(std::uint32_t* pixels, std::ptrdiff_t pas, int fin) {
    if (!e_ || e_->abime) return false;
    if (fin > e_->h) fin = e_->h;
    if (e_->lues >= fin) return true;
    if (!lignes(*e_, pixels, pas, fin)) e_->abime = true;
    return !e_->abime;
}

namespace {

struct Ecriture {
    std::FILE* f = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~Ecriture() {
        if (png) png_destroy_write_struct(&png, &info);
        if (f) std::fclose(f);
    }
};

// As the reader: nothing that owns a resource between the setjmp and libpng's calls.
bool ecrit_rangees(Ecriture& e, int w, int h, bool alpha, int niveau, unsigned char* ligne,
                   const std::function<void(int, unsigned char*)>& rangee) {
    if (setjmp(png_jmpbuf(e.png))) return false;
    png_init_io(e.png, e.f);
    png_set_compression_level(e.png, niveau);
    png_set_IHDR(e.png, e.info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(e.png, e.info);
    for (int y = 0; y < h; ++y) {
        rangee(y, ligne);
        png_write_row(e.png, ligne);
    }
    png_write_end(e.png, nullptr);
    return true;
}

} // namespace

bool ecrit_png(const std::string& chemin, int w, int h, bool alpha, int niveau,
               const std::function<void(int, unsigned char*)>& rangee) {
    if (w <= 0 || h <= 0) return false;
    Ecriture e;
    e.f = std::fopen(chemin.c_str(), "wbe");
    if (!e.f) return false;
    e.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (e.png) e.info = png_create_info_struct(e.png);
    if (!e.info) return false;
    std::vector<unsigned char> ligne(static_cast<std::size_t>(w) * (alpha ? 4 : 3));
    if (!ecrit_rangees(e, w, h, alpha, niveau, ligne.data(), rangee)) return false;
    png_destroy_write_struct(&e.png, &e.info);
    const int ferme = std::fclose(e.f);
    e.f = nullptr;
    return ferme == 0;
}

} // namespace tlv
