#pragma once
// The score screen: a table over its own background, "Effacer les scores" (after a confirmation) and
// "Retour". The opener prints the title and the rows on `image`, shows it modally and reads `reponse`.
#include <string>

#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv {

class Score : public Form {
  public:
    static constexpr int Largeur = 500, Hauteur = 400;
    explicit Score(Contexte& ctx);

    enum class Reponse { Aucune, Efface, Retour }; // Aucune: closed otherwise (Escape)
    Reponse reponse = Reponse::Aucune;
    int survol = 0; // 0 none, 1 "Effacer les scores", 2 "Retour"

    // The hovered button (0, 1 or 2) under a point of the screen.
    static int bouton_sous(int x, int y);
    // Both buttons, `h` highlighted.
    void survolbouton(int h);
    // A text printed raised: bright at (x, y), dark one pixel right and down.
    void imprime_releve(int x, int y, const std::string& texte, int points);
    // The title centred in the top band.
    void titre(const std::string& texte);
    // A button chosen, by its click or by Entrée: 1 "Effacer les scores" (after a confirmation), 2 "Retour".
    void choisit(int bouton);

    void Form_Activate() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseDown(int button, int shift, int x, int y) override;

  private:
    Contexte& ctx_;
    Surface fond_; // the background as loaded, to redraw the buttons on
};

} // namespace tlv
