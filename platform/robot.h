#pragma once
// The robot player: a script of inputs, waits and captures fed to the real program at every wait for the
// player, on the virtual clock. It is the platform's input source in a robot run: the window's own events
// still come from SDL, the player's from the script, the player leaving the window and coming back too.
#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "entrees.h"
#include "source_entrees.h"

namespace tlv {

class Horloge;
class Minuteries;
class Presentation;
class Routage;

// The platform's parts a script drives.
struct BrancheRobot {
    SourceEntrees& sdl;
    Routage& routage;
    Presentation& presentation;
    const Minuteries& minuteries;
    Horloge& horloge;
};

struct ErreurScript : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Robot final : public SourceEntrees {
  public:
    struct Commande {
        enum class Type { Clic, ClicDroit, Survol, Touche, Texte, Attends, Capture, Fenetre } type;
        int x = 0, y = 0, maj = 0;
        Touche code = Touche::Aucune;
        std::string texte;         // character of a key, text typed, or capture file
        std::int64_t duree_ms = 0; // attends N, capture FILE N
        bool differee = false;     // capture FILE N: taken N seconds later
        bool active = true;        // fenetre active (the player is back) or inactive (gone)
        int ligne = 0;
    };

    // Reads and checks the whole script; throws ErreurScript naming the first bad line.
    static std::vector<Commande> analyse(const std::string& contenu);
    void charge(const std::string& chemin);
    void commandes(std::vector<Commande> c) { commandes_ = std::move(c), pos_ = 0; }
    // Where captures that failed or never came due are told; the error output unless a test reads it.
    void journal(std::ostream& o) { journal_ = &o; }

    // A platform takes the robot as its input source: it hands it the parts it drives, until it ends.
    void branche(const BrancheRobot& b);

    bool releve(Destinataire& d) override;
    bool attend(int delai_ms, Destinataire& d) override;
    // Runs commands up to the next `attends`, or moves the clock during an `attends N`. Throws Quitter at
    // the end of the script.
    bool tour_du_joueur(const Delai& delai, Destinataire& d) override;
    // Captures asked for a later time: the platform's timed waits stop at these times, whatever the program
    // is doing then.
    std::int64_t prochaine_echeance() const override { return prochaine_capture(); }
    void echeances_dues() override { prend_captures(); }
    // A program that never waits for the player again would run forever on the virtual clock.
    void avant_saut(std::int64_t ms) override;
    // With TLV_ROBOT_ECRANS set, every screen shown is named on stdout.
    void ecran_montre(const Calque& c) override;

  private:
    struct Differee {
        std::int64_t echeance;
        std::string fichier;
    };
    static Commande lit_commande(const std::string& verbe, const std::vector<std::string>& args,
                                 const std::string& brute, int numero);
    void point_attente();
    std::int64_t prochaine_capture() const;
    void prend_captures();
    void execute(const Commande& c);
    void pousse_souris(const Commande& c, Entree::Type t, int b);
    void pousse_touche(const Commande& c);
    void pousse_texte(const std::string& texte);

    // The parts of the platform it was last given.
    SourceEntrees* sdl_ = nullptr;
    Routage* routage_ = nullptr;
    Presentation* presentation_ = nullptr;
    const Minuteries* minuteries_ = nullptr;
    Horloge* horloge_ = nullptr;
    std::vector<Commande> commandes_;
    std::size_t pos_ = 0;
    std::int64_t fin_attente_ = -1;
    std::vector<Differee> differees_;
    std::ostream* journal_ = &std::cerr;
    std::int64_t derniere_attente_ = 0;
    bool nomme_ecrans_ = false;
};

} // namespace tlv
