#pragma once
// The program's entry: single copy, folders and files, shared state, platform, launcher, end.
#include "contexte.h"

namespace tlv {

// Returns the process exit code: 0, 2 (bad command line or robot script), 3 (an error stopped the run
// after start-up). A fatal error (missing data file, no screen, no font) ends the process with 1.
int Main(int argc, char** argv, const Jeux& jeux);

// The data folder: TLV_DATADIR when set, else the one beside or relative to the executable, else the
// configured one (see donnees.h).
std::string dossier_application();

} // namespace tlv
