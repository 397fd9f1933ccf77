#pragma once
// The hidden deal editor `special`: the user composes the first deal of the next match card by card and
// chooses its dealer. Its answer is `reponse`.

#include "belote/etat.h"
#include "belote_table/composition.h"
#include "platform/controles.h"
#include "platform/form.h"

namespace tlv::belote {

// How the editor was left: Valider with a whole deal, or Annuler; `aucune` while it stays open.
enum class ReponseSpecial { aucune, valider, annuler };

class Special : public Form {
  public:
    Special(Plateforme& pf, Paquet& paquet);

    void Form_Load() override;
    void MouseDown(int button, int shift, int x, int y) override;
    // Ctrl+V pastes a shared deal, as the "Coller une donne" button does.
    void Form_KeyDown(Touche code, int shift) override;

    void boutok_Click();
    void Boutko_Click();
    void videtout();
    // A deal shared as "<64 digits>/<dealer>" read from the clipboard fills the editor; anything else leaves
    // it as it was and says so.
    void colle();

    // Where things stand on the form (its own pixels), shared by drawing and clicks.
    static Rect place_paquet(int couleur, int rang);
    static Rect place_carte(int i);
    static Rect place_joueurchoix(int k);
    static Rect place_joueur(int i);

    Composition compo;
    ReponseSpecial reponse = ReponseSpecial::aucune;
    std::string manque; // after Valider with cards still in the pack, which; after a vain paste, why
    Bouton boutonrepose, boutok, Boutko, boutoncolle;

  private:
    void dessine_tout();
    Paquet& paquet_;
};

} // namespace tlv::belote
