#include "aide.h"

#include <functional>
#include <sstream>

#include "fichiers.h"
#include "platform/couleurs.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "tlv_version.h"

namespace tlv {

namespace {
constexpr int Marge = 28, Haut = 22, Bas = 420, TailleTexte = 11, TailleTitre = 15;
// The titles' shadow, drawn under them: darker than the raised texts' over.
const std::uint32_t OmbreTitre = rgb(0, 120, 120);

// Words between plain blanks; other bytes (a UTF-8 no-break space among them) belong to the word.
std::vector<std::string> mots(const std::string& p) {
    std::vector<std::string> r;
    std::string mot;
    for (const char c : p) {
        if (c == ' ' || c == '\t') {
            if (!mot.empty()) r.push_back(std::move(mot));
            mot.clear();
        } else {
            mot += c;
        }
    }
    if (!mot.empty()) r.push_back(std::move(mot));
    return r;
}

int hauteur_de(Polices& po, const LigneAide& l) {
    return po.hauteur(l.titre ? TailleTitre : TailleTexte) + (l.titre ? 6 : 1);
}

} // namespace

std::vector<LigneAide> mise_en_lignes(const std::string& texte, int largeur,
                                      const std::function<int(const std::string&, bool)>& mesure) {
    std::vector<LigneAide> r;
    std::istringstream in(texte);
    std::string ligne, paragraphe;
    auto coupe = [&](const std::string& p, bool titre) {
        std::string courante;
        bool suite = false;
        for (const std::string& mot : mots(p)) {
            const std::string essai = courante.empty() ? mot : courante + " " + mot;
            if (!courante.empty() && mesure(essai, titre) > largeur) {
                r.push_back({courante, titre, suite});
                courante = mot;
                suite = true;
            } else {
                courante = essai;
            }
        }
        if (!courante.empty()) r.push_back({courante, titre, suite});
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

std::vector<PageAide> mise_en_pages(const std::vector<LigneAide>& lignes, int hauteur,
                                    const std::function<int(const LigneAide&)>& hauteur_ligne) {
    // Blocks that a page break may not cut: a paragraph (or list item) with the blank lines before it
    // and any heading just above it.
    std::vector<std::vector<LigneAide>> blocs;
    std::vector<LigneAide> bloc;
    bool titre_en_cours = false;
    for (const LigneAide& l : lignes) {
        const bool vide = l.texte.empty() && !l.titre;
        const bool debut = !l.suite && !vide;
        if (debut && !bloc.empty() && !titre_en_cours) {
            // A new paragraph or heading: the block so far is complete, unless it ends with a heading.
            std::vector<LigneAide> blancs;
            while (!bloc.empty() && bloc.back().texte.empty() && !bloc.back().titre) {
                blancs.push_back(bloc.back());
                bloc.pop_back();
            }
            if (!bloc.empty()) blocs.push_back(bloc);
            bloc = blancs;
        }
        if (!vide) titre_en_cours = l.titre;
        bloc.push_back(l);
    }
    if (!bloc.empty()) blocs.push_back(bloc);

    std::vector<PageAide> pages(1);
    int y = 0;
    const auto place = [&](const LigneAide& l) {
        const bool vide = l.texte.empty() && !l.titre;
        if (pages.back().empty() && vide) return;
        pages.back().push_back(l);
        y += hauteur_ligne(l);
    };
    const auto nouvelle_page = [&] {
        if (pages.back().empty()) return;
        pages.emplace_back();
        y = 0;
    };
    for (const auto& b : blocs) {
        int h = 0;
        for (const auto& l : b)
            if (!(l.texte.empty() && !l.titre)) h += hauteur_ligne(l);
        int avecblancs = 0;
        for (const auto& l : b) avecblancs += hauteur_ligne(l);
        if (y + avecblancs > hauteur) nouvelle_page();
        for (const auto& l : b) {
            // Only a block taller than a whole page is cut, at the line that no longer fits.
            if (h > hauteur && y + hauteur_ligne(l) > hauteur) nouvelle_page();
            place(l);
        }
    }
    while (pages.size() > 1 && pages.back().empty()) pages.pop_back();
    for (auto& p : pages)
        while (!p.empty() && p.back().texte.empty() && !p.back().titre) p.pop_back();
    return pages;
}

std::string version_aide() {
    return "Tolva\u2019nexes " TLV_VERSION;
}

std::string texte_aide(const std::string& fichier) {
    if (auto texte = litfichier(fichier, taillemaxaide)) return std::move(*texte);
    return "# Aide\n\nLe fichier d\u2019aide «\u00A0tolvanex.hlp\u00A0» est introuvable dans le dossier du "
           "programme.\n";
}

Aide::Aide(Plateforme& p, const std::string& fichier) : Form(p, 640, 480) {
    const std::string texte = texte_aide(fichier);
    Polices& po = pf.polices();
    Polices& pt = pf.polices_texte();
    const auto lignes = mise_en_lignes(texte, 640 - 2 * Marge, [&po, &pt](const std::string& s, bool titre) {
        return titre ? po.largeur(s, TailleTitre) : pt.largeur(s, TailleTexte);
    });
    // Pages fill down to the buttons.
    pages_ = mise_en_pages(lignes, Bas - Haut, [&po](const LigneAide& l) { return hauteur_de(po, l); });

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
            po.imprime(image, Marge + 1, y + 1, l.texte, t, OmbreTitre);
            po.imprime(image, Marge, y, l.texte, t, Cyan);
        } else {
            pf.polices_texte().imprime(image, Marge, y, l.texte, t, Creme);
        }
        y += hauteur_de(po, l);
    }
    const std::string n = "Page " + std::to_string(page_ + 1) + " / " + std::to_string(pages());
    po.imprime(image, 24, 446, n, 10, Creme);
    po.imprime(image, 24, 461, version_aide(), 9, OmbreTitre);
    precedente_.visible = page_ > 0;
    suivante_.visible = page_ + 1 < pages();
}

void Aide::Form_KeyDown(Touche code, int) {
    switch (code) {
    case Touche::Echap:
    case Touche::Entree:
        hide();
        break;
    case Touche::Droite:
    case Touche::Bas:
    case Touche::Espace:
        va_page(page_ + 1);
        break;
    case Touche::Gauche:
    case Touche::Haut:
        va_page(page_ - 1);
        break;
    default:
        break;
    }
}

} // namespace tlv
