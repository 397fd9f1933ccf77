#pragma once
// A settled deal's score: the last trick's ten, the taker's side falling (it keeps only its belote) or
// tying (its points go to the reserve), the capots, and the reserve the winner takes. The match flow and
// the deals the Fort level imagines count alike.
#include "belote/etat.h"

namespace tlv::belote {

struct Score {
    int nous = 0, eux = 0;
    bool dixdeder = false; // both sides took a trick: the last one's winner scored its ten
    int issue = 0;         // 1 Sud's side won the deal, -1 the other side, 0 a tie
};

// From the tricks' points and the belote each side scored; `reserve`, the points put aside by earlier
// ties, is updated.
Score comptedonne(const TableBelote& t, int belotenous, int beloteeux, int& reserve);

} // namespace tlv::belote
