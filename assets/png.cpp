#include "assets/png.h"

#include "assets/fichier.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tlv {

namespace {
unsigned char octet(float v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.f, 1.f) * 255.f));
}
} // namespace

void ecritpng(const std::string& chemin, const Image& img, bool alpha, int niveau) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(provisoire(chemin).c_str(), "wb"), std::fclose);
    if (!f) throw std::runtime_error("impossible d'écrire " + chemin);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) throw std::runtime_error("libpng: mémoire");
    int canaux = alpha ? 4 : 3;
    std::vector<unsigned char> ligne(static_cast<size_t>(img.w) * canaux);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng: échec d'écriture de " + chemin);
    }
    png_init_io(png, f.get());
    png_set_compression_level(png, niveau);
    png_set_IHDR(png, info, img.w, img.h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            const Couleur& c = img.at(x, y);
            unsigned char* p = &ligne[static_cast<size_t>(x) * canaux];
            if (alpha) {
                p[0] = octet(c.r), p[1] = octet(c.g), p[2] = octet(c.b), p[3] = octet(c.a);
            } else {
                p[0] = octet(c.r * c.a), p[1] = octet(c.g * c.a), p[2] = octet(c.b * c.a);
            }
        }
        png_write_row(png, ligne.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f.release()) != 0) throw std::runtime_error("impossible d'écrire " + chemin);
    valide(chemin);
}

bool lispng(const std::string& chemin, Image& img) {
    png_image im;
    std::memset(&im, 0, sizeof im);
    im.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&im, chemin.c_str())) return false;
    im.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> octets(PNG_IMAGE_SIZE(im));
    bool ok = png_image_finish_read(&im, nullptr, octets.data(), 0, nullptr) != 0;
    if (ok) {
        img = Image(static_cast<int>(im.width), static_cast<int>(im.height));
        for (size_t i = 0; i < img.p.size(); ++i)
            img.p[i] = {octets[i * 4] / 255.f, octets[i * 4 + 1] / 255.f, octets[i * 4 + 2] / 255.f,
                        octets[i * 4 + 3] / 255.f};
    }
    png_image_free(&im);
    return ok;
}

} // namespace tlv
