#include "belote/raisons.h"

#include <array>
#include <cstddef>

#include "belote/carte.h"
#include "belote/enchere.h"
#include "socle/carte.h"

namespace tlv::belote {

namespace {

constexpr std::array<const char*, 8> NomsRangs = {"7", "8", "9", "Valet", "Dame", "Roi", "10", "As"};
const std::string Deux = "\u00a0: "; // French typography: a fixed space before the colon

std::string suit(int s) {
    return s >= 1 && s <= 4 ? NomsCouleurs[static_cast<std::size_t>(s)] : "";
}

// Occurrences of "{c}" (the card's suit), "{d}" (the suit led), "{s}" (the card's sister suit) and "{p}"
// (the partner's name) replaced.
std::string remplit(std::string texte, int carte, const TableBelote& t, const std::string& partenaire) {
    const auto remplace = [&](const std::string& cle, const std::string& par) {
        for (std::size_t i = texte.find(cle); i != std::string::npos; i = texte.find(cle, i + par.size()))
            texte.replace(i, cle.size(), par);
    };
    remplace("{c}", suit(couleur(carte)));
    remplace("{d}", suit(t.couleurdemandee));
    remplace("{s}", suit(couleur_soeur(couleur(carte))));
    remplace("{p}", partenaire);
    return texte;
}

bool atoutmaitre(const TableBelote& t) {
    return t.numcarte > 1 && couleur(t.cartesjouees[t.numpli][t.maitre]) == t.atout;
}

// The reason of a lead, told without a subject.
std::string clauseentame(Motif m) {
    switch (m) {
    case Motif::entame_atout_valet:
        return "le Valet, atout maître, tire les atouts adverses";
    case Motif::entame_atout_neuf:
        return "le Valet est tombé, le 9 est maître";
    case Motif::entame_atout_as:
        return "le Valet et le 9 sont tombés, l'As est maître";
    case Motif::entame_atout_dix:
        return "le Valet, le 9 et l'As sont tombés, le 10 est maître";
    case Motif::entame_petit_atout:
        return "un petit atout, pour faire tomber ceux des adversaires";
    case Motif::entame_appel:
        return "l'appel de {p} à {c}, suivi au tirage (deux chances sur cinq)";
    case Motif::entame_as:
        return "un As, maître dans sa couleur";
    case Motif::entame_dix:
        return "l'As de {c} est tombé, le 10 est maître";
    case Motif::entame_petite:
        return "une petite carte, faute d'As ou de 10 maître";
    case Motif::entame_valet:
        return "ni As, ni 10 maître, ni petite carte, alors le Valet";
    case Motif::entame_dame:
        return "ni As, ni 10 maître, ni petite carte, ni Valet, alors la Dame";
    case Motif::entame_roi:
        return "hors atout, plus que des Rois ou des 10 non maîtres";
    case Motif::entame_couleur:
        return "hors atout, plus qu'un 10 dont l'As n'est pas tombé";
    case Motif::entame_atout:
        return "plus que des atouts en main";
    case Motif::fort_carte:
        return "le meilleur résultat en moyenne sur les donnes possibles";
    default:
        return "";
    }
}

// The reason of a card that follows, told without a subject so that it reads after a seat's card and inside
// Sud's advice. The rules weigh cards by their points: a 9 over an 8 is worth no more, and a card of the
// suit led is weighed against the partner's trump too.
std::string clausecarte(const TableBelote& t, int joueur, int carte, Motif m) {
    const bool partenairegagne = t.numcarte > 1 && partenaires(t.maitre, joueur);
    const bool coupe = atoutmaitre(t); // a trump holds the trick: on a plain suit, the partner's cut
    switch (m) {
    case Motif::fournit_sous_coupe:
        return "l'adversaire a coupé, la plus petite carte à {d}";
    case Motif::fournit_as:
        return "l'As de la couleur demandée";
    case Motif::fournit_dix:
        return "l'As de {d} est tombé, le 10 est maître";
    case Motif::fournit_second:
        return "en deuxième position, la plus petite carte";
    case Motif::fournit_monte:
        return coupe ? "le partenaire a coupé, la plus petite carte qui vaut plus que son atout"
                     : "la plus petite carte qui vaut plus que la carte maîtresse";
    case Motif::fournit_petite:
        return coupe ? "le partenaire a coupé, la plus petite carte"
                     : "aucune carte ne vaut plus que la carte maîtresse, la plus petite";
    case Motif::atout_maitre:
        return rang(carte) == dix ? "le Valet et le 9 sont tombés, le 10 est le plus fort atout en main"
                                  : "l'atout maître, pour le camp du preneur";
    case Motif::surcoupe_econome:
        return "le plus petit atout qui vaut plus que celui qui tient le pli, en gardant le Valet et le 9";
    case Motif::surcoupe:
        return "seul le 9 ou le Valet vaut plus que l'atout qui tient le pli";
    case Motif::atout_petit:
        return coupe ? "aucun atout ne vaut plus que celui qui tient le pli, le plus petit hors Valet et 9"
                     : "le plus petit atout, hors Valet et 9";
    case Motif::atout_gros:
        return "plus que le 9 ou le Valet à l'atout";
    case Motif::defausse_dix:
        return "le partenaire tient le pli, le 10 de {c} est pour lui";
    case Motif::defausse_appel:
        return "pour signaler la force à {s}, la couleur sœur";
    case Motif::defausse_moins_chere:
        if (partenairegagne) return "le partenaire tient le pli, la carte qui vaut le moins";
        return t.couleurdemandee == t.atout ? "pas d'atout, la carte qui vaut le moins"
                                            : "ni fournir ni couper, la carte qui vaut le moins";
    case Motif::defausse_atout:
        return "plus que des atouts, le plus petit";
    case Motif::debutant:
        return "une seconde idée plutôt que la meilleure";
    default:
        return clauseentame(m);
    }
}

// What the seat does with its card: leads, follows, cuts, overtrumps or discards.
std::string verbe(const TableBelote& t, int carte, Motif m) {
    if (m == Motif::debutant) return "joue";
    if (t.numcarte <= 1) return "entame";
    if (couleur(carte) == t.couleurdemandee) return "fournit";
    if (couleur(carte) != t.atout) return "défausse";
    return m == Motif::surcoupe || m == Motif::surcoupe_econome ? "surcoupe avec" : "coupe avec";
}

std::string partenairede(int joueur) {
    static constexpr std::array<const char*, 5> Noms = {"", "Sud", "Est", "Nord", "Ouest"};
    return Noms[static_cast<std::size_t>(partenaire(joueur))];
}

// Cards of `couleur` among the five the seat bids on and the turned card.
int parmisix(const TableBelote& t, int joueur, int coul) {
    int n = delacouleur(t.liste[6], coul) ? 1 : 0;
    for (int s = 1; s <= 5; ++s) n += delacouleur(t.jeu[joueur][s], coul) ? 1 : 0;
    return n;
}

std::string clauseenchere(const TableBelote& t, int joueur, Motif m, int coul, bool premier) {
    const std::string a = premier ? "l'atout proposé" : suit(coul);
    const std::string de = suit(coul) == "" ? "" : " de " + suit(coul);
    switch (m) {
    case Motif::prend_quatre:
        return "au moins quatre cartes à " + suit(coul) + (premier ? ", la retournée comprise" : "");
    case Motif::prend_valet_neuf:
        return "le Valet et le 9" + de;
    case Motif::prend_valet_as:
        return "trois cartes à " + suit(coul) + " avec le Valet, et un As";
    case Motif::prend_neuf_as:
        return "trois cartes à " + suit(coul) + " avec le 9, et un As";
    case Motif::passe_seule:
        return (parmisix(t, joueur, coul) == 0 ? "aucune carte à " : "une seule carte à ") + a;
    case Motif::passe_deux:
        return "deux cartes à " + a + ", sans le Valet et le 9 ensemble";
    case Motif::passe_trois:
        return "trois cartes à " + a + ", sans deux des trois parmi Valet, 9 et As";
    case Motif::passe_second:
        return "aucune des autres couleurs n'a de quoi prendre";
    case Motif::fort_prend:
        return "en moyenne sur les donnes possibles, prendre rapporte plus que passer";
    case Motif::fort_passe:
        return "en moyenne sur les donnes possibles, passer coûte moins que prendre";
    default:
        return "";
    }
}

} // namespace

std::string nomcarte(int carte) {
    if (!estcarte(carte)) return "";
    const std::string r = NomsRangs[static_cast<std::size_t>(rang(carte))];
    const bool elision = rang(carte) == as;
    const std::string article = elision ? "l'" : rang(carte) == dame ? "la " : "le ";
    return article + r + " de " + suit(couleur(carte));
}

Raison raisoncarte(const TableBelote& t, int joueur, int carte, Motif m, const std::string& nom) {
    if (m == Motif::joueur) return {m, "Vous jouez " + nomcarte(carte)};
    const std::string clause = remplit(clausecarte(t, joueur, carte, m), carte, t, partenairede(joueur));
    return {m, nom + " " + verbe(t, carte, m) + " " + nomcarte(carte) + Deux + clause};
}

std::string conseilcarte(const TableBelote& t, int carte, Motif m) {
    return "Conseil" + Deux + "jouez " + nomcarte(carte) + " (" +
           remplit(clausecarte(t, 1, carte, m), carte, t, "Nord") + ")";
}

Raison raisonenchere(const TableBelote& t, int joueur, Motif m, int coul, bool premier,
                     const std::string& nom) {
    // The human's bid: `coul` is 0 for a pass.
    const bool prise = m == Motif::joueur ? coul != 0 : prend(m);
    const std::string a = prise && !premier ? " à " + suit(coul) : "";
    if (m == Motif::joueur) return {m, std::string(prise ? "Vous prenez" : "Vous passez") + a};
    return {m, nom + (prise ? " prend" : " passe") + a + Deux + clauseenchere(t, joueur, m, coul, premier)};
}

std::string conseilenchere(const TableBelote& t, Motif m, int coul, bool premier) {
    const bool prise = prend(m);
    const std::string a = prise && !premier ? " à " + suit(coul) : "";
    return "Conseil" + Deux + (prise ? "prenez" : "passez") + a + " (" +
           clauseenchere(t, 1, m, coul, premier) + ")";
}

} // namespace tlv::belote
