// The replay's pictures: the four hands face up on the cloth, the trick under way, and the right panel with
// the step's reasons, the record and the labels.
#include <algorithm>

#include "belote/carte.h"
#include "belote_table/revue.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/reglages.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {

constexpr std::uint32_t Or = rgb(154, 128, 64), FondPanneau = rgb(14, 26, 22);
constexpr int PanneauX = 487;            // the cloth and the panel's wooden edge end here
constexpr Rect Boite{490, 88, 146, 244}; // the text area
constexpr int Colonne = 32, Rangee = 30; // steps of the side columns and of the rows
const char* const Noms[5] = {"", "Sud", "Est", "Nord", "Ouest"};
// The trick's spots, as the table lays them.
constexpr int Spots[5][2] = {{}, {204, 288}, {276, 192}, {204, 96}, {132, 192}};

int compte(const Main& m) {
    int n = 0;
    for (std::size_t s = 1; s <= 8; ++s) n += m[s] > 0;
    return n;
}

// Running text cut into lines no wider than `largeur`; a word too long for a line is cut where it must be.
std::vector<std::string> coupe(Polices& po, const std::string& texte, int points, int largeur) {
    std::vector<std::string> lignes;
    std::string ligne;
    std::size_t i = 0;
    while (i <= texte.size()) {
        const std::size_t fin = std::min(texte.find(' ', i), texte.size());
        const std::string mot = texte.substr(i, fin - i);
        const std::string essai = ligne.empty() ? mot : ligne + " " + mot;
        if (ligne.empty() || po.largeur(essai, points) <= largeur) {
            ligne = essai;
        } else {
            lignes.push_back(ligne);
            ligne = mot;
        }
        i = fin + 1;
    }
    if (!ligne.empty()) lignes.push_back(ligne);
    // A long run without blanks (the record's digits): cut by characters, on UTF-8 boundaries.
    std::vector<std::string> r;
    for (std::string l : lignes) {
        while (l.size() > 1 && po.largeur(l, points) > largeur) {
            std::size_t n = l.size() - 1;
            while (n > 1 && (po.largeur(l.substr(0, n), points) > largeur ||
                             (static_cast<unsigned char>(l[n]) & 0xC0) == 0x80))
                --n;
            r.push_back(l.substr(0, n));
            l = l.substr(n);
        }
        r.push_back(l);
    }
    return r;
}

// Where a hand of n cards lies: Nord's and Sud's rows centred at the top and the bottom, Ouest's and Est's
// columns centred on the left and the right edges of the cloth.
Rect etendue(int joueur, int n) {
    n = std::clamp(n, 1, 8);
    if (joueur == 1 || joueur == 3) {
        const int w = (n - 1) * Rangee + LargeurCarte;
        return Rect{(480 - w) / 2, joueur == 1 ? 384 : 0, w, HauteurCarte};
    }
    const int h = (n - 1) * Colonne + HauteurCarte;
    return Rect{joueur == 2 ? 405 : 4, 240 - h / 2, LargeurCarte, h};
}

std::string qui(int joueur, const std::string& autre, const std::string& vous) {
    return joueur == 1 ? vous : std::string(Noms[std::clamp(joueur, 0, 4)]) + " " + autre;
}

} // namespace

void Revue::dessine_tout(bool rapporte) {
    const Position p = relecture_.position(etape_);
    bitblt(image, 0, 0, 482, 480, tapis_.ecranbis(), 0, 0);
    // The panel's wooden edge, from its part above the pad, all the way down.
    for (int y = 0; y < 480; y += 68) bitblt(image, 482, y, PanneauX - 482, 68, tapis_.ecranbis(), 482, 0);
    dessine_cartes(p);
    dessine_noms(p);
    dessine_panneau(p);
    pf.invalide();
    if (!rapporte) return;
    const auto dit = [&](const Raison& r) {
        pf.rapporte("raison " + std::string(identifiant(r.motif)) + " " + r.phrase);
    };
    for (int k = p.premiere; k < p.premiere + p.nombre; ++k)
        dit(relecture_.recit().encheres[static_cast<std::size_t>(k)].raison);
    if (p.raison) dit(*p.raison);
}

