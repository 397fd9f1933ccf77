// belote-sim: plays Belote matches with the four seats computer-played and prints the trace of every deal.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "belote/belote.h"
#include "belote/donne.h"
#include "belote/flux.h"
#include "belote/journal.h"
#include "belote/niveau.h"
#include "belote/table_muette.h"
#include "shell/textes.h"

namespace {

struct Options {
    std::uint64_t graine = 0;
    bool avecgraine = false;
    long parties = 1;
    long donnes = 0;
    int partieen = 1000;
    bool sansannonces = false;
    std::string fauxjeu;
    int donneur = 0;
    bool silencieux = false;
    bool explique = false;
    // The arena: the level of each side (Nord's alone when given), every match played twice when mirrored.
    tlv::belote::Niveau nordsud = tlv::belote::Niveau::classique, estouest = tlv::belote::Niveau::classique;
    std::optional<tlv::belote::Niveau> nord;
    bool miroir = false;
    bool arene = false;
};

using Horloge = std::chrono::steady_clock;

struct CarteIllegale {};

// Counts the deals; forwards events to the journal when there is one; stops the run on an illegal card.
class Compteur : public tlv::belote::Suivi {
  public:
    Compteur(tlv::belote::Suivi* journal, std::ostream& sortie, const tlv::belote::Belote& b)
        : journal_(journal), sortie_(sortie), b_(b) {}
    long donnes = 0;
    // The wall-clock time of each decision of a seat not played by the rule list: from the event before
    // to the decision's own, the silent table doing nothing meanwhile.
    std::vector<double> durees;
    void partie(int n) override {
        if (journal_) journal_->partie(n);
        top();
    }
    void donne(int n, int d, int r) override {
        ++donnes;
        if (journal_) journal_->donne(n, d, r);
        top();
    }
    void prise(int p, int a) override {
        if (journal_) journal_->prise(p, a);
        top();
    }
    void distribution(const std::array<tlv::belote::Main, 5>&) override { top(); }
    void mains(const std::array<tlv::belote::Main, 5>&) override { top(); }
    bool raisons() const override { return journal_ && journal_->raisons(); }
    void enchere(int j, int c, const tlv::belote::Raison& r) override {
        mesure(j);
        if (journal_) journal_->enchere(j, c, r);
        top();
    }
    void carte(int j, int c, const tlv::belote::Raison& r) override {
        mesure(j);
        if (journal_) journal_->carte(j, c, r);
        top();
    }
    void annonces(int n, int e, int m) override {
        if (journal_) journal_->annonces(n, e, m);
        top();
    }
    void pli(int n, const std::array<std::int16_t, 5>& c, int g, int no, int e) override {
        if (journal_) journal_->pli(n, c, g, no, e);
        top();
    }
    void fin(int n, int e, int tn, int te, int r) override {
        if (journal_) journal_->fin(n, e, tn, te, r);
        top();
    }
    void resultat(int tn, int te) override {
        if (journal_) journal_->resultat(tn, te);
    }
    void illegale(int j, int c, int n) override {
        tlv::belote::Journal(sortie_).illegale(j, c, n);
        throw CarteIllegale{};
    }

  private:
    tlv::belote::Suivi* journal_;
    std::ostream& sortie_;
    const tlv::belote::Belote& b_;
    Horloge::time_point dernier_ = Horloge::now();
    void top() { dernier_ = Horloge::now(); }
    void mesure(int joueur) {
        if (b_.niveaux[static_cast<std::size_t>(joueur)] != tlv::belote::Niveau::classique)
            durees.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - dernier_).count());
    }
};

template <typename T> bool lit(const char* texte, T& valeur, T min, T max) {
    const char* fin = texte + std::strlen(texte);
    auto [p, ec] = std::from_chars(texte, fin, valeur);
    return ec == std::errc() && p == fin && valeur >= min && valeur <= max;
}

