// A saved match, played again from its answers, comes back to the point it was saved at and goes on as
// if never cut; a damaged file is never taken for a match.
#include <gtest/gtest.h>

#include <sstream>

#include "aide.h"
#include "belote/choix.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/relais.h"

using namespace tlv;
using namespace tlv::belote;
using namespace tlv::essai;

namespace {

// Sud as a player would be: its choice by the rules, thought out on copies so that it leaves the match
// alone. With `menu`, at the third trick of every third deal it opens the menu while awaited and changes
// the options.
class Joueuse : public TableMuette {
  public:
    Joueuse(Belote& b, bool menu) : TableMuette(b), b_(b), menu_(menu) {}
    Attente attendenchere() override {
        const TableBelote t = b_.table;
        const Attente a = TableMuette::attendenchere();
        b_.table = t;
        return {a.choix, 0};
    }
    Attente attendcarte() override {
        if (menu_ && b_.numerodonne % 3 == 2 && b_.table.numpli == 3) {
            b_.reglages.avecannonces = !b_.reglages.avecannonces;
            b_.reglages.partieen = b_.reglages.partieen == 1000 ? 1500 : 1000;
        }
        TableBelote t = b_.table;
        Rnd r = b_.rnd;
        return {choisitcarte(t, 1, r).slot, 0};
    }

  private:
    Belote& b_;
    bool menu_;
};

// The journal, silent while a resumed match is played again up to its point.
class Trace : public Journal {
  public:
    Trace() : Journal(texte) {}
    std::ostringstream texte;
    bool muet = false;
    void partie(int n) override { muet || (Journal::partie(n), true); }
    void donne(int n, int d, int r) override { muet || (Journal::donne(n, d, r), true); }
    void prise(int p, int a) override { muet || (Journal::prise(p, a), true); }
    void annonces(int n, int e, int m) override { muet || (Journal::annonces(n, e, m), true); }
    void pli(int n, const std::array<std::int16_t, 5>& c, int g, int no, int e) override {
        muet || (Journal::pli(n, c, g, no, e), true);
    }
    void fin(int n, int e, int tn, int te, int r) override { muet || (Journal::fin(n, e, tn, te, r), true); }
    void resultat(int tn, int te) override { muet || (Journal::resultat(tn, te), true); }
};

struct Partie {
    Monde m;
    Trace trace;
    std::vector<Sauvegarde> sauvees;
    Joueuse joueuse;
    Relais relais;
    explicit Partie(bool menu)
        : joueuse(m.b, menu), relais(
                                  joueuse, m.b,
                                  [this](Sauvegarde s) {
                                      s.journal = trace.texte.str().size();
                                      sauvees.push_back(s);
                                  },
                                  [this] { trace.muet = false; }) {
        m.b.suivi = &trace;
    }
};

} // namespace

class Reprise : public ::testing::TestWithParam<bool> {};

// Cut at every saved point of a whole match (Sud's bids and cards, each new deal), resumed in a new
// world: the journal of the first run up to the cut and of the second from there is the whole match's.
TEST_P(Reprise, EverySavedPointGoesOnAsTheUncutMatch) {
    Partie a(GetParam());
    a.m.rnd.graine(7);
    a.relais.nouvellepartie();
    lancelapartie(a.m.b, a.relais);
    const std::string entiere = a.trace.texte.str();
    ASSERT_GT(a.sauvees.size(), 100u);
    for (std::size_t i = 0; i < a.sauvees.size(); i += 3) {
        const Sauvegarde s = *litsauvegarde(decoupelignes(ecritsauvegarde(a.sauvees[i]), 1 << 20));
        Partie b(GetParam());
        b.m.rnd.graine(s.graine);
        b.m.r.partieen = s.partieen;
        b.m.r.avecannonces = s.avecannonces;
        b.m.b.numeropartie = s.numeropartie - 1;
        b.trace.muet = true;
        b.relais.reprend(s);
        lancelapartie(b.m.b, b.relais);
        ASSERT_FALSE(b.relais.enavance()) << "point " << i;
        ASSERT_EQ(entiere.substr(0, s.journal) + b.trace.texte.str(), entiere) << "point " << i;
    }
}
INSTANTIATE_TEST_SUITE_P(Options, Reprise, ::testing::Bool());

// Every cut of a real file, and bytes changed in it, are refused rather than read as another match. The
// levels the match began with (Nord's, then Est's and Ouest's) are in it.
TEST(Sauvegarde, AWholeFileOnlyIsRead) {
    Partie a(true);
    a.m.rnd.graine(3);
    a.m.b.niveaux[3] = Niveau::debutant;
    a.relais.nouvellepartie();
    lancelapartie(a.m.b, a.relais);
    const std::string texte = ecritsauvegarde(a.sauvees.back());
    ASSERT_FALSE(a.sauvees.back().options.empty());
    ASSERT_EQ(std::pair(a.sauvees.back().partenaire, a.sauvees.back().adversaires),
              std::pair(Niveau::debutant, Niveau::classique));
    ASSERT_EQ(litsauvegarde(decoupelignes(texte, 1 << 20)), a.sauvees.back());
    for (std::size_t n = 0; n + 1 < texte.size(); ++n)
        EXPECT_FALSE(litsauvegarde(decoupelignes(texte.substr(0, n), 1 << 20))) << n;
    Rnd r(5);
    for (int essai = 0; essai < 300; ++essai) {
        std::string abime = texte;
        abime[static_cast<std::size_t>(r() * static_cast<double>(abime.size()))] =
            static_cast<char>(r() * 256);
        if (abime != texte) {
            EXPECT_FALSE(litsauvegarde(decoupelignes(abime, 1 << 20))) << essai;
        }
    }
}
