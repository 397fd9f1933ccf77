#include "stockage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tlv {

Stockage::Stockage(std::string dossier) : dossier_(std::move(dossier)) {
    if (!dossier_.empty() && dossier_.back() != '/') dossier_ += '/';
}

std::optional<std::vector<std::string>> StockageDisque::litlignes(const std::string& nom) const {
    return tlv::litlignes(chemin(nom));
}

LectureEntiere StockageDisque::litlignesentieres(const std::string& nom, std::size_t taillemax) const {
    return tlv::litlignesentieres(chemin(nom), taillemax);
}

Resultat StockageDisque::ecrit(const std::string& nom, std::string_view contenu) {
    return ecritfichier(chemin(nom), contenu);
}

Resultat StockageDisque::ecritparrelais(const std::string& nom, const std::string& relais,
                                        std::string_view contenu) {
    const std::string r = chemin(relais);
    if (ecritfichier(r, contenu) && remplacefichier(r, chemin(nom))) return {};
    ::unlink(r.c_str());
    // The reason the fallback gives, if it fails too, is the one the player is told.
    return ecritfichier(chemin(nom), contenu);
}

Stockage::Presence StockageDisque::presence(const std::string& nom) const {
    const int fd = ::open(chemin(nom).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return Presence::present;
    }
    return errno == ENOENT ? Presence::absent : Presence::illisible;
}

std::optional<std::vector<std::string>> StockageMemoire::litlignes(const std::string& nom) const {
    const auto f = fichiers_.find(nom);
    if (f == fichiers_.end()) return disque_.litlignes(nom);
    return decoupelignes(f->second, longueurmaxligne);
}

LectureEntiere StockageMemoire::litlignesentieres(const std::string& nom, std::size_t taillemax) const {
    const auto f = fichiers_.find(nom);
    if (f == fichiers_.end()) return disque_.litlignesentieres(nom, taillemax);
    return {decoupelignes(f->second, std::string::npos), {}};
}

Resultat StockageMemoire::ecrit(const std::string& nom, std::string_view contenu) {
    fichiers_[nom] = std::string(contenu);
    return {};
}

Resultat StockageMemoire::ecritparrelais(const std::string& nom, const std::string&,
                                         std::string_view contenu) {
    return ecrit(nom, contenu);
}

Stockage::Presence StockageMemoire::presence(const std::string& nom) const {
    if (fichiers_.contains(nom)) return Presence::present;
    return disque_.presence(nom) == Presence::present ? Presence::present : Presence::absent;
}

} // namespace tlv
