#include "belote_table/special.h"

#include "belote/carte.h"
#include "belote/recit.h"
#include "platform/controles.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "platform/trace_fin.h"

namespace tlv::belote {

namespace {

constexpr std::uint32_t Rouge = rgb(255, 0, 0), Bleu = rgb(0, 0, 128);
constexpr int Petit = 8, Moyen = 9;
const char* const Sieges[4] = {"Sud", "Est", "Nord", "Ouest"};
const char* const Explication =
    "( En validant cette option puis en choisissant ensuite le menu Nouvelle partie, vous redémarrez une "
    "nouvelle partie avec la distribution de cartes que vous allez effectuer, vous avez également le choix "
    "du joueur qui distribuera en premier. Une contrainte : les annonces ne sont pas comptabilisées.)";

bool dans(const Rect& r, int x, int y) {
    return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
}

void cadre_titre(Surface& s, Polices& po, const Rect& r, const std::string& titre) {
    cadre(s, r.x, r.y, r.w, r.h, Ombre);
    cadre(s, r.x + 1, r.y + 1, r.w, r.h, Blanc);
    if (titre.empty()) return;
    const int w = po.largeur(titre, Petit);
    fill(s, r.x + 8, r.y - 6, w + 6, 12, Face);
    po.imprime(s, r.x + 11, r.y - 7, titre, Petit, Noir);
}

void etiquette(Surface& s, Polices& po, const Rect& r, const std::string& texte, std::uint32_t fond) {
    fill(s, r.x, r.y, r.w, r.h, fond);
    cadre(s, r.x, r.y, r.w, r.h, Ombre);
    po.imprime(s, r.x + (r.w - po.largeur(texte, Petit)) / 2, r.y + (r.h - po.hauteur(Petit)) / 2, texte,
               Petit, Noir);
}

// An exclusive choice: a round button, dotted when chosen.
void option(Surface& s, Polices& po, const Rect& r, const std::string& texte, bool choisie) {
    const int cy = r.y + r.h / 2;
    // Traced as fine as the screen: whole pixels would show as steps at a large size.
    disque(s, r.x + 6.5, cy + 0.5, 5.5, Ombre);
    disque(s, r.x + 6.5, cy + 0.5, 4.5, Blanc);
    if (choisie) disque(s, r.x + 6.5, cy + 0.5, 2.5, Noir);
    po.imprime(s, r.x + 15, r.y + (r.h - po.hauteur(Petit)) / 2, texte, Petit, Noir);
}

// What a slot shows: a card by its rank and its suit's sign ("10 ♦"), so that it fits; the dealer's "NON".
std::string court(int carte) {
    if (carte == Composition::Non) return "NON";
    if (!estcarte(carte)) return "";
    static const char* const rangs[8] = {"7", "8", "9", "V", "D", "R", "10", "As"};
    static const char* const signes[5] = {"", "\u2660", "\u2666", "\u2663", "\u2665"};
    return std::string(rangs[rang(carte)]) + " " + signes[couleur(carte)];
}

// Running text broken into lines that fit the width.
void paragraphe(Surface& s, Polices& po, int x, int y, int largeur, const std::string& texte) {
    std::string ligne, mot;
    const auto sors = [&] {
        po.imprime(s, x, y, ligne, Petit, Noir);
        y += po.hauteur(Petit);
        ligne.clear();
    };
    for (std::size_t i = 0; i <= texte.size(); ++i) {
        if (i < texte.size() && texte[i] != ' ') {
            mot += texte[i];
            continue;
        }
        const std::string essai = ligne.empty() ? mot : ligne + " " + mot;
        if (!ligne.empty() && po.largeur(essai, Petit) > largeur) {
            sors();
            ligne = mot;
        } else {
            ligne = essai;
        }
        mot.clear();
    }
    if (!ligne.empty()) sors();
}

} // namespace

Special::Special(Plateforme& p, Paquet& paquet) : Form(p, 640, 480), paquet_(paquet) {
    boutonrepose.caption = "Reposer les cartes";
    boutok.caption = "&Valider";
    Boutko.caption = "&Annuler";
    boutonrepose.x = 20, boutonrepose.y = 420, boutonrepose.w = 180, boutonrepose.h = 36;
    boutok.x = 260, boutok.y = 420, boutok.w = 160, boutok.h = 36;
    Boutko.x = 460, Boutko.y = 420, Boutko.w = 160, Boutko.h = 36;
    boutoncolle.caption = "Coller une donne";
    // Between the frames and the row of buttons, clear of the message line at its left.
    boutoncolle.x = 460, boutoncolle.y = 384, boutoncolle.w = 160, boutoncolle.h = 28;
    for (Bouton* b : {&boutonrepose, &boutok, &Boutko, &boutoncolle}) b->points = Moyen;
    boutonrepose.Click = [this] { videtout(); };
    boutok.Click = [this] { boutok_Click(); };
    Boutko.Click = [this] { Boutko_Click(); };
    boutoncolle.Click = [this] { colle(); };
    controles = {&boutonrepose, &boutok, &Boutko, &boutoncolle};
}

Rect Special::place_paquet(int couleur, int rang) {
    return Rect{16 + (couleur - 1) * 68, 134 + rang * 21, 66, 19};
}

Rect Special::place_carte(int i) {
    // Five columns inside the frame (x 298 to 633), clear of its right edge.
    if (i <= 19) return Rect{366 + (i % 5) * 52, 130 + (i / 5) * 22, 48, 19};
    if (i == 20) return Rect{424, 226, 48, 19};
    return Rect{366 + ((i - 21) % 3) * 52, 290 + ((i - 21) / 3) * 22, 48, 19};
}

Rect Special::place_joueurchoix(int k) {
    if (k <= 3) return Rect{306, 130 + k * 22, 58, 19};
    if (k == 4) return Rect{306, 226, 112, 19};
    return Rect{306, 290 + (k - 5) * 22, 58, 19};
}

Rect Special::place_joueur(int i) {
    return Rect{20 + i * 68, 332, 66, 19};
}

void Special::Form_Load() {
    compo.charge(paquet_.fauxjeu, paquet_.donneurfauxjeu);
    reponse = ReponseSpecial::aucune;
    dessine_tout();
}

void Special::dessine_tout() {
    Polices& po = pf.polices();
    Polices& pt = pf.polices_texte();
    fill(image, 0, 0, 640, 480, Face);
    fill(image, 0, 0, 640, 26, Bleu);
    po.imprime(image, 8, 4, "     Menu spécial", 12, Blanc);
    po.imprime(image, 16, 32, "Création de la distribution de départ", 11, Noir);
    paragraphe(image, pt, 16, 52, 608, Explication);
    cadre_titre(image, po, Rect{8, 120, 284, 186}, "Le jeu de cartes");
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r) {
            const Rect p = place_paquet(s, r);
            etiquette(image, pt, p, court(code(s, r)),
                      compo.placee[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)] ? Rouge : Blanc);
        }
    cadre_titre(image, po, Rect{298, 120, 336, 134}, "Cinq premières cartes");
    po.imprime(image, 306, 264, "Deuxième tour qui dépend du joueur qui a pris", Petit, Noir);
    cadre_titre(image, po, Rect{298, 282, 336, 96}, "");
    for (int k = 0; k <= 8; ++k)
        option(image, po, place_joueurchoix(k), k == 4 ? "carte retournée" : Sieges[k <= 3 ? k : k - 5],
               compo.joueurchoix == k);
    for (int i = 0; i <= 32; ++i) {
        const int c = compo.carte[static_cast<std::size_t>(i)];
        etiquette(image, pt, place_carte(i), court(c), c == Composition::Non ? Face : Blanc);
    }
    cadre_titre(image, po, Rect{8, 318, 284, 44}, "Qui distribue");
    for (int i = 0; i < 4; ++i) option(image, po, place_joueur(i), Sieges[i], compo.donneur == i);
    if (!manque.empty()) po.imprime(image, 16, 392, manque, Moyen, Rouge);
    pf.invalide();
}

