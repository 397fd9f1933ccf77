// The one place that knows every folder: it hands the launcher the three games.
#include "belote_table/lancement.h"
#include "memo/lancement.h"
#include "quadrel/lancement.h"
#include "shell/demarrage.h"

int main(int argc, char** argv) {
    tlv::Jeux jeux;
    jeux.belote = tlv::belote::joue_belote;
    jeux.memo = tlv::memo::joue_memo;
    jeux.quadrel = tlv::quadrel::joue_quadrel;
    return tlv::Main(argc, argv, jeux);
}
