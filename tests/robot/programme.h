#pragma once
// Runs the built program in a scratch score folder and collects what it printed.
#include <string>

#include "dossiertemp.h"
#include "platform/surface.h"

namespace tlv::essai {

struct Resultat {
    int code = -1;
    std::string sortie, erreurs;
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
    // Runs `tolvanex --robot <script> --dossier-scores <folder> <extra>` from `binaire`.
    Resultat lance(const std::string& script, const std::string& extra = "",
                   const std::string& binaire = "./tolvanex") const;
    // Runs `binaire arguments` as they are, `environnement` ("NOM=valeur ...") added to its environment.
    Resultat execute(const std::string& arguments, const std::string& environnement = "",
                     const std::string& binaire = "./tolvanex") const;
    // Writes a robot script into the scratch folder; returns its path.
    std::string script(const std::string& texte) const;
    const std::string& dossier() const { return dossier_; }        // the scratch folder
    std::string scores() const { return dossier_ + "/tolvanex/"; } // the score folder inside it
    std::string fichier(const std::string& nom) const;             // a file's bytes, "" when missing
    // The script with each "{d}" made the scratch folder, where its captures go.
    std::string dans(std::string script) const;
    // A capture in the scratch folder at factor 1; a failed expectation and a black area when missing.
    Surface capture(const std::string& nom) const;

  private:
    test::DossierTemp temp_;
    std::string dossier_; // without the trailing '/', as the command lines have always had it
};

} // namespace tlv::essai
