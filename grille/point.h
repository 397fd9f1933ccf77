#pragma once
// A pixel on the 640 x 480 table: a card's corner, a cell of a sheet, a path's marker.

namespace tlv {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

} // namespace tlv
