#pragma once
// The real program driven by a robot scenario in a scratch score folder, and what it printed. Every
// robot test goes through here: a scenario is a short table of steps, not a hand-written script.
#include <initializer_list>
#include <string>
#include <vector>

#include "dossiertemp.h"
#include "platform/surface.h"

namespace tlv::essai {

// One line of a robot script. A click or a key is followed by `attends`: the program settles first.
struct Pas {
    std::string ligne;
};
using Scenario = std::vector<Pas>;

Pas clic(int x, int y);
Pas clic(const Rect& r); // its centre
Pas clicdroit(int x, int y);
Pas survol(int x, int y);
Pas touche(const std::string& nom); // "Entree", "maj Tab", "C" ...
Pas tape(const std::string& texte);
Pas attends(double s = -1);                               // -1: until the program waits for the player
Pas capture(const std::string& nom, double apres_s = -1); // into the scratch folder, `apres_s` s later
Pas fenetre(bool active);
// The launcher's lines, from the program's start.
enum class Jeu { Belote, Memo, Quadrel };
Scenario ouvre(Jeu j);
Scenario operator+(Scenario a, const Scenario& b);
Scenario repete(int fois, const Scenario& s);
// The arrow keys that move a focus `dc` columns and `dr` rows.
Scenario fleches(int dc, int dr);

struct Resultat {
    int code = -1;
    std::string sortie, erreurs;
    bool contient(const std::string& bout) const { return sortie.find(bout) != std::string::npos; }
    std::size_t compte(const std::string& bout) const;
    // The printed lines that start with `prefixe` ("ecran ", "effet ", "musique " ...), in order.
    std::vector<std::string> lignes(const std::string& prefixe = "") const;
};

// A play-area rectangle as it lies in a capture (with `--ecran`, the area scaled to the capture's height
// and centred), widened to whole pixels.
Rect dans_capture(const Surface& capture, Rect zone);
// Whether some pixel of `zone` (in the capture's own pixels) is teal, as raised text is, its edges too.
bool texte_sarcelle(const Surface& capture, Rect zone);
// Whether `zone` (in the capture's own pixels) shows some of a card: the white of a face or the red of a
// back.
bool carte_en_vue(const Surface& capture, Rect zone);

class Programme {
  public:
    Programme() : dossier_(temp_.racine()) {}
    // Runs the scenario: `tolvanex --robot <script> --dossier-scores <folder> <extra>`, `environnement`
    // ("NOM=valeur ...", TLV_ROBOT_ECRANS=1 to have the screens shown printed) added.
    Resultat joue(const Scenario& s, const std::string& extra = "", const std::string& environnement = "",
                  const std::string& binaire = "./tolvanex") const;
    // Runs `binaire arguments` as they are, `environnement` added to its environment.
    Resultat execute(const std::string& arguments, const std::string& environnement = "",
                     const std::string& binaire = "./tolvanex") const;
    // The scenario as a script file in the scratch folder; returns its path.
    std::string script(const Scenario& s) const;
    // A command line with each "{d}" made the scratch folder.
    std::string dans(std::string s) const;
    // A copy of the game in the scratch folder without the file `sauf`: the program is copied (it finds its
    // data beside its own file), the data files are links to the build's. Returns the copy's program.
    std::string copie_du_jeu(const std::string& sauf) const;
    const std::string& dossier() const { return dossier_; }        // the scratch folder
    std::string scores() const { return dossier_ + "/tolvanex/"; } // the score folder inside it
    std::string fichier(const std::string& nom) const;             // a file's bytes, "" when missing
    // A capture in the scratch folder at factor 1; a failed expectation and a black area when missing.
    Surface capture(const std::string& nom) const;

  private:
    test::DossierTemp temp_;
    std::string dossier_; // without the trailing '/', as the command lines have always had it
};

} // namespace tlv::essai