void Special::MouseDown(int button, int, int x, int y) {
    if (button != bouton::Gauche) return;
    manque.clear();
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r)
            if (dans(place_paquet(s, r), x, y)) compo.place(s, r);
    for (int i = 0; i <= 32; ++i)
        if (dans(place_carte(i), x, y)) compo.retire(i);
    for (int k = 0; k <= 8; ++k)
        if (dans(place_joueurchoix(k), x, y)) compo.joueurchoix = k;
    for (int i = 0; i < 4; ++i)
        if (dans(place_joueur(i), x, y)) compo.changedonneur(i);
    dessine_tout();
}

void Special::Form_KeyDown(Touche code, int shift) {
    if (code == touche_caractere('V') && (shift & maj::Ctrl)) colle();
}

void Special::colle() {
    std::string fauxjeu;
    int donneur = 0;
    if (litpartage(pf.colle(), fauxjeu, donneur)) {
        compo.charge(fauxjeu, donneur);
        manque.clear();
    } else {
        manque = "Le presse-papiers ne contient pas de donne.";
    }
    dessine_tout();
}

void Special::videtout() {
    compo.videtout();
    dessine_tout();
}

void Special::boutok_Click() {
    const std::string f = compo.valide();
    if (f.empty()) {
        // Valider waits for the whole pack: say which cards are still in it.
        std::string liste;
        int n = 0;
        for (int c = 1; c <= 4; ++c)
            for (int r = 0; r < 8; ++r)
                if (!compo.placee[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] && ++n <= 8)
                    liste += (n > 1 ? ", " : "") + court(code(c, r));
        manque =
            (n == 1 ? "Il manque une carte\u00a0: " : "Il manque " + std::to_string(n) + " cartes\u00a0: ") +
            liste + (n > 8 ? ", …" : "");
        dessine_tout();
        return;
    }
    paquet_.donneurfauxjeu = static_cast<std::int16_t>(compo.donneur + 1);
    paquet_.fauxjeu = f;
    reponse = ReponseSpecial::valider;
    hide();
}

void Special::Boutko_Click() {
    reponse = ReponseSpecial::annuler;
    hide();
}

} // namespace tlv::belote
