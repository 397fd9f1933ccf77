#include "assets/png.h"

#include "assets/fichier.h"
#include "socle/png.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace tlv {

namespace {
unsigned char octet(float v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.f, 1.f) * 255.f));
}
} // namespace

void ecritpng(const std::string& chemin, const Image& img, bool alpha, int niveau) {
    const int canaux = alpha ? 4 : 3;
    const bool ecrit =
        ecrit_png(provisoire(chemin), img.w, img.h, alpha, niveau, [&](int y, unsigned char* p) {
            for (int x = 0; x < img.w; ++x, p += canaux) {
                const Couleur& c = img.at(x, y);
                if (alpha) {
                    p[0] = octet(c.r), p[1] = octet(c.g), p[2] = octet(c.b), p[3] = octet(c.a);
                } else {
                    p[0] = octet(c.r * c.a), p[1] = octet(c.g * c.a), p[2] = octet(c.b * c.a);
                }
            }
        });
    if (!ecrit) throw std::runtime_error("impossible d'écrire " + chemin);
    valide(chemin);
}

bool lispng(const std::string& chemin, Image& img) {
    LecturePng png(chemin, LecturePng::Pixels::argb);
    if (!png.ouverte()) return false;
    std::vector<std::uint32_t> mots(static_cast<size_t>(png.largeur()) * png.hauteur());
    if (!png.lit(mots.data(), png.largeur(), png.hauteur())) return false;
    img = Image(png.largeur(), png.hauteur());
    const auto canal = [](std::uint32_t m, int decalage) {
        return static_cast<float>((m >> decalage) & 255) / 255.f;
    };
    for (size_t i = 0; i < img.p.size(); ++i)
        img.p[i] = {canal(mots[i], 16), canal(mots[i], 8), canal(mots[i], 0), canal(mots[i], 24)};
    return true;
}

} // namespace tlv
