#include "demarrage.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "base.h"
#include "choixfenetre.h"
#include "creefichiers.h"
#include "donnees.h"
#include "dossiers.h"
#include "fichiers.h"
#include "niveaux.h"
#include "options.h"
#include "parametres.h"
#include "platform/audio.h"
#include "platform/fatal.h"
#include "platform/form.h"
#include "platform/options_plateforme.h"
#include "platform/plateforme.h"
#include "platform/quitter.h"
#include "platform/robot.h"
#include "platform/systeme.h"
#include "platform/texte.h"
#include "reglages.h"
#include "sons.h"
#include "tlv_version.h"
#include "tlvutil.h"

#ifndef TLV_DATADIR
#define TLV_DATADIR "/usr/local/share/tolvanex"
#endif
#ifndef TLV_DATADIR_RELATIF
#define TLV_DATADIR_RELATIF "../share/tolvanex"
#endif

namespace tlv {

namespace fs = std::filesystem;

std::string dossier_application() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const char* impose = std::getenv("TLV_DATADIR");
    return dossier_donnees(ec ? std::string() : exe.string(), impose ? impose : "", TLV_DATADIR_RELATIF,
                           TLV_DATADIR);
}

namespace {

// Where the window's mode and size are remembered. A robot run leaves the player's own preferences alone:
// it keeps them only in a folder named on its command line.
std::string fichier_fenetre(const Options& o) {
    if (!o.dossier_config.empty()) return dossierconfig(o.dossier_config, nullptr, nullptr) + "fenetre.ini";
    if (!o.robot.empty()) return {};
    return dossierconfig(std::nullopt, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")) + "fenetre.ini";
}

// How the window started: full screen or not, and its size out of full screen.
struct FenetreDepart {
    bool plein_ecran = false;
    int w = 0, h = 0;
};

// What the run leaves to the next one: the mode if the player switched it, and the window's size as it
// now fits the display. After a one-run option (--fenetre, --ecran) only what the player changed.
void retiens_fenetre(const Plateforme& pf, const std::string& fichier, const ChoixFenetre& lu,
                     const FenetreDepart& depart, bool une_fois) {
    if (fichier.empty()) return;
    ChoixFenetre c = lu;
    if (pf.plein_ecran() != depart.plein_ecran) c.pleinecran = pf.plein_ecran();
    int w = 0, h = 0;
    pf.taille_fenetre(w, h);
    if (!une_fois || w != depart.w || h != depart.h) {
        // A size the next run would not read back is none.
        const bool lisible =
            w >= largeurfenetremin && h >= hauteurfenetremin && w <= cotefenetremax && h <= cotefenetremax;
        c.largeur = lisible ? w : 0, c.hauteur = lisible ? h : 0;
    }
    if (!(c == lu)) sauvechoixfenetre(fichier, c);
}

void fin_du_programme(Plateforme& pf, const Reglages& r) {
    joueson(pf, r, "cartew03");
    // Let the closing chime be heard, the window already gone.
    pf.cache_fenetre();
    pf.audio().attend_fin_effet(2000);
}

// The command line: the options, or the exit code when the run stops there (a mistake, --aide, --version).
std::optional<int> lit_ligne(int argc, char** argv, Options& o) {
    try {
        o = lit_options(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "tolvanex : %s\n%s", e.what(), usage());
        return 2;
    }
    if (o.aide) {
        std::fputs(usage(), stdout);
        return 0;
    }
    if (o.version) {
        std::puts("tolvanex " TLV_VERSION);
        return 0;
    }
    return std::nullopt;
}

// Loads the robot's script when there is one; false, after saying why, when it cannot be read.
bool charge_robot(const Options& o, Robot& robot) {
    if (o.robot.empty()) return true;
    try {
        robot.charge(o.robot);
    } catch (const ErreurScript& e) {
        std::fprintf(stderr, "tolvanex : script du robot : %s\n", e.what());
        return false;
    }
    // Headless unless the caller chose a video driver.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}

// The settings every run starts with, before the files are read.
void reglages_de_depart(Reglages& r) {
    r.sautligne = "\r\n";
    r.twipsparpixelx = r.twipsparpixely = 15;
    choisit_tailles(r);
    r.partieen = 1000;
    r.avecannonces = true;
    r.niveaumemo = 0;
    r.sonactif = true;
    r.musiqueactive = true;
}

OptionsPlateforme options_plateforme(const Options& o, const Reglages& r, const ChoixFenetre& choix_fenetre,
                                     Robot& robot) {
    OptionsPlateforme op;
    op.icone = r.repertoire + "icones/tolvanex-64.png";
    // For a player --ecran is a window of that size for this run; a robot lays out as on such a display.
    const bool ecran_fenetre = o.robot.empty() && o.ecran_largeur > 0;
    op.fenetre = o.fenetre || ecran_fenetre || !choix_fenetre.pleinecran;
    op.largeur_fenetre = ecran_fenetre ? o.ecran_largeur : choix_fenetre.largeur;
    op.hauteur_fenetre = ecran_fenetre ? o.ecran_hauteur : choix_fenetre.hauteur;
    op.ecran_largeur = ecran_fenetre ? 0 : o.ecran_largeur;
    op.ecran_hauteur = ecran_fenetre ? 0 : o.ecran_hauteur;
    op.robot = o.robot.empty() ? nullptr : &robot;
    op.trace_sons = op.robot != nullptr;
    return op;
}

// The window and its font; a run that has neither ends here with a message.
std::unique_ptr<Plateforme> ouvre_plateforme(const OptionsPlateforme& op) {
    std::unique_ptr<Plateforme> pf;
    try {
        pf = std::make_unique<Plateforme>(op);
    } catch (const std::exception& e) {
        erreur_fatale(std::string("Impossible d'ouvrir l'écran du jeu : ") + e.what());
    }
    if (!pf->polices().valide())
        erreur_fatale("La police « " + pf->polices().fichier() +
                      " » est introuvable. Installez le paquet fonts-dejavu-core.");
    return pf;
}

// The launcher until the player leaves; the exit code.
int joue(Contexte& ctx, const Jeux& jeux) {
    try {
        lancemenu(ctx, jeux);
    } catch (const Quitter&) {
        // The window was closed (or the script ended): every screen has unloaded on the way out.
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "tolvanex : %s\n", e.what());
        return 3;
    }
    return 0;
}

} // namespace

int Main(int argc, char** argv, const Jeux& jeux) {
    Options o;
    if (const auto code = lit_ligne(argc, argv, o)) return *code;
    Robot robot;
    if (!charge_robot(o, robot)) return 2;

    // A file-size limit then fails a save as a full disk does (and the player is told), rather than
    // ending the game.
    std::signal(SIGXFSZ, SIG_IGN);

    Reglages r;
    const std::string scores = o.dossier_scores.empty() ? dossierscores() : dossierscores(o.dossier_scores);

    // 1. One copy at a time; a second one leaves silently.
    const bool dossier_cree = creedossiers(scores);
    VerrouInstance verrou(scores + "tolvanex.lock");
    if (verrou.occupe()) return 0;

    // 2-7. Shared state. A score folder that cannot be used does not stop the game: the session keeps
    // its scores and settings in memory, and the launcher says so.
    r.repertoire = dossier_application();
    if (!dossier_cree || !verrou.tenu() || !dossierecrivable(scores))
        r.scores = std::make_unique<StockageMemoire>(scores);
    else
        r.scores = std::make_unique<StockageDisque>(scores);
    creefichiers(*r.scores);
    reglages_de_depart(r);
    Rnd rnd(o.graine
                ? *o.graine
                : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));

    const std::string fenetre_ini = fichier_fenetre(o);
    const ChoixFenetre choix_fenetre = fenetre_ini.empty() ? ChoixFenetre{} : lischoixfenetre(fenetre_ini);
    const std::unique_ptr<Plateforme> pf = ouvre_plateforme(options_plateforme(o, r, choix_fenetre, robot));
    FenetreDepart depart{pf->plein_ecran()};
    pf->taille_fenetre(depart.w, depart.h);
    r.decalagex = pf->decalagex();
    r.decalagey = pf->decalagey();

    // 8-9. Start chime, texts, settings.
    joueson(*pf, r, "cartew06");
    r.textes = textes_fixes();
    r.dossiervoix = r.textes[Texte::DossierVoix] + "/";
    lisparammemo(r);
    lisparambelote(r);
    lisniveaux(r);

    Tlvutil util(*pf, r);
    Contexte ctx{*pf, r, util, rnd, o.journal};
    const int code = joue(ctx, jeux);
    retiens_fenetre(*pf, fenetre_ini, choix_fenetre, depart, o.fenetre || o.ecran_largeur > 0);
    try {
        fin_du_programme(*pf, r);
    } catch (const Quitter&) {
    }
    return code;
}

} // namespace tlv
