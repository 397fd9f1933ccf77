#include "tableaux.h"

#include <algorithm>

#include "ajuste.h"
#include "fichierscores.h"
#include "innom.h"
#include "nom.h"
#include "platform/couleurs.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "score.h"
#include "shell/echec.h"
#include "shell/reglages.h"
#include "shell/sons.h"

namespace tlv {

namespace {

// Shows a filled score screen; true when the player confirmed the erasing.
bool montre(Contexte& ctx, Score& s) {
    s.load();
    ctx.pf.montre_modal(s);
    const bool efface = s.reponse == Score::Reponse::Efface;
    s.unload();
    return efface;
}

} // namespace

bool tableaudesscores_memo(Contexte& ctx, int niveau, int temps) {
    const std::string fichier = fichiermemo(niveau);
    const TableMemo t = litmemo(*ctx.r.scores, fichier);
    const int rang = rangmemo(t, temps);
    if (rang == 0) return false;
    joueson(ctx.pf, ctx.r, "cartew08");
    std::string nom = demande_nom(ctx, ctx.r.textes[Texte::EntrezVotreNom]);
    if (nom == nomannule || nom.empty()) nom = nominconnu;
    signale_echec(ctx.pf, ctx.r, "le score",
                  ecritmemo(*ctx.r.scores, fichier, inserememo(t, rang, formatememo(nom, temps))));
    affichelesscores_memo(ctx, niveau);
    return true;
}

void affichelesscores_memo(Contexte& ctx, int niveau) {
    const std::string fichier = fichiermemo(niveau);
    const TableMemo t = litmemo(*ctx.r.scores, fichier);
    Score s(ctx);
    s.titre(ctx.r.textes[Texte::TableauDesScoresNiveau] + libelleniveau(niveau));
    Polices& po = ctx.pf.polices();
    const int taille = ctx.r.taille7;
    // Times end on one right edge, so that their digits line up: where five digits end when printed
    // from x 392, or the buttons' right edge if our wide font takes them that far.
    const int droite = std::min(392 + po.largeur(" 00000", taille), Score::Largeur - 12);
    for (int i = 1; i <= lignesmemo; ++i) {
        const ScoreMemo& l = t[static_cast<std::size_t>(i - 1)];
        const std::string nom = debutligne(l.ligne, 9);
        // Numbers are printed with the blank that stands for their sign.
        std::string temps(1, ' ');
        temps += std::to_string(l.temps);
        const int xt = droite - po.largeur(temps, taille);
        po.imprime_releve(s.image, 8, 50 * i + 40, nom, taille, CyanProfond, Cyan);
        po.imprime_releve(s.image, xt, 50 * i + 40, temps, taille, CyanProfond, Cyan);
    }
    if (montre(ctx, s))
        signale_echec(ctx.pf, ctx.r, "les scores effacés",
                      ecritmemo(*ctx.r.scores, fichier, tablememodefaut()));
}

bool tableaudesscores_jong(Contexte& ctx, const std::string& nompartie, int numtableau, int tempscumule,
                           std::string& fichepartie) {
    const ClassementJong c =
        classejong(litjong(*ctx.r.scores, fichierjong), fichepartie, numtableau, tempscumule);
    ctx.pf.invalide();
    if (c.rang == 0) return false;
    const std::string ligne = formatejong(nompartie, numtableau, tempscumule);
    // The chime tells a score kept: none for one the folder refused.
    if (const Resultat r = ecritjong(*ctx.r.scores, fichierjong, inserejong(c.liste, c.rang, ligne)); !r) {
        signale_echec(ctx.pf, ctx.r, "le score", r);
        return false;
    }
    joueson(ctx.pf, ctx.r, "cartew08");
    fichepartie = ligne;
    return true;
}

void affichelesscores_jong(Contexte& ctx, const std::string& fichepartie) {
    const TableJong t = litjong(*ctx.r.scores, fichierjong);
    Score s(ctx);
    s.titre(ctx.r.textes[Texte::TableauDesScores]);
    Polices& po = ctx.pf.polices();
    // The board and time columns stay apart in our wide font: a size at which each fits its column.
    const int taille = std::min(tailleajustee(po, "000", ctx.r.taille5, 52),
                                tailleajustee(po, "00:00:00", ctx.r.taille5, Score::Largeur - 366));
    // Numbers end on the right edges of their columns, so that narrow digits do not shift a row.
    const int droitetableau = 300 + po.largeur("000", taille);
    const int droitetemps = 360 + po.largeur("00:00:00", taille);
    for (int i = 1; i <= lignesjong; ++i) {
        const ScoreJong& l = t[static_cast<std::size_t>(i - 1)];
        std::string nom = debutligne(l.ligne, 9);
        if (!fichepartie.empty() && l.ligne == fichepartie) nom += "*";
        const std::string tableau = l.ligne.substr(9, 3), temps = heures(l.temps);
        const int xtableau = droitetableau - po.largeur(tableau, taille);
        const int xtemps = droitetemps - po.largeur(temps, taille);
        for (int d = 0; d <= 1; ++d) {
            const std::uint32_t c = d == 0 ? CyanProfond : Cyan;
            const int y = 27 * i + 40 + d;
            po.imprime(s.image, 16 + d, y, nom, taille, c);
            po.imprime(s.image, xtableau + d, y, tableau, taille, c);
            po.imprime(s.image, xtemps + d, y, temps, taille, c);
        }
    }
    if (montre(ctx, s))
        signale_echec(ctx.pf, ctx.r, "les scores effacés",
                      ecritjong(*ctx.r.scores, fichierjong, tablejongdefaut()));
}

} // namespace tlv
