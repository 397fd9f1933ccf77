#pragma once
// The help screen: the help file's French text laid out in pages over the play area.
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace tlv {

struct LigneAide {
    std::string texte;
    bool titre = false;
};

// Cuts the help text into lines that fit `largeur` pixels (measured by `mesure`), headings apart.
std::vector<LigneAide> mise_en_lignes(const std::string& texte, int largeur,
                                      const std::function<int(const std::string&, bool)>& mesure);

class Aide : public Form {
  public:
    Aide(Plateforme& pf, const std::string& fichier);
    void Form_KeyDown(int code, int shift) override;
    int pages() const { return static_cast<int>(pages_.size()); }
    int page() const { return page_; }
    void va_page(int p);

  private:
    void dessine_page();
    std::vector<std::vector<LigneAide>> pages_;
    int page_ = 0;
    Bouton precedente_, suivante_, retour_;
};

} // namespace tlv
