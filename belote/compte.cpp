#include "belote/compte.h"

#include "belote/carte.h"

namespace tlv::belote {

Score comptedonne(const TableBelote& t, int belotenous, int beloteeux, int& reserve) {
    Score s;
    // The arithmetic runs in int; the pad keeps 16-bit numbers.
    int nous = t.pointsnous, eux = t.pointseux;
    s.dixdeder = t.plinous && t.plieux;
    if (s.dixdeder) (cotenous(t.maitre) ? nous : eux) += 10;
    s.issue = nous > eux ? 1 : eux > nous ? -1 : 0;
    int retenu = 0;
    if (s.issue != 0) {
        retenu = reserve;
        reserve = 0;
    }
    if (s.issue < 0 && cotenous(t.preneur)) {
        eux = eux + nous - belotenous;
        nous = belotenous;
    } else if (s.issue > 0 && !cotenous(t.preneur)) {
        nous = nous + eux - beloteeux;
        eux = beloteeux;
    } else if (s.issue == 0) {
        int& taker = cotenous(t.preneur) ? nous : eux;
        reserve += taker;
        taker = 0;
    }
    if (t.plieux == 0) nous += 100;
    if (t.plinous == 0) eux += 100;
    if (retenu > 0) (nous <= eux ? eux : nous) += retenu;
    s.nous = nous, s.eux = eux;
    return s;
}

} // namespace tlv::belote