int usage(const std::string& pourquoi) {
    std::cerr
        << "belote-sim: " << pourquoi << "\n"
        << "usage: belote-sim --graine N [--parties M] [--donnes K] [--partie-en P] [--sans-annonces]\n"
        << "                  [--fauxjeu 64CHIFFRES --donneur D, avec --donnes K] [--silencieux]\n"
        << "                  [--explique : la raison de chaque enchère et de chaque carte]\n"
        << "                  [--niveau-nord-sud N] [--niveau-est-ouest N] [--niveau-nord N] [--miroir]\n"
        << "                  (N : classique, fort ou debutant ; l'arène compte les victoires)\n";
    return 2;
}

// The command line into `o`; the exit code, after the usage, when it is not one the simulator runs.
std::optional<int> litoptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool avecvaleur = i + 1 < argc;
        const char* v = avecvaleur ? argv[i + 1] : "";
        if (a == "--sans-annonces") {
            o.sansannonces = true;
        } else if (a == "--silencieux") {
            o.silencieux = true;
        } else if (a == "--explique") {
            o.explique = true;
        } else if (a == "--miroir") {
            o.miroir = o.arene = true;
        } else if (!avecvaleur &&
                   (a == "--graine" || a == "--parties" || a == "--donnes" || a == "--partie-en" ||
                    a == "--fauxjeu" || a == "--donneur" || a.rfind("--niveau-", 0) == 0)) {
            return usage("valeur manquante après " + a);
        } else if (a == "--niveau-nord-sud" || a == "--niveau-est-ouest" || a == "--niveau-nord") {
            const auto n = tlv::belote::litniveau(v);
            if (!n) return usage("niveau invalide (classique, fort ou debutant)");
            (a == "--niveau-nord-sud"    ? o.nordsud
             : a == "--niveau-est-ouest" ? o.estouest
                                         : o.nord.emplace()) = *n;
            o.arene = true;
            ++i;
        } else if (a == "--graine") {
            if (!lit<std::uint64_t>(v, o.graine, 0, UINT64_MAX)) return usage("graine invalide");
            o.avecgraine = true;
            ++i;
        } else if (a == "--parties") {
            if (!lit<long>(v, o.parties, 1, 100000000)) return usage("nombre de parties invalide");
            ++i;
        } else if (a == "--donnes") {
            if (!lit<long>(v, o.donnes, 1, 1000000000)) return usage("nombre de donnes invalide");
            ++i;
        } else if (a == "--partie-en") {
            if (!lit<int>(v, o.partieen, 1, 20000)) return usage("objectif invalide (1 à 20000)");
            ++i;
        } else if (a == "--fauxjeu") {
            o.fauxjeu = v;
            if (!tlv::belote::fauxjeuvalide(o.fauxjeu))
                return usage("--fauxjeu attend 64 chiffres, les 32 cartes une fois");
            ++i;
        } else if (a == "--donneur") {
            if (!lit<int>(v, o.donneur, 1, 4)) return usage("donneur invalide (1 à 4)");
            ++i;
        } else {
            return usage("option inconnue " + a);
        }
    }
    if (!o.avecgraine) return usage("--graine est obligatoire");
    if (o.fauxjeu.empty() != (o.donneur == 0)) return usage("--fauxjeu et --donneur vont ensemble");
    // A rigged deal that no seat takes is dealt again identically, for ever: the run needs a bound.
    if (!o.fauxjeu.empty() && o.donnes == 0) return usage("--fauxjeu demande --donnes K");
    return std::nullopt;
}

// The levels of the four seats, the sides swapped in the mirrored half.
std::array<tlv::belote::Niveau, 5> niveaux(const Options& o, bool inverse) {
    std::array<tlv::belote::Niveau, 5> n{};
    const int sud = inverse ? 2 : 1, autre = inverse ? 1 : 2;
    n[static_cast<std::size_t>(sud)] = o.nordsud;
    n[static_cast<std::size_t>(sud + 2)] = o.nord.value_or(o.nordsud);
    n[static_cast<std::size_t>(autre)] = n[static_cast<std::size_t>(autre + 2)] = o.estouest;
    return n;
}

