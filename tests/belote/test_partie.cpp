// Whole matches played silently: every deal sound (cards dealt and played once, 152 points, no illegal
// card, the gathered pack, the dealer's turn, the cut said once), the same seed giving the same trace, and
// the reasons of every decision in the explained trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "aide.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/raisons.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// Each of the 32 cards exactly once.
void unefois(std::vector<int> cartes) {
    std::sort(cartes.begin(), cartes.end());
    ASSERT_EQ(cartes.size(), 32u);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(cartes[static_cast<std::size_t>(i)], carteno(i));
}

// Plays the matches silently and checks every deal as it goes.
class Verificateur : public TableMuette, public Suivi {
  public:
    explicit Verificateur(Belote& b) : TableMuette(b), b_(b) { b.suivi = this; }
    int donnesjouees = 0;

    // A passed deal goes straight to the next dealer.
    void partie(int) override { donneur_ = 0; }
    void donne(int, int donneur, int) override {
        EXPECT_TRUE(donneur_ == 0 || donneur == donneur_ % 4 + 1);
        donneur_ = donneur;
    }
    // The first trump on a plain lead says "coupe", later ones in the trick do not.
    void voix(int, const std::string& mot) override { coupes_ += mot == "coupe"; }

    // Called once the hands are complete and sorted.
    void annonces(int, int, int) override {
        std::vector<int> mains;
        for (int j = 1; j <= 4; ++j) {
            mains.insert(mains.end(), b_.table.jeu[j].begin() + 1, b_.table.jeu[j].end());
            EXPECT_TRUE(std::is_sorted(b_.table.jeu[j].begin() + 1, b_.table.jeu[j].end()));
        }
        unefois(mains);
        joues_.clear();
        points_ = 0;
    }
    void pli(int n, const std::array<std::int16_t, 5>& cartes, int, int, int) override {
        EXPECT_EQ(n, static_cast<int>(joues_.size()) / 4 + 1);
        EXPECT_LE(coupes_, 1);
        coupes_ = 0;
        for (int j = 1; j <= 4; ++j) {
            joues_.push_back(cartes[static_cast<std::size_t>(j)]);
            points_ += valeurcarte(joues_.back(), b_.table.atout);
        }
    }
    void fin(int, int, int, int, int) override {
        ++donnesjouees;
        unefois(joues_);
        EXPECT_EQ(points_, 152);
        EXPECT_EQ(b_.paquet.positionpaquet, 33);
        EXPECT_TRUE(std::equal(joues_.begin(), joues_.end(), b_.paquet.paquet.begin() + 1));
    }
    void illegale(int j, int c, int n) override {
        ADD_FAILURE() << "seat " << j << " card " << c << " trick " << n;
    }

  private:
    const Belote& b_;
    std::vector<int> joues_;
    int points_ = 0, donneur_ = 0, coupes_ = 0;
};

} // namespace

// TLV_DONNES_PROPRIETE sets how many played deals the run needs (10000 by default), half of them with
// announcements.
TEST(Propriete, EveryDealIsSound) {
    const char* v = std::getenv("TLV_DONNES_PROPRIETE");
    const int voulues = v && std::atoi(v) > 0 ? std::atoi(v) : 10000;
    for (bool annonces : {true, false}) {
        Monde m;
        m.r.avecannonces = annonces;
        m.r.partieen = 1500;
        m.rnd.graine(annonces ? 20261206 : 7);
        Verificateur verif(m.b);
        while (verif.donnesjouees < voulues / 2 && !::testing::Test::HasFailure()) lancelapartie(m.b, verif);
        EXPECT_GE(verif.donnesjouees, voulues / 2);
    }
}

TEST(Propriete, SameSeedSameTrace) {
    const auto trace = [](std::uint64_t graine) {
        Monde m;
        m.rnd.graine(graine);
        std::ostringstream o;
        Journal j(o);
        m.b.suivi = &j;
        TableMuette t(m.b);
        for (int i = 0; i < 3; ++i) lancelapartie(m.b, t);
        return o.str();
    };
    const std::string a = trace(42);
    EXPECT_EQ(a, trace(42));
    EXPECT_NE(a, trace(43));
    EXPECT_NE(a.find("resultat"), std::string::npos);
}

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
