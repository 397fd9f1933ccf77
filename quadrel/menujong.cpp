#include "menujong.h"

#include <cerrno>
#include <cmath>
#include <vector>

#include "jong.h"
#include "platform/boite_message.h"
#include "platform/menuclavier.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/chargeimage.h"
#include "shell/echec.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {
constexpr std::uint32_t Clair = rgb(0, 255, 255), Sombre = rgb(0, 144, 144);
constexpr int Bandes[8] = {0, 35, 105, 175, 245, 315, 385, 175}; // top of each entry's band (60 high)
} // namespace

Menujong::Menujong(Contexte& ctx, Jong& jong)
    : Form(ctx.pf), ctx_(ctx), jong_(jong), parties_(ctx.r.dossier_scores) {
    fond_ = Surface(640, 480, 0, pf.facteur());
    bitblt(fond_, 0, 0, 640, 480, chargeimage(ctx.r.repertoire, "cartei05", pf.facteur()), 0, 0);
    image = fond_;
}

int Menujong::entreesous(int x, int y) {
    if (!(x > 80 && x < 560)) return 0;
    for (int e = 1; e <= 6; ++e)
        if (y > Bandes[e] && y < Bandes[e] + 60) return e == 3 && x > 140 && x < 500 ? 7 : e;
    return 0;
}

bool Menujong::effacable() const {
    return index >= 0 && !nom.empty() && !jong_.partieencours;
}

void Menujong::premier() {
    survol = 0;
    index = -1;
    nom = rendlepremiernom();
    if (!nom.empty()) index = 0;
}

void Menujong::afmenujong(int h) {
    image = fond_;
    Polices& po = pf.polices();
    const int t8 = ctx_.r.taille8;
    const Textes& t = ctx_.r.textes;
    auto imprime = [&](int entree, const std::string& s, bool inverse) {
        const int x = static_cast<int>(std::floor((480 - po.largeur(s, t8)) / 2.0)) + 80;
        const int y = Bandes[entree];
        po.imprime(image, x, y, s, t8, inverse ? Sombre : Clair);
        po.imprime(image, x + 1, y + 1, s, t8, inverse ? Clair : Sombre);
    };
    const bool avecnom = index >= 0 && !nom.empty();
    if (jong_.partieencours) imprime(1, t[Texte::ContinuerLaPartie], h == 1);
    imprime(2, t[Texte::NouvellePartie], h == 2);
    if (!avecnom) {
        fill(image, 81, 176, 478, 58, 0);
    } else {
        fill(image, 140, 176, 361, 55, 0);
        imprime(3, nom, h == 3 || h == 7);
    }
    if (effacable())
        imprime(4, t[Texte::EffacerLaPartie], h == 4);
    else
        fill(image, 81, 246, 478, 57, 0);
    imprime(5, t[Texte::Scores], h == 5);
    imprime(6, t[Texte::MenuPrincipal], h == 6);
    pf.invalide();
}

void Menujong::Form_Activate() {
    premier();
    afmenujong(0);
}

void Menujong::MouseMove(int, int, int x, int y) {
    const int e = entreesous(x, y);
    if (e == survol) return;
    survol = e;
    afmenujong(survol);
}

void Menujong::effacelapartie() {
    if (!parties_.effacelapartie(nom)) signale_echec(pf, ctx_.r, "l'effacement de la partie", errno);
}

void Menujong::MouseDown(int, int, int x, int) {
    if (survol != 3 && survol != 7)
        choisit(survol);
    else if (x > 80 && x < 140)
        fleche(3, -1);
    else if (x > 500 && x < 560)
        fleche(3, 1);
    else if (x > 140 && x < 500)
        choisit(3);
}

void Menujong::repond(ReponseJong r) {
    joueson(pf, ctx_.r, "cartew00");
    reponse = r;
    hide();
}

void Menujong::choisit(int entree) {
    switch (entree) {
    case 1:
        if (jong_.partieencours) repond(ReponseJong::Continuer);
        return;
    case 2:
        repond(ReponseJong::Nouvelle);
        return;
    case 3:
    case 7:
        // With no saved game the selector is blank and does nothing.
        if (index < 0 || nom.empty()) return;
        jong_.nompartie = nom;
        repond(ReponseJong::Charger);
        return;
    case 4: {
        if (!effacable()) return;
        joueson(pf, ctx_.r, "cartew00");
        const Textes& t = ctx_.r.textes;
        if (boite_message(
                pf, t[Texte::ConfirmezLEffacementDe] + ctx_.r.sautligne + t[Texte::LaPartie] + " : " + nom,
                "Quadrel", true)) {
            effacelapartie();
            premier();
            afmenujong(0);
        }
        return;
    }
    case 5:
        joueson(pf, ctx_.r, "cartew00");
        // The last line's descenders would peek under the score screen: only the picture stays behind it.
        image = fond_;
        pf.invalide();
        jong_.affichelesscores();
        afmenujong(survol);
        return;
    case 6:
        repond(ReponseJong::Quitter);
        return;
    default:
        return;
    }
}

void Menujong::fleche(int entree, int sens) {
    if ((entree != 3 && entree != 7) || index < 0 || nom.empty()) return;
    if (sens < 0) {
        if (index > 0) {
            --index;
            joueson(pf, ctx_.r, "cartew00");
            nom = rendlenom(index);
            if (nom.empty()) nom = rendlenom(++index);
        }
    } else {
        nom = rendlenom(++index);
        if (nom.empty())
            nom = rendlenom(--index);
        else
            joueson(pf, ctx_.r, "cartew00");
    }
    afmenujong(survol);
}

void Menujong::retour() {
    choisit(jong_.partieencours ? 1 : 6);
}

void Menujong::Form_KeyDown(Touche code, int) {
    // The selector's arrows and its name are one line for the keys.
    if (survol == 7) survol = 3;
    std::vector<int> lignes;
    if (jong_.partieencours) lignes.push_back(1);
    lignes.push_back(2);
    if (index >= 0 && !nom.empty()) lignes.push_back(3);
    if (effacable()) lignes.push_back(4);
    lignes.insert(lignes.end(), {5, 6});
    clavier_menu_jeu(code, survol, lignes,
                     {.surligne = [this](int e) { afmenujong(e); },
                      .choisit = [this](int e) { choisit(e); },
                      .fleche = [this](int e, int sens) { fleche(e, sens); },
                      .retour = [this] { retour(); }});
}

} // namespace tlv
