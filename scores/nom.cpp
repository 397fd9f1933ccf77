#include "nom.h"

#include "shell/fichiers.h"
#include "socle/chaines.h"

namespace tlv {

namespace {

// Capitals of the Windows-1252 letters, so that "é" becomes "É" as a player expects.
unsigned char majuscule(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

} // namespace

int nombrecaracteres(const std::string& texte) {
    int n = 0;
    for (std::size_t i = 0; i < texte.size(); i += longueur_utf8(texte, i)) ++n;
    return n;
}

bool caractereaccepte(const std::string& car) {
    if (car.empty() || longueur_utf8(car, 0) != car.size()) return false;
    const std::string octet = utf8_vers_cp1252(car);
    if (octet.size() != 1) return false;
    const unsigned char b = static_cast<unsigned char>(octet[0]);
    // '?' also stands for what has no byte: only a typed '?' is one.
    if (b == '?' && car != "?") return false;
    // Control characters, DEL, the unassigned bytes and the non-breaking space are not letters of a name.
    if (b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == 0xA0)
        return false;
    return true;
}

std::string reponsenom(const std::string& texte) {
    std::string octets = utf8_vers_cp1252(texte);
    octets = std::string(sansblancs(octets, " "));
    if (octets.empty()) return nominconnu;
    for (char& c : octets) {
        if (c == '"') c = '\'';
        c = static_cast<char>(majuscule(static_cast<unsigned char>(c)));
    }
    return cp1252_vers_utf8(octets);
}

} // namespace tlv
