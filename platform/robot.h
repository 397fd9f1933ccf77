#pragma once
// The robot player: a script of inputs, waits and captures fed to the real program at every wait for the
// player, on the virtual clock.
#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "entrees.h"

namespace tlv {

class Plateforme;

struct ErreurScript : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Robot {
  public:
    struct Commande {
        enum class Type { Clic, ClicDroit, Survol, Touche, Texte, Attends, Capture } type;
        int x = 0, y = 0, maj = 0;
        Touche code = Touche::Aucune;
        std::string texte;         // character of a key, text typed, or capture file
        std::int64_t duree_ms = 0; // attends N, capture FILE N
        bool differee = false;     // capture FILE N: taken N seconds later
        int ligne = 0;
    };

    // Reads and checks the whole script; throws ErreurScript naming the first bad line.
    static std::vector<Commande> analyse(const std::string& contenu);
    void charge(const std::string& chemin);
    void commandes(std::vector<Commande> c) { commandes_ = std::move(c), pos_ = 0; }
    // Where captures that failed or never came due are told; the error output unless a test reads it.
    void journal(std::ostream& o) { journal_ = &o; }

    // Called at every wait for the player: runs commands up to the next `attends`, or moves the clock
    // during an `attends N`. Throws Quitter at the end of the script.
    void point_attente(Plateforme& pf);

    // Captures asked for a later time: the earliest one's time (-1 when none), and taking those due. The
    // platform's timed waits stop at these times, whatever the program is doing then.
    std::int64_t prochaine_capture() const;
    void prend_captures(Plateforme& pf);

  private:
    struct Differee {
        std::int64_t echeance;
        std::string fichier;
    };
    void execute(const Commande& c, Plateforme& pf);
    std::vector<Commande> commandes_;
    std::size_t pos_ = 0;
    std::int64_t fin_attente_ = -1;
    std::vector<Differee> differees_;
    std::ostream* journal_ = &std::cerr;
};

} // namespace tlv
