#include "creefichiers.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "fichiers.h"
#include "memoire.h"

namespace tlv {

namespace {

constexpr std::array<const char*, 5> nomsscores = {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco",
                                                   "tlvjong0.sco", "tlvjong1.sco"};

std::string repete(const std::string& ligne, int fois) {
    std::string s;
    for (int i = 0; i < fois; ++i) s += ligne;
    return s;
}

enum class Etat { present, absent, erreur };

Etat etatfichier(const std::string& chemin) {
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return Etat::present;
    }
    return errno == ENOENT ? Etat::absent : Etat::erreur;
}

} // namespace

std::string contenuinitial(const std::string& nom) {
    if (nom == "tlvmemo0.sco" || nom == "tlvmemo1.sco" || nom == "tlvmemo2.sco")
        return repete("INCONNU         10000\r\n", 5);
    if (nom == "tlvjong0.sco") return repete("INCONNU  00000120\r\n", 10);
    return "";
}

bool creefichiers(const std::string& dossier_scores) {
    const std::string dossier = dossier_scores.ends_with('/') ? dossier_scores : dossier_scores + '/';
    const bool memoire = enmemoire(dossier + nomsscores[0]);
    if (!memoire && !creedossiers(dossier_scores)) return false;
    for (const char* nom : nomsscores) {
        const std::string chemin = dossier + nom;
        Etat etat = memoire && litenmemoire(chemin) ? Etat::present : etatfichier(chemin);
        // In memory, a file the disk cannot give starts the session with its default.
        if (memoire && etat == Etat::erreur) etat = Etat::absent;
        switch (etat) {
        case Etat::present:
            break;
        case Etat::absent:
            if (!ecritfichier(chemin, contenuinitial(nom))) return false;
            break;
        case Etat::erreur:
            return false;
        }
    }
    return true;
}

} // namespace tlv
