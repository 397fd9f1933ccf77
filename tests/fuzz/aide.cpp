// The help text: whatever the file holds, its lines fit the width unless one word alone is wider, its
// pages keep every line in order, no page starts or ends with a blank line, and none is taller than the
// space above the buttons unless a single line is.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz.h"
#include "shell/aide.h"

using namespace tlv;

namespace {

constexpr int Largeur = 584, Hauteur = 398;

// Fixed widths per character, wider for headings, like a real font's.
int mesure(const std::string& s, bool titre) {
    int n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n * (titre ? 11 : 7);
}

int hauteur(const LigneAide& l) {
    return l.titre ? 24 : 15;
}

bool blanche(const LigneAide& l) {
    return l.texte.empty() && !l.titre;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const std::vector<LigneAide> lignes = mise_en_lignes(texte, Largeur, mesure);
    std::vector<std::string> pleines;
    for (const auto& l : lignes) {
        TLV_VERIFIE(l.texte.find('\n') == std::string::npos);
        TLV_VERIFIE(mesure(l.texte, l.titre) <= Largeur || l.texte.find(' ') == std::string::npos);
        if (!blanche(l)) pleines.push_back(l.texte);
    }
    TLV_VERIFIE(lignes.empty() || !blanche(lignes.back()));
    if (texte.find_first_not_of(" \t\r\n#-*") != std::string::npos) TLV_VERIFIE(!pleines.empty());

    const std::vector<PageAide> pages = mise_en_pages(lignes, Hauteur, hauteur);
    TLV_VERIFIE(!pages.empty());
    std::vector<std::string> placees;
    for (const auto& p : pages) {
        TLV_VERIFIE(!p.empty() || pages.size() == 1);
        if (p.empty()) continue;
        TLV_VERIFIE(!blanche(p.front()) && !blanche(p.back()));
        int h = 0;
        for (const auto& l : p) {
            h += hauteur(l);
            if (!blanche(l)) placees.push_back(l.texte);
        }
        TLV_VERIFIE(h <= Hauteur || p.size() == 1);
    }
    TLV_VERIFIE(placees == pleines);
    return 0;
}
