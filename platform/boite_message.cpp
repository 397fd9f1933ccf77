#include "boite_message.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "controles.h"
#include "curseurs.h"
#include "entrees.h"
#include "form.h"
#include "menuclavier.h"
#include "plateforme.h"
#include "texte.h"

namespace tlv {

namespace {

std::vector<std::string> lignes_de(const std::string& texte) {
    std::vector<std::string> r;
    std::string l;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\r') continue;
        if (texte[i] == '\n') {
            r.push_back(l);
            l.clear();
        } else {
            l += texte[i];
        }
    }
    r.push_back(l);
    return r;
}

class BoiteMessage : public Form {
  public:
    BoiteMessage(Plateforme& p, std::vector<std::string> lignes, int w, int h, bool annuler)
        : Form(p, w, h), lignes_(std::move(lignes)) {
        ok_.caption = "OK";
        annuler_.caption = "Annuler";
        for (Bouton* b : {&ok_, &annuler_}) b->w = 88, b->h = 26, b->y = h - 40;
        ok_.Click = [this] { fin(true); };
        ok_.focus = true;
        annuler_.Click = [this] { fin(false); };
        annuler_.visible = annuler;
        if (annuler)
            ok_.x = w / 2 - 96, annuler_.x = w / 2 + 8;
        else
            ok_.x = (w - 88) / 2;
        controles = {&ok_, &annuler_};
        fill(image, 0, 0, w, h, rgb(236, 233, 216));
        int y = 18;
        for (const auto& l : lignes_) {
            const int lw = pf.polices().largeur(l, 11);
            pf.polices().imprime(image, (w - lw) / 2, y, l, 11, rgb(0, 0, 0));
            y += pf.polices().hauteur(11) + 2;
        }
    }
    bool choix = false;
    void Form_KeyDown(Touche code, int) override {
        // OK is 1, Annuler 2; Gauche and Droite move between the buttons as Haut and Bas do.
        int survol = ok_.focus ? 1 : 2;
        const int boutons[] = {1, 2};
        const std::span<const int> lignes(boutons, annuler_.visible ? 2 : 1);
        if (code == Touche::Gauche || code == Touche::Droite)
            code = code == Touche::Gauche ? Touche::Haut : Touche::Bas;
        const GesteMenu g = geste_menu(code, survol, lignes);
        if (g == GesteMenu::Deplace) {
            ok_.focus = survol == 1;
            annuler_.focus = survol == 2;
        } else if (g == GesteMenu::Choisit) {
            fin(survol == 1);
        } else if (g == GesteMenu::Retour) {
            fin(!annuler_.visible);
        }
    }
    void ferme_par_croix() override { fin(!annuler_.visible); }

  private:
    void fin(bool oui) {
        choix = oui;
        hide();
    }
    std::vector<std::string> lignes_;
    Bouton ok_, annuler_;
};

// A robot run prints every box it meets, its lines joined by blanks, as it reports the desktop's services.
void trace_robot(Plateforme& pf, const std::vector<std::string>& lignes) {
    if (!pf.robot()) return;
    std::string t = "boite";
    for (const auto& l : lignes) t += " " + l;
    std::printf("%s\n", t.c_str());
    std::fflush(stdout);
}

} // namespace

bool boite_message(Plateforme& pf, const std::string& texte, const std::string& titre, bool avec_annuler) {
    auto lignes = lignes_de(texte);
    trace_robot(pf, lignes);
    int w = 260;
    for (const auto& l : lignes) w = std::max(w, pf.polices().largeur(l, 11) + 48);
    w = std::min(w, 600);
    const int h = 18 + static_cast<int>(lignes.size()) * (pf.polices().hauteur(11) + 2) + 56;
    BoiteMessage b(pf, std::move(lignes), w, h, avec_annuler);
    b.caption(titre.empty() ? "Tolva'nexes" : titre);
    b.centre_sur_aire();
    const Curseur avant = pf.curseur_actuel();
    pf.curseur(Curseur::Repos);
    pf.montre_modal(b, false);
    b.unload();
    pf.curseur(avant);
    return b.choix;
}

} // namespace tlv
