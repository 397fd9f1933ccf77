// The "Débutant" level: the rule list with a few second ideas, never illegal or absurd.
#include <gtest/gtest.h>

#include "aide.h"
#include "belote/debutant.h"
#include "belote/donne.h"
#include "belote/legalite.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

bool tientsauf(const TableBelote& t, int joueur, int slot, bool (*quoi)(const TableBelote&, int, int)) {
    for (int s = 1; s <= 8; ++s)
        if (s != slot && t.jeu[joueur][s] != 0 && quoi(t, joueur, s)) return true;
    return false;
}

// A second idea is never absurd: it does not trump the partner's trick with a plain card to give, nor
// give a 10 or an As to the opponents' trick when a small card would do.
void sensee(const TableBelote& t, int j, int s, std::uint64_t graine) {
    const int c = t.jeu[j][s];
    const bool atout = couleur(c) == t.atout, plain = t.couleurdemandee != t.atout;
    const bool plisuivant = t.numcarte > 1 && partenaires(t.maitre, j);
    const auto nonatout = [](const TableBelote& u, int k, int x) { return couleur(u.jeu[k][x]) != u.atout; };
    EXPECT_FALSE(plisuivant && plain && atout && tientsauf(t, j, s, nonatout))
        << "trumps the partner's trick, seed " << graine << ", card " << c;
    const auto petite = [](const TableBelote& u, int k, int x) {
        return u.valeur[k][x] < 10 && permise(cartelegale(u, k, x));
    };
    const bool donne10 = t.numcarte > 1 && !partenaires(t.maitre, j) && t.valeur[j][s] >= 10 &&
                         !battue(c, t.valeur[j][s], t.cartesjouees[t.numpli][t.maitre],
                                 t.valeur[t.maitre][t.cartemaitre], t.atout);
    EXPECT_FALSE(donne10 && tientsauf(t, j, s, petite))
        << "gives a big card away, seed " << graine << ", card " << c;
}

// Every decision of 200 deals played by four beginners, checked against the table as the seat saw it.
TEST(Debutant, SecondIdeasAreFewLegalAndSensible) {
    Monde m;
    TableBelote& t = m.b.table;
    int secondes = 0;
    for (std::uint64_t graine = 1; graine <= 200; ++graine) {
        Rnd donne{graine};
        Annonces a;
        Paquet p;
        initdonne(t, a, p);
        t.donneur = static_cast<std::int16_t>(graine % 4 + 1);
        t.preneur = static_cast<std::int16_t>(graine % 4 + 1);
        distribution(t, p, donne);
        distributiondureste(t, p, donne);
        triejeux(t);
        calculevaleurs(t);
        joueplis(t, [&](int j) {
            const TableBelote avant = t;
            const std::uint64_t etat = m.rnd.etat();
            const Choix ch = cartedebutant(m.b, j);
            EXPECT_EQ(m.rnd.etat(), etat) << "the match's random source moved";
            TableBelote apres = avant;
            apres.appel[j] = t.appel[j], apres.plusdatout[j] = t.plusdatout[j];
            EXPECT_TRUE(t == apres) << "seed " << graine << ", trick " << t.numpli << ", seat " << j;
            t = avant;
            EXPECT_EQ(cartedebutant(m.b, j).slot, ch.slot) << "the same situation, another card";
            const int s = ch.slot;
            EXPECT_TRUE(permise(cartelegale(t, j, s))) << "seed " << graine << ", slot " << s;
            if (!permise(cartelegale(t, j, s))) return 0;
            if (ch.motif == Motif::debutant) {
                ++secondes;
                sensee(t, j, s, graine);
            }
            return s;
        });
    }
    // About two second ideas per deal and seat, of its eight decisions: some, far from most.
    const double parseat = static_cast<double>(secondes) / (200.0 * 4);
    EXPECT_GT(parseat, 1.2);
    EXPECT_LT(parseat, 3.0);
}

} // namespace
