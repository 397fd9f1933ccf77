#include "curseurs.h"

#include <algorithm>
#include <string_view>

namespace tlv {

namespace {

// One letter a pixel: X outline, c the cyan of the table's texts, d its dark shade, g the gold of the
// message box, w the glass of the sand timer, '.' nothing.
constexpr std::string_view Fleche[] = {
    "X...........", "XX..........", "XcX.........", "XccX........", "XcccX.......", "XccccX......",
    "XcccccX.....", "XccccccX....", "XccccccdX...", "XcccccccdX..", "XccccdXXXXX.", "XcdXcdX.....",
    "XdX.XcdX....", "XX..XcdX....", "X....XcdX...", ".....XcdX...", "......XX....",
};
constexpr std::string_view Doigt[] = {
    ".....XX.........", "....XccX........", "....XccX........", "....XccX........", "....XccXXX......",
    "....XccXccXXX...", "....XccXccXccXX.", ".XX.XccXccXccXcX", "XccXXccccccccXcX", "XcccXccccccccccX",
    ".XccXccccccccccX", "..XcXccccccccccX", "..XccccccccccccX", "...XcccccccccddX", "...XccccccccddX.",
    "....XcccccccddX.", "....XcccccccddX.", "....XXXXXXXXXXX.",
};
constexpr std::string_view Sablier[] = {
    "XXXXXXXXXXXXX", "XgggggggggggX", "XXXXXXXXXXXXX", ".XcccccccccX.", ".XdcccccccdX.", "..XdcccccdX..",
    "...XdcccdX...", "....XdcdX....", ".....XcX.....", ".....XcX.....", "....XwwcwX...", "...XwwwcwwX..",
    "..XwwwwcwwwX.", ".XwwwwcccwwwX", ".XwwcccccccwX", "XXXXXXXXXXXXX", "XgggggggggggX", "XXXXXXXXXXXXX",
};

std::uint32_t couleur(char c) {
    switch (c) {
    case 'X':
        return 0xFF000000;
    case 'c':
        return 0xFF00FFFF;
    case 'd':
        return 0xFF009999;
    case 'g':
        return 0xFFD6AA3C;
    case 'w':
        return 0xFFD8F4F4;
    default:
        return 0;
    }
}

template <std::size_t N> DessinCurseur peint(const std::string_view (&lignes)[N], int px, int py, int zoom) {
    zoom = std::max(1, zoom);
    DessinCurseur d;
    for (const auto l : lignes) d.largeur = std::max(d.largeur, static_cast<int>(l.size()) * zoom);
    d.hauteur = static_cast<int>(N) * zoom;
    d.pointx = px * zoom, d.pointy = py * zoom;
    d.pixels.assign(static_cast<std::size_t>(d.largeur * d.hauteur), 0);
    for (int y = 0; y < d.hauteur; ++y) {
        const auto l = lignes[y / zoom];
        for (int x = 0; x < static_cast<int>(l.size()) * zoom; ++x)
            d.pixels[static_cast<std::size_t>(y * d.largeur + x)] =
                couleur(l[static_cast<std::size_t>(x / zoom)]);
    }
    return d;
}

} // namespace

FormeCurseur forme(Curseur c) {
    switch (c) {
    case Curseur::Carte:
        return FormeCurseur::Main;
    case Curseur::Occupe:
        return FormeCurseur::Sablier;
    default:
        return FormeCurseur::Fleche;
    }
}

DessinCurseur dessin(FormeCurseur f, int zoom) {
    switch (f) {
    case FormeCurseur::Main:
        return peint(Doigt, 5, 0, zoom);
    case FormeCurseur::Sablier:
        return peint(Sablier, 6, 9, zoom);
    default:
        return peint(Fleche, 0, 0, zoom);
    }
}

} // namespace tlv
