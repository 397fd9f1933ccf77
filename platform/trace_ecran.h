#pragma once
// Names a screen shown on the standard output ("ecran Score"), for robot runs with TLV_ROBOT_ECRANS set: a
// test then knows which screens a script went through.

namespace tlv {

class Calque;

void trace_ecran(const Calque& f);

} // namespace tlv
