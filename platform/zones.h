#pragma once
// The changed parts of the screen waiting for the next frame: a few rectangles, each composed and sent on
// its own, so that two small changes far apart never bring everything between them along.
#include <vector>

#include "surface.h"

namespace tlv {

class ZonesChangees {
  public:
    // Rectangles closer than this (screen pixels) are taken as one: sending the gap costs less than a
    // second pass.
    static constexpr int Proximite = 4;
    // Beyond this many, the two whose union wastes least are merged.
    static constexpr int Maximum = 8;

    void ajoute(const Rect& r);
    const std::vector<Rect>& liste() const { return zones_; }
    bool vide() const { return zones_.empty(); }
    void efface() { zones_.clear(); }

  private:
    std::vector<Rect> zones_;
};

// The rectangles overlap or lie within `marge` pixels of each other.
bool proches(const Rect& a, const Rect& b, int marge);

} // namespace tlv
