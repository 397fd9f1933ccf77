#include "aide.h"

#include <fstream>
#include <functional>
#include <sstream>

#include "platform/entrees.h"
#include "platform/plateforme.h"

namespace tlv {

namespace {
constexpr int Marge = 28, Haut = 22, Bas = 420, TailleTexte = 11, TailleTitre = 15;
const std::uint32_t Cyan = rgb(0, 255, 255), CyanSombre = rgb(0, 120, 120), Creme = rgb(238, 232, 210);
} // namespace

std::vector<LigneAide> mise_en_lignes(const std::string& texte, int largeur,
                                      const std::function<int(const std::string&, bool)>& mesure) {
    std::vector<LigneAide> r;
    std::istringstream in(texte);
    std::string ligne, paragraphe;
    auto coupe = [&](const std::string& p, bool titre) {
        std::istringstream mots(p);
        std::string mot, courante;
        while (mots >> mot) {
            const std::string essai = courante.empty() ? mot : courante + " " + mot;
            if (!courante.empty() && mesure(essai, titre) > largeur) {
                r.push_back({courante, titre});
                courante = mot;
            } else {
                courante = essai;
            }
        }
        if (!courante.empty()) r.push_back({courante, titre});
    };
    auto vide_paragraphe = [&] {
        if (paragraphe.empty()) return;
        coupe(paragraphe, false);
        paragraphe.clear();
        r.push_back({"", false});
    };
    while (std::getline(in, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.rfind("# ", 0) == 0) {
            vide_paragraphe();
            coupe(ligne.substr(2), true);
        } else if (ligne.find_first_not_of(" \t") == std::string::npos) {
            vide_paragraphe();
        } else if (ligne.rfind("- ", 0) == 0 || ligne.rfind("* ", 0) == 0) {
            // A list item starts its own line.
            if (!paragraphe.empty()) {
                coupe(paragraphe, false);
                paragraphe.clear();
            }
            paragraphe = "• " + ligne.substr(2);
        } else {
            paragraphe += (paragraphe.empty() ? "" : " ") + ligne;
        }
    }
    vide_paragraphe();
    while (!r.empty() && r.back().texte.empty() && !r.back().titre) r.pop_back();
    return r;
}

Aide::Aide(Plateforme& p, const std::string& fichier) : Form(p, 640, 480) {
    std::ifstream f(fichier, std::ios::binary);
    std::string texte;
    if (f) {
        std::stringstream tout;
        tout << f.rdbuf();
        texte = tout.str().substr(0, 1 << 20);
    } else {
        texte =
            "# Aide\n\nLe fichier d'aide « tolvanex.hlp » est introuvable dans le dossier du programme.\n";
    }
    Polices& po = pf.polices();
    Polices& pt = pf.polices_texte();
    const auto lignes = mise_en_lignes(texte, 640 - 2 * Marge, [&po, &pt](const std::string& s, bool titre) {
        return titre ? po.largeur(s, TailleTitre) : pt.largeur(s, TailleTexte);
    });
    // Pages fill down to the buttons; a heading never ends a page.
    std::vector<LigneAide> page;
    int y = Haut;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const auto& l = lignes[i];
        const int h = po.hauteur(l.titre ? TailleTitre : TailleTexte) + (l.titre ? 6 : 1);
        const bool titre_en_bas = l.titre && y + 3 * h > Bas;
        if (!page.empty() && (y + h > Bas || titre_en_bas)) {
            pages_.push_back(page);
            page.clear();
            y = Haut;
        }
        if (page.empty() && l.texte.empty() && !l.titre) continue;
        page.push_back(l);
        y += h;
    }
    if (!page.empty() || pages_.empty()) pages_.push_back(page);

    precedente_.caption = "< &Précédente";
    suivante_.caption = "&Suivante >";
    retour_.caption = "&Retour";
    int x = 640 - 3 * 120 - 20;
    for (Bouton* b : {&precedente_, &suivante_, &retour_}) {
        b->w = 110, b->h = 28, b->y = 440, b->x = x, b->points = 10;
        x += 120;
    }
    precedente_.Click = [this] { va_page(page_ - 1); };
    suivante_.Click = [this] { va_page(page_ + 1); };
    retour_.Click = [this] { hide(); };
    controles = {&precedente_, &suivante_, &retour_};
    dessine_page();
}

void Aide::va_page(int p) {
    if (p < 0 || p >= pages()) return;
    page_ = p;
    dessine_page();
    pf.invalide();
}

void Aide::dessine_page() {
    // A deep green cloth, darker at the edges.
    for (int y = 0; y < 480; ++y) {
        const int d = std::abs(y - 240) / 12;
        fill(image, 0, y, 640, 1, rgb(8, 72 - d, 40 - d / 2));
    }
    cadre(image, 8, 8, 624, 424, rgb(176, 150, 80));
    cadre(image, 10, 10, 620, 420, rgb(96, 80, 40));
    Polices& po = pf.polices();
    int y = Haut;
    for (const auto& l : pages_[static_cast<std::size_t>(page_)]) {
        const int t = l.titre ? TailleTitre : TailleTexte;
        if (l.titre) {
            po.imprime(image, Marge + 1, y + 1, l.texte, t, CyanSombre);
            po.imprime(image, Marge, y, l.texte, t, Cyan);
        } else {
            pf.polices_texte().imprime(image, Marge, y, l.texte, t, Creme);
        }
        y += po.hauteur(t) + (l.titre ? 6 : 1);
    }
    const std::string n = "Page " + std::to_string(page_ + 1) + " / " + std::to_string(pages());
    po.imprime(image, 24, 446, n, 10, Creme);
    precedente_.visible = page_ > 0;
    suivante_.visible = page_ + 1 < pages();
}

void Aide::Form_KeyDown(int code, int) {
    switch (code) {
    case cle::Echap:
    case cle::Entree:
        hide();
        break;
    case cle::Droite:
    case cle::Bas:
    case cle::Espace:
        va_page(page_ + 1);
        break;
    case cle::Gauche:
    case cle::Haut:
        va_page(page_ - 1);
        break;
    default:
        break;
    }
}

} // namespace tlv
