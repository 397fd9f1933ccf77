#include "tests/assets/lecture.h"

#include "socle/png.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace tlv::essai {

std::string litfichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool lispng(const std::string& chemin, Png& img) {
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

namespace {
uint32_t u32(const std::string& s, size_t i) {
    return static_cast<uint8_t>(s[i]) | static_cast<uint8_t>(s[i + 1]) << 8 |
           static_cast<uint8_t>(s[i + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(s[i + 3])) << 24;
}
uint16_t u16(const std::string& s, size_t i) {
    return static_cast<uint16_t>(static_cast<uint8_t>(s[i]) | static_cast<uint8_t>(s[i + 1]) << 8);
}
} // namespace

bool liswav(const std::string& chemin, Wav& son) {
    std::string s = litfichier(chemin);
    if (s.size() < 44 || s.compare(0, 4, "RIFF") || s.compare(8, 4, "WAVE")) return false;
    size_t i = 12;
    bool fmt = false;
    while (i + 8 <= s.size()) {
        std::string id = s.substr(i, 4);
        uint32_t n = u32(s, i + 4);
        if (i + 8 + n > s.size()) return false;
        if (id == "fmt ") {
            if (u16(s, i + 8) != 1) return false; // PCM only
            son.canaux = u16(s, i + 10);
            son.frequence = static_cast<int>(u32(s, i + 12));
            son.bits = u16(s, i + 22);
            fmt = true;
        } else if (id == "data" && fmt) {
            son.echantillons.resize(n / 2);
            std::memcpy(son.echantillons.data(), s.data() + i + 8, n / 2 * 2);
            return son.bits == 16;
        }
        i += 8 + n + (n & 1);
    }
    return false;
}

void son_propre(const Wav& s, double duree_min, double duree_max, const std::string& nom) {
    SCOPED_TRACE(nom);
    EXPECT_TRUE(s.frequence == 22050 || s.frequence == 44100);
    const double duree = static_cast<double>(s.trames()) / s.frequence;
    EXPECT_GT(duree, duree_min);
    EXPECT_LT(duree, duree_max);
    for (int c = 0; c < s.canaux; ++c) {
        EXPECT_LT(std::abs(s.echantillons[static_cast<size_t>(c)]), 300);
        EXPECT_LT(std::abs(s.echantillons[s.echantillons.size() - static_cast<size_t>(s.canaux - c)]), 300);
    }
    double somme = 0;
    size_t n = 0;
    for (int16_t v : s.echantillons)
        if (std::abs(v) > 327) somme += static_cast<double>(v) * v, ++n;
    const double rms = std::sqrt(somme / static_cast<double>(std::max<size_t>(1, n))) / 32767;
    EXPECT_GT(rms, 0.1);
    EXPECT_LT(rms, 0.22);
}

bool lisogg(const std::string& chemin, Ogg& son) {
    OggVorbis_File vf;
    if (ov_fopen(chemin.c_str(), &vf) != 0) return false;
    vorbis_info* vi = ov_info(&vf, -1);
    son.canaux = vi->channels;
    son.frequence = static_cast<int>(vi->rate);
    float** pcm;
    int section;
    long n;
    while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0)
        son.gauche.insert(son.gauche.end(), pcm[0], pcm[0] + n);
    ov_clear(&vf);
    return n == 0;
}

double luminance(double r, double g, double b) {
    auto lin = [](double c) {
        c /= 255;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
}

double luminance(const Png& img, int x0, int y0, int x1, int y1) {
    double s = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) s += luminance(img.px(x, y)[0], img.px(x, y)[1], img.px(x, y)[2]);
    return s / ((x1 - x0) * (y1 - y0));
}

double contraste(double l1, double l2) {
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

} // namespace tlv::essai
