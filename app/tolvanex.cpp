// The one place that knows every folder: it hands the launcher the games that are built.
#include "shell/demarrage.h"

#ifdef TLV_AVEC_BELOTE_TABLE
#include "belote_table/lancement.h"
#endif
#ifdef TLV_AVEC_MEMO
#include "memo/lancement.h"
#endif
#ifdef TLV_AVEC_PATH_GAME
#include "path_game/lancement.h"
#endif

int main(int argc, char** argv) {
    tlv::Jeux jeux;
#ifdef TLV_AVEC_BELOTE_TABLE
    jeux.belote = tlv::joue_belote;
#endif
#ifdef TLV_AVEC_MEMO
    jeux.memo = tlv::joue_memo;
#endif
#ifdef TLV_AVEC_PATH_GAME
    jeux.quadrel = tlv::joue_quadrel;
#endif
    return tlv::Main(argc, argv, jeux);
}
