#include "creefichiers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

#include "fichiers.h"

namespace tlv {

namespace {

constexpr std::array<const char*, 5> nomsscores = {"tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco",
                                                   "tlvjong0.sco", "tlvjong1.sco"};

std::string repete(const std::string& ligne, int fois) {
    std::string s;
    for (int i = 0; i < fois; ++i) s += ligne;
    return s;
}

// Every file the program writes in the score folder.
const std::vector<std::string> nomsecrits = {
    "tlvmemo0.sco", "tlvmemo1.sco", "tlvmemo2.sco", "tlvjong0.sco",     "tlvjong1.sco",
    "tlvtempo",     "tlvbelo.ini",  "tlvmemo.ini",  "tlvbelote.partie", "tlvniveaux.ini"};

bool pasplusancien(const struct stat& a, const struct stat& b) {
    return a.st_mtim.tv_sec != b.st_mtim.tv_sec ? a.st_mtim.tv_sec > b.st_mtim.tv_sec
                                                : a.st_mtim.tv_nsec >= b.st_mtim.tv_nsec;
}

// A save of the saved games cut between its two renames left the newest list in "tlvtempo". It takes the
// file's place when complete (its last line ended, as every line written is) and not older than the
// file; an older one is the leftover of a save that did finish, and goes.
void reprendtempo(const std::string& dossier) {
    const std::string tempo = dossier + "tlvtempo", parties = dossier + "tlvjong1.sco";
    struct stat t {};
    struct stat p {};
    if (::lstat(tempo.c_str(), &t) != 0 || !S_ISREG(t.st_mode)) return;
    if (::stat(parties.c_str(), &p) != 0) {
        if (errno != ENOENT) return;
    } else if (!pasplusancien(t, p)) {
        ::unlink(tempo.c_str());
        return;
    }
    constexpr std::size_t taillemax = std::size_t{1} << 26;
    const auto octets = litfichier(tempo, taillemax);
    if (!octets || octets->size() >= taillemax || !(octets->empty() || octets->ends_with("\r\n"))) return;
    // Failing, it stays for the next start to try again.
    (void)remplacefichier(tempo, parties);
}

} // namespace

std::string contenuinitial(const std::string& nom) {
    if (nom == "tlvmemo0.sco" || nom == "tlvmemo1.sco" || nom == "tlvmemo2.sco")
        return repete("INCONNU         10000\r\n", 5);
    if (nom == "tlvjong0.sco") return repete("INCONNU  00000120\r\n", 10);
    return "";
}

bool creefichiers(Stockage& scores) {
    const std::string& dossier = scores.dossier();
    if (!scores.enmemoire()) {
        if (!creedossiers(dossier)) return false;
        nettoietemporaires(dossier, nomsecrits);
        reprendtempo(dossier);
    }
    for (const char* nom : nomsscores) {
        switch (scores.presence(nom)) {
        case Stockage::Presence::present:
            break;
        case Stockage::Presence::absent:
            if (!scores.ecrit(nom, contenuinitial(nom))) return false;
            break;
        case Stockage::Presence::illisible:
            return false;
        }
    }
    return true;
}

} // namespace tlv
