#include "chaines.h"

namespace tlv {

std::optional<char32_t> lis_utf8(std::string_view s, std::size_t& i) {
    const auto o = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = o(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int suite = 0;
    char32_t c = 0, mini = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        suite = 1, c = b & 0x1F, mini = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        suite = 2, c = b & 0x0F, mini = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        suite = 3, c = b & 0x07, mini = 0x10000;
    } else {
        ++i;
        return std::nullopt;
    }
    std::size_t j = i + 1;
    for (int k = 0; k < suite; ++k, ++j) {
        if (j >= s.size() || (o(j) & 0xC0) != 0x80) {
            i = j;
            return std::nullopt;
        }
        c = (c << 6) | (o(j) & 0x3F);
    }
    i = j;
    if (c < mini || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

std::size_t longueur_utf8(std::string_view s, std::size_t i) {
    const std::size_t debut = i;
    lis_utf8(s, i);
    return i - debut;
}

std::string_view sansblancs(std::string_view s, std::string_view blancs) {
    const auto d = s.find_first_not_of(blancs);
    if (d == std::string_view::npos) return {};
    return s.substr(d, s.find_last_not_of(blancs) - d + 1);
}

} // namespace tlv
