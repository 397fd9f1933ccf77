#pragma once
// The help screen: the help file's French text laid out in pages over the play area.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/controles.h"
#include "platform/form.h"

namespace tlv {

struct LigneAide {
    std::string texte;
    bool titre = false;
    bool suite = false; // goes on with the paragraph (or heading) of the line above
};
using PageAide = std::vector<LigneAide>;

// Cuts the help text into lines that fit `largeur` pixels (measured by `mesure`), headings apart.
// Words are cut at plain blanks only: a no-break space (U+00A0) holds its neighbours together.
std::vector<LigneAide> mise_en_lignes(const std::string& texte, int largeur,
                                      const std::function<int(const std::string&, bool)>& mesure);

// Lays the lines out in pages of `hauteur` pixels (`hauteur_ligne` gives each line's height). A page
// ends between paragraphs, never inside one, unless a paragraph is taller than a page; a heading stays
// with the paragraph after it; a page does not begin with a blank line.
std::vector<PageAide> mise_en_pages(const std::vector<LigneAide>& lignes, int hauteur,
                                    const std::function<int(const LigneAide&)>& hauteur_ligne);

// The footer's second line: the game's name and version, so a player can tell it in a bug report.
std::string version_aide();

// The help text: the first `taillemaxaide` bytes of the file `fichier`, a regular file only; a text saying
// the help is missing when there is none (missing, a device, a pipe...).
inline constexpr std::size_t taillemaxaide = 1 << 20;
std::string texte_aide(const std::string& fichier);

class Aide : public Form {
  public:
    Aide(Plateforme& pf, const std::string& fichier);
    void Form_KeyDown(Touche code, int shift) override;
    int pages() const { return static_cast<int>(pages_.size()); }
    int page() const { return page_; }
    void va_page(int p);

  private:
    void dessine_page();
    std::vector<PageAide> pages_;
    int page_ = 0;
    Bouton precedente_, suivante_, retour_;
};

} // namespace tlv
