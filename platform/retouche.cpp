#include "retouche.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tlv {

namespace {
bool dedans(const Rect& a, const Rect& b) {
    return a.vide() || (a.x >= b.x && a.y >= b.y && a.x + a.w <= b.x + b.w && a.y + a.h <= b.y + b.h);
}
} // namespace

Rect retouche(Surface& s, const Rect& r, const std::function<void()>& dessin) {
    // A text's line box may reach past the box its ink stays in: a margin is compared too.
    constexpr int Marge = 8;
    const int x0 = std::max(0, r.x - Marge), x1 = std::min(s.largeur(), r.x + r.w + Marge);
    const int y0 = std::max(0, r.y - Marge), y1 = std::min(s.hauteur(), r.y + r.h + Marge);
    const Rect deja = s.modifiee();
    if (x0 >= x1 || y0 >= y1) {
        dessin();
        return s.modifiee();
    }
    const int k = s.facteur();
    const int px0 = x0 * k, pw = (x1 - x0) * k, py0 = y0 * k, ph = (y1 - y0) * k;
    // Kept from one tick to the next: a fresh buffer each second would be zeroed and faulted in anew.
    static thread_local std::vector<std::uint32_t> avant;
    if (avant.size() < static_cast<std::size_t>(pw) * ph) avant.resize(static_cast<std::size_t>(pw) * ph);
    for (int j = 0; j < ph; ++j)
        std::copy_n(s.ligne(py0 + j) + px0, pw, avant.data() + static_cast<std::size_t>(j) * pw);
    s.oublie_modifications();
    dessin();
    const Rect trace = s.modifiee();
    s.oublie_modifications();
    s.marque(deja);
    if (!dedans(trace, Rect{x0, y0, x1 - x0, y1 - y0})) {
        s.marque(trace);
        return trace;
    }
    // The stored pixels that differ, bounded; then the play-area pixels holding them.
    int mx0 = pw, mx1 = -1, my0 = ph, my1 = -1;
    for (int j = 0; j < ph; ++j) {
        const std::uint32_t* a = avant.data() + static_cast<std::size_t>(j) * pw;
        const std::uint32_t* b = s.ligne(py0 + j) + px0;
        if (std::memcmp(a, b, static_cast<std::size_t>(pw) * sizeof *a) == 0) continue;
        int i = 0;
        while (a[i] == b[i]) ++i;
        int f = pw - 1;
        while (a[f] == b[f]) --f;
        mx0 = std::min(mx0, i), mx1 = std::max(mx1, f);
        my0 = std::min(my0, j), my1 = std::max(my1, j);
    }
    if (mx1 < 0) return Rect{};
    const Rect change{x0 + mx0 / k, y0 + my0 / k, mx1 / k - mx0 / k + 1, my1 / k - my0 / k + 1};
    s.marque(change);
    return change;
}

} // namespace tlv
