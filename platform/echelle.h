#pragma once
// Where the 640 x 480 play area lies on a display of W x H pixels, and at which render factor it is drawn.
#include "rect.h"

namespace tlv {

struct Echelle {
    double s = 1;                     // display pixels per play-area pixel
    int k = 1;                        // render factor: stored pixels per play-area pixel
    int lw = 640, lh = 480;           // the screen the program composes, in play-area pixels
    int decalagex = 0, decalagey = 0; // the play area on that screen
    Rect aire{0, 0, 640, 480};        // the play area on the display, in display pixels
    int W = 640, H = 480;             // the display

    // Display pixels to the screen's pixels (outside the area too, for hit tests).
    void vers_logique(int& x, int& y) const;
};

// The render factor for a scale: the next whole number, 1 to 4.
int facteur_pour(double s);

// The play area scaled by s = min(W / 640, H / 480) and centred; the screen is the play area, the rest of
// the display stays dark. k: the factor fixed for the run (0: the one for this size, and a display smaller
// than the area then keeps it unscaled, cut by the display's edges, as `echelle_entiere` does).
Echelle echelle_reelle(int W, int H, int k = 0);
// The area magnified by a whole number only, on a screen of the display divided by it.
Echelle echelle_entiere(int W, int H);

} // namespace tlv
