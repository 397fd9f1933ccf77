#pragma once
// In robot mode with TLV_ROBOT_ECRANS set, every screen shown prints "ecran <its class>" on the standard
// output, so that a long random run can tell which screens it reached.
namespace tlv {

class Form;

void trace_ecran(const Form& f);

} // namespace tlv
