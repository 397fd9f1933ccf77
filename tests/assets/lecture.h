// Readers for the generated files, used by the tests only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tlv::essai {

std::string litfichier(const std::string& chemin);

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
// Reads a PNG through libpng; false when the file is missing or not a PNG.
bool lispng(const std::string& chemin, Png& img);

struct Wav {
    int canaux = 0, frequence = 0, bits = 0;
    std::vector<int16_t> echantillons; // interleaved
    size_t trames() const { return canaux ? echantillons.size() / canaux : 0; }
};
// Reads a 16-bit PCM WAV; false when the header is not one.
bool liswav(const std::string& chemin, Wav& son);
// Checks (as test expectations) a sound the game plays: its rate and length, starting and ending at silence
// (no click), the sounding part at the level every effect and voice shares.
void son_propre(const Wav& s, double duree_min, double duree_max, const std::string& nom);

struct Ogg {
    int canaux = 0, frequence = 0;
    std::vector<float> gauche; // first channel, decoded
};
// Decodes an Ogg Vorbis file with vorbisfile; false on failure.
bool lisogg(const std::string& chemin, Ogg& son);

// Relative luminance (WCAG) of an sRGB colour, and the contrast ratio of two luminances.
double luminance(double r, double g, double b);
double contraste(double l1, double l2);
// Mean luminance of a picture over [x0, x1) x [y0, y1).
double luminance(const Png& img, int x0, int y0, int x1, int y1);

} // namespace tlv::essai
