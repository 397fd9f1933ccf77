#pragma once
// The publisher's utility control, as the screens drive it: numbered properties, then an action code in
// property 1 (2 read a settings value, 3 show the help, 4 play music, 5 stop it, 12 open a web page).
#include <map>
#include <string>

namespace tlv {

class Plateforme;
struct Reglages;

class Tlvutil {
  public:
    Tlvutil(Plateforme& pf, Reglages& r) : pf_(pf), r_(r) {}
    void met(int propriete, const std::string& valeur);
    void met(int propriete, bool valeur) { met(propriete, std::string(valeur ? "-1" : "0")); }
    std::string lit(int propriete) const;
    // Setting property 1.
    void action(int code);

  private:
    Plateforme& pf_;
    Reglages& r_;
    std::map<int, std::string> proprietes_;
};

} // namespace tlv
