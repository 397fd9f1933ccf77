#include "assets/typographie.h"

namespace tlv {

namespace {

bool colleavant(std::string_view reste) {
    for (std::string_view signe : {";", ":", "!", "?", "\u00BB"})
        if (reste.starts_with(signe)) return true;
    return false;
}

} // namespace

std::string typographie(std::string_view t) {
    std::string r;
    r.reserve(t.size() + t.size() / 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\'') {
            r += Apostrophe;
        } else if (c == ' ' && (colleavant(t.substr(i + 1)) || std::string_view(r).ends_with("\u00AB"))) {
            r += Insecable;
        } else {
            r += c;
        }
    }
    return r;
}

} // namespace tlv
