// The generator's pictures to and from PNG, through the codec the game shares (socle/png.h): no time stamp
// or text chunk, so the bytes depend only on the pixels.
#pragma once
#include <string>

#include "assets/image.h"

namespace tlv {

// Writes an 8-bit RGB picture (alpha flattened on black) or RGBA when `alpha`, with zlib's compression
// `niveau` (9 the smallest, slowest on large pictures). Throws on failure.
void ecritpng(const std::string& chemin, const Image& img, bool alpha = false, int niveau = 9);

// Reads a PNG (any colour type) into a picture; false when the file is missing or not a PNG.
bool lispng(const std::string& chemin, Image& img);

} // namespace tlv
