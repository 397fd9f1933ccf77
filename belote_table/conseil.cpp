// Sud's advice on the table: the "Conseil" label, the box over the score pad and the count at the end.
#include <algorithm>
#include <cctype>

#include "belote_table/tapis.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "shell/aide.h"
#include "shell/reglages.h"

namespace tlv::belote {

namespace {

const std::string Titre = "Conseil";
constexpr int Marge = 7; // inside the box's frame
// The body's largest size, and its smallest, for a sentence far longer than any the rules tell.
constexpr int TailleTexte = 12, TailleMin = 7;

// The sentence without its heading, which the box prints apart: "Jouez le Roi de trèfle (...)".
std::string corps(const std::string& phrase) {
    const std::string entete = Titre + "\u00a0: ";
    std::string c = phrase.rfind(entete, 0) == 0 ? phrase.substr(entete.size()) : phrase;
    if (!c.empty()) c[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(c[0])));
    return c;
}

} // namespace

void Tapis::dessine_label_conseil(Surface& s, bool allume) {
    Polices& po = pf_.polices();
    const Rect& z = ZoneConseil;
    int t = ctx_.r.taille3;
    while (t > 8 && po.largeur(Titre, t) > z.w - 4) --t;
    bitblt(s, z.x, z.y, z.w, z.h, sousconseil_, 0, 0);
    po.imprime_releve(s, z.x + (z.w - po.largeur(Titre, t)) / 2, z.y + (z.h - po.hauteur(t)) / 2, Titre, t,
                      allume ? CyanProfond : Cyan, allume ? Cyan : CyanProfond);
}

void Tapis::labelconseil(bool allume) {
    if (allume == conseilallume_) return;
    conseilallume_ = allume;
    dessine_label_conseil(fond_, allume);
    pf_.invalide();
}

void Tapis::montreconseil(const std::string& phrase) {
    const Rect& z = ZonePad;
    if (conseilmontre_)
        bitblt(fond_, z.x, z.y, z.w, z.h, souspad_, 0, 0);
    else
        bitblt(souspad_, 0, 0, z.w, z.h, fond_, z.x, z.y);
    conseilmontre_ = true;
    Polices& po = pf_.polices();
    Polices& pt = pf_.polices_texte();
    const int tt = ctx_.r.taille3, ht = po.hauteur(tt);
    const int largeur = z.w - 2 * Marge, place = z.h - 3 * Marge - ht;
    // The body at the largest size where every line fits the box's width and all of them its height.
    const std::string texte = corps(phrase);
    std::vector<LigneAide> lignes;
    int t = TailleTexte;
    for (;; --t) {
        lignes = mise_en_lignes(texte, largeur, [&](const std::string& l, bool) { return pt.largeur(l, t); });
        int plus = 0;
        for (const auto& l : lignes) plus = std::max(plus, pt.largeur(l.texte, t));
        if (t <= TailleMin || (plus <= largeur && static_cast<int>(lignes.size()) * pt.hauteur(t) <= place))
            break;
    }
    const int hauteur = std::min(z.h, 3 * Marge + ht + static_cast<int>(lignes.size()) * pt.hauteur(t));
    fill(fond_, z.x, z.y, z.w, hauteur, Noir);
    cadre(fond_, z.x, z.y, z.w, hauteur, CyanSombre);
    cadre(fond_, z.x + 2, z.y + 2, z.w - 4, hauteur - 4, CyanProfond);
    po.imprime_releve(fond_, z.x + (z.w - po.largeur(Titre, tt)) / 2, z.y + Marge, Titre, tt, Cyan,
                      CyanProfond);
    int y = z.y + 2 * Marge + ht;
    for (const auto& l : lignes) {
        pt.imprime(fond_, z.x + (z.w - pt.largeur(l.texte, t)) / 2, y, l.texte, t, Creme);
        y += pt.hauteur(t);
    }
    pf_.invalide();
}

void Tapis::effaceconseil() {
    if (!conseilmontre_) return;
    conseilmontre_ = false;
    const Rect& z = ZonePad;
    bitblt(fond_, z.x, z.y, z.w, z.h, souspad_, 0, 0);
    pf_.invalide();
}

void Tapis::ecritconseils(int conseils) {
    if (conseils <= 0) return;
    Polices& po = pf_.polices_texte();
    const std::string texte = "Conseils demandés\u00a0: " + std::to_string(conseils);
    int t = ctx_.r.taille2;
    while (t > TailleMin && po.largeur(texte, t) > ZonePad.w - 2 * Marge) --t;
    const int h = po.hauteur(t) + 4;
    // A line apart under the deals' lines; over the last one when the pad is full.
    const int y = std::min(ZonePad.y + 14 * lignescore_ + 4, ZonePad.y + ZonePad.h - h);
    fill(fond_, ZonePad.x, y, ZonePad.w, h, Noir);
    po.imprime(fond_, ZonePad.x + (ZonePad.w - po.largeur(texte, t)) / 2, y + 2, texte, t, Cyan);
}

} // namespace tlv::belote
