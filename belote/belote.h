#pragma once
// Everything one Belote table plays with: options, random source, the shared tables and the observer.
#include <array>

#include "belote/etat.h"
#include "belote/niveau.h"
#include "belote/suivi.h"
#include "shell/reglages.h"
#include "shell/rnd.h"

namespace tlv::belote {

struct Belote {
    Belote(Reglages& r, Rnd& g) : reglages(r), rnd(g) {}
    Reglages& reglages; // partieen, avecannonces, textes
    Rnd& rnd;
    TableBelote table;
    Annonces annonces;
    Paquet paquet;
    EtatEcran ecran;
    Suivi* suivi = nullptr;
    int donnesmax = 0; // stops a match after this many turns of the deal loop; 0: no limit
    int numeropartie = 0, numerodonne = 0;
    // The computer's level at each seat (1..4; Sud's is the simulator's), fixed for a match.
    std::array<Niveau, 5> niveaux{};
};

} // namespace tlv::belote
