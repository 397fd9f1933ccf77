#include "tempo.h"

#include <memory>

#include "echec.h"
#include "parametres.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "reglages.h"

namespace tlv {

namespace {
constexpr int Largeur = 380, Hauteur = 130, BarreX = 24, BarreY = 26, BarreW = Largeur - 48, BarreH = 18;
}

DialogueTempo::DialogueTempo(Plateforme& p, std::string titre, int min, int max,
                             std::vector<std::string> echelle, std::function<int()> valeur_initiale,
                             std::function<void(int)> enregistre)
    : Form(p, Largeur, Hauteur), echelle_(std::move(echelle)), valeur_initiale_(std::move(valeur_initiale)),
      enregistre_(std::move(enregistre)) {
    caption(titre);
    barre.Min = min, barre.Max = max, barre.SmallChange = 1, barre.LargeChange = 1;
    barre.x = BarreX, barre.y = BarreY, barre.w = BarreW, barre.h = BarreH;
    barre.valeur(min);
    boutonretour.caption = "&Retour";
    boutonretour.w = 100, boutonretour.h = 28, boutonretour.x = (Largeur - 100) / 2,
    boutonretour.y = Hauteur - 42;
    boutonretour.Click = [this] { hide(); };
    controles = {&barre, &boutonretour};
    dessine_fond();
    centre_sur_aire();
}

void DialogueTempo::dessine_fond() {
    fill(image, 0, 0, Largeur, Hauteur, rgb(212, 208, 200));
    // Scale labels spread evenly under the thumb's travel.
    const int n = static_cast<int>(echelle_.size());
    const int debut = BarreX + BarreH + BarreH / 2, fin = BarreX + BarreW - BarreH - BarreH / 2;
    for (int i = 0; i < n; ++i) {
        const int cx = n > 1 ? debut + (fin - debut) * i / (n - 1) : (debut + fin) / 2;
        const int w = pf.polices().largeur(echelle_[static_cast<std::size_t>(i)], 9);
        fill(image, cx, BarreY + BarreH + 2, 1, 4, rgb(0, 0, 0));
        pf.polices().imprime(image, cx - w / 2, BarreY + BarreH + 7, echelle_[static_cast<std::size_t>(i)], 9,
                             rgb(0, 0, 0));
    }
}

void DialogueTempo::Form_Activate() {
    barre.valeur(valeur_initiale_());
    pf.invalide();
}

void DialogueTempo::Form_Unload() {
    enregistre_(barre.valeur());
}

void DialogueTempo::Form_KeyDown(Touche code, int) {
    if (code == Touche::Echap || code == Touche::Entree)
        hide();
    else
        barre.touche(code);
    pf.invalide();
}

std::unique_ptr<DialogueTempo> tempo_belote(Plateforme& pf, Reglages& r) {
    return std::make_unique<DialogueTempo>(
        pf, "Contrôle temporisation de Belote", tempobelotemin, tempobelotemax,
        std::vector<std::string>{"2 s", "4 s", "6 s", "8 s", "10s", "12s"},
        [&r] { return curseurbelote(r.tempobelote); },
        [&pf, &r](int v) { signale_echec(pf, r, "les réglages", fermeturebelote(r, v)); });
}

std::unique_ptr<DialogueTempo> tempo_memo(Plateforme& pf, Reglages& r) {
    return std::make_unique<DialogueTempo>(
        pf, "Contrôle temporisation de Memo", tempomemomin, tempomemomax,
        std::vector<std::string>{"0 s", "1 s", "2 s", "3 s", "4 s", "5 s"},
        [&r] { return curseurmemo(r.tempomemo); },
        [&pf, &r](int v) { signale_echec(pf, r, "les réglages", fermeturememo(r, v)); });
}

void ouvre_dialogue(Plateforme& pf, DialogueTempo& d) {
    d.load();
    pf.montre_modal(d, false);
    d.unload();
}

} // namespace tlv
