#pragma once
// The publisher's utility control, as the screens drive it: the inputs in numbered properties, then an
// action code in property 1. The numbers are the control's own.
#include <map>
#include <string>

namespace tlv {

class Plateforme;
struct Reglages;

class Tlvutil {
  public:
    enum class Propriete {
        Action = 1,           // setting it starts the action
        Musique = 4,          // file played by JoueMusique
        Boucle = 8,           // the music loops
        FichierReglages = 10, // read by LitReglage, in the application folder
        CleReglage = 11,
        SectionReglage = 12,
        ValeurLue = 13, // LitReglage's result
        FichierAide = 14,
        AdressePage = 21, // opened by OuvrePage
    };
    enum class Action {
        Termine = 0,
        LitReglage = 2,
        MontreAide = 3,
        JoueMusique = 4,
        ArreteMusique = 5,
        OuvrePage = 12
    };

    Tlvutil(Plateforme& pf, Reglages& r) : pf_(pf), r_(r) {}
    void met(Propriete p, const std::string& valeur);
    void met(Propriete p, bool valeur) { met(p, std::string(valeur ? "-1" : "0")); }
    std::string lit(Propriete p) const;
    // Setting Propriete::Action.
    void action(Action a);

  private:
    Plateforme& pf_;
    Reglages& r_;
    std::map<Propriete, std::string> proprietes_;
};

} // namespace tlv
