// Shared decoration: felt cloth, gold frames and titles, drop shadows, cards drawn in any size and angle.
#pragma once
#include <string>

#include "assets/formes.h"
#include "assets/image.h"
#include "assets/texte.h"

namespace tlv {

// Palette of the collection.
inline const Couleur orclair = rgb(250, 226, 150);
inline const Couleur or_ = rgb(214, 172, 82);
inline const Couleur orfonce = rgb(128, 92, 34);
inline const Couleur creme = rgb(252, 247, 232);
inline const Couleur vertfeutre = rgb(22, 104, 58);

// The routines below take places and sizes in units of the picture they draw on (see Image::k).

// Green baize with fibres and a vignette over x0..x1, y0..y1; `graine` varies the weave.
void feutre(Image& img, int x0, int y0, int x1, int y1, Couleur base, uint32_t graine,
            float vignette = 0.35f);

// Soft shadow of a mask laid under future content (offset dx, dy, blur radius, opacity).
void ombre(Image& img, const Masque& m, int ox, int oy, float dx, float dy, float rayon, float opacite);

// Vertical gold gradient between y0 and y1 with a highlight band, for titles and frames.
Couleur dore(float y, float y0, float y1);

// A thin gold frame (rounded rectangle outline) with a dark inner line for depth.
void cadredore(Image& img, float x0, float y0, float x1, float y1, float rayon, float epaisseur);

// Text with shadow and a gold (or given) fill, its inked box centred on cx, baseline at `base`; the letters
// are rendered at the picture's own resolution. Returns the inked width.
int titre(Image& img, const std::string& police, float taille, const std::string& s, float cx, float base,
          bool doree = true, Couleur c = creme, float approche = 0);

// A card face (our own drawing: pips for numbers and aces, a crowned letter for heads), w x h pixels,
// transparent round corners. rang: 1 as, 7..10, 11 valet, 12 dame, 13 roi.
Image facedessinee(int couleur, int rang, int w, int h);
// The back of a card, w x h units drawn k times finer.
Image dosdecarte(int w, int h, int k = 1);

// Draws a card picture centred at (cx, cy) turned by `angle` radians, with a soft shadow; `echelle` is the
// card's pixels to the picture's pixels.
void posecarte(Image& dst, const Image& carte, float cx, float cy, float angle, float echelle,
               float ombrage = 0.45f);

} // namespace tlv
