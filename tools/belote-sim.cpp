// belote-sim: plays Belote matches with the four seats computer-played and prints the trace of every deal.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "belote/belote.h"
#include "belote/donne.h"
#include "belote/flux.h"
#include "belote/journal.h"
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
};

struct CarteIllegale {};

// Counts the deals; forwards events to the journal when there is one; stops the run on an illegal card.
class Compteur : public tlv::belote::Suivi {
  public:
    Compteur(tlv::belote::Suivi* journal, std::ostream& sortie) : journal_(journal), sortie_(sortie) {}
    long donnes = 0;
    void partie(int n) override {
        if (journal_) journal_->partie(n);
    }
    void donne(int n, int d, int r) override {
        ++donnes;
        if (journal_) journal_->donne(n, d, r);
    }
    void prise(int p, int a) override {
        if (journal_) journal_->prise(p, a);
    }
    bool raisons() const override { return journal_ && journal_->raisons(); }
    void enchere(int j, int c, const tlv::belote::Raison& r) override {
        if (journal_) journal_->enchere(j, c, r);
    }
    void carte(int j, int c, const tlv::belote::Raison& r) override {
        if (journal_) journal_->carte(j, c, r);
    }
    void annonces(int n, int e, int m) override {
        if (journal_) journal_->annonces(n, e, m);
    }
    void pli(int n, const std::array<std::int16_t, 5>& c, int g, int no, int e) override {
        if (journal_) journal_->pli(n, c, g, no, e);
    }
    void fin(int n, int e, int tn, int te, int r) override {
        if (journal_) journal_->fin(n, e, tn, te, r);
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
};

template <typename T> bool lit(const char* texte, T& valeur, T min, T max) {
    const char* fin = texte + std::strlen(texte);
    auto [p, ec] = std::from_chars(texte, fin, valeur);
    return ec == std::errc() && p == fin && valeur >= min && valeur <= max;
}

int usage(const std::string& pourquoi) {
    std::cerr << "belote-sim: " << pourquoi << "\n"
              << "usage: belote-sim --graine N [--parties M] [--donnes K] [--partie-en P] [--sans-annonces]\n"
              << "                  [--fauxjeu 64CHIFFRES --donneur D, avec --donnes K] [--silencieux]\n"
              << "                  [--explique : la raison de chaque enchère et de chaque carte]\n";
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
        } else if (!avecvaleur && (a == "--graine" || a == "--parties" || a == "--donnes" ||
                                   a == "--partie-en" || a == "--fauxjeu" || a == "--donneur")) {
            return usage("valeur manquante après " + a);
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
    Compteur compteur(o.silencieux ? nullptr : &journal, sortie);
    b.suivi = &compteur;
    tlv::belote::TableMuette table(b);

    std::ios::sync_with_stdio(false);
    const auto debut = std::chrono::steady_clock::now();
    try {
        for (long m = 0; m < o.parties; ++m) tlv::belote::lancelapartie(b, table);
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
    sortie.flush();
    return sortie ? 0 : 1;
}
