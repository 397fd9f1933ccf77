#pragma once
// Text printed transparently onto a surface, in points at 96 dots per inch, and measured.
#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ressources_sdl.h"
#include "surface.h"

namespace tlv {

class Polices {
  public:
    // The TrueType file used for every text; empty when it cannot be opened.
    explicit Polices(std::string fichier);
    ~Polices();
    Polices(const Polices&) = delete;
    Polices& operator=(const Polices&) = delete;

    bool valide() const;
    const std::string& fichier() const { return fichier_; }

    // (x, y) is the top left of the text's line box, as the classic CurrentX/CurrentY are.
    void imprime(Surface& s, int x, int y, const std::string& utf8, int points, std::uint32_t couleur);
    // Raised text: `clair` at (x, y), then `sombre` a pixel right and down, over it. A highlighted line
    // passes them the other way round.
    void imprime_releve(Surface& s, int x, int y, const std::string& utf8, int points, std::uint32_t clair,
                        std::uint32_t sombre);
    int largeur(const std::string& utf8, int points);
    int hauteur(int points);

    // Rendered texts are kept up to this many bytes of coverage, the least recently printed going first: a
    // clock prints a new text every second.
    static constexpr std::size_t BudgetRendus = std::size_t{4} << 20;
    std::size_t octets_rendus() const { return octets_rendus_; }
    std::size_t nombre_rendus() const { return rendus_.size(); }

  private:
    // A rendered text's coverage, kept because screens print the same few texts again and again.
    struct Rendu {
        int w = 0, h = 0;
        std::vector<std::uint8_t> alpha;
        std::list<std::pair<int, std::string>>::iterator age; // its place in `recents_`
    };
    const Rendu* rendu(const std::string& utf8, int points);
    TTF_Font* police(int points);
    std::map<std::pair<int, std::string>, Rendu> rendus_;
    std::list<std::pair<int, std::string>> recents_; // the most recently printed first
    std::size_t octets_rendus_ = 0;
    std::string fichier_;
    std::map<int, PoliceTtf> cache_;
    // Measuring shapes the whole text: a screen measures the same labels at every redraw.
    std::map<std::pair<int, std::string>, int> largeurs_;
    static constexpr std::size_t MaxLargeurs = 1024;
};

// The font this game prints with (bold, as the screens' labels are); the first candidate that exists.
std::string police_par_defaut();
// The plain face of the same family, for running text (the help).
std::string police_texte();

} // namespace tlv
