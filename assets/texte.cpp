#include "assets/texte.h"

#include "socle/chaines.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace tlv {

namespace {

std::u32string decode(const std::string& s) {
    std::u32string r;
    for (size_t i = 0; i < s.size();)
        if (const auto c = lis_utf8(s, i)) r.push_back(*c);
    return r;
}

struct Bibliotheque {
    FT_Library lib = nullptr;
    std::map<std::string, FT_Face> faces;
    Bibliotheque() {
        if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType ne démarre pas");
    }
    ~Bibliotheque() {
        for (auto& [n, f] : faces) FT_Done_Face(f);
        FT_Done_FreeType(lib);
    }
    FT_Face face(const std::string& chemin) {
        auto it = faces.find(chemin);
        if (it != faces.end()) return it->second;
        FT_Face f = nullptr;
        if (FT_New_Face(lib, chemin.c_str(), 0, &f))
            throw std::runtime_error("police introuvable: " + chemin +
                                     " (paquet fonts-dejavu-core ou fonts-urw-base35)");
        faces[chemin] = f;
        return f;
    }
};

Bibliotheque& biblio() {
    static Bibliotheque b;
    return b;
}

struct Glyphe {
    std::vector<unsigned char> pix;
    int w, h, gauche, haut;
    float avance;
};

// The glyphs of a line, each at its pen position; the pen's end, and the line's height above and below
// the baseline.
struct Ligne {
    std::vector<Glyphe> gl;
    std::vector<float> pos;
    float x = 0;
    int haut = 0, bas = 0;
};

Ligne compose(FT_Face f, const std::string& utf8, float approche) {
    Ligne l;
    float x = 0;
    FT_UInt prec = 0;
    for (char32_t c : decode(utf8)) {
        FT_UInt idx = FT_Get_Char_Index(f, c);
        if (prec && idx && FT_HAS_KERNING(f)) {
            FT_Vector k;
            FT_Get_Kerning(f, prec, idx, FT_KERNING_UNFITTED, &k);
            x += k.x / 64.f;
        }
        if (FT_Load_Glyph(f, idx, FT_LOAD_DEFAULT | FT_LOAD_NO_HINTING) ||
            FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL))
            continue;
        FT_Bitmap& b = f->glyph->bitmap;
        Glyphe g{{},
                 static_cast<int>(b.width),
                 static_cast<int>(b.rows),
                 f->glyph->bitmap_left,
                 f->glyph->bitmap_top,
                 f->glyph->advance.x / 64.f};
        for (unsigned r = 0; r < b.rows; ++r)
            for (unsigned q = 0; q < b.width; ++q) g.pix.push_back(b.buffer[r * b.pitch + q]);
        l.haut = std::max(l.haut, g.haut);
        l.bas = std::max(l.bas, g.h - g.haut);
        l.pos.push_back(x);
        l.gl.push_back(std::move(g));
        x += l.gl.back().avance + approche;
        prec = idx;
    }
    l.x = x;
    return l;
}

// The line's coverage, with a margin round its ink.
Texte pose(const Ligne& l) {
    int marge = 2;
    int x0 = 0, x1 = static_cast<int>(std::ceil(l.x));
    for (size_t i = 0; i < l.gl.size(); ++i) {
        x0 = std::min(x0, static_cast<int>(std::floor(l.pos[i])) + l.gl[i].gauche);
        x1 = std::max(x1, static_cast<int>(std::floor(l.pos[i])) + l.gl[i].gauche + l.gl[i].w);
    }
    Texte t;
    t.m = Masque(x1 - x0 + 2 * marge, l.haut + l.bas + 2 * marge);
    t.ox = marge - x0;
    t.oy = marge + l.haut;
    int e0 = 1 << 30, e1 = -1;
    for (size_t i = 0; i < l.gl.size(); ++i) {
        // Glyphs are rendered at whole-pixel pen positions; the sub-pixel rest is small at these sizes.
        int gx = t.ox + static_cast<int>(std::floor(l.pos[i])) + l.gl[i].gauche, gy = t.oy - l.gl[i].haut;
        for (int r = 0; r < l.gl[i].h; ++r)
            for (int q = 0; q < l.gl[i].w; ++q) {
                float v = l.gl[i].pix[static_cast<size_t>(r) * l.gl[i].w + q] / 255.f;
                if (v <= 0) continue;
                float& d = t.m.at(gx + q, gy + r);
                d = std::min(1.f, d + v);
                e0 = std::min(e0, gx + q), e1 = std::max(e1, gx + q);
            }
    }
    t.encre0 = e1 >= 0 ? e0 : 0;
    t.largeurencre = e1 >= 0 ? e1 - e0 + 1 : 0;
    return t;
}

} // namespace

Texte ecrit(const std::string& police, float taillepx, const std::string& utf8, float approche) {
    // The generator draws on two threads; FreeType faces are not shared safely.
    static std::mutex verrou;
    std::lock_guard garde(verrou);
    FT_Face f = biblio().face(police);
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(taillepx * 64)), 72, 72);
    return pose(compose(f, utf8, approche));
}

} // namespace tlv