void Revue::dessine_cartes(const Position& p) {
    const Surface &m = tapis_.masque(), &f = tapis_.tampon();
    // The trick first: the hands' edges lie over its frame, never the other way round.
    if (p.retournee) posecarteface(image, m, f, 204, 192, p.retournee);
    for (int j = 1; j <= 4; ++j)
        if (p.pli[static_cast<std::size_t>(j)] > 0)
            posecarteface(image, m, f, Spots[j][0], Spots[j][1], p.pli[static_cast<std::size_t>(j)]);
    if (p.joueur >= 1 && p.joueur <= 4) {
        // The card just played, framed; its trick's winner once the trick is whole.
        const int j = p.gagnant ? p.gagnant : p.joueur;
        for (int k = 1; k <= 2; ++k)
            cadre(image, Spots[j][0] - k, Spots[j][1] - k, LargeurCarte + 2 * k, HauteurCarte + 2 * k,
                  p.gagnant ? Or : Cyan);
        if (p.gagnant && p.gagnant != p.joueur)
            cadre(image, Spots[p.joueur][0] - 1, Spots[p.joueur][1] - 1, LargeurCarte + 2, HauteurCarte + 2,
                  Cyan);
    }
    for (int j = 1; j <= 4; ++j) {
        const Main& main = p.mains[static_cast<std::size_t>(j)];
        const Rect e = etendue(j, compte(main));
        int x = e.x, y = e.y;
        for (std::size_t s = 1; s <= 8; ++s) {
            if (main[s] <= 0) continue;
            posecarteface(image, m, f, x, y, main[s]);
            (j == 1 || j == 3 ? x : y) += j == 1 || j == 3 ? Rangee : Colonne;
        }
    }
}

void Revue::dessine_noms(const Position& p) {
    // Each name by the end of its hand that comes first going round clockwise: right of Nord's row, under
    // Est's column, left of Sud's row, above Ouest's column; the dealer's with the table's "D".
    Polices& po = pf.polices();
    const int t = ctx_.r.taille2, h = po.hauteur(t);
    const int donneur = relecture_.recit().donneur;
    for (int j = 1; j <= 4; ++j) {
        const std::string nom = std::string(Noms[j]) + (j == donneur ? "  D" : "");
        const int w = po.largeur(nom, t);
        const Rect e = etendue(j, compte(p.mains[static_cast<std::size_t>(j)]));
        const int x = j == 1 ? e.x - 6 - w : j == 3 ? e.x + e.w + 6 : e.x + (e.w - w) / 2;
        const int y = j == 1 || j == 3 ? e.y + (e.h - h) / 2 : j == 2 ? e.y + e.h + 4 : e.y - 4 - h;
        po.imprime_releve(image, x, y, nom, t, Cyan, CyanProfond);
    }
}

void Revue::dessine_panneau(const Position& p) {
    fill(image, PanneauX, 0, 640 - PanneauX, 480, FondPanneau);
    Polices& po = pf.polices();
    const Recit& r = relecture_.recit();
    const std::string t1 = "Donne n\u00b0 " + std::to_string(r.numero);
    int tt = ctx_.r.taille4;
    while (tt > 8 && po.largeur(t1, tt) > 146) --tt;
    po.imprime_releve(image, 563 - po.largeur(t1, tt) / 2, 21 - po.hauteur(tt) / 2, t1, tt, Cyan, CyanSombre);
    const int t = ctx_.r.taille1;
    po.imprime(image, 492, 63 - po.hauteur(t),
               "Donneur\u00a0: " + std::string(Noms[std::clamp(r.donneur, 0, 4)]), t, Creme);
    po.imprime(image, 492, 64, "Preneur\u00a0: " + std::string(Noms[std::clamp(r.preneur, 0, 4)]), t, Creme);
    static constexpr int disques[5][2] = {{0, 0}, {447, 384}, {487, 384}, {447, 424}, {487, 424}};
    if (r.atout >= 1 && r.atout <= 4)
        bitblt(image, 596, 44, 40, 40, tapis_.tampon(), disques[r.atout][0], disques[r.atout][1]);
    dessine_texte(p);
    const std::string n = std::to_string(etape_ + 1) + " / " + std::to_string(relecture_.etapes());
    po.imprime(image, 563 - po.largeur(n, t) / 2, 348 - po.hauteur(t) / 2, n, t, Creme);
    if (!fiche_.empty()) {
        po.imprime(image, 492, 363, "Fiche de la donne", 8, CyanSombre);
        // Three even lines, as large as they fit.
        const std::size_t n = (fiche_.size() + 2) / 3;
        int tf = 9;
        while (tf > 6 && po.largeur(fiche_.substr(0, n), tf) > 142) --tf;
        for (std::size_t i = 0; i < 3; ++i)
            po.imprime(image, 492, 375 + static_cast<int>(i) * 13,
                       fiche_.substr(std::min(i * n, fiche_.size()), n), tf, Creme);
    }
    for (Label l : {Label::precedent, Label::suivant, Label::rejouer, Label::copier, Label::retour})
        dessine_label(l);
}

