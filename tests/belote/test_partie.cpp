// Whole matches played silently: every deal sound (cards dealt and played once, 152 points, no illegal
// card, the gathered pack, the dealer's turn, the cut said once) and scored as the Fort level imagines it,
// Sud's advice always its move; the explained trace's layout and its sentences.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "aide.h"
#include "belote/annonces.h"
#include "belote/compte.h"
#include "belote/conseil.h"
#include "belote/deroule.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/raisons.h"
#include "belote/requetes.h"

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

// Plays the matches silently and checks every deal as it goes. Each deal is also played again card by card
// on a `Deroule`, the Fort level's imagined deal: the trick winners, the belote and the settled score must be
// the flow's own.
class Verificateur : public TableMuette, public Suivi {
  public:
    explicit Verificateur(Belote& b) : TableMuette(b), b_(b) { b.suivi = this; }
    int donnesjouees = 0;

    // A passed deal goes straight to the next dealer.
    void partie(int) override { donneur_ = 0, reserve_ = 0; }
    void donne(int, int donneur, int) override {
        EXPECT_TRUE(donneur_ == 0 || donneur == donneur_ % 4 + 1);
        donneur_ = donneur;
        d_.t = TableBelote{}, d_.t.donneur = static_cast<std::int16_t>(donneur);
    }
    void enchere(int, int, const Raison&) override { EXPECT_EQ(d_.t.preneur, 0) << "a bid after the prise"; }
    void prise(int preneur, int atout) override {
        d_.t.preneur = static_cast<std::int16_t>(preneur);
        d_.t.atout = static_cast<std::int16_t>(atout);
    }
    void mains(const std::array<Main, 5>& jeu) override {
        d_.t.jeu = jeu;
        calculevaleurs(d_.t);
        d_.belotenous = d_.beloteeux = 0;
    }
    // The first trump on a plain lead says "coupe", later ones in the trick do not.
    void voix(int, const std::string& mot) override { coupes_ += mot == "coupe"; }

    // Sud plays by the rules: the advice asked just before each bid and card is that very move, told by its
    // rule, and stays the same when the hidden hands are dealt otherwise.
    void etatclic(EtatClic e) override {
        moment_ = e;
        TableMuette::etatclic(e);
    }
    Attente attendenchere() override {
        const Conseil c = avis();
        return conseillee(c, TableMuette::attendenchere());
    }
    Attente attendcarte() override {
        const Conseil c = avis();
        return conseillee(c, TableMuette::attendcarte());
    }

    // Called once the hands are complete and sorted; the cards played, all of them, are checked at the end.
    void annonces(int nous, int eux, int) override {
        for (int j = 1; j <= 4; ++j)
            EXPECT_TRUE(std::is_sorted(b_.table.jeu[j].begin() + 1, b_.table.jeu[j].end()));
        joues_.clear();
        points_ = 0;
        d_.t.pointsnous = static_cast<std::int16_t>(nous);
        d_.t.pointseux = static_cast<std::int16_t>(eux);
        cherchebelote(d_.t);
        commencejeu(d_);
    }
    void carte(int joueur, int carte, const Raison&) override {
        EXPECT_EQ(d_.prochain, joueur);
        posecarte(d_, cherchecarte(d_.t, joueur, carte));
    }
    void pli(int n, const std::array<std::int16_t, 5>& cartes, int gagnant, int nous, int eux) override {
        EXPECT_EQ(n, static_cast<int>(joues_.size()) / 4 + 1);
        EXPECT_LE(coupes_, 1);
        coupes_ = 0;
        for (int j = 1; j <= 4; ++j) {
            joues_.push_back(cartes[static_cast<std::size_t>(j)]);
            points_ += valeurcarte(joues_.back(), b_.table.atout);
        }
        EXPECT_EQ(d_.t.maitre, gagnant);
        EXPECT_EQ(d_.t.pointsnous, nous);
        EXPECT_EQ(d_.t.pointseux, eux);
    }
    void fin(int nous, int eux, int, int, int reserve) override {
        ++donnesjouees;
        unefois(joues_);
        EXPECT_EQ(points_, 152);
        EXPECT_EQ(b_.paquet.positionpaquet, 33);
        EXPECT_TRUE(std::equal(joues_.begin(), joues_.end(), b_.paquet.paquet.begin() + 1));
        EXPECT_TRUE(d_.fini);
        const Score s = comptedonne(d_.t, d_.belotenous, d_.beloteeux, reserve_);
        EXPECT_EQ(s.nous, nous);
        EXPECT_EQ(s.eux, eux);
        EXPECT_EQ(reserve_, reserve);
    }
    void illegale(int j, int c, int n) override {
        ADD_FAILURE() << "seat " << j << " card " << c << " trick " << n;
    }

  private:
    const Belote& b_;
    std::vector<int> joues_;
    int points_ = 0, donneur_ = 0, coupes_ = 0, reserve_ = 0;
    Deroule d_;
    EtatClic moment_ = EtatClic::aucun;
    Rnd tirage_{99};

    Conseil avis() {
        const Conseil c = conseille(b_.table, moment_, b_.rnd);
        TableBelote autre = b_.table;
        redistribue(autre, 1, tirage_);
        const Conseil aveugle = conseille(autre, moment_, b_.rnd);
        EXPECT_EQ(aveugle.choix, c.choix);
        EXPECT_EQ(aveugle.phrase, c.phrase);
        EXPECT_EQ(c.phrase.rfind("Conseil\u00a0: ", 0), 0u) << c.phrase;
        return c;
    }
    static Attente conseillee(const Conseil& c, const Attente& r) {
        EXPECT_EQ(c.choix, r.choix) << c.phrase;
        EXPECT_EQ(c.motif, r.motif) << c.phrase;
        return r;
    }
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

// The explained trace: the bids' reasons follow the line that closes the bidding, the cards' the line of
// their trick, in the order told. That real matches tell them in order is the record's test.
TEST(Raisons, EachFollowsTheLineItExplains) {
    std::ostringstream o;
    JournalExplique j(o);
    j.enchere(2, 0, {Motif::passe_seule, "Est passe"});
    j.enchere(3, 4, {Motif::prend_quatre, "Nord prend"});
    j.prise(3, 4);
    for (int s : {4, 1, 2, 3}) j.carte(s, 10 + s, {Motif::entame_as, "joue"});
    j.pli(1, {0, 11, 12, 13, 14}, 4, 0, 0);
    EXPECT_EQ(o.str(),
              "prise preneur=3 atout=4\n# enchere 2 passe_seule Est passe\n"
              "# enchere 3 prend_quatre Nord prend\n"
              "pli n=1 cartes=11,12,13,14 gagnant=4 nous=0 eux=0\n# carte 4 14 entame_as joue\n"
              "# carte 1 11 entame_as joue\n# carte 2 12 entame_as joue\n# carte 3 13 entame_as joue\n");
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
