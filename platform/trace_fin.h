#pragma once
// Shapes traced on the stored pixels of a surface, with smooth edges: at any render factor they are as fine
// as the screen, where whole play-area pixels would show as blocks. Coordinates are play-area pixels and may
// fall between them (x + 0.5 is the middle of pixel x).
#include "surface.h"

namespace tlv {

// `c` laid over `fond` with the opacity `a` (0 .. 1).
std::uint32_t melange(std::uint32_t fond, std::uint32_t c, double a);

void disque(Surface& s, double cx, double cy, double rayon, std::uint32_t c);

struct PointFin {
    double x = 0, y = 0;
};
// A filled triangle, its corners in either order.
void triangle(Surface& s, PointFin a, PointFin b, PointFin c, std::uint32_t couleur);

} // namespace tlv
