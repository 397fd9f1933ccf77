#pragma once
// "Revoir la donne": the last deal played, told again over the table step by step, every hand face up and
// every bid and card with its reason. It only reads the record; its answer `reponse` says whether the player
// wants that very deal dealt again.
#include <string>
#include <vector>

#include "belote/relecture.h"
#include "belote_table/tapis.h"
#include "platform/form.h"
#include "shell/contexte.h"

namespace tlv::belote {

enum class ReponseRevue { aucune, retour, rejouer };

class Revue : public Form {
  public:
    // Draws with the sheets and the clean table of `tapis`; `recit` outlives the screen.
    Revue(Contexte& ctx, const Tapis& tapis, const Recit& recit);

    void Form_Load() override;
    void Form_KeyDown(Touche code, int shift) override;
    void MouseDown(int button, int shift, int x, int y) override;
    void MouseMove(int button, int shift, int x, int y) override;

    // The step shown: moves by `pas` (kept within the deal), or straight to one.
    void avance(int pas);
    void va(int etape);
    int etape() const { return etape_; }
    // The deal shared as "<64 digits>/<dealer>"; empty when it cannot be dealt again.
    const std::string& fiche() const { return fiche_; }
    // The record on the clipboard.
    void copie();

    // The labels of the right panel, where clicks and drawing find them.
    enum class Label { aucun, precedent, suivant, copier, rejouer, retour };
    static Rect zone(Label l);
    static Label label_sous(int x, int y);

    ReponseRevue reponse = ReponseRevue::aucune;

  private:
    void quitte(ReponseRevue r);
    // The whole picture for the step shown; the step's reasons go to the robot's checker once.
    void dessine_tout(bool rapporte);
    void dessine_cartes(const Position& p);
    void dessine_noms(const Position& p);
    void dessine_panneau(const Position& p);
    void dessine_texte(const Position& p);
    void dessine_label(Label l);
    // What the text area tells of a step: a heading, then paragraphs.
    std::vector<std::string> paragraphes(const Position& p) const;
    std::string titre(const Position& p) const;
    bool label_actif(Label l) const;

    Contexte& ctx_;
    const Tapis& tapis_;
    Relecture relecture_;
    std::string fiche_;
    int etape_ = 0;
    Label survol_ = Label::aucun;
    bool copiee_ = false; // the record was copied: the label says so
};

} // namespace tlv::belote
