// The reasons of the computer's decisions: the explained trace of many matches, and a few sentences word for
// word.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "aide.h"
#include "belote/donne.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/raisons.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

int champ(const std::string& ligne, const std::string& cle) {
    const auto i = ligne.find(' ' + cle + '=');
    return i == std::string::npos ? -1 : std::stoi(ligne.substr(i + cle.size() + 2));
}

struct Commentaire {
    int siege = 0, carte = 0;
    std::string motif, phrase;
};

// The comment lines "# <sorte> ..." after line i, which moves to the last of them.
std::vector<Commentaire> commentaires(const std::vector<std::string>& l, std::size_t& i, const char* sorte) {
    const std::string debut = std::string("# ") + sorte + ' ';
    std::vector<Commentaire> r;
    while (i + 1 < l.size() && l[i + 1].rfind(debut, 0) == 0) {
        std::istringstream in(l[++i].substr(debut.size()));
        Commentaire c;
        in >> c.siege;
        if (debut == "# carte ") in >> c.carte;
        in >> c.motif;
        std::getline(in >> std::ws, c.phrase);
        EXPECT_TRUE(!c.motif.empty() && c.motif != "joueur" && !c.phrase.empty()) << l[i];
        r.push_back(c);
    }
    return r;
}

// The bids follow the line that closes the bidding, from the dealer's left: up to the taker in the first
// round, four and up to the taker in the second, eight when all pass. Each trick's cards follow its line, in
// play order from its leader.
void verifie(const std::vector<std::string>& l) {
    int donneur = 0, retournee = 0, meneur = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
        const std::string x = l[i];
        if (x.rfind("donne ", 0) == 0) {
            donneur = champ(x, "donneur"), retournee = champ(x, "retournee");
        } else if (x.rfind("prise ", 0) == 0) {
            const int preneur = champ(x, "preneur"), rang = (preneur - donneur + 3) % 4 + 1;
            const bool premier = champ(x, "atout") == couleur(retournee);
            const std::size_t n = preneur == 0 ? 8 : premier ? rang : 4 + rang;
            const auto e = commentaires(l, i, "enchere");
            ASSERT_EQ(e.size(), n) << x;
            for (std::size_t k = 0; k < n; ++k) {
                EXPECT_EQ(e[k].siege, apres(donneur, static_cast<int>(k % 4) + 1)) << x;
                EXPECT_EQ(e[k].motif.rfind("prend", 0) == 0, preneur != 0 && k + 1 == n) << x;
            }
            meneur = suivant(donneur);
        } else if (x.rfind("pli ", 0) == 0) {
            int c[5] = {};
            ASSERT_EQ(std::sscanf(x.c_str(), "pli n=%*d cartes=%d,%d,%d,%d", &c[1], &c[2], &c[3], &c[4]), 4);
            const auto e = commentaires(l, i, "carte");
            ASSERT_EQ(e.size(), 4u) << x;
            for (int k = 0; k < 4; ++k) {
                const int j = apres(meneur, k);
                EXPECT_EQ(e[static_cast<std::size_t>(k)].siege, j) << x;
                EXPECT_EQ(e[static_cast<std::size_t>(k)].carte, c[j]) << x;
            }
            meneur = champ(x, "gagnant");
        } else {
            ASSERT_NE(x.rfind('#', 0), 0u) << "out of place: " << x;
        }
    }
}

} // namespace

TEST(Raisons, EveryDecisionFollowsItsLineInTheTrace) {
    Monde m;
    m.rnd.graine(20261207);
    std::ostringstream o;
    JournalExplique journal(o);
    m.b.suivi = &journal;
    TableMuette table(m.b);
    for (int partie = 0; partie < 1000 && !::testing::Test::HasFailure(); ++partie) {
        o.str("");
        lancelapartie(m.b, table);
        std::istringstream in(o.str());
        std::vector<std::string> lignes;
        for (std::string s; std::getline(in, s);) lignes.push_back(s);
        ASSERT_GT(lignes.size(), 10u);
        verifie(lignes);
    }
}

// Sud led the Roi of Pique, Est cut it, Nord gave the 7: Ouest follows its partner's trump.
TEST(Raisons, SentencesWordForWord) {
    TableBelote t;
    t.atout = coeur, t.numpli = 1, t.numcarte = 4, t.couleurdemandee = pique, t.maitre = 2;
    t.cartesjouees[1] = {0, 15, 40, 10, 0};
    const std::string cas[][2] = {
        {nomcarte(47), "l'As de cœur"},
        {nomcarte(14), "la Dame de pique"},
        {raisoncarte(t, 4, 13, Motif::fournit_monte, "Ouest").phrase,
         "Ouest fournit le Valet de pique\u00a0: le partenaire a coupé, "
         "la plus petite carte qui vaut plus que son atout"},
        {raisoncarte(t, 4, 11, Motif::debutant, "Ouest").phrase,
         "Ouest joue le 8 de pique\u00a0: une seconde idée plutôt que la meilleure"},
        {conseilcarte(t, 26, Motif::entame_dix),
         "Conseil\u00a0: jouez le 10 de carreau (l'As de carreau est tombé, le 10 est maître)"},
        {raisonenchere(t, 3, Motif::prend_valet_neuf, trefle, false, "Nord").phrase,
         "Nord prend à trèfle\u00a0: le Valet et le 9 de trèfle"},
    };
    for (const auto& [obtenu, attendu] : cas) EXPECT_EQ(obtenu, attendu);
}
