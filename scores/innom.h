#pragma once
// The name entry: a prompt over its own background and a one-line text box of at most 9 characters.
// Enter gives the name (in capitals, "INCONNU" when empty), Escape gives `nomannule`; the other keys
// and clicks in the box edit it (`Saisie`).
#include <string>

#include "saisie.h"

#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv {

class Innom : public Form {
  public:
    static constexpr int Largeur = 400, Hauteur = 100;
    // The text box, in the screen's pixels.
    static constexpr int Text1X = 5, Text1Y = 40, Text1W = 390, Text1H = 48;

    Innom(Contexte& ctx, std::string invite);

    std::string reponse;
    const std::string& Text1() const { return saisie_.texte(); }

    void Text1_KeyDown(Touche code, int shift);
    void Form_KeyDown(Touche code, int shift) override;
    void Form_KeyPress(const std::string& car) override;
    bool saisit_texte() const override { return true; }
    void MouseDown(int button, int shift, int x, int y) override;

  private:
    void dessine_tout();
    int largeur(const std::string& texte); // as printed in the box
    Contexte& ctx_;
    std::string invite_;
    int tailleinvite_ = 0; // the prompt's size, smaller for a prompt too long for the box
    Saisie saisie_;
    Surface fond_;
};

// Shows the name entry with `invite` as its prompt and returns its answer.
std::string demande_nom(Contexte& ctx, const std::string& invite);

} // namespace tlv
