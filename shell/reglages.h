#pragma once
// Options, sizes, paths and texts shared by every screen for the whole run.
#include <memory>
#include <string>

#include "stockage.h"
#include "textes.h"

namespace tlv {

struct Reglages {
    std::string repertoire; // application folder, ends with '/'
    // The score folder ("tlvscore/tolvanex/"), on disk or in memory for this run, chosen at start-up.
    std::unique_ptr<Stockage> scores;
    bool echecsignale = false; // a save that failed was told to the player (once a session)
    std::string sautligne = "\r\n";
    Textes textes{};
    std::string dossiervoix; // "voix.fr/"

    int twipsparpixelx = 15, twipsparpixely = 15;
    int decalagex = 0, decalagey = 0;
    int taille1 = 10, taille2 = 12, taille3 = 14, taille4 = 18, taille5 = 20, taille6 = 22, taille7 = 24,
        taille8 = 36;

    bool sonactif = true;
    bool musiqueactive = true;
    int partieen = 1000;
    bool avecannonces = true;
    // The computer's levels in Belote (shell/niveaux.h): the partner's, the opponents'.
    std::string niveaupartenaire = "classique", niveauadversaires = "classique";
    int niveaumemo = 0;
    int tempobelote = 4;   // seconds
    float tempomemo = 1.f; // seconds
};

// Font sizes in points for the screen's twips per pixel.
void choisit_tailles(Reglages& r);

} // namespace tlv
