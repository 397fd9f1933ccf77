#include "belote_table/special.h"

#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/trace_fin.h"

namespace tlv {

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

// A card's name as the form shows it: its rank and its suit's sign ("10 ♦"), so that it fits its slot.
std::string court(const std::string& nom) {
    const std::string code = Composition::rendnumerocarte(nom);
    if (code.size() != 2) return nom;
    static const char* const rangs[8] = {"7", "8", "9", "V", "D", "R", "10", "As"};
    static const char* const signes[5] = {"", "\u2660", "\u2666", "\u2663", "\u2665"};
    const int s = code[0] - '0', r = code[1] - '0';
    if (s < 1 || s > 4 || r < 0 || r > 7) return nom;
    return std::string(rangs[r]) + " " + signes[s];
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
    Command1.caption = "Reposer les cartes";
    boutok.caption = "&Valider";
    Boutko.caption = "&Annuler";
    Command1.x = 20, Command1.y = 420, Command1.w = 180, Command1.h = 36;
    boutok.x = 260, boutok.y = 420, boutok.w = 160, boutok.h = 36;
    Boutko.x = 460, Boutko.y = 420, Boutko.w = 160, Boutko.h = 36;
    for (Bouton* b : {&Command1, &boutok, &Boutko}) b->points = Moyen;
    Command1.Click = [this] { Command1_Click(); };
    boutok.Click = [this] { boutok_Click(); };
    Boutko.Click = [this] { Boutko_Click(); };
    controles = {&Command1, &boutok, &Boutko};
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
            const std::string nom =
                Composition::rnc(std::string(1, static_cast<char>('0' + s)) + static_cast<char>('0' + r));
            etiquette(image, pt, p, court(nom),
                      compo.rouge[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)] ? Rouge : Blanc);
        }
    cadre_titre(image, po, Rect{298, 120, 336, 134}, "Cinq premières cartes");
    po.imprime(image, 306, 264, "Deuxième tour qui dépend du joueur qui a pris", Petit, Noir);
    cadre_titre(image, po, Rect{298, 282, 336, 96}, "");
    for (int k = 0; k <= 8; ++k)
        option(image, po, place_joueurchoix(k), k == 4 ? "carte retournée" : Sieges[k <= 3 ? k : k - 5],
               compo.joueurchoix == k);
    for (int i = 0; i <= 32; ++i) {
        const std::string& c = compo.carte[static_cast<std::size_t>(i)];
        etiquette(image, pt, place_carte(i), court(c), c == Composition::Non ? Face : Blanc);
    }
    cadre_titre(image, po, Rect{8, 318, 284, 44}, "Qui distribue");
    for (int i = 0; i < 4; ++i) option(image, po, place_joueur(i), Sieges[i], compo.joueur == i);
    if (!manque.empty()) po.imprime(image, 16, 392, manque, Moyen, Rouge);
    pf.invalide();
}

void Special::MouseDown(int button, int, int x, int y) {
    if (button != bouton::Gauche) return;
    manque.clear();
    for (int s = 1; s <= 4; ++s)
        for (int r = 0; r < 8; ++r)
            if (dans(place_paquet(s, r), x, y)) compo.paquet_Click(s, r);
    for (int i = 0; i <= 32; ++i)
        if (dans(place_carte(i), x, y)) compo.carte_Click(i);
    for (int k = 0; k <= 8; ++k)
        if (dans(place_joueurchoix(k), x, y)) compo.joueurchoix = k;
    for (int i = 0; i < 4; ++i)
        if (dans(place_joueur(i), x, y)) compo.joueur_Click(i);
    dessine_tout();
}

void Special::Command1_Click() {
    compo.Command1_Click();
    dessine_tout();
}

void Special::boutok_Click() {
    const std::string f = compo.boutok_Click();
    if (f.empty()) {
        // Valider waits for the whole pack: say which cards are still in it.
        std::string liste;
        int n = 0;
        for (int c = 1; c <= 4; ++c)
            for (int r = 0; r < 8; ++r)
                if (!compo.rouge[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] && ++n <= 8)
                    liste += (n > 1 ? ", " : "") +
                             court(Composition::rnc(std::string(1, static_cast<char>('0' + c)) +
                                                    static_cast<char>('0' + r)));
        manque =
            (n == 1 ? "Il manque une carte\u00a0: " : "Il manque " + std::to_string(n) + " cartes\u00a0: ") +
            liste + (n > 8 ? ", …" : "");
        dessine_tout();
        return;
    }
    paquet_.donneurfauxjeu = static_cast<std::int16_t>(compo.joueur + 1);
    paquet_.fauxjeu = f;
    reponse = ReponseSpecial::valider;
    hide();
}

void Special::Boutko_Click() {
    reponse = ReponseSpecial::annuler;
    hide();
}

} // namespace tlv
