// Text rendered with FreeType into anti-aliased masks.
#pragma once
#include <string>

#include "assets/image.h"

namespace tlv {

// Build-time fonts from Debian (fonts-dejavu-core, fonts-urw-base35).
inline constexpr const char* policetitre = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf";
inline constexpr const char* policeserif = "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf";
inline constexpr const char* policeserifital = "/usr/share/fonts/opentype/urw-base35/P052-BoldItalic.otf";
inline constexpr const char* policesans = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr const char* policecondensee =
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

struct Texte {
    Masque m;
    int ox = 0, oy = 0;   // pen origin (start of the baseline) inside the mask
    int encre0 = 0;       // first inked column
    int largeurencre = 0; // inked width
};

// Renders a UTF-8 line at a size in pixels (em height); `approche` adds spacing between letters.
// Throws std::runtime_error when the font cannot be read.
Texte ecrit(const std::string& police, float taillepx, const std::string& utf8, float approche = 0);

} // namespace tlv