void Revue::dessine_texte(const Position& p) {
    fill(image, Boite.x, Boite.y, Boite.w, Boite.h, Noir);
    cadre(image, Boite.x, Boite.y, Boite.w, Boite.h, Or);
    Polices& po = pf.polices();
    Polices& pt = pf.polices_texte();
    const std::string tete = titre(p);
    const int th = ctx_.r.taille2;
    po.imprime_releve(image, Boite.x + 6, Boite.y + 4, tete, th, Cyan, CyanSombre);
    const int haut = Boite.y + 6 + po.hauteur(th), largeur = Boite.w - 12;
    const std::vector<std::string> paras = paragraphes(p);
    // The largest size at which every paragraph fits the area.
    int t = 11;
    std::vector<std::vector<std::string>> lignes;
    for (;; --t) {
        lignes.clear();
        int h = 0;
        for (const std::string& s : paras) {
            lignes.push_back(coupe(pt, s, t, largeur));
            h += static_cast<int>(lignes.back().size()) * pt.hauteur(t) + 4;
        }
        if (t <= 7 || haut + h <= Boite.y + Boite.h - 4) break;
    }
    int y = haut;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        // After a whole trick, who took it (and at the last, the deal's points): set apart in cyan.
        const std::uint32_t c = i > 0 && p.gagnant ? Cyan : Creme;
        for (const std::string& l : lignes[i]) {
            if (y + pt.hauteur(t) > Boite.y + Boite.h) return;
            pt.imprime(image, Boite.x + 6, y, l, t, c);
            y += pt.hauteur(t);
        }
        y += 4;
    }
}

void Revue::dessine_label(Label l) {
    const Rect r = zone(l);
    const bool actif = label_actif(l), allume = actif && survol_ == l;
    fill(image, r.x, r.y, r.w, r.h, allume ? rgb(24, 46, 38) : FondPanneau);
    cadre(image, r.x, r.y, r.w, r.h, actif ? Or : rgb(70, 62, 40));
    const std::string texte = l == Label::precedent ? "\u25c0"
                              : l == Label::suivant ? "\u25b6"
                              : l == Label::copier  ? (copiee_ ? "Copiée" : "Copier")
                              : l == Label::rejouer ? "Rejouer cette donne"
                                                    : "Retour";
    Polices& po = pf.polices();
    int t = ctx_.r.taille2;
    while (t > 8 && po.largeur(texte, t) > r.w - 8) --t;
    const int x = r.x + (r.w - po.largeur(texte, t)) / 2, y = r.y + (r.h - po.hauteur(t)) / 2;
    if (!actif)
        po.imprime(image, x, y, texte, t, rgb(60, 90, 84));
    else
        po.imprime_releve(image, x, y, texte, t, allume ? CyanSombre : Cyan, allume ? Cyan : CyanSombre);
}

std::string Revue::titre(const Position& p) const {
    if (p.moment == Moment::encheres) return p.tour == 1 ? "Enchères" : "Second tour";
    if (p.moment == Moment::mains) return "Distribution";
    return "Pli " + std::to_string(p.numpli) + " \u00b7 carte " + std::to_string(p.numcarte);
}

std::vector<std::string> Revue::paragraphes(const Position& p) const {
    const Recit& r = relecture_.recit();
    std::vector<std::string> v;
    if (p.moment == Moment::encheres) {
        if (p.tour == 1)
            v.push_back(qui(r.donneur, "distribue et retourne ", "Vous distribuez et retournez ") +
                        nomcarte(r.retournee) + ".");
        else
            v.push_back("Personne n'a pris au premier tour\u00a0: chacun peut choisir une autre couleur.");
        for (int k = p.premiere; k < p.premiere + p.nombre; ++k)
            v.push_back(r.encheres[static_cast<std::size_t>(k)].raison.phrase);
    } else if (p.moment == Moment::mains) {
        const int a = std::clamp(r.atout, 0, 4);
        v.push_back(qui(r.preneur, "prend à ", "Vous prenez à ") + NomsCouleurs[static_cast<std::size_t>(a)] +
                    "\u00a0: " + (r.preneur == 1 ? "vous recevez" : "il reçoit") +
                    " la carte retournée, puis chacun complète sa main à huit cartes.");
    } else {
        v.push_back(p.raison ? p.raison->phrase : std::string());
        if (p.gagnant) v.push_back(qui(p.gagnant, "remporte le pli.", "Vous remportez le pli."));
        if (p.gagnant && p.numpli == 8)
            v.push_back("Donne\u00a0: Vous " + std::to_string(r.nous) + ", Eux " + std::to_string(r.eux) +
                        ".");
    }
    return v;
}

} // namespace tlv::belote
