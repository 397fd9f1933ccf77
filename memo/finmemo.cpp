#include "finmemo.h"

#include "platform/couleurs.h"
#include "platform/entrees.h"
#include "platform/plateforme.h"
#include "platform/texte.h"
#include "scores/ajuste.h"
#include "scores/fichierscores.h"
#include "shell/chargeimage.h"
#include "shell/reglages.h"

namespace tlv::memo {

namespace {
constexpr const char* Insecable = "\u00a0"; // keeps "1 250" and its unit on one line

std::string milliers(int n) {
    std::string s = std::to_string(n < 0 ? -n : n);
    for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3)
        s.insert(static_cast<std::size_t>(i), Insecable);
    return n < 0 ? "-" + s : s;
}
} // namespace

std::string textefin(int temps) {
    return "Partie terminée en " + milliers(temps) + Insecable + (temps <= 1 ? "seconde" : "secondes");
}

std::string textehorstableau(int niveau) {
    return "Ce temps n\u2019entre pas au tableau du niveau " + libelleniveau(niveau) + ".";
}

Finmemo::Finmemo(Contexte& ctx, int temps, int niveau) : Form(ctx.pf, Largeur, Hauteur) {
    const Surface s = chargeimage(ctx.r.repertoire, "cartei10", pf.facteur());
    bitblt(image, 0, 0, Largeur, Hauteur, s, 0, 0);
    centre_sur_aire();
    Polices& po = pf.polices();
    const auto releve = [&](int x, int y, const std::string& t, int points) {
        po.imprime_releve(image, x, y, t, points, Cyan, CyanProfond);
    };
    // The title where the name entry asks for the name, centred as the verdict and the way on below it.
    const std::string titre = textefin(temps);
    const int tt = tailleajustee(po, titre, ctx.r.taille4, Largeur - 12);
    releve((Largeur - po.largeur(titre, tt)) / 2, 5, titre, tt);
    const std::string hors = textehorstableau(niveau), suite = PourContinuer;
    const int th = tailleajustee(po, hors, ctx.r.taille3, Bande.w - 12), ts = ctx.r.taille1;
    const int marge = (Bande.h - po.hauteur(th) - po.hauteur(ts)) / 3;
    const int yh = Bande.y + marge, ys = yh + po.hauteur(th) + marge;
    releve(Bande.x + (Bande.w - po.largeur(hors, th)) / 2, yh, hors, th);
    po.imprime(image, Bande.x + (Bande.w - po.largeur(suite, ts)) / 2, ys, suite, ts, CyanProfond);
}

void Finmemo::MouseDown(int, int, int, int) {
    hide();
}

void Finmemo::Form_KeyDown(Touche code, int) {
    if (code == Touche::Entree || code == Touche::Echap || code == Touche::Espace) hide();
}

void affichefin(Contexte& ctx, int temps, int niveau) {
    Finmemo f(ctx, temps, niveau);
    f.load();
    ctx.pf.montre_modal(f);
    f.unload();
}

} // namespace tlv::memo
