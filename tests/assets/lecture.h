// The generated pictures read through the game's own PNG codec, in RGBA, and the contrast of their colours.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "socle/png.h"

namespace tlv::essai {

inline std::string litfichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct Png {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba; // 4 bytes a pixel, alpha 255 when the file has none
    const uint8_t* px(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
    // 0x00RRGGBB, alpha left out, as the program's pictures hold it.
    uint32_t pixel(int x, int y) const {
        const uint8_t* p = px(x, y);
        return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    }
};

// False when the file is missing or not a PNG.
inline bool lispng(const std::string& chemin, Png& img) {
    LecturePng png(chemin, LecturePng::Pixels::argb);
    if (!png.ouverte()) return false;
    std::vector<uint32_t> mots(static_cast<size_t>(png.largeur()) * png.hauteur());
    if (!png.lit(mots.data(), png.largeur(), png.hauteur())) return false;
    img.w = png.largeur();
    img.h = png.hauteur();
    img.rgba.clear();
    for (const uint32_t m : mots)
        for (const int decalage : {16, 8, 0, 24}) img.rgba.push_back(static_cast<uint8_t>(m >> decalage));
    return true;
}

// A picture of the build's bin folder, read once; a test that asks for one that cannot be read fails.
inline const Png& image(const std::string& nom) {
    static std::map<std::string, Png> lues;
    const auto [i, neuve] = lues.try_emplace(nom);
    if (neuve && !lispng(nom, i->second)) {
        lues.erase(i);
        throw std::runtime_error(nom + " illisible");
    }
    return i->second;
}

// Relative luminance (WCAG) of an sRGB colour, and the contrast ratio of two luminances.
inline double luminance(double r, double g, double b) {
    auto lin = [](double c) {
        c /= 255;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
}
inline double contraste(double l1, double l2) {
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}
// Mean luminance of a picture over [x0, x1) x [y0, y1).
inline double luminance(const Png& img, int x0, int y0, int x1, int y1) {
    double s = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) s += luminance(img.px(x, y)[0], img.px(x, y)[1], img.px(x, y)[2]);
    return s / ((x1 - x0) * (y1 - y0));
}

} // namespace tlv::essai
