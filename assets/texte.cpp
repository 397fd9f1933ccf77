#include "assets/texte.h"

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
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        int n;
        if (c < 0x80)
            cp = c, n = 1;
        else if ((c >> 5) == 6)
            cp = c & 0x1F, n = 2;
        else if ((c >> 4) == 14)
            cp = c & 0x0F, n = 3;
        else
            cp = c & 0x07, n = 4;
        for (int k = 1; k < n && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        r.push_back(cp);
        i += n;
    }
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

} // namespace

Texte ecrit(const std::string& police, float taillepx, const std::string& utf8, float approche) {
    // The generator draws on two threads; FreeType faces are not shared safely.
    static std::mutex verrou;
    std::lock_guard garde(verrou);
    FT_Face f = biblio().face(police);
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(taillepx * 64)), 72, 72);
    std::vector<Glyphe> gl;
    std::vector<float> pos;
    float x = 0;
    FT_UInt prec = 0;
    int haut = 0, bas = 0;
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
        haut = std::max(haut, g.haut);
        bas = std::max(bas, g.h - g.haut);
        pos.push_back(x);
        gl.push_back(std::move(g));
        x += gl.back().avance + approche;
        prec = idx;
    }
    int marge = 2;
    int x0 = 0, x1 = static_cast<int>(std::ceil(x));
    for (size_t i = 0; i < gl.size(); ++i) {
        x0 = std::min(x0, static_cast<int>(std::floor(pos[i])) + gl[i].gauche);
        x1 = std::max(x1, static_cast<int>(std::floor(pos[i])) + gl[i].gauche + gl[i].w);
    }
    Texte t;
    t.m = Masque(x1 - x0 + 2 * marge, haut + bas + 2 * marge);
    t.ox = marge - x0;
    t.oy = marge + haut;
    int e0 = 1 << 30, e1 = -1;
    for (size_t i = 0; i < gl.size(); ++i) {
        // Glyphs are rendered at whole-pixel pen positions; the sub-pixel rest is small at these sizes.
        int gx = t.ox + static_cast<int>(std::floor(pos[i])) + gl[i].gauche, gy = t.oy - gl[i].haut;
        for (int r = 0; r < gl[i].h; ++r)
            for (int q = 0; q < gl[i].w; ++q) {
                float v = gl[i].pix[static_cast<size_t>(r) * gl[i].w + q] / 255.f;
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

} // namespace tlv