// What the arena counts for the level given to --niveau-nord-sud, on whichever side it sat.
struct Arene {
    long parties = 0, victoires = 0;
    long long points = 0, pointsautres = 0;
};

void joue(tlv::belote::Belote& b, tlv::belote::Table& table, const Options& o, bool inverse, Arene& a) {
    b.niveaux = niveaux(o, inverse);
    tlv::belote::lancelapartie(b, table);
    const int nous = b.table.totalnous, eux = b.table.totaleux;
    ++a.parties;
    a.points += inverse ? eux : nous;
    a.pointsautres += inverse ? nous : eux;
    a.victoires += (inverse ? eux > nous : nous > eux) ? 1 : 0;
}

// A mirrored pair: both halves from the same state of the tables and of the random source; the run goes on
// from where the first half left the source.
void joueenmiroir(tlv::belote::Belote& b, tlv::belote::Table& table, const Options& o, Arene& a) {
    const tlv::Rnd depart = b.rnd;
    const auto t = b.table;
    const auto an = b.annonces;
    const auto p = b.paquet;
    const auto e = b.ecran;
    joue(b, table, o, false, a);
    const tlv::Rnd apres = b.rnd;
    b.rnd = depart;
    b.table = t;
    b.annonces = an;
    b.paquet = p;
    b.ecran = e;
    joue(b, table, o, true, a);
    b.rnd = apres;
}

double centile(std::vector<double> v, double p) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const auto rang = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[rang == 0 ? 0 : rang - 1];
}

void lignearene(std::ostream& sortie, const Arene& a, const std::vector<double>& durees) {
    char ligne[240];
    std::snprintf(ligne, sizeof ligne,
                  "arene parties=%ld victoires_nord_sud=%ld points_nord_sud=%lld points_est_ouest=%lld "
                  "ms_decision_p50=%.3f ms_decision_p95=%.3f",
                  a.parties, a.victoires, a.points, a.pointsautres, centile(durees, 0.50),
                  centile(durees, 0.95));
    sortie << ligne << '\n';
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (const auto code = litoptions(argc, argv, o)) return *code;

    tlv::Reglages reglages;
    reglages.textes = tlv::textes_fixes();
    reglages.partieen = o.partieen;
    reglages.avecannonces = !o.sansannonces;
    tlv::Rnd rnd(o.graine);
    tlv::belote::Belote b(reglages, rnd);
    b.donnesmax = static_cast<int>(o.donnes);
    if (!o.fauxjeu.empty()) {
        b.paquet.fauxjeu = o.fauxjeu;
        b.paquet.donneurfauxjeu = static_cast<std::int16_t>(o.donneur);
        b.paquet.avecfauxjeu = true;
    }

    std::ostream& sortie = std::cout;
    tlv::belote::Journal simple(sortie);
    tlv::belote::JournalExplique explique(sortie);
    tlv::belote::Journal& journal = o.explique ? explique : simple;
    Compteur compteur(o.silencieux ? nullptr : &journal, sortie, b);
    b.suivi = &compteur;
    tlv::belote::TableMuette table(b);

    std::ios::sync_with_stdio(false);
    Arene arene;
    const auto debut = std::chrono::steady_clock::now();
    try {
        for (long m = 0; m < o.parties; ++m) {
            if (o.miroir)
                joueenmiroir(b, table, o, arene);
            else
                joue(b, table, o, false, arene);
        }
    } catch (const CarteIllegale&) {
        sortie.flush();
        return 3;
    }
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    if (o.silencieux) {
        char ligne[160];
        const double taux = ms > 0 ? compteur.donnes / (ms / 1000.0) : 0.0;
        std::snprintf(ligne, sizeof ligne, "parties=%ld donnes=%ld duree_ms=%.0f donnes_par_s=%.0f",
                      o.parties, compteur.donnes, ms, taux);
        sortie << ligne << '\n';
    }
    if (o.arene) lignearene(sortie, arene, compteur.durees);
    sortie.flush();
    return sortie ? 0 : 1;
}
