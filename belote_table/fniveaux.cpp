#include "belote_table/fniveaux.h"

#include <array>
#include <vector>

#include "belote_table/fmenu.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/echec.h"
#include "shell/niveaux.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv::belote {

namespace {

constexpr std::array<Niveau, 3> Cycle = {Niveau::classique, Niveau::fort, Niveau::debutant};
const std::string Deux = "\u00a0: "; // French typography: a fixed space before the colon
// The widest a level's line may be between its arrows, and the title under the picture's frame.
constexpr int LargeurNiveau = 340, LargeurTitre = 420;

// The largest size up to `taille` at which every text fits in `largeur`.
int tailledes(Polices& po, const std::vector<std::string>& textes, int taille, int largeur) {
    for (const std::string& s : textes)
        while (taille > 8 && po.largeur(s, taille) > largeur) --taille;
    return taille;
}

} // namespace

std::string_view libelleniveau(Niveau n) {
    switch (n) {
    case Niveau::fort:
        return "Fort";
    case Niveau::debutant:
        return "Débutant";
    default:
        return "Classique";
    }
}

Niveau niveaudumot(std::string_view mot) {
    return litniveau(mot).value_or(Niveau::classique);
}

Fniveaux::Fniveaux(Contexte& ctx, const Surface& fond)
    : MenuJeu(ctx.pf, 640, 480, 1), ctx_(ctx), fond_(fond) {
    Reglages& r = ctx.r;
    const auto toujours = [] { return true; };
    const auto ligne = [this, toujours](std::string& mot) {
        return Ligne{toujours, [this, &mot] { tourne(mot, 1); },
                     [this, &mot](int sens) { tourne(mot, sens); }};
    };
    lignes_[3] = ligne(r.niveaupartenaire);
    lignes_[4] = ligne(r.niveauadversaires);
    lignes_[6] = {toujours, [this, &r] { ferme(r); }, {}};
}

int Fniveaux::bande_sous(int x, int y) const {
    return Fmenu::ligne_sous(x, y);
}

void Fniveaux::tourne(std::string& mot, int sens) {
    joueson(pf, ctx_.r, "cartew00");
    std::size_t i = 0;
    while (i < Cycle.size() && Cycle[i] != niveaudumot(mot)) ++i;
    const int n = static_cast<int>(Cycle.size());
    mot = nomniveau(Cycle[static_cast<std::size_t>((static_cast<int>(i) + n + sens) % n)]);
    signale_echec(pf, ctx_.r, "les niveaux de l'ordinateur", sauveniveaux(ctx_.r));
    surligne(survol);
}

void Fniveaux::surligne(int ligne) {
    allumee_ = ligne;
    image.marque(Rect{0, 0, 640, 480});
    pf.invalide();
}

void Fniveaux::Form_Activate() {
    survol = 0;
    surligne(0);
}

void Fniveaux::dessine(Surface& ecran) {
    dessinecadre(ecran, Rect{left, top, 640, 480}, fond_, [&] {
        // The picture has its arrows on line 4 only: line 3 gets the same.
        bitblt(ecran, left + 80, top + Haut[3], 60, Bande, fond_, 80, Haut[4]);
        bitblt(ecran, left + 500, top + Haut[3], 60, Bande, fond_, 500, Haut[4]);
        const Reglages& r = ctx_.r;
        Polices& po = pf.polices();
        std::array<std::string, 7> lignes{};
        lignes[1] = "Niveaux de l'ordinateur";
        lignes[3] = "Partenaire" + Deux + std::string(libelleniveau(niveaudumot(r.niveaupartenaire)));
        lignes[4] = "Adversaires" + Deux + std::string(libelleniveau(niveaudumot(r.niveauadversaires)));
        lignes[6] = r.textes[Texte::Retour];
        std::vector<std::string> possibles;
        for (const char* debut : {"Partenaire", "Adversaires"})
            for (Niveau n : Cycle) possibles.push_back(debut + Deux + std::string(libelleniveau(n)));
        const int tniveau = tailledes(po, possibles, r.taille8, LargeurNiveau);
        for (int l = 1; l <= 6; ++l) {
            const std::string& s = lignes[static_cast<std::size_t>(l)];
            if (s.empty()) continue;
            const int t = l == 1 ? tailledes(po, {s}, r.taille8, LargeurTitre) : l == 6 ? r.taille8 : tniveau;
            const int x = left + (480 - po.largeur(s, t)) / 2 + 80;
            // Smaller lines keep the middle of the menu's own.
            const int y = top + Haut[l] + (po.hauteur(r.taille8) - po.hauteur(t)) / 2;
            const bool allume = l == allumee_;
            po.imprime_releve(ecran, x, y, s, t, allume ? CyanSombre : Cyan, allume ? Cyan : CyanSombre);
        }
    });
}

} // namespace tlv::belote
