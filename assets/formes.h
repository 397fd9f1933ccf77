// Shapes as signed distance functions (negative inside), rasterised into anti-aliased masks.
#pragma once
#include <functional>
#include <vector>

#include "assets/image.h"

namespace tlv {

struct Pt {
    float x, y;
};

// Distance function in the shape's own units.
using Distance = std::function<float(float, float)>;

struct Forme {
    Distance d;
    float x0, y0, x1, y1; // bounds in the shape's units
};

// Placement: the shape's origin goes to (cx, cy) pixels, one unit is `echelle` pixels, turned by `angle`
// radians.
struct Place {
    float cx = 0, cy = 0, echelle = 1, angle = 0;
};

// Rasterises a shape into a mask of the given size (pixel (0, 0) of the mask is pixel (0, 0) of the picture).
Masque trace(int w, int h, const Forme& f, const Place& pl);
// The same over a whole picture, the placement in units of the picture (see Image::k).
Masque trace(const Image& img, const Forme& f, const Place& pl);
// Rasterises, then composes with a colour or a shading function; the placement is in units of the picture.
void remplit(Image& img, const Forme& f, const Place& pl, Couleur c);
void remplit(Image& img, const Forme& f, const Place& pl, const std::function<Couleur(float, float)>& teinte);

Forme cercle(float cx, float cy, float r);
Forme rectarrondi(float x0, float y0, float x1, float y1, float r);
Forme polygone(std::vector<Pt> pts);
Forme unionf(const Forme& a, const Forme& b);
Forme sauf(const Forme& a, const Forme& b);
Forme intersection(const Forme& a, const Forme& b);
// An outline of thickness e centred on the shape's edge.
Forme contour(const Forme& a, float e);
Forme decale(const Forme& a, float dx, float dy);

// The four French suits, 1 pique, 2 carreau, 3 trefle, 4 coeur (Belote's order),
// about one unit high and centred on the origin.
Forme enseigne(int couleur);
// The suit colour on a card face: black for pique and trefle, red for carreau and coeur.
Couleur encre(int couleur);

} // namespace tlv
